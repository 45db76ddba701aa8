/// \file
/// \brief Cutting a window to a rounded rectangle.
#pragma once

#include <memory>

#include <cairo.h>
#include <gtk/gtk.h>

namespace qel::gtk {

struct RegionDeleter {
    void operator()(cairo_region_t *region) const { cairo_region_destroy(region); }
};
using RegionPtr = std::unique_ptr<cairo_region_t, RegionDeleter>;

/// The rectangle (0, 0, width, height) with its corners rounded by radius, as rows of pixels.
RegionPtr RoundedRegion(int width, int height, int radius);

/// Cuts the widget's window to the rounded rectangle; radius 0 removes any shape.
void ApplyRoundedShape(GtkWidget *widget, int width, int height, int radius);

} // namespace qel::gtk
