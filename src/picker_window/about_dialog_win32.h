// The About dialog ("ABOUTDLG"): the version and trademark texts of the module
// the user-interface texts come from, and the matching module's credits.
#pragma once
#include <windows.h>

// Items of the template whose texts are replaced at run time.
constexpr int id_about_version = 1001;
constexpr int id_about_trademarks = 1007;
constexpr int id_about_credits = 1008;

INT_PTR CALLBACK about_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
