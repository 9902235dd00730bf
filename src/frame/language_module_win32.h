#pragma once
#include <windows.h>

struct platform_values;

// Maps "HUEXLANG.DLL" for its resources when one is installed and sets
// language_id from its version resource; returns the module to take texts
// from. A module without a translation entry keeps language_id 1033.
// The file mapped goes into language_module_path (empty when the texts are
// the library's own): whoever reads the module's version block later (the
// About box) reads it from this path: the mapped handle has no file name to
// ask for, and the bare name would be looked up along a search path that
// includes the current directory.
HMODULE load_language_module(platform_values& platform);

// Unmaps the language module at an unload by the host; text_module becomes
// the library itself.
void release_language_module(platform_values& platform);
