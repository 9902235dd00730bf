// The picker window's procedure: one line per message, each unpacking its
// arguments and calling one handler below. The handlers ask the window-free
// unit for every number (the frame from picker/picker_layout.*, the end of a
// run from picker/picker_result.*, the hook's return from
// picker/key_decision.*) and make only the Win32 calls.
#include <windows.h>
#include <commctrl.h>

#include "frame/library_state_win32.h"
#include "frame/texts_win32.h"
#include "picker/key_decision.h"
#include "picker/picker_layout.h"
#include "picker/picker_result.h"
#include "picker/picker_state.h"
#include "picker_window/about_dialog_win32.h"
#include "picker_window/color_page_build_win32.h"
#include "picker_window/make_control_win32.h"
#include "picker_window/page_selection_win32.h"
#include "picker_window/picker_hook_win32.h"
#include "picker_window/picker_paint_win32.h"
#include "picker_window/picker_windows_win32.h"
#include "picker_window/settings_page_win32.h"
#include "picker_window/window_classes_win32.h"

static void take_system_metrics()
{
    picker_metrics.cy_caption = GetSystemMetrics(SM_CYCAPTION);
    picker_metrics.cx_border = GetSystemMetrics(SM_CXBORDER);
    picker_metrics.cx_frame = GetSystemMetrics(SM_CXFRAME);
    picker_metrics.cx_vscroll = GetSystemMetrics(SM_CXVSCROLL);
    picker_metrics.cx_hscroll = GetSystemMetrics(SM_CXHSCROLL);
    picker_metrics.cy_hscroll = GetSystemMetrics(SM_CYHSCROLL);
    picker_metrics.cy_menu = GetSystemMetrics(SM_CYMENU);
    picker_metrics.cy_dlgframe = GetSystemMetrics(SM_CYDLGFRAME);
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
static HWND make_page_child(HWND window, page_windows& page, int index)
{
    page = page_windows{};
    page.page = index;
    page.child = CreateWindowExA(0, "VerihueCHILDPickerClass", "", WS_CHILD, 0, 0, CW_USEDEFAULT,
                                 CW_USEDEFAULT, window, nullptr, instance_handle, &page);
    return page.child;
}

static HWND make_button(HWND window, unsigned text_id, int id, DWORD style, int32_t x)
{
    const frame_layout& f = picker_frame;
    const pixel_rect r{x, f.button_y, x + f.button_width, f.button_y + f.button_height};
    return make_text_control(window, id, "BUTTON", WS_CHILD | WS_VISIBLE | style, 0, r, text_id);
}

// The tab control, its pages and the three buttons, at the unit's rectangles.
static void build_frame(picker_windows& ui, HWND window)
{
    take_system_metrics();
    RECT wr;
    GetWindowRect(window, &wr);
    picker_frame = layout_frame(wr.right - wr.left, wr.bottom - wr.top, picker_metrics.cy_caption);
    const pixel_rect& t = picker_frame.tab;
    const DWORD tab_style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP;
    ui.tab_control = make_control(window, IDC_TAB_CONTROL, WC_TABCONTROLA, tab_style, 0, t);
    add_tab(ui.tab_control, solid_page, IDS_SOLID_TAB);
    add_tab(ui.tab_control, process_page, IDS_PROCESS_TAB);
    if (show_settings_tab) add_tab(ui.tab_control, settings_page, IDS_SETTINGS_TAB);
    RECT d = {0, 0, t.width(), t.height()};
    SendMessageA(ui.tab_control, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&d));
    ui.tab_display = pixel_rect{d.left, d.top, d.right, d.bottom};

    make_page_child(window, ui.solid, solid_page);
    make_page_child(window, ui.process, process_page);
    ui.solid.view = &solid_view;
    ui.solid.layout = &solid_layout;
    ui.process.view = &process_view;
    ui.process.layout = &process_layout;
    ui.settings = page_windows{};
    ui.settings.page = settings_page;
    if (show_settings_tab) make_page_child(window, ui.settings, settings_page);

    ui.about = make_button(window, IDS_ABOUT, IDC_ABOUT, BS_PUSHBUTTON, picker_frame.about_x);
    ui.cancel = make_button(window, IDS_CANCEL, IDCANCEL, BS_PUSHBUTTON, picker_frame.cancel_x);
    ui.ok = make_button(window, IDS_OK, IDOK, BS_DEFPUSHBUTTON, picker_frame.ok_x);
}

static LRESULT on_nccreate(HWND window, const CREATESTRUCTA* cs, WPARAM wparam, LPARAM lparam)
{
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    picker_ui.window = window;
    return DefWindowProcA(window, WM_NCCREATE, wparam, lparam);
}

