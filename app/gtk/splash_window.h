/// \file
/// \brief The start-up picture shown while the main window loads its page.
#pragma once

#include <string>

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtk/gtk.h>

#include "gobject_ref.h"

namespace qel::gtk {

/// A 600 by 500 window with rounded corners, centred on the screen, showing the image at
/// imagePath at its own size. An image that cannot be read or decoded leaves it unpainted.
class SplashWindow {
public:
    explicit SplashWindow(const std::string &imagePath);
    ~SplashWindow();
    SplashWindow(const SplashWindow &) = delete;
    SplashWindow &operator=(const SplashWindow &) = delete;

    void Show();

    static constexpr int kWidth = 600;
    static constexpr int kHeight = 500;

private:
    static gboolean OnDraw(GtkWidget *widget, cairo_t *cr, gpointer self);

    GObjectRef<GdkPixbuf> image_;
    GObjectRef<GtkWidget> window_;
    GtkWidget *canvas_ = nullptr; ///< owned by window_
};

} // namespace qel::gtk
