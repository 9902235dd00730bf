#pragma once
#include <windows.h>

// Loads "HUEXLANG.DLL" when one is installed and sets language_id from its
// version resource; returns the module to take texts from. A module without a
// translation entry keeps language_id 1033.
//
// Whoever reads the language module's version block later (the About box)
// must do it as this file does: from GetModuleFileNameA(text_module), the
// file that was loaded, never by the bare name, which the system would look
// up along a search path that includes the current directory.
HMODULE load_language_module();
