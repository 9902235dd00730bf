#include "picker_window/page_interaction_win32.h"

LRESULT on_page_scroll(page_windows& page, int code, int position) { return 0; }

LRESULT on_page_click(page_windows& page, int x, int y) { return 1; }

LRESULT on_page_double_click(page_windows& page, int x, int y) { return 1; }

LRESULT on_page_command(page_windows& page, int id, int code, HWND control)
{
    return DefWindowProcA(page.child, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}
