// Centring of the About and profile dialogs on the screen.
#include "picker_window/dialog_centring_win32.h"

void centre_dialog(HWND dialog)
{
    RECT r;
    GetWindowRect(dialog, &r);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}
