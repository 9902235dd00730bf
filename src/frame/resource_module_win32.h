#pragma once
#include <windows.h>

// Maps a module whose resources alone the library uses (an add-on, the
// language module) without running any of its code: no entry point under the
// loader lock, no imports resolved, and a module whose entry point would
// refuse still gives its texts and tables. The handle serves FindResourceA,
// LoadResource and LoadStringA, not GetModuleFileNameA, so callers keep the
// path themselves; FreeLibrary unmaps it. nullptr when the file is no module.
HMODULE load_resource_module(const char* path);
