// The picker's window procedures until the picker windows are built: the
// classes exist from start-up, so a window of them behaves as a plain window.
#include "frame/window_classes_win32.h"

LRESULT CALLBACK picker_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return DefWindowProcA(window, message, wparam, lparam);
}

LRESULT CALLBACK picker_child_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return DefWindowProcA(window, message, wparam, lparam);
}
