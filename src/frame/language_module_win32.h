#pragma once
#include <windows.h>

// Loads "HUEXLANG.DLL" when one is installed and sets language_id from its
// version resource; returns the module to take texts from.
HMODULE load_language_module();
