// The keyboard hook of an open picker, installed for all threads with the
// library's module, removed while a nested dialog is open and while the host
// application is inactive.
#pragma once
#include <windows.h>

// Installing while the hook is in place changes nothing, so activation
// messages that arrive around the run's own installation leave one hook.
void install_keyboard_hook();
void remove_keyboard_hook();
