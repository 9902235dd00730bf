#include "picker/picker_layout.h"

#include <algorithm>

static int32_t trunc_scaled(int32_t v, double factor) { return static_cast<int32_t>(v * factor); }

int32_t dpi_scaled(int32_t length, int32_t dpi)
{
    if (dpi <= 0) return length;
    const int64_t scaled = static_cast<int64_t>(length) * dpi;
    const int64_t half = base_dpi / 2;
    return static_cast<int32_t>(scaled >= 0 ? (scaled + half) / base_dpi : (scaled - half) / base_dpi);
}

// Moves [lo, lo + size) inside [from, to) where it sticks out, the start first.
static int32_t moved_inside(int32_t lo, int32_t size, int32_t from, int32_t to)
{
    return std::max(from, std::min(lo, to - size));
}

pixel_rect picker_window_rect(const picker_screen& s, int32_t xpos, int32_t ypos)
{
    const pixel_rect work = s.work_area.empty() ? pixel_rect{0, 0, s.width, s.height} : s.work_area;
    // Cut to the work area rather than the texts shrunk: at 150 % and more the
    // scaled window meets the edges of many real screens, and a window under
    // the taskbar would hide its own buttons.
    const int32_t w = std::min(dpi_scaled(trunc_scaled(s.width, s.small ? 0.65 : 0.5), s.dpi), work.width());
    const int32_t h = std::min(dpi_scaled(trunc_scaled(s.height, s.small ? 0.75 : 0.65), s.dpi), work.height());
    int32_t x = xpos, y = ypos;
    if (xpos == 0 && ypos == 0) {
        x = moved_inside((s.width - w) / 2, w, work.left, work.right);
        y = moved_inside((s.height - h) / 2, h, work.top, work.bottom);
    }
    return pixel_rect{x, y, x + w, y + h};
}

pixel_rect moved_into_work_area(const pixel_rect& window, const pixel_rect& work)
{
    const int32_t x = moved_inside(window.left, window.width(), work.left, work.right);
    const int32_t y = moved_inside(window.top, window.height(), work.top, work.bottom);
    return pixel_rect{x, y, x + window.width(), y + window.height()};
}

frame_layout layout_frame(int32_t W, int32_t H, int32_t cy_caption)
{
    frame_layout f;
    const int32_t tw = trunc_scaled(W, 0.95);
    const int32_t th = trunc_scaled(H, 0.82);
    const int32_t tx = (W - tw) / 2;
    const int32_t ty = trunc_scaled(cy_caption, 0.5);
    f.tab = pixel_rect{tx, ty, tx + tw, ty + th};
    f.mx = tw / 40;
    f.my = th / 25;

    const int32_t n = H - (th + ty) - cy_caption;
    f.button_height = n / 2;
    f.button_width = tw / 5;
    f.button_y = th + (n - f.button_height) / 2 + ty;
    f.about_x = tw + tx - f.button_width;
    f.cancel_x = f.about_x - trunc_scaled(f.button_width, 1.1);
    f.ok_x = f.cancel_x - trunc_scaled(f.button_width, 1.1);
    return f;
}

pixel_rect page_child_rect(const frame_layout& f, const pixel_rect& D)
{
    return pixel_rect{f.tab.left + D.left, f.tab.top + D.top, f.tab.left + D.right, f.tab.top + D.bottom};
}

int32_t line_height(int32_t n, int32_t text_height)
{
    if (n < 1) return 0;
    return n * text_height + trunc_scaled(text_height, 1.5);
}

