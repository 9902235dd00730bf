#include "picker/paint_geometry.h"

#include <algorithm>
#include <cmath>

#include "picker/swatch_hits.h"

int32_t column_left(const swatch_view& v, int32_t column)
{
    return v.swatch_area.left + v.gap_x + column * (v.gap_x + v.swatch_width);
}

pixel_rect swatch_rect(const swatch_view& v, int32_t k)
{
    const int32_t rows = v.rows > 0 ? v.rows : 1;
    const int32_t column = k / rows, row = k % rows;
    const int32_t x = column_left(v, column);
    const int32_t y = v.swatch_area.top + v.gap_y + 1 + row * (v.gap_y + v.swatch_height);
    return pixel_rect{x, y, x + v.swatch_width, y + v.swatch_height};
}

pixel_rect white_ground(const picker_system_metrics& m, const pixel_rect& area)
{
    const int32_t in = 2 * m.cx_border;
    return pixel_rect{area.left + in, area.top + in, area.right, area.bottom};
}

pixel_rect open_frame_lower(const picker_system_metrics& m, const swatch_view& v)
{
    return pixel_rect{v.swatch_area.left, v.swatch_area.bottom, v.swatch_area.right,
                      v.scroll_y + m.cy_hscroll + 2 * m.cx_border};
}

int32_t strip_columns(const picker_system_metrics& m, const swatch_view& v)
{
    const int32_t n = strip_geometry(m, v).n;
    return n > 0 && v.pages > 0 ? n : 0;
}

strip_column strip_column_at(const picker_system_metrics& m, const swatch_view& v, int32_t i)
{
    strip_column s;
    const int32_t n = strip_columns(m, v);
    s.x = strip_left(m, v) + i;
    if (n == 0 || i < 0 || i >= n) return s;
    const double step = static_cast<double>(v.pages) / n;
    const int64_t page = static_cast<int64_t>(i * step);
    const int64_t index = static_cast<int64_t>(v.rows) * page + v.rows / 2;
    if (index < v.total) s.color = (static_cast<uint32_t>(v.pub) << 16) | static_cast<uint32_t>(index & 0xFFFF);
    return s;
}

caption_origin group_caption_origin(const picker_system_metrics& m, const pixel_rect& box, int32_t cy)
{
    return caption_origin{box.left + 2 * m.cx_frame, box.top - static_cast<int32_t>(cy * 0.5)};
}

pixel_rect text_box_inner(const picker_system_metrics& m, const pixel_rect& box, int32_t cy)
{
    const int32_t side = 2 * m.cx_frame;
    const int32_t end = static_cast<int32_t>(0.75 * cy);
    return pixel_rect{box.left + side, box.top + end, box.right - side, box.bottom - end};
}

footer_places footer_layout(const frame_layout& f, int32_t notice_cy, int32_t profile_cy)
{
    footer_places p;
    const int32_t b = f.tab.bottom;
    p.notice = pixel_rect{f.tab.left + 2, b + 2 * notice_cy, f.ok_x - f.mx, b + 3 * notice_cy};
    p.profile_band = pixel_rect{f.tab.left, b + static_cast<int32_t>(profile_cy * 0.5), f.ok_x,
                                b + static_cast<int32_t>(profile_cy * 1.5)};
    p.profile_x = f.tab.left + 2;
    p.profile_y = p.profile_band.top;
    return p;
}

static double channel_light(int32_t level)
{
    const double c = std::clamp(level, 0, 255) / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

static double relative_luminance(int32_t r, int32_t g, int32_t b)
{
    return 0.2126 * channel_light(r) + 0.7152 * channel_light(g) + 0.0722 * channel_light(b);
}

uint32_t swatch_name_color(int32_t r, int32_t g, int32_t b, uint32_t label)
{
    const double swatch = relative_luminance(r, g, b);
    const double text = relative_luminance(label & 0xFF, (label >> 8) & 0xFF, (label >> 16) & 0xFF);
    const double ratio = (std::max(swatch, text) + 0.05) / (std::min(swatch, text) + 0.05);
    return ratio >= 3.0 ? label : 0x00000000u;
}
