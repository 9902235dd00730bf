// The profiles' part of the library's state: the current monitor and printer
// profiles (each a file's path and its name, or the default name standing
// for the built-in display or printer), and what became of the stored choices.
#pragma once

#include "profiles/stored_profile_choice.h"

struct profile_state {
    // Paths as the file system names files; names in the ANSI code page, as
    // the user interface shows them.
    wchar_t monitor_profile_path[260] = L"";
    char monitor_profile_name[260] = "";
    wchar_t printer_profile_path[260] = L"";
    char printer_profile_name[260] = "";
    stored_profile_choice monitor_choice = {};
    stored_profile_choice printer_choice = {};
};
