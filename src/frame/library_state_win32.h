// The module handles of the process-wide state; see library_state.h for the rest.
#pragma once
#include <windows.h>

#include "frame/library_state.h"

extern HINSTANCE instance_handle;  // the library's own module
extern HMODULE text_module;        // where user-interface texts come from
