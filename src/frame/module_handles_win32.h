// The two module handles start-up takes: the library's own and the one its
// texts come from. Set while the library attaches and cleared when a host
// unloads it; read from any thread in between, never written.
#pragma once
#include <windows.h>

extern HINSTANCE instance_handle;  // the library's own module
extern HMODULE text_module;        // where user-interface texts come from
