// Build step: renders one of the installation's pictures from its SVG source to the PNG the program
// shows, so that the tree keeps small text sources instead of binary images.
//   qel-svg-to-png <source.svg> <output.png>
#include <cstdio>

#include <gdk-pixbuf/gdk-pixbuf.h>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: qel-svg-to-png <source.svg> <output.png>\n");
        return 2;
    }
    GError *error = nullptr;
    GdkPixbuf *image = gdk_pixbuf_new_from_file(argv[1], &error);
    if (!image || !gdk_pixbuf_save(image, argv[2], "png", &error, nullptr)) {
        std::fprintf(stderr, "qel-svg-to-png: %s\n", error ? error->message : "failed");
        g_clear_error(&error);
        if (image) {
            g_object_unref(image);
        }
        return 1;
    }
    g_object_unref(image);
    return 0;
}
