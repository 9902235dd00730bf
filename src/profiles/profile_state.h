// The profiles' part of the library's state: the current monitor and printer
// profiles (each a file's path and its name, or the default name standing
// for the built-in display or printer), and what became of the stored choices.
#pragma once

#include "profiles/stored_profile_choice.h"

struct profile_state {
    char monitor_profile_path[260] = "";
    char monitor_profile_name[260] = "";
    char printer_profile_path[260] = "";
    char printer_profile_name[260] = "";
    stored_profile_choice monitor_choice = {};
    stored_profile_choice printer_choice = {};
};
