// Windows of another process, as the tour sees the host it started: found,
// read and measured from outside, with messages the system carries across
// processes (or with memory placed in the other process where it does not).
#pragma once
#include <windows.h>

#include <string>

// The first visible top-level window of class cls that belongs to process.
HWND find_process_window(DWORD process, const char* cls);
// The window's text, read with WM_GETTEXT (an edit box's current contents too).
std::string text_of(HWND window);
// The window that has the keyboard focus in window's thread.
HWND focus_in_thread_of(HWND window);
// The screen rectangle of item `index` of a tab control in another process.
bool tab_item_rect(HWND tab, int index, RECT* screen_rect);
// The page children of a picker window in creation order: solid, process, settings.
int picker_pages(HWND picker, HWND pages[3]);
