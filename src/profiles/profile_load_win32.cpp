#include "profiles/profile_load_win32.h"

#include <windows.h>

#include <cwchar>

#include "frame/path_text_win32.h"
#include "profiles/profile_description.h"
#include "profiles/profile_settings.h"

bool open_chosen_profile(const wchar_t* path, const wchar_t* default_name, wchar_t* current_path, char* current_name,
                         opened_profile* profile)
{
    if (path == nullptr || std::wcslen(path) > max_profile_path_length) return false;
    if (lstrcmpW(path, default_name) == 0) return true;
    if (!open_profile(path, profile)) return false;
    lstrcpyW(current_path, path);
    path_to_ansi(profile_file_name(path), current_name, MAX_PATH);
    return true;
}
