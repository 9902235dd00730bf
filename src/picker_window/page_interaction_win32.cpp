// What the user does on a page child (solid, process or settings page):
// picker/swatch_paging.* and picker/swatch_hits.* decide where a scroll or a
// click goes, picker/page_switch.* what a colour-type change selects.
#include "picker_window/page_interaction_win32.h"

#include "colorlib/color_tables.h"
#include "picker/page_switch.h"
#include "picker/picker_state.h"
#include "picker/swatch_hits.h"
#include "picker/swatch_paging.h"
#include "picker_window/page_selection_win32.h"
#include "picker_window/picker_paint_win32.h"
#include "picker_window/settings_page_win32.h"

// Only the page shown acts; a message that reaches a hidden page (posted
// before a switch) does nothing.
static bool is_current(const page_windows& page) { return current_color_page() == &page && page.view != nullptr; }

// After every selection the user makes, the arrow keys act on the page.
static void select_from_user(page_windows& page, colorid c, bool redraw_grid)
{
    HDC dc = GetDC(page.child);
    select_and_show(dc, c);
    if (redraw_grid) draw_swatch_grid(dc, page);
    ReleaseDC(page.child, dc);
    page_windows* shown = current_color_page();
    if (shown == nullptr) return;
    SetFocus(shown->scroll_bar);
    update_scroll_thumb(*shown);
}

LRESULT on_page_scroll(page_windows& page, int code, int position)
{
    if (!is_current(page)) return 0;
    if (code == SB_ENDSCROLL) {
        update_scroll_thumb(page);
        return 0;
    }
    const colorid c = scroll_command_target(code, position, *page.view);
    if (c != no_color) select_from_user(page, c, false);
    return 0;
}

LRESULT on_page_click(page_windows& page, int x, int y)
{
    if (!is_current(page)) return 1;
    colorid c = no_color;
    if (hit_strip(x, y, &c, *page.view)) select_from_user(page, c, true);
    else if (hit_swatch(x, y, &c, *page.view)) select_from_user(page, c, false);
    else return 1;
    return 0;
}

LRESULT on_page_double_click(page_windows& page, int x, int y)
{
    if (!is_current(page) || selected_color == no_color) return 1;
    colorid c = no_color;
    if (hit_original_patch(x, y, *page.view)) {
        scroll_mode = scroll_centre;
        select_from_user(page, original_color, false);
    } else if (hit_new_patch(x, y, *page.view)) {
        original_color = selected_color;
        HDC dc = GetDC(page.child);
        draw_swatch_grid(dc, page);   // the "Original" patch shows the new original
        ReleaseDC(page.child, dc);
        scroll_mode = scroll_centre;
        select_from_user(page, selected_color, false);
    } else if (hit_swatch(x, y, &c, *page.view)) {
        // The first click of the double-click selected the colour: pick it.
        PostMessageA(picker_ui.window, WM_COMMAND, IDOK, 0);
    } else {
        return 1;
    }
    return 0;
}

static void on_type_change(page_windows& page)
{
    const colorid c = change_solid_guide(static_cast<int32_t>(SendMessageA(page.type_combo, CB_GETCURSEL, 0, 0)));
    if (c == no_color) return;
    HDC dc = GetDC(page.child);
    select_and_show(dc, c);
    ReleaseDC(page.child, dc);
    // The guide's description changes with the choice.
    const RECT description = to_rect(page.layout->description_group);
    InvalidateRect(page.child, &description, FALSE);
}

// The name the box showed when the user entered it: find-by-name tells a
// typed name from an unchanged one by it.
static void on_name_focus(HWND edit)
{
    GetWindowTextA(edit, find_text, find_text_size);
    if (find_name_max < static_cast<uint32_t>(find_text_size)) find_text[find_name_max] = 0;
    SendMessageA(edit, EM_SETSEL, 0, -1);
}

static void on_name_leave(HWND edit)
{
    if (current_view == nullptr || selected_color == no_color) return;
    char name[256] = " ";
    if (!selection_blank) get_color_name(selected_color, name, 20, -1);
    SetWindowTextA(edit, name);
}

LRESULT on_page_command(page_windows& page, int id, int code, HWND control)
{
    if (page.page == settings_page && on_settings_command(page.child, id, code)) return 0;
    if (id == IDC_TYPE_COMBO) {
        if (code == CBN_SELCHANGE && is_current(page) && page.type_combo != nullptr) on_type_change(page);
        return 0;
    }
    if (id == IDC_NAME_EDIT) {
        if (code == EN_SETFOCUS) on_name_focus(control);
        else if (code == EN_KILLFOCUS) on_name_leave(control);
        return 0;
    }
    return DefWindowProcA(page.child, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

void navigate_by_key(int page_index, UINT key)
{
    page_windows& page = page_windows_of(page_index);
    if (!is_current(page)) return;
    const colorid c = navigation_target(key, *page.view);
    if (c != no_color) select_from_user(page, c, false);
}
