#include "splash_window.h"

#include "log.h"
#include "rounded_shape.h"

namespace qel::gtk {
namespace {

constexpr int kCorner = 15;

} // namespace

SplashWindow::SplashWindow(const std::string &imagePath)
{
    if (!imagePath.empty()) {
        GError *error = nullptr;
        image_ = GObjectRef<GdkPixbuf>::Adopt(gdk_pixbuf_new_from_file(imagePath.c_str(), &error));
        if (!image_) {
            LogError("splash image " + imagePath, error ? error->message : "unreadable");
            g_clear_error(&error);
        }
    }
    window_ = GObjectRef<GtkWidget>::Ref(gtk_window_new(GTK_WINDOW_TOPLEVEL));
    GtkWindow *window = GTK_WINDOW(window_.get());
    gtk_window_set_decorated(window, FALSE);
    gtk_window_set_skip_taskbar_hint(window, TRUE);
    gtk_window_set_type_hint(window, GDK_WINDOW_TYPE_HINT_SPLASHSCREEN);
    gtk_window_set_position(window, GTK_WIN_POS_CENTER);
    gtk_window_set_default_size(window, kWidth, kHeight);
    gtk_window_set_resizable(window, FALSE);
    canvas_ = gtk_drawing_area_new();
    gtk_widget_set_size_request(canvas_, kWidth, kHeight);
    gtk_container_add(GTK_CONTAINER(window_.get()), canvas_);
    g_signal_connect(canvas_, "draw", G_CALLBACK(OnDraw), this);
    ApplyRoundedShape(window_.get(), kWidth + 1, kHeight + 1, kCorner);
}

SplashWindow::~SplashWindow()
{
    g_signal_handlers_disconnect_by_data(canvas_, this);
    gtk_widget_destroy(window_.get());
}

void SplashWindow::Show()
{
    gtk_widget_show_all(window_.get());
}

gboolean SplashWindow::OnDraw(GtkWidget *, cairo_t *cr, gpointer self)
{
    try {
        auto *splash = static_cast<SplashWindow *>(self);
        if (!splash->image_) {
            return FALSE;
        }
        gdk_cairo_set_source_pixbuf(cr, splash->image_.get(), 0, 0);
        cairo_paint(cr);
        return TRUE;
    } catch (...) {
        LogCurrentException("splash paint");
        return FALSE;
    }
}

} // namespace qel::gtk
