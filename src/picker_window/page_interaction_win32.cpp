// What the user does on a page child (solid, process or settings page):
// picker/swatch_paging.* and picker/swatch_hits.* decide where a scroll or a
// click goes, picker/page_switch.* what a colour-type change selects.
#include "picker_window/page_interaction_win32.h"

#include "colorlib/color_tables.h"
#include "context/library_guard.h"
#include "picker/page_switch.h"
#include "picker/picker_run.h"
#include "picker/swatch_hits.h"
#include "picker/swatch_paging.h"
#include "picker_window/gdi_scope_win32.h"
#include "picker_window/page_selection_win32.h"
#include "picker_window/picker_paint_win32.h"
#include "picker_window/settings_page_win32.h"
#include "picker_window/swatch_list_accessible_win32.h"

// Only the page shown acts; a message that reaches a hidden page (posted
// before a switch) does nothing.
static bool is_current(picker_run& run, const page_windows& page)
{
    return current_color_page(run) == &page && page.view != nullptr;
}

// After every selection the user makes, the arrow keys act on the page.
static void select_from_user(picker_run& run, page_windows& page, colorid c, bool redraw_grid)
{
    const bool grid_had_focus = page_has_focus(page);
    {
        const window_dc dc(page.child);
        select_and_show(dc, run, c);
        if (redraw_grid) draw_swatch_grid(dc, run, page);
    }
    page_windows* shown = current_color_page(run);
    if (shown == nullptr) return;
    SetFocus(shown->scroll_bar);
    if (!grid_had_focus || shown != &page) announce_list_focus(*shown);
    update_scroll_thumb(run, *shown);
}

LRESULT on_page_scroll(page_windows& page, int code, int position)
{
    const library_guard held;
    picker_run& run = *page.run;
    if (!is_current(run, page)) return 0;
    if (code == SB_ENDSCROLL) {
        update_scroll_thumb(run, page);
        return 0;
    }
    const colorid c = scroll_command_target(run, code, position, *page.view);
    if (c != no_color) select_from_user(run, page, c, false);
    return 0;
}

LRESULT on_page_click(page_windows& page, int x, int y)
{
    const library_guard held;
    picker_run& run = *page.run;
    if (!is_current(run, page)) return 1;
    colorid c = no_color;
    if (hit_strip(run, x, y, &c, *page.view)) select_from_user(run, page, c, true);
    else if (hit_swatch(run, x, y, &c, *page.view)) select_from_user(run, page, c, false);
    else return 1;
    return 0;
}

LRESULT on_page_select_color(page_windows& page, colorid c)
{
    const library_guard held;
    picker_run& run = *page.run;
    // The request may have waited behind a page switch or a guide change.
    if (!is_current(run, page) || c == no_color || colorid_pub(c) != static_cast<uint32_t>(page.view->pub)) return 0;
    select_from_user(run, page, c, false);
    return 0;
}

LRESULT on_page_double_click(page_windows& page, int x, int y)
{
    const library_guard held;
    picker_run& run = *page.run;
    picker_settings& settings = run.lib.picker;
    if (!is_current(run, page) || settings.selected_color == no_color) return 1;
    colorid c = no_color;
    if (hit_original_patch(run, x, y, *page.view)) {
        run.scroll_mode = scroll_centre;
        select_from_user(run, page, settings.original_color, false);
    } else if (hit_new_patch(run, x, y, *page.view)) {
        settings.original_color = settings.selected_color;
        draw_swatch_grid(window_dc(page.child), run, page);   // the "Original" patch shows the new original
        run.scroll_mode = scroll_centre;
        select_from_user(run, page, settings.selected_color, false);
    } else if (hit_swatch(run, x, y, &c, *page.view)) {
        // The first click of the double-click selected the colour: pick it.
        PostMessageA(run.ui->window, WM_COMMAND, IDOK, 0);
    } else {
        return 1;
    }
    return 0;
}

static void on_type_change(picker_run& run, page_windows& page)
{
    const colorid c =
        change_solid_guide(run, static_cast<int32_t>(SendMessageA(page.type_combo, CB_GETCURSEL, 0, 0)));
    if (c == no_color) return;
    select_and_show(window_dc(page.child), run, c);
    // The guide's description changes with the choice.
    const RECT description = to_rect(page.layout->description_group);
    InvalidateRect(page.child, &description, FALSE);
}

// The name the box showed when the user entered it: find-by-name tells a
// typed name from an unchanged one by it.
static void on_name_focus(picker_run& run, HWND edit)
{
    GetWindowTextA(edit, run.find_text, find_text_size);
    if (run.find_name_max < static_cast<uint32_t>(find_text_size)) run.find_text[run.find_name_max] = 0;
    SendMessageA(edit, EM_SETSEL, 0, -1);
}

static void on_name_leave(picker_run& run, HWND edit)
{
    if (run.current_view == nullptr || run.lib.picker.selected_color == no_color) return;
    char name[256] = " ";
    if (!run.selection_blank) get_color_name(run.lib.catalogue, run.lib.picker.selected_color, name, 20, -1);
    SetWindowTextA(edit, name);
}

LRESULT on_page_command(page_windows& page, int id, int code, HWND control)
{
    picker_run& run = *page.run;
    if (page.page == settings_page && on_settings_command(run, id, code)) return 0;
    const library_guard held;
    if (id == IDC_TYPE_COMBO) {
        if (code == CBN_SELCHANGE && is_current(run, page) && page.type_combo != nullptr) on_type_change(run, page);
        return 0;
    }
    if (id == IDC_NAME_EDIT) {
        if (code == EN_SETFOCUS) on_name_focus(run, control);
        else if (code == EN_KILLFOCUS) on_name_leave(run, control);
        return 0;
    }
    return DefWindowProcA(page.child, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

void navigate_by_key(picker_run& run, int page_index, UINT key)
{
    page_windows& page = page_windows_of(run, page_index);
    if (!is_current(run, page)) return;
    const colorid c = navigation_target(run, key, *page.view);
    if (c != no_color) select_from_user(run, page, c, false);
}
