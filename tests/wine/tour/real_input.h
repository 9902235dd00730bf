// Real input for the tour: mouse and keys through SendInput, which reach the
// foreground window's thread the way a user's do (and so the picker's hook).
#pragma once
#include <windows.h>

// A left click at the middle of a window (any process).
void click_window(HWND window);
// A left click at a screen point.
void click_at(POINT screen_point);
// Makes window the foreground window, then presses and releases vk.
void press_key(HWND window, WORD vk);
// Types text key by key (letters, digits, blanks) into window's focus.
void type_text(HWND window, const char* text);
