// placeholder: filled by its change
