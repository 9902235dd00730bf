#include "real_input.h"

#include <vector>

bool wait_for(const std::function<bool()>& done, int timeout_ms)
{
    for (int waited = 0; waited < timeout_ms; waited += 20, Sleep(20))
        if (done()) return true;
    return done();
}

namespace {

void send(HWND window, std::vector<INPUT> in)
{
    HWND top = GetAncestor(window, GA_ROOT);
    if (GetForegroundWindow() != top) SetForegroundWindow(top);
    wait_for([&] { return GetForegroundWindow() == top; }, 3000);
    DWORD_PTR unused;
    SendMessageTimeoutA(top, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &unused);
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

INPUT key_input(WORD vk, DWORD flags)
{
    INPUT i = {};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = vk;
    i.ki.dwFlags = flags;
    return i;
}

}  // namespace

void press_key(HWND window, WORD key)
{
    std::vector<INPUT> in;
    if (key & shifted_key) in.push_back(key_input(VK_SHIFT, 0));
    in.push_back(key_input(key & 0xFF, 0));
    in.push_back(key_input(key & 0xFF, KEYEVENTF_KEYUP));
    if (key & shifted_key) in.push_back(key_input(VK_SHIFT, KEYEVENTF_KEYUP));
    send(window, in);
}

void type_text(HWND window, const char* text)
{
    for (const char* c = text; *c != 0; ++c) press_key(window, static_cast<WORD>(VkKeyScanA(*c) & 0x1FF));
}

void click_at(HWND window, POINT p, int clicks)
{
    // Absolute mouse positions are on a 0..65535 scale over the primary screen.
    INPUT move = {};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    send(window, {move});
    Sleep(30);
    INPUT button = {};
    button.type = INPUT_MOUSE;
    std::vector<INPUT> buttons(2 * clicks, button);
    for (size_t i = 0; i < buttons.size(); ++i) buttons[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    send(window, buttons);
}

void click_window(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    click_at(window, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}
