// F5, F6 and F7 on the picker, the window side: the display profiles listed
// in a hidden sorted list box as the display-profile dialog lists them, the
// chosen one loaded and shown. Which item is chosen is decided by
// picker/profile_stepping.*.
#pragma once
#include <windows.h>

struct picker_run;

// F5 (next), F6 (previous) or F7 (default display): makes that display
// profile current and shows its name in the settings page's display-profile
// edit box. Called by the keyboard hook, which holds the guard.
void step_display_profile(picker_run& run, UINT key);
