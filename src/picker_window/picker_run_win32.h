// One run of the picker: fonts, the window over the owner, the modal wait in
// the invisible dialog IDD_PICKER_WAIT, and the chosen colour.
#pragma once
#include <windows.h>

#include <cstdint>

#include "colorlib/extended_color.h"

// What a run gives: the chosen colour, or no_color when nothing was chosen,
// the window could not be made, or a picker is already open in this process,
// on any thread (a run inside a run would overwrite the choices the open one
// works on); and the D50 option when a run took place.
struct picker_outcome {
    colorid chosen = no_color;
    bool ran = false;     // the window was shown and its wait ended
    int16_t d50 = 0;      // the D50 option after the run
};

// `initial` is the host's record (a copy), or null. An owner that is no
// window any more is treated as none. Called without the guard: the run
// takes it for each of its steps and never across the modal wait or a call
// that may reach the owner's thread.
picker_outcome run_picker(HWND owner, const extended_color* initial);

// The window a picker without an explicit owner opens over: the first visible
// top-level window of the calling thread in Z order, else of the calling
// process, else none. Never another application's window, which the modal
// wait would disable.
HWND default_picker_owner();
