// Real input: mouse and keys through SendInput, which reach the foreground
// window's thread the way a user's do (and so the picker's keyboard hook).
// Each call first makes its window the foreground and waits until that
// window's thread has handled the activation, or the input could reach the
// window before the window is ready for it.
#pragma once
#include <windows.h>

#include <functional>

// A key with this bit is pressed with Shift held (as VkKeyScanA reports it).
constexpr WORD shifted_key = 0x100;

// Polls done every 20 ms until it holds or timeout_ms have passed.
bool wait_for(const std::function<bool()>& done, int timeout_ms = 10000);
// Presses and releases key (with Shift when it carries shifted_key).
void press_key(HWND window, WORD key);
// Types text key by key (letters, digits, blanks) into window's focus.
void type_text(HWND window, const char* text);
// Left clicks at a screen point of window's top-level window: one, or two for
// a double-click.
void click_at(HWND window, POINT screen_point, int clicks = 1);
// A left click at the middle of a window (any process).
void click_window(HWND window);
