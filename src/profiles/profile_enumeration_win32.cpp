// Walking the system colour directory for the profiles of one class.
#include <windows.h>

#include <cstring>
#include <cwchar>

#include "frame/path_text_win32.h"
#include "frame/platform_values.h"
#include "profiles/profile_description.h"
#include "profiles/profile_enumeration_win32.h"
#include "profiles/profile_file_win32.h"
#include "profiles/profile_header_codes.h"
#include "profiles/profile_settings.h"

namespace {

void end_search(HANDLE* state)
{
    if (*state != nullptr && *state != INVALID_HANDLE_VALUE) FindClose(*state);
    *state = nullptr;
}

// Which folder a walk is in travels in the caller's find record, which the
// caller keeps and leaves alone between calls: no state of the library's own,
// so walks may be interleaved. The mark is put back after every platform
// search call, which owns the record meanwhile.
constexpr DWORD walking_old_folder = 0x48554558;

bool folder_path(const wchar_t* folder, const wchar_t* name, wchar_t* path)
{
    const size_t dir_length = std::wcslen(folder);
    const size_t name_length = std::wcslen(name);
    if (dir_length == 0 || dir_length + name_length > max_profile_path_length) return false;
    std::wmemcpy(path, folder, dir_length);
    std::wmemcpy(path + dir_length, name, name_length + 1);
    return true;
}

bool start_search(const wchar_t* folder, DWORD mark, HANDLE* state, WIN32_FIND_DATAW* find_data)
{
    wchar_t pattern[MAX_PATH];
    if (!folder_path(folder, L"*.*", pattern)) return false;
    HANDLE search = FindFirstFileW(pattern, find_data);
    if (search == INVALID_HANDLE_VALUE) return false;
    *state = search;
    find_data->dwReserved1 = mark;
    return true;
}

// The next directory entry of the walk, moving on to the old folder when the
// colour system's folder is done; false at the end (state 0 again).
bool next_entry(const platform_values& platform, HANDLE* state, WIN32_FIND_DATAW* find_data)
{
    const DWORD mark = find_data->dwReserved1;
    if (FindNextFileW(*state, find_data)) {
        find_data->dwReserved1 = mark;
        return true;
    }
    end_search(state);
    return mark != walking_old_folder &&
           start_search(platform.old_color_directory, walking_old_folder, state, find_data);
}

bool exists(const wchar_t* path) { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

void end_profile_walk(HANDLE* state) { end_search(state); }

bool find_in_color_directories(const platform_values& platform, const wchar_t* name, wchar_t* path)
{
    return (folder_path(platform.color_directory, name, path) && exists(path)) ||
           (folder_path(platform.old_color_directory, name, path) && exists(path));
}

LONG walk_profiles_by_classification(const platform_values& platform, LONG classification, HANDLE* state,
                                     WIN32_FIND_DATAW* find_data, wchar_t* path, char* description,
                                     LONG description_length, short_profiles shorts)
{
    uint32_t wanted;
    if (!classification_device_class(classification, &wanted)) return -1;
    if (state == nullptr || find_data == nullptr || path == nullptr || description == nullptr) return -1;

    // Both ends of a walk, 0 and -1, leave the state NULL, so that the same
    // variable starts a new walk. The platform's invalid handle names no
    // search either: a walk starts.
    if (*state == INVALID_HANDLE_VALUE) *state = nullptr;
    bool have_entry = false;
    if (*state == nullptr) {
        if (!start_search(platform.color_directory, 0, state, find_data) &&
            !start_search(platform.old_color_directory, walking_old_folder, state, find_data))
            return -1;
        have_entry = true;
    }
    for (;;) {
        if (!have_entry && !next_entry(platform, state, find_data)) return 0;
        have_entry = false;
        const bool in_old_folder = find_data->dwReserved1 == walking_old_folder;
        if (wcsnlen(find_data->cFileName, MAX_PATH) == MAX_PATH ||
            !folder_path(in_old_folder ? platform.old_color_directory : platform.color_directory,
                         find_data->cFileName, path))
            continue;
        // Listed already from the colour system's folder.
        wchar_t shadow[MAX_PATH];
        if (in_old_folder && folder_path(platform.color_directory, find_data->cFileName, shadow) && exists(shadow))
            continue;
        // Listed in lower case, as hosts have always been given the paths.
        CharLowerW(path);

        opened_profile profile;
        if (!open_profile(path, &profile)) continue;
        icc_profile_header header;
        // A profile file too short for its header ends a host's walk with
        // -1, which every caller takes as the end; the search is closed here,
        // since no caller goes on with a walk that failed. The library's own
        // lists pass over it instead, so that one broken file does not hide
        // the profiles after it from the user.
        if (!icc_read_header(profile.view.file, &header)) {
            close_profile(&profile);
            if (shorts == short_profiles::passed_over) continue;
            end_search(state);
            return -1;
        }
        profile_description_of(profile.view.file, description, description_length);
        close_profile(&profile);
        if (!header_in_classification(header, classification)) continue;
        return LONG(std::wcslen(path));
    }
}

LONG walk_profiles_by_classification_ansi(const platform_values& platform, LONG classification, HANDLE* state,
                                          WIN32_FIND_DATAA* find_data, char* path, char* description,
                                          LONG description_length)
{
    if (state == nullptr || find_data == nullptr || path == nullptr) return -1;
    // The search itself keeps no record of the caller's: the wide record
    // lives for one step, and only the walk's folder mark travels in the
    // caller's.
    WIN32_FIND_DATAW wide = {};
    wide.dwReserved1 = find_data->dwReserved1;
    wchar_t wide_path[MAX_PATH];
    for (;;) {
        const LONG length = walk_profiles_by_classification(platform, classification, state, &wide, wide_path,
                                                            description, description_length,
                                                            short_profiles::end_walk);
        find_data->dwReserved1 = wide.dwReserved1;
        if (length <= 0) return length;
        bool exact = false;
        char name[MAX_PATH];
        if (!path_to_ansi(wide_path, path, MAX_PATH, &exact) || !exact ||
            !path_to_ansi(wide.cFileName, name, MAX_PATH))
            continue;
        find_data->dwFileAttributes = wide.dwFileAttributes;
        find_data->ftCreationTime = wide.ftCreationTime;
        find_data->ftLastAccessTime = wide.ftLastAccessTime;
        find_data->ftLastWriteTime = wide.ftLastWriteTime;
        find_data->nFileSizeHigh = wide.nFileSizeHigh;
        find_data->nFileSizeLow = wide.nFileSizeLow;
        find_data->dwReserved0 = wide.dwReserved0;
        lstrcpynA(find_data->cFileName, name, MAX_PATH);
        path_to_ansi(wide.cAlternateFileName, find_data->cAlternateFileName, 14);
        return LONG(std::strlen(path));
    }
}

int profile_path_from_name(const platform_values& platform, char* name, wchar_t* path, const char* default_name,
                           int classification)
{
    if (lstrcmpA(name, default_name) == 0) {
        path_from_ansi(default_name, path, MAX_PATH);
        return 1;
    }
    HANDLE state = nullptr;
    WIN32_FIND_DATAW find_data;
    std::memset(&find_data, 0, sizeof find_data);
    wchar_t found[MAX_PATH];
    char description[list_description_size];
    while (walk_profiles_by_classification(platform, classification, &state, &find_data, found, description,
                                           list_description_length, short_profiles::passed_over) > 0) {
        if (lstrcmpA(name, description) == 0) {
            end_search(&state);
            lstrcpynW(path, found, MAX_PATH);
            return 1;
        }
    }
    end_search(&state);
    lstrcpynA(name, default_name, MAX_PATH);
    path_from_ansi(default_name, path, MAX_PATH);
    return 0;
}
