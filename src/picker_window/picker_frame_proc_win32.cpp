// The picker window's procedure: one line per message, each unpacking its
// arguments and calling one handler below. The handlers take the guard for
// their own duration, ask the window-free unit for every number (the frame
// from picker/picker_layout.*, the end of a run from picker/picker_result.*,
// the hook's return from picker/key_decision.*) and make only the Win32 calls.
#include <windows.h>
#include <commctrl.h>

#include "context/library_guard.h"
#include "frame/module_handles_win32.h"
#include "frame/texts_win32.h"
#include "picker/key_decision.h"
#include "picker/picker_layout.h"
#include "picker/picker_result.h"
#include "picker/picker_run.h"
#include "picker_window/about_dialog_win32.h"
#include "picker_window/color_page_build_win32.h"
#include "picker_window/gdi_scope_win32.h"
#include "picker_window/high_contrast_win32.h"
#include "picker_window/make_control_win32.h"
#include "picker_window/page_selection_win32.h"
#include "picker_window/picker_hook_win32.h"
#include "picker_window/picker_paint_win32.h"
#include "picker_window/picker_windows_win32.h"
#include "picker_window/settings_page_win32.h"
#include "picker_window/window_classes_win32.h"

static picker_system_metrics system_metrics(int32_t dpi)
{
    picker_system_metrics m;
    m.cy_caption = GetSystemMetrics(SM_CYCAPTION);
    m.cx_border = GetSystemMetrics(SM_CXBORDER);
    m.cx_frame = GetSystemMetrics(SM_CXFRAME);
    m.cx_vscroll = GetSystemMetrics(SM_CXVSCROLL);
    m.cx_hscroll = GetSystemMetrics(SM_CXHSCROLL);
    m.cy_hscroll = GetSystemMetrics(SM_CYHSCROLL);
    m.cy_menu = GetSystemMetrics(SM_CYMENU);
    m.cy_dlgframe = GetSystemMetrics(SM_CYDLGFRAME);
    m.dpi = dpi;
    return m;
}

