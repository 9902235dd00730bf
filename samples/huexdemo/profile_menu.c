#include "profile_menu.h"

#include "huex.h"

enum { max_profiles = 48, first_item = 1000 };

static char paths[max_profiles][260];

void current_profile_name(enum profile_kind kind, char name[260])
{
    char *path = NULL;
    name[0] = 0;
    if ((kind == display_profile ? HUEX_GetMonitorProfile(&path) : HUEX_GetPrinterProfile(&path)) != HUEX_OK) return;
    HUEX_GetProfileName(path, name);
    HUEX_DisposeProfile(path);
}

BOOL choose_profile(HWND owner, HWND button, enum profile_kind kind)
{
    char current[260], *path = NULL;
    if ((kind == display_profile ? HUEX_GetMonitorProfile(&path) : HUEX_GetPrinterProfile(&path)) != HUEX_OK)
        return FALSE;
    lstrcpynA(current, path, sizeof current);
    HUEX_DisposeProfile(path);

    /* The built-in models come first: the display model has no file (a NULL
     * path makes it current), the built-in printer has its own name. */
    HMENU menu = CreatePopupMenu();
    char *builtin_printer = NULL;
    if (kind == display_profile) {
        AppendMenuA(menu, MF_STRING | (HUEX_GetProfileType(current) == -1 ? MF_CHECKED : 0), first_item - 1,
                    "Built-in display model");
    } else if (HUEX_GetDefaultPrinterProfile(&builtin_printer) == HUEX_OK) {
        AppendMenuA(menu, MF_STRING | (lstrcmpA(current, builtin_printer) == 0 ? MF_CHECKED : 0), first_item - 1,
                    builtin_printer);
    }
    AppendMenuA(menu, MF_SEPARATOR, 0, NULL);

    /* Display profiles are class 0, output (printer) profiles class 2. */
    HANDLE search = NULL;
    WIN32_FIND_DATAA found = {0};
    char description[256];
    int n = 0;
    while (n < max_profiles &&
           enum_profiles_by_classification(kind == display_profile ? 0 : 2, &search, &found, paths[n], description,
                                           sizeof description) > 0) {
        AppendMenuA(menu, MF_STRING | (lstrcmpiA(current, paths[n]) == 0 ? MF_CHECKED : 0), first_item + n,
                    description);
        ++n;
    }
    char rest[260];
    if (search != NULL) /* more than the menu holds: run the search to its end, which closes it */
        while (enum_profiles_by_classification(kind == display_profile ? 0 : 2, &search, &found, rest, description,
                                               sizeof description) > 0) {
        }

    RECT r;
    GetWindowRect(button, &r);
    const int item = (int)TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, r.left, r.bottom, 0,
                                         owner, NULL);
    DestroyMenu(menu);

    BOOL chosen = TRUE;
    if (item == first_item - 1 && kind == display_profile)
        HUEX_SetMonitorProfile(NULL); /* documented: the built-in model takes over */
    else if (item == first_item - 1)
        HUEX_SetPrinterProfile(builtin_printer);
    else if (item >= first_item && item < first_item + n)
        chosen = (kind == display_profile ? HUEX_SetMonitorProfile(paths[item - first_item])
                                          : HUEX_SetPrinterProfile(paths[item - first_item])) == HUEX_OK;
    else
        chosen = FALSE;
    if (builtin_printer != NULL) HUEX_DisposeProfile(builtin_printer);
    return chosen;
}
