#include "picker/settings_layout.h"

#include <algorithm>

static pixel_rect sized(int32_t x, int32_t y, int32_t w, int32_t h) { return pixel_rect{x, y, x + w, y + h}; }

settings_layout layout_settings_page(const frame_layout& f, const pixel_rect& D, const settings_text_metrics& m)
{
    settings_layout s;
    const int32_t mx = f.mx, my = f.my;
    // Four lines of text high, or more where the margins, which grow with the
    // window, would push the radio buttons through the group's bottom edge.
    const int32_t radio_dy = 2 * my + m.names_check.cy;
    const int32_t options_h = std::max(line_height(4, m.text_height), radio_dy + m.radio.cy + m.cy_dlgframe);
    s.options_group = pixel_rect{mx, D.bottom - 2 * my - options_h, D.right - mx, D.bottom - 2 * my};
    const pixel_rect& o = s.options_group;
    s.names_check = sized(o.left + mx, o.top + my, m.names_check.cx + m.cx_vscroll, m.names_check.cy);
    // The radio buttons stand at a fixed x, whatever the page's width, fixed
    // in 96-dpi pixels so that the grown check box text does not reach them.
    const int32_t radio_y = o.top + radio_dy;
    const int32_t radio_x = dpi_scaled(250, m.dpi);
    s.d65_radio = sized(radio_x, radio_y, m.radio.cx * 2, m.radio.cy);
    s.d50_radio = sized(radio_x + 3 * m.radio.cx, radio_y, m.radio.cx * 2, m.radio.cy);

    s.profiles_group = pixel_rect{mx, my, mx + (D.right - D.left) - 2 * mx, o.top - 2 * my};
    const pixel_rect& p = s.profiles_group;
    const int32_t button_w = m.change.cx * 3 / 2;
    const int32_t button_h = 2 * m.cy_dlgframe + m.change.cy * 16 / 10;
    const int32_t button_x = p.right - button_w - 2 * mx;
    const int32_t edit_x = p.left + 2 * mx;
    const int32_t edit_w = (button_x - p.left) - 3 * mx;
    s.display_change = sized(button_x, p.top + 3 * m.change.cy, button_w, button_h);
    s.display_edit = sized(edit_x, s.display_change.top, edit_w, button_h);
    s.profile_name_check = sized(edit_x, s.display_edit.top + m.profile_name_check.cy + my * 3 / 2,
                                 m.profile_name_check.cx + m.cx_vscroll, m.profile_name_check.cy);
    s.printer_change = sized(button_x, s.profile_name_check.top + 2 * my + button_h, button_w, button_h);
    s.printer_edit = sized(edit_x, s.printer_change.top, edit_w, button_h);
    return s;
}

pixel_rect settings_label_rect(const pixel_rect& e, const text_size& s)
{
    return pixel_rect{e.left, e.top - s.cy * 3 / 2, e.left + s.cx * 12 / 10, e.top - 2};
}