// Only the page shown first gets its controls now; the others get theirs
// when their tab is first chosen (show_page), unseen until then.
static LRESULT on_create(picker_windows& ui, HWND window)
{
    build_frame(ui, window);
    if (show_settings_tab) settle_stored_options();
    show_page(current_page);
    return 0;
}

// However the window goes (OK, Cancel, the owner closing, a host destroying
// it), the modal wait goes with it: the run ends and the owner is enabled.
static LRESULT on_destroy(picker_windows& ui)
{
    release_color_page(ui.solid);
    release_color_page(ui.process);
    release_settings_page();
    ui.window = nullptr;
    if (ui.wait_dialog != nullptr) EndDialog(ui.wait_dialog, 0);
    return 0;
}

static LRESULT on_paint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    paint_footer(dc);
    EndPaint(window, &ps);
    return 0;
}

// Cancel, Escape and closing: nothing chosen.
static LRESULT end_run_cancelled(picker_windows& ui, HWND window)
{
    selected_color = no_color;
    current_view = nullptr;
    PostMessageA(ui.wait_dialog, WM_COMMAND, IDCANCEL, 0);
    DestroyWindow(window);
    return 0;
}

static LRESULT on_activate_app(bool active)
{
    if (hook_may_return(active)) install_keyboard_hook();
    else remove_keyboard_hook();
    return 0;
}

static LRESULT on_moved(const WINDOWPOS* pos)
{
    window_xpos = pos->x;
    window_ypos = pos->y;
    return 0;
}

static LRESULT on_notify(picker_windows& ui, const NMHDR* header)
{
    if (header->code != TCN_SELCHANGE) return 0;
    const int page = static_cast<int>(SendMessageA(ui.tab_control, TCM_GETCURSEL, 0, 0));
    if (page == current_page) return 0;
    previous_page = current_page;
    show_page(page);
    scroll_mode = scroll_centre;
    SetFocus(ui.tab_control);
    return 0;
}

static LRESULT on_command(picker_windows& ui, HWND window, int id, WPARAM wparam, LPARAM lparam)
{
    switch (id) {
    case IDOK:
        if (current_page == settings_page) return show_page(previous_page), 0;
        confirm_picker_run();
        PostMessageA(ui.wait_dialog, WM_COMMAND, IDOK, 0);
        DestroyWindow(window);
        return 0;
    case IDCANCEL:
        if (current_page != settings_page) return end_run_cancelled(ui, window);
        restore_display_names_option();
        show_page(previous_page);
        return 0;
    case IDC_ABOUT:
        run_nested_dialog("ABOUTDLG", window, about_dialog_proc, 0);
        return 0;
    default: return DefWindowProcA(window, WM_COMMAND, wparam, lparam);
    }
}

static LRESULT on_timer(picker_windows& ui, HWND window, UINT_PTR id)
{
    KillTimer(window, id);
    SetFocus(ui.tab_control);
    return 0;
}

// The palette of the colour page shown; realising it may change how the
// swatches map to the system palette, so then everything is drawn again.
static LRESULT on_palette_query(HWND window)
{
    page_windows* page = current_color_page();
    if (page == nullptr || page->palette == nullptr) return 0;
    HDC dc = GetDC(window);
    HPALETTE previous = SelectPalette(dc, page->palette, FALSE);
    const UINT n = RealizePalette(dc);
    SelectPalette(dc, previous, FALSE);
    RealizePalette(dc);
    ReleaseDC(window, dc);
    if (n != 0) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return n;
}

static LRESULT on_palette_changed(HWND window, HWND changer)
{
    return changer == window ? 0 : on_palette_query(window);
}

LRESULT CALLBACK picker_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_NCCREATE) return on_nccreate(window, reinterpret_cast<CREATESTRUCTA*>(lparam), wparam, lparam);
    picker_windows* ui = reinterpret_cast<picker_windows*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (ui == nullptr) return DefWindowProcA(window, message, wparam, lparam);
    switch (message) {
    case WM_CREATE: return on_create(*ui, window);
    case WM_DESTROY: return on_destroy(*ui);
    case WM_PAINT: return on_paint(window);
    case WM_CLOSE: return end_run_cancelled(*ui, window);
    case WM_ACTIVATEAPP: return on_activate_app(wparam == TRUE);
    case WM_WINDOWPOSCHANGED: return on_moved(reinterpret_cast<const WINDOWPOS*>(lparam));
    case WM_NOTIFY: return on_notify(*ui, reinterpret_cast<const NMHDR*>(lparam));
    case WM_COMMAND: return on_command(*ui, window, LOWORD(wparam), wparam, lparam);
    case WM_TIMER: return on_timer(*ui, window, wparam);
    case WM_QUERYNEWPALETTE: return on_palette_query(window);
    case WM_PALETTECHANGED: return on_palette_changed(window, reinterpret_cast<HWND>(wparam));
    default: return DefWindowProcA(window, message, wparam, lparam);
    }
}
