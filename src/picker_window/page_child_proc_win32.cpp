// The page children's procedure (all three pages): one line per message,
// each unpacking its arguments and calling one handler. Painting is here;
// what clicks, the scroll bar and the page controls do is in
// page_interaction_win32.cpp, which asks the unit in src/picker/.
#include <windows.h>
#include <windowsx.h>

#include "context/library_guard.h"
#include "picker/picker_run.h"
#include "picker_window/page_interaction_win32.h"
#include "picker_window/page_selection_win32.h"
#include "picker_window/picker_paint_win32.h"
#include "picker_window/picker_windows_win32.h"
#include "picker_window/settings_page_win32.h"
#include "picker_window/swatch_list_accessible_win32.h"
#include "picker_window/window_classes_win32.h"

static LRESULT on_nccreate(HWND child, const CREATESTRUCTA* cs, WPARAM wparam, LPARAM lparam)
{
    SetWindowLongPtrA(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    return DefWindowProcA(child, WM_NCCREATE, wparam, lparam);
}

// The page painter, then the selection drawn over it.
static LRESULT on_paint(page_windows& page, HWND child)
{
    const library_guard held;
    picker_run& run = *page.run;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(child, &ps);
    if (page.page == settings_page) {
        paint_settings_page(dc, run, ps.rcPaint);
    } else {
        paint_color_page(dc, run, page, ps.rcPaint);
        if (current_color_page(run) == &page) select_and_show(dc, run, run.lib.picker.selected_color);
    }
    EndPaint(child, &ps);
    return 0;
}

// A reader asks for the page's list; other objects are the system's.
static LRESULT on_get_object(page_windows& page, HWND child, WPARAM wparam, LONG object_id, LPARAM lparam)
{
    if (object_id != OBJID_CLIENT || page.page == settings_page) return DefWindowProcA(child, WM_GETOBJECT, wparam, lparam);
    const LRESULT answer = answer_list_object(page, wparam);
    return answer != 0 ? answer : DefWindowProcA(child, WM_GETOBJECT, wparam, lparam);
}

static LRESULT on_destroy(page_windows& page, HWND child)
{
    release_list_object(page);
    return DefWindowProcA(child, WM_DESTROY, 0, 0);
}

static LRESULT on_close(HWND child)
{
    DestroyWindow(child);
    return 0;
}

LRESULT CALLBACK picker_child_proc(HWND child, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_NCCREATE) return on_nccreate(child, reinterpret_cast<CREATESTRUCTA*>(lparam), wparam, lparam);
    page_windows* page = page_of_child(child);
    if (page == nullptr || page->run == nullptr) return DefWindowProcA(child, message, wparam, lparam);
    switch (message) {
    case WM_PAINT: return on_paint(*page, child);
    case WM_CLOSE: return on_close(child);
    case WM_DESTROY: return on_destroy(*page, child);
    // The object id is a LONG in the low half of lParam, also on 64-bit.
    case WM_GETOBJECT: return on_get_object(*page, child, wparam, static_cast<LONG>(static_cast<DWORD>(lparam)), lparam);
    case select_item_message: return on_page_select_color(*page, static_cast<colorid>(wparam));
    case WM_HSCROLL: return on_page_scroll(*page, LOWORD(wparam), static_cast<short>(HIWORD(wparam)));
    case WM_LBUTTONDOWN: return on_page_click(*page, GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
    case WM_LBUTTONDBLCLK: return on_page_double_click(*page, GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
    case WM_COMMAND: return on_page_command(*page, LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
    default: return DefWindowProcA(child, message, wparam, lparam);
    }
}