// The parts below the description line are the same on both pages: name line,
// find label, swatch area, comparison area and patches, scroll bar and edit box.
static void layout_lower_parts(const pixel_rect& D, const frame_layout& f, const page_text_metrics& m,
                               const picker_system_metrics& sm, int32_t palette_display, int32_t area_left,
                               int32_t area_top, int32_t right, page_layout& out, swatch_view& v)
{
    const int32_t mx = f.mx, my = f.my;
    const int32_t h = line_height(1, m.text_height);
    v.name_line.top = D.bottom - 2 * my - h;
    v.name_line.left = D.right - trunc_scaled(D.right - D.left, 0.65) - mx;
    v.name_line.right = right;
    v.name_line.bottom = v.name_line.top + h;

    out.find_label.left = v.name_line.left;
    out.find_label.top = v.name_line.top - my - m.find_label_cy;
    out.find_label.right = out.find_label.left + trunc_scaled(m.find_label_cx, 1.1);
    out.find_label.bottom = out.find_label.top + m.find_label_cy;

    v.swatch_area.left = area_left;
    v.swatch_area.top = area_top;
    v.swatch_area.right = right;
    v.swatch_area.bottom = out.find_label.top - my / 2 - trunc_scaled(sm.cy_hscroll, 1.5);

    out.comparison_area = pixel_rect{v.swatch_area.left, out.find_label.top, v.name_line.left - mx, v.name_line.bottom};
    const pixel_rect& ca = out.comparison_area;
    const int32_t half = (ca.right - ca.left) / 2;
    out.original_label = pixel_rect{ca.left, ca.top, ca.left + half, ca.top + m.comparison_label_height};
    out.new_label = pixel_rect{out.original_label.right, ca.top, ca.right, out.original_label.bottom};

    // The inset follows the width, but a wide and low area (a large window)
    // would leave the patches no height for the colour's name.
    const int32_t inset = std::min(trunc_scaled(out.original_label.width(), 0.15),
                                   (ca.bottom - out.original_label.bottom) / 3);
    v.original_patch = pixel_rect{ca.left + inset, out.original_label.bottom + inset, out.original_label.right,
                                  ca.bottom - inset};
    v.new_patch = pixel_rect{out.new_label.left, out.new_label.bottom + inset, out.new_label.right - inset,
                             ca.bottom - inset};

    // True-colour displays get the colour strip between the swatches and the
    // scroll bar; palette displays have no room to spare for it.
    v.scroll_y = v.swatch_area.bottom + (palette_display ? 0 : trunc_scaled(sm.cy_hscroll, 0.75));
    v.columns = 5;
    v.label_height = m.label_height;

    out.scroll_bar = pixel_rect{v.swatch_area.left + 2 * sm.cx_border, v.scroll_y,
                                v.swatch_area.right - 2 * sm.cx_border, v.scroll_y + sm.cy_hscroll};
    out.name_edit = pixel_rect{out.find_label.right, out.find_label.top, v.swatch_area.right,
                               out.find_label.top + trunc_scaled(out.find_label.height(), 1.5)};
}

void layout_solid_page(const pixel_rect& D, const frame_layout& f, const page_text_metrics& m,
                       const picker_system_metrics& sm, int32_t palette_display, page_layout& out, swatch_view& v)
{
    const int32_t mx = f.mx, my = f.my;
    const int32_t w = m.widest_type_text + 2 * mx + sm.cx_vscroll + 2 * sm.cx_frame;
    out.type_group = pixel_rect{mx, my, mx + w, my + line_height(2, m.text_height)};
    out.description_group = pixel_rect{out.type_group.right + mx, out.type_group.top, D.right - mx,
                                       out.type_group.bottom};
    const pixel_rect& g = out.type_group;
    out.type_combo = pixel_rect{g.left + mx, g.top + (g.height() - sm.cy_menu) / 2, g.right - mx,
                                g.top + (g.height() - sm.cy_menu) / 2 + 5 * sm.cy_menu};
    layout_lower_parts(D, f, m, sm, palette_display, g.left, g.bottom + my / 2, out.description_group.right, out, v);
}

void layout_process_page(const pixel_rect& D, const frame_layout& f, const page_text_metrics& m,
                         const picker_system_metrics& sm, int32_t palette_display, page_layout& out, swatch_view& v)
{
    const int32_t mx = f.mx, my = f.my;
    out.type_group = pixel_rect{};
    out.type_combo = pixel_rect{};
    out.description_group = pixel_rect{mx, my, D.right - mx, my + line_height(1, m.text_height)};
    const pixel_rect& d = out.description_group;
    layout_lower_parts(D, f, m, sm, palette_display, d.left, d.bottom + my / 2, d.right, out, v);
}

int32_t page_palette_entries(const swatch_view& view)
{
    return view.palette_count > 0 ? view.palette_count + 1 : 0;
}
