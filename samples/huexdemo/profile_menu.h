/* The host's own choice of display and printer profile: a popup menu of the
 * profiles installed in the system colour directory. */
#ifndef PROFILE_MENU_H
#define PROFILE_MENU_H

#include <windows.h>

enum profile_kind { display_profile, printer_profile };

/* Shows the menu below the button; TRUE when the user chose a profile and it
 * was made current. */
BOOL choose_profile(HWND owner, HWND button, enum profile_kind kind);

/* The current profile's description. */
void current_profile_name(enum profile_kind kind, char name[260]);

#endif
