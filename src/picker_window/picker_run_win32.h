// One run of the picker: fonts, the window over the owner, the modal wait in
// the invisible dialog IDD_PICKER_WAIT, and the chosen colour.
#pragma once
#include <windows.h>

#include <cstdint>

#include "frame/library_state.h"

// The chosen colour, or no_color when nothing was chosen, the window could
// not be made, or a picker is already open in this process (a run inside a
// run would overwrite the state the open one works on). *d50 (when given)
// receives the D50 option when a run took place, and is left alone when it
// was refused or its window could not be made. An owner that is no window any more is treated
// as none.
colorid run_picker(HWND owner, colorid initial, int16_t* d50);

// The window a picker without an explicit owner opens over: the first visible
// top-level window of the calling thread in Z order, else of the calling
// process, else none. Never another application's window, which the modal
// wait would disable.
HWND default_picker_owner();
