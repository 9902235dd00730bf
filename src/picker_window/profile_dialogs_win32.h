// The display- and printer-profile dialogs ("CHANGE"), opened by the settings
// page's two "Change..." buttons: the installed profiles of the class sorted
// below the default item, the current one selected.
#pragma once
#include <windows.h>

#include "picker/control_ids.h"

struct picker_run;

// 1 when the user chose (OK or a double-click): the profile is then current
// and its name in monitor_profile_name / printer_profile_name. 0 on Cancel,
// which changes nothing; -1 when the dialog could not be made. Called
// without the guard: the dialog's handlers take it.
INT_PTR run_display_profile_dialog(picker_run& run, HWND owner);
INT_PTR run_printer_profile_dialog(picker_run& run, HWND owner);
