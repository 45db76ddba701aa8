#include "rounded_shape.h"

#include <algorithm>
#include <cmath>

namespace qel::gtk {

RegionPtr RoundedRegion(int width, int height, int radius)
{
    RegionPtr region(cairo_region_create());
    if (width <= 0 || height <= 0) {
        return region;
    }
    radius = std::clamp(radius, 0, std::min(width, height) / 2);
    for (int row = 0; row < radius; ++row) {
        // How far the arc is in from the side at the middle of this pixel row.
        double dy = radius - row - 0.5;
        int inset = static_cast<int>(std::lround(radius - std::sqrt(double(radius) * radius - dy * dy)));
        cairo_rectangle_int_t top = {inset, row, width - 2 * inset, 1};
        cairo_rectangle_int_t bottom = {inset, height - 1 - row, width - 2 * inset, 1};
        cairo_region_union_rectangle(region.get(), &top);
        cairo_region_union_rectangle(region.get(), &bottom);
    }
    cairo_rectangle_int_t middle = {0, radius, width, height - 2 * radius};
    cairo_region_union_rectangle(region.get(), &middle);
    return region;
}

void ApplyRoundedShape(GtkWidget *widget, int width, int height, int radius)
{
    if (radius <= 0) {
        gtk_widget_shape_combine_region(widget, nullptr);
        return;
    }
    RegionPtr region = RoundedRegion(width, height, radius);
    gtk_widget_shape_combine_region(widget, region.get());
}

} // namespace qel::gtk
