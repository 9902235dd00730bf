#include "real_input.h"

namespace {

void send(INPUT* in, int n) { SendInput(static_cast<UINT>(n), in, sizeof(INPUT)); }

void key_input(INPUT& in, WORD vk, DWORD flags)
{
    in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = flags;
}

}  // namespace

void click_at(POINT p)
{
    // Absolute mouse positions are on a 0..65535 scale over the primary screen.
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT in[3] = {};
    for (INPUT& i : in) i.type = INPUT_MOUSE;
    in[0].mi.dx = MulDiv(p.x, 65535, w - 1);
    in[0].mi.dy = MulDiv(p.y, 65535, h - 1);
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    send(in, 1);
    Sleep(30);
    send(in + 1, 2);
}

void click_window(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    click_at({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void press_key(HWND window, WORD vk)
{
    SetForegroundWindow(window);
    INPUT in[2];
    key_input(in[0], vk, 0);
    key_input(in[1], vk, KEYEVENTF_KEYUP);
    send(in, 2);
    Sleep(20);
}

void type_text(HWND window, const char* text)
{
    for (const char* c = text; *c != 0; ++c) {
        const SHORT scan = VkKeyScanA(*c);
        const bool shift = (scan & 0x100) != 0;
        SetForegroundWindow(window);
        INPUT in[4];
        int n = 0;
        if (shift) key_input(in[n++], VK_SHIFT, 0);
        key_input(in[n++], LOBYTE(scan), 0);
        key_input(in[n++], LOBYTE(scan), KEYEVENTF_KEYUP);
        if (shift) key_input(in[n++], VK_SHIFT, KEYEVENTF_KEYUP);
        send(in, n);
        Sleep(20);
    }
}
