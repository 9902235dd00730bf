#pragma once
#include <windows.h>

// Maps "HUEXLANG.DLL" for its resources when one is installed and sets
// language_id from its version resource; returns the module to take texts
// from. A module without a translation entry keeps language_id 1033.
HMODULE load_language_module();

// The file that load_language_module mapped, empty when the texts are the
// library's own. Whoever reads the module's version block later (the About
// box) reads it from this path: the mapped handle has no file name to ask
// for, and the bare name would be looked up along a search path that
// includes the current directory.
extern char language_module_path[MAX_PATH];

// Unmaps the language module at an unload by the host; text_module becomes
// the library itself.
void release_language_module();
