// Showing a tab page and the selection on a colour page: picker/page_switch.*
// decides the page, picker/swatch_paging.* the screen of swatches and the
// selection frame; this file moves windows and draws.
#include "picker_window/page_selection_win32.h"

#include <commctrl.h>

#include <initializer_list>

#include "colorlib/color_lookups.h"
#include "colorlib/color_tables.h"
#include "picker/page_switch.h"
#include "picker/picker_layout.h"
#include "picker/picker_run.h"
#include "picker/swatch_paging.h"
#include "picker_window/color_page_build_win32.h"
#include "picker_window/gdi_scope_win32.h"
#include "picker_window/picker_paint_win32.h"
#include "picker_window/settings_page_win32.h"
#include "picker_window/swatch_list_accessible_win32.h"

// A colour that displays as pure white stands for a guide position without a
// colour, and cannot be picked.
static rgb8 display_rgb(picker_run& run, colorid c)
{
    const std::optional<rgb8> rgb = get_color_display_rgb(run.lib.catalogue, run.lib.display, c,
                                                          static_cast<int32_t>(run.lib.picker.D50FLAG));
    return rgb ? *rgb : rgb8{255, 255, 255};
}

static bool blank(const rgb8& c) { return c.r == 255 && c.g == 255 && c.b == 255; }

int show_page(picker_run& run, int page)
{
    picker_windows& ui = *run.ui;
    page_windows& shown = page_windows_of(run, page);
    if (shown.child == nullptr) return 1;
    if (page == settings_page) {
        build_settings_page(run);
        enter_settings_page(run);
    } else {
        build_color_page(run, shown);
        enter_color_page(run, page);
    }
    const pixel_rect r = page_child_rect(run.picker_frame, ui.tab_display);
    SetWindowPos(shown.child, HWND_TOP, r.left, r.top, r.width(), r.height(), SWP_SHOWWINDOW);
    for (page_windows* other : {&ui.solid, &ui.process, &ui.settings})
        if (other != &shown && other->child != nullptr) ShowWindow(other->child, SW_HIDE);
    SendMessageA(ui.tab_control, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    if (page == solid_page && shown.type_combo != nullptr)
        SendMessageA(shown.type_combo, CB_SETCURSEL, run.solid_pub_choice, 0);
    if (page != settings_page) update_scroll_thumb(run, shown);
    return 1;
}

void update_scroll_thumb(const picker_run& run, page_windows& page)
{
    if (page.scroll_bar != nullptr && page.view != nullptr)
        SetScrollPos(page.scroll_bar, SB_CTL, scroll_thumb(run, *page.view), TRUE);
}

static void show_selection(HDC dc, picker_run& run, colorid c)
{
    page_windows* page = current_color_page(run);
    if (page == nullptr || c == no_color || dc == nullptr) return;
    const int32_t switch_to = switch_page_for_selection(run, c, *page->view);
    if (switch_to == page_refused) return;
    if (switch_to >= 0) {
        // The page shown now paints itself whole, the selection included.
        show_page(run, switch_to);
        page = current_color_page(run);
        if (page == nullptr) return;
        place_selection(run, c, *page->view, true);
        // OK may come before the page paints: the flag must describe the
        // colour selected now.
        run.selection_blank = blank(display_rgb(run, c));
        InvalidateRect(page->child, nullptr, TRUE);
        return;
    }
    swatch_view& view = *page->view;
    run.selection_blank = 0;
    const selection_outcome placed = place_selection(run, c, view, true);
    if (placed.place.scrolled) draw_swatch_grid(dc, run, *page);

    const realized_palette palette(dc, run.palette_device ? page->palette : nullptr, TRUE);
    const rgb8 rgb = display_rgb(run, c);
    run.selection_blank = blank(rgb);
    if (run.selection_blank) {
        fill_rect(dc, view.new_patch, ground_brush(dc, run.ui->colors));
        draw_text_box(dc, run, view.name_line, " ");
        if (page->name_edit != nullptr) SetWindowTextA(page->name_edit, " ");
    } else {
        char name[256];
        get_color_name(run.lib.catalogue, c, name, 255, 0);
        draw_text_box(dc, run, view.name_line, name);
        draw_color_patch(dc, run, view.new_patch, c, rgb.r, rgb.g, rgb.b);
        get_color_name(run.lib.catalogue, c, name, 20, -1);
        if (page->name_edit != nullptr) SetWindowTextA(page->name_edit, name);
    }
    if (!run.selection_frame.empty()) frame_rect(dc, run.selection_frame, ground_brush(dc, run.ui->colors));
    run.selection_frame = pixel_rect{};
    if (!run.selection_blank && placed.place.visible) {
        frame_rect(dc, placed.frame, mark_brush(dc, run.ui->colors));
        run.selection_frame = placed.frame;
    }
}

// Every selection change passes here, so this is where listeners hear of it;
// a repaint that shows the same selection tells them nothing.
void select_and_show(HDC dc, picker_run& run, colorid c)
{
    show_selection(dc, run, c);
    page_windows* page = current_color_page(run);
    if (page == nullptr || page->view == nullptr) return;
    const list_change change = describe_list_change(run, *page->view, page->told_selection, page->told_first);
    page->told_selection = run.lib.picker.selected_color;
    page->told_first = run.lib.picker.first_colorid_displayed;
    announce_list_change(*page, change);
}