static void add_tab(HWND tab, int index, unsigned text_id)
{
    char text[64];
    load_text(text_id, text, sizeof text);
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.iImage = -1;
    item.pszText = text;
    SendMessageA(tab, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

// Made hidden: showing the page (show_page) places and shows its child, and
// a page never shown is never drawn.
static HWND make_page_child(picker_run& run, HWND window, page_windows& page, int index)
{
    page = page_windows{};
    page.run = &run;
    page.page = index;
    page.child = CreateWindowExA(0, "VerihueCHILDPickerClass", "", WS_CHILD, 0, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                                 window, nullptr, instance_handle, &page);
    return page.child;
}

static HWND make_button(const picker_run& run, HWND window, unsigned text_id, int id, DWORD style, int32_t x)
{
    const frame_layout& f = run.picker_frame;
    const pixel_rect r{x, f.button_y, x + f.button_width, f.button_y + f.button_height};
    return make_text_control(run.ui->ui_font, window, id, "BUTTON", WS_CHILD | WS_VISIBLE | style, 0, r, text_id);
}

// The tab control, its pages and the three buttons, at the unit's rectangles.
static void build_frame(picker_run& run, HWND window)
{
    picker_windows& ui = *run.ui;
    run.picker_metrics = system_metrics(run.picker_metrics.dpi);
    RECT wr;
    GetWindowRect(window, &wr);
    run.picker_frame = layout_frame(wr.right - wr.left, wr.bottom - wr.top, run.picker_metrics.cy_caption);
    const pixel_rect& t = run.picker_frame.tab;
    const bool settings_tab = run.lib.picker.show_settings_tab != 0;
    const DWORD tab_style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP;
    ui.tab_control = make_control(ui.ui_font, window, IDC_TAB_CONTROL, WC_TABCONTROLA, tab_style, 0, t);
    add_tab(ui.tab_control, solid_page, IDS_SOLID_TAB);
    add_tab(ui.tab_control, process_page, IDS_PROCESS_TAB);
    if (settings_tab) add_tab(ui.tab_control, settings_page, IDS_SETTINGS_TAB);
    RECT d = {0, 0, t.width(), t.height()};
    SendMessageA(ui.tab_control, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&d));
    ui.tab_display = pixel_rect{d.left, d.top, d.right, d.bottom};

    make_page_child(run, window, ui.solid, solid_page);
    make_page_child(run, window, ui.process, process_page);
    ui.solid.view = &run.solid_view;
    ui.solid.layout = &run.solid_layout;
    ui.process.view = &run.process_view;
    ui.process.layout = &run.process_layout;
    ui.settings = page_windows{};
    ui.settings.run = &run;
    ui.settings.page = settings_page;
    if (settings_tab) make_page_child(run, window, ui.settings, settings_page);

    const frame_layout& f = run.picker_frame;
    ui.about = make_button(run, window, IDS_ABOUT, IDC_ABOUT, BS_PUSHBUTTON, f.about_x);
    ui.cancel = make_button(run, window, IDS_CANCEL, IDCANCEL, BS_PUSHBUTTON, f.cancel_x);
    ui.ok = make_button(run, window, IDS_OK, IDOK, BS_DEFPUSHBUTTON, f.ok_x);
}

static LRESULT on_nccreate(HWND window, const CREATESTRUCTA* cs, WPARAM wparam, LPARAM lparam)
{
    auto* run = static_cast<picker_run*>(cs->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(run));
    {
        const library_guard held;
        run->ui->window = window;
    }
    return DefWindowProcA(window, WM_NCCREATE, wparam, lparam);
}

// Only the page shown first gets its controls now; the others get theirs
// when their tab is first chosen (show_page), unseen until then.
static LRESULT on_create(picker_run& run, HWND window)
{
    const library_guard held;
    refresh_paint_colors(*run.ui);
    build_frame(run, window);
    if (run.lib.picker.show_settings_tab) settle_stored_options(run.lib.picker);
    show_page(run, run.current_page);
    return 0;
}

// However the window goes (OK, Cancel, the owner closing, a host destroying
// it), the modal wait goes with it: the run ends and the owner is enabled.
static LRESULT on_destroy(picker_run& run)
{
    const library_guard held;
    picker_windows& ui = *run.ui;
    release_color_page(ui.solid);
    release_color_page(ui.process);
    release_settings_page(ui);
    ui.window = nullptr;
    if (ui.wait_dialog != nullptr) EndDialog(ui.wait_dialog, 0);
    return 0;
}

// High contrast and the system colours may change while the picker is open:
// everything is painted again in the colours now chosen.
static LRESULT on_system_change(picker_run& run, HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    {
        const library_guard held;
        refresh_paint_colors(*run.ui);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return DefWindowProcA(window, message, wparam, lparam);
}

static LRESULT on_paint(picker_run& run, HWND window)
{
    const library_guard held;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    paint_footer(dc, run);
    EndPaint(window, &ps);
    return 0;
}

// The window goes without the guard: destroying an owned window activates
// its owner, which may be another thread's window.
static LRESULT end_run(picker_run& run, HWND window, WPARAM command)
{
    HWND wait_dialog = nullptr;
    {
        const library_guard held;
        wait_dialog = run.ui->wait_dialog;
    }
    PostMessageA(wait_dialog, WM_COMMAND, command, 0);
    DestroyWindow(window);
    return 0;
}

// Cancel, Escape and closing: nothing chosen.
static LRESULT end_run_cancelled(picker_run& run, HWND window)
{
    {
        const library_guard held;
        run.lib.picker.selected_color = no_color;
        run.current_view = nullptr;
    }
    return end_run(run, window, IDCANCEL);
}

static LRESULT on_activate_app(picker_run& run, bool active)
{
    const library_guard held;
    if (hook_may_return(run, active)) install_keyboard_hook(run);
    else remove_keyboard_hook(run);
    return 0;
}

// Only where the user put the window is kept: the place the picker opened at
// was worked out for this screen and dpi, and stored it would pin a centred
// window to a spot that the next screen or dpi may not centre.
static LRESULT on_moved_by_user(picker_run& run, HWND window)
{
    RECT r;
    if (!GetWindowRect(window, &r)) return 0;
    const library_guard held;
    run.lib.picker.window_xpos = r.left;
    run.lib.picker.window_ypos = r.top;
    return 0;
}

static LRESULT on_notify(picker_run& run, const NMHDR* header)
{
    if (header->code != TCN_SELCHANGE) return 0;
    const library_guard held;
    picker_windows& ui = *run.ui;
    const int page = static_cast<int>(SendMessageA(ui.tab_control, TCM_GETCURSEL, 0, 0));
    if (page == run.current_page) return 0;
    run.previous_page = run.current_page;
    show_page(run, page);
    run.scroll_mode = scroll_centre;
    SetFocus(ui.tab_control);
    return 0;
}

// OK on the settings page and Cancel there go back to the colour page the
// user came from; on a colour page they end the run.
static bool settings_page_answers(picker_run& run, int id)
{
    const library_guard held;
    if (run.current_page != settings_page) {
        if (id == IDOK) confirm_picker_run(run);
        return false;
    }
    if (id == IDCANCEL) restore_display_names_option(run);
    show_page(run, run.previous_page);
    return true;
}

static LRESULT on_command(picker_run& run, HWND window, int id, WPARAM wparam, LPARAM lparam)
{
    switch (id) {
    case IDOK:
        if (settings_page_answers(run, id)) return 0;
        return end_run(run, window, IDOK);
    case IDCANCEL:
        if (settings_page_answers(run, id)) return 0;
        return end_run_cancelled(run, window);
    case IDC_ABOUT:
        run_nested_dialog(run, "ABOUTDLG", window, about_dialog_proc, 0);
        return 0;
    default: return DefWindowProcA(window, WM_COMMAND, wparam, lparam);
    }
}

static LRESULT on_timer(picker_run& run, HWND window, UINT_PTR id)
{
    const library_guard held;
    KillTimer(window, id);
    SetFocus(run.ui->tab_control);
    return 0;
}

// The palette of the colour page shown; realising it may change how the
// swatches map to the system palette, so then everything is drawn again.
static LRESULT on_palette_query(picker_run& run, HWND window)
{
    const library_guard held;
    page_windows* page = current_color_page(run);
    if (page == nullptr || page->palette == nullptr) return 0;
    UINT n = 0;
    {
        // Realised here for the count it gives, so not through realized_palette.
        const window_dc dc(window);
        HPALETTE previous = SelectPalette(dc, page->palette, FALSE);
        n = RealizePalette(dc);
        SelectPalette(dc, previous, FALSE);
        RealizePalette(dc);
    }
    if (n != 0) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return n;
}

static LRESULT on_palette_changed(picker_run& run, HWND window, HWND changer)
{
    return changer == window ? 0 : on_palette_query(run, window);
}

LRESULT CALLBACK picker_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_NCCREATE) return on_nccreate(window, reinterpret_cast<CREATESTRUCTA*>(lparam), wparam, lparam);
    picker_run* run = run_of_window(window);
    if (run == nullptr) return DefWindowProcA(window, message, wparam, lparam);
    switch (message) {
    case WM_CREATE: return on_create(*run, window);
    case WM_DESTROY: return on_destroy(*run);
    case WM_PAINT: return on_paint(*run, window);
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE: return on_system_change(*run, window, message, wparam, lparam);
    case WM_CLOSE: return end_run_cancelled(*run, window);
    case WM_ACTIVATEAPP: return on_activate_app(*run, wparam == TRUE);
    case WM_EXITSIZEMOVE: return on_moved_by_user(*run, window);
    case WM_NOTIFY: return on_notify(*run, reinterpret_cast<const NMHDR*>(lparam));
    case WM_COMMAND: return on_command(*run, window, LOWORD(wparam), wparam, lparam);
    case WM_TIMER: return on_timer(*run, window, wparam);
    case WM_QUERYNEWPALETTE: return on_palette_query(*run, window);
    case WM_PALETTECHANGED: return on_palette_changed(*run, window, reinterpret_cast<HWND>(wparam));
    default: return DefWindowProcA(window, message, wparam, lparam);
    }
}
