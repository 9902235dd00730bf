// Showing a tab page and the selection on a colour page: picker/page_switch.*
// decides the page, picker/swatch_paging.* the screen of swatches and the
// selection frame; this file moves windows and draws.
#include "picker_window/page_selection_win32.h"

#include <commctrl.h>

#include <initializer_list>

#include "colorlib/color_tables.h"
#include "picker/page_switch.h"
#include "picker/picker_layout.h"
#include "picker/picker_state.h"
#include "picker/swatch_paging.h"
#include "picker_window/color_page_build_win32.h"
#include "picker_window/picker_paint_win32.h"
#include "picker_window/settings_page_win32.h"
#include "colorlib/color_lookups.h"

// A colour that displays as pure white stands for a guide position without a
// colour, and cannot be picked.
static bool displays_blank(colorid c, int32_t* r, int32_t* g, int32_t* b)
{
    *r = *g = *b = 255;
    get_color_display_rgb(c, r, g, b, static_cast<int32_t>(D50FLAG));
    return *r == 255 && *g == 255 && *b == 255;
}

int show_page(int page)
{
    page_windows& shown = page_windows_of(page);
    if (shown.child == nullptr) return 1;
    if (page == settings_page) {
        build_settings_page(picker_ui.window);
        enter_settings_page();
    } else {
        build_color_page(shown);
        enter_color_page(page);
    }
    const pixel_rect r = page_child_rect(picker_frame, picker_ui.tab_display);
    SetWindowPos(shown.child, HWND_TOP, r.left, r.top, r.width(), r.height(), SWP_SHOWWINDOW);
    for (page_windows* other : {&picker_ui.solid, &picker_ui.process, &picker_ui.settings})
        if (other != &shown && other->child != nullptr) ShowWindow(other->child, SW_HIDE);
    SendMessageA(picker_ui.tab_control, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    if (page == solid_page && shown.type_combo != nullptr)
        SendMessageA(shown.type_combo, CB_SETCURSEL, solid_pub_choice, 0);
    if (page != settings_page) update_scroll_thumb(shown);
    return 1;
}

void update_scroll_thumb(page_windows& page)
{
    if (page.scroll_bar != nullptr && page.view != nullptr)
        SetScrollPos(page.scroll_bar, SB_CTL, scroll_thumb(*page.view), TRUE);
}

void select_and_show(HDC dc, colorid c)
{
    page_windows* page = current_color_page();
    if (page == nullptr || c == no_color || dc == nullptr) return;
    const int32_t switch_to = switch_page_for_selection(c, *page->view);
    if (switch_to == page_refused) return;
    if (switch_to >= 0) {
        // The page shown now paints itself whole, the selection included.
        show_page(switch_to);
        page = current_color_page();
        if (page == nullptr) return;
        place_selection(c, *page->view, true);
        // OK may come before the page paints: the flag must describe the
        // colour selected now.
        int32_t r, g, b;
        selection_blank = displays_blank(c, &r, &g, &b);
        InvalidateRect(page->child, nullptr, TRUE);
        return;
    }
    swatch_view& view = *page->view;
    selection_blank = 0;
    const selection_outcome placed = place_selection(c, view, true);
    if (placed.place.scrolled) draw_swatch_grid(dc, *page);

    HPALETTE previous = nullptr;
    if (palette_device && page->palette != nullptr) {
        previous = SelectPalette(dc, page->palette, TRUE);
        RealizePalette(dc);
    }
    int32_t r, g, b;
    selection_blank = displays_blank(c, &r, &g, &b);
    if (selection_blank) {
        fill_rect(dc, view.new_patch, stock_brush(WHITE_BRUSH));
        draw_text_box(dc, view.name_line, " ");
        if (page->name_edit != nullptr) SetWindowTextA(page->name_edit, " ");
    } else {
        char name[256];
        get_color_name(c, name, 255, 0);
        draw_text_box(dc, view.name_line, name);
        draw_color_patch(dc, view.new_patch, c, r, g, b);
        get_color_name(c, name, 20, -1);
        if (page->name_edit != nullptr) SetWindowTextA(page->name_edit, name);
    }
    if (!selection_frame.empty()) frame_rect(dc, selection_frame, stock_brush(WHITE_BRUSH));
    selection_frame = pixel_rect{};
    if (!selection_blank && placed.place.visible) {
        frame_rect(dc, placed.frame, stock_brush(BLACK_BRUSH));
        selection_frame = placed.frame;
    }
    if (previous != nullptr) {
        SelectPalette(dc, previous, TRUE);
        RealizePalette(dc);
    }
}
