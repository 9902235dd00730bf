// The ids of the user-interface texts in the string table. The library's own
// table (strings.rc) and every language module's carry the same ids; code loads
// a text by its id through load_text (frame/texts_win32.h). Plain macros, so
// that the resource compiler reads this file as the compiler does.
#pragma once

// The picker window and the dialogs' buttons.
#define IDS_OK 1
#define IDS_CANCEL 2
#define IDS_ABOUT 3
#define IDS_CMM_CREDITS 4                 // About dialog
#define IDS_PICKER_TITLE 5

// The colour pages.
#define IDS_COLOR_TYPE 6                  // solid page: group caption and its accelerator
#define IDS_FIND_NAME 7
#define IDS_ORIGINAL 8
#define IDS_NEW 9
#define IDS_GUIDE_NOTICE 10               // the footer's notice line
#define IDS_COLOR_REFERENCE 11
#define IDS_COATED 12                     // the colour-type combo box's three items,
#define IDS_UNCOATED 13                   // in the order of solid_pub_choice
#define IDS_TO_PROCESS 14
#define IDS_SOLID_COATED_DESCRIPTION 15   // the solid guides' descriptions, in the
#define IDS_SOLID_UNCOATED_DESCRIPTION 16 // same order
#define IDS_SOLID_TO_PROCESS_DESCRIPTION 17
#define IDS_DESCRIPTION 18
#define IDS_SOLID_TAB 19
#define IDS_PROCESS_TAB 20
#define IDS_PROCESS_DESCRIPTION 23

// Default profile names.
#define IDS_DEFAULT_PRINTER 21
#define IDS_DEFAULT_DISPLAY 26

// The settings page and the profile dialogs.
#define IDS_SETTINGS_TAB 22
#define IDS_DISPLAY_NAMES 24
#define IDS_SHOW_PROFILE_NAME 27
#define IDS_PROFILES 28
#define IDS_CHANGE 29
#define IDS_DISPLAY_PROFILE 30
#define IDS_DISPLAY_PROFILE_HELP 31
#define IDS_PRINTER_PROFILE 32
#define IDS_PRINTER_PROFILE_HELP 33
#define IDS_OPTIONS 34
#define IDS_SELECT_DISPLAY_PROFILE 35
#define IDS_SELECT_PRINTER_PROFILE 36

// The colour system's name, which the look-up exports hand to hosts.
#define IDS_SYSTEM_NAME 25
