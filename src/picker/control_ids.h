// The ids of the picker's commands and controls and of the dialog templates'
// items the code fills: the window layer creates the controls with them, the
// keyboard hook's decisions (key_decision.*) name the commands it posts, the
// resource script places the dialog items, and tests find every control by
// them. Plain macros, so that the resource compiler reads this file too.
#pragma once

// The picker window's buttons. OK and Cancel carry the system's IDOK and
// IDCANCEL, which the window layer uses for them.
#define IDC_PICKER_OK 1
#define IDC_PICKER_CANCEL 2
#define IDC_ABOUT 3

// The settings page's buttons, in its child window.
#define IDC_NAMES_CHECK 4
#define IDC_PROFILE_NAME_CHECK 5
#define IDC_D65_RADIO 6
#define IDC_D50_RADIO 7
#define IDC_DISPLAY_CHANGE 8
#define IDC_PRINTER_CHANGE 9

// A colour page's controls, in its child window, and the tab control.
#define IDC_SCROLL_BAR 90
#define IDC_TYPE_COMBO 91                // solid page only
#define IDC_NAME_EDIT 92
#define IDC_TAB_CONTROL 93

// The settings page's read-only profile names.
#define IDC_DISPLAY_EDIT 94
#define IDC_PRINTER_EDIT 95

// The invisible dialog the picker's modal wait runs in.
#define IDD_PICKER_WAIT 97

// Items of the About dialog ("ABOUTDLG") whose texts are set at run time.
#define IDC_ABOUT_VERSION 1001
#define IDC_ABOUT_TRADEMARKS 1007
#define IDC_ABOUT_CREDITS 1008

// Items of the profile dialogs ("CHANGE").
#define IDC_PROFILE_HELP 1002
#define IDC_PROFILE_LIST 1003
