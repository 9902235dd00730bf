// The keyboard hook of an open picker. The picker window is no dialog, so the
// hook gives it its keyboard: Tab orders, Enter, Escape, Space, navigation,
// F5 to F7 and the accelerator letters of the texts in use. It is installed
// for the picker's own thread only, so keys meant for other threads' windows
// never pass through it; it is removed while a nested dialog is open and
// while the host application is inactive.
#pragma once
#include <windows.h>

struct picker_run;

// Installing while the hook is in place changes nothing, so activation
// messages that arrive around the run's own installation leave one hook; so
// does installing while a nested dialog is open or the picker window is gone.
void install_keyboard_hook(picker_run& run);
void remove_keyboard_hook(picker_run& run);

// A modal dialog over the picker (About, a profile dialog), without the hook
// from its start to its end, whatever activation comes in between. Called
// without the guard: the dialog's own handlers take it.
INT_PTR run_nested_dialog(picker_run& run, const char* name, HWND owner, DLGPROC proc, LPARAM param);
