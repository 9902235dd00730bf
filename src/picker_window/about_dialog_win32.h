// The About dialog ("ABOUTDLG"): the version and trademark texts of the module
// the user-interface texts come from, and the matching module's credits.
#pragma once
#include <windows.h>

#include "picker/control_ids.h"

INT_PTR CALLBACK about_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
