// The common controls the picker's page tabs are made of. Mapped at the first
// opening of a picker rather than imported: loading the control library and
// registering its classes cost a host more than everything else the library
// does when it loads, and most loads never open a picker.
#pragma once
#include <windows.h>

// Maps the control library from the system's folder (or finds the one the
// host has) and registers its classes, once per load of this library; true
// when the controls can be made. module is the context's record of the
// mapping; called under the library's guard.
bool common_controls_ready(void** module);

// Lets go of the mapping at an unload by the host.
void release_common_controls(void** module);
