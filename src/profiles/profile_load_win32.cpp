#include "profiles/profile_load_win32.h"

#include <windows.h>

#include <cstring>

#include "profiles/profile_description.h"
#include "profiles/profile_settings.h"

bool open_chosen_profile(const char* path, const char* default_name, char* current_path, char* current_name,
                         opened_profile* profile)
{
    if (path == nullptr || std::strlen(path) > max_profile_path_length) return false;
    if (lstrcmpA(path, default_name) == 0) return true;
    if (!open_profile(path, profile)) return false;
    lstrcpyA(current_path, path);
    lstrcpyA(current_name, profile_file_name(path));
    return true;
}
