#include "picker/swatch_hits.h"

#include "colorlib/colorid.h"
#include "picker/picker_run.h"

static bool on_color_page(const picker_run& run) { return run.current_page != settings_page; }

strip_extent strip_geometry(const picker_system_metrics& m, const swatch_view& v)
{
    strip_extent s;
    s.pad = 2 * m.cx_border;
    s.n = v.swatch_area.width() - static_cast<int32_t>(2.0 * m.cx_hscroll) - s.pad;
    return s;
}

int32_t strip_left(const picker_system_metrics& m, const swatch_view& v)
{
    return v.swatch_area.left + m.cx_hscroll + strip_geometry(m, v).pad;
}

int32_t grid_position_at(const swatch_view& v, int32_t x, int32_t y)
{
    if (!v.swatch_area.contains(x, y)) return -1;
    const int32_t cell_w = v.gap_x + v.swatch_width;
    const int32_t cell_h = v.gap_y + v.swatch_height;
    if (cell_w <= 0 || cell_h <= 0) return -1;
    const int32_t column = (x - v.swatch_area.left) / cell_w;
    const int32_t row = (y - v.swatch_area.top) / cell_h;
    if (column > v.columns - 1 || row > v.rows - 1) return -1;
    return v.rows * column + row;
}

bool hit_swatch(picker_run& run, int32_t x, int32_t y, colorid* out, const swatch_view& v)
{
    if (!on_color_page(run)) return false;
    const int32_t k = grid_position_at(v, x, y);
    if (k < 0) return false;
    const int64_t index = static_cast<int64_t>(colorid_index(run.lib.picker.first_colorid_displayed)) + k;
    *out = index < v.total ? make_colorid(run.lib.catalogue, static_cast<uint32_t>(v.pub), static_cast<uint32_t>(index)) : no_color;
    return true;
}

bool hit_strip(picker_run& run, int32_t x, int32_t y, colorid* out, const swatch_view& v)
{
    if (!on_color_page(run) || run.palette_device) return false;
    const pixel_rect strip{v.swatch_area.left, v.swatch_area.bottom, v.swatch_area.right, v.scroll_y};
    if (!strip.contains(x, y)) return false;
    const strip_extent s = strip_geometry(run.picker_metrics, v);
    if (s.n <= 0 || v.pages <= 0) return false;
    const double step = static_cast<double>(v.pages) / s.n;
    const int32_t x0 = strip_left(run.picker_metrics, v);
    int32_t p = 0;
    if (x < x0) p = 0;
    else if (x > x0 + s.n) p = v.pages - 1;
    else p = static_cast<int32_t>((x - x0) * step);
    // The strip's last pixel lies one past the last page's share; it shows
    // the last page like its neighbours.
    if (p > v.pages - 1) p = v.pages - 1;
    *out = make_colorid(run.lib.catalogue, static_cast<uint32_t>(v.pub), static_cast<uint32_t>(v.rows * p + v.rows / 2));
    run.scroll_mode = scroll_centre;
    return true;
}

bool hit_original_patch(const picker_run& run, int32_t x, int32_t y, const swatch_view& v)
{
    return on_color_page(run) && v.original_patch.contains(x, y);
}

bool hit_new_patch(const picker_run& run, int32_t x, int32_t y, const swatch_view& v)
{
    return on_color_page(run) && v.new_patch.contains(x, y);
}
