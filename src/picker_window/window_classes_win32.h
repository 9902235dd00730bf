// The picker window's class and its page children's class.
#pragma once
#include <windows.h>

// Registers "VerihuePickerClass" and "VerihueCHILDPickerClass"; false when
// either registration fails (the library then refuses to load).
bool register_picker_classes();

// Removes both classes again. Their procedures live in this module, and a
// class left behind after FreeLibrary would make the next load of the library
// in the same process fail to register it.
void unregister_picker_classes();

// The window procedures of the two classes: the picker window
// (picker_frame_proc_win32.cpp) and its pages (page_child_proc_win32.cpp).
LRESULT CALLBACK picker_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK picker_child_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
