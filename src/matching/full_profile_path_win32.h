// Profile paths as the colour-matching module must get them. The library's
// reader resolves a relative name against the current directory; the module
// takes absolute paths only (the colour system would resolve anything else
// against a folder of its own), so every path is made absolute on its way.
#pragma once
#include <windows.h>

// path made absolute against the current directory and drive, in buffer
// (MAX_PATH characters); path itself when it is null or cannot be resolved
// within MAX_PATH - 1 characters, which the module then refuses.
const wchar_t* full_profile_path(const wchar_t* path, wchar_t* buffer);
