#include "picker_window/picker_hook_win32.h"

#include "frame/library_state_win32.h"
#include "picker_window/picker_windows_win32.h"

static LRESULT CALLBACK picker_keyboard_hook(int code, WPARAM wparam, LPARAM lparam)
{
    return CallNextHookEx(picker_ui.keyboard_hook, code, wparam, lparam);
}

void install_keyboard_hook()
{
    if (picker_ui.keyboard_hook != nullptr) return;
    picker_ui.keyboard_hook = SetWindowsHookExA(WH_KEYBOARD, picker_keyboard_hook, instance_handle, 0);
}

void remove_keyboard_hook()
{
    if (picker_ui.keyboard_hook == nullptr) return;
    UnhookWindowsHookEx(picker_ui.keyboard_hook);
    picker_ui.keyboard_hook = nullptr;
}
