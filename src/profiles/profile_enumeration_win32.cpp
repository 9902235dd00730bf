// Walking the system colour directory for the profiles of one class.
#include <windows.h>

#include <cstring>

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

bool folder_path(const char* folder, const char* name, char* path)
{
    const size_t dir_length = std::strlen(folder);
    const size_t name_length = std::strlen(name);
    if (dir_length == 0 || dir_length + name_length > max_profile_path_length) return false;
    std::memcpy(path, folder, dir_length);
    std::memcpy(path + dir_length, name, name_length + 1);
    return true;
}

bool start_search(const char* folder, DWORD mark, HANDLE* state, WIN32_FIND_DATAA* find_data)
{
    char pattern[MAX_PATH];
    if (!folder_path(folder, "*.*", pattern)) return false;
    HANDLE search = FindFirstFileA(pattern, find_data);
    if (search == INVALID_HANDLE_VALUE) return false;
    *state = search;
    find_data->dwReserved1 = mark;
    return true;
}

// The next directory entry of the walk, moving on to the old folder when the
// colour system's folder is done; false at the end (state 0 again).
bool next_entry(const platform_values& platform, HANDLE* state, WIN32_FIND_DATAA* find_data)
{
    const DWORD mark = find_data->dwReserved1;
    if (FindNextFileA(*state, find_data)) {
        find_data->dwReserved1 = mark;
        return true;
    }
    end_search(state);
    return mark != walking_old_folder &&
           start_search(platform.old_color_directory, walking_old_folder, state, find_data);
}

bool exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

void end_profile_walk(HANDLE* state) { end_search(state); }

bool find_in_color_directories(const platform_values& platform, const char* name, char* path)
{
    return (folder_path(platform.color_directory, name, path) && exists(path)) ||
           (folder_path(platform.old_color_directory, name, path) && exists(path));
}

LONG walk_profiles_by_classification(const platform_values& platform, LONG classification, HANDLE* state,
                                     WIN32_FIND_DATAA* find_data, char* path, char* description,
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
        if (strnlen(find_data->cFileName, sizeof find_data->cFileName) == sizeof find_data->cFileName ||
            !folder_path(in_old_folder ? platform.old_color_directory : platform.color_directory,
                         find_data->cFileName, path))
            continue;
        // Listed already from the colour system's folder.
        char shadow[MAX_PATH];
        if (in_old_folder && folder_path(platform.color_directory, find_data->cFileName, shadow) && exists(shadow))
            continue;
        // Lower case so that the reader's case-sensitive extension check
        // also accepts ".ICM" and ".ICC".
        CharLowerA(path);

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
        return LONG(std::strlen(path));
    }
}

int profile_path_from_name(const platform_values& platform, char* name, char* path, const char* default_name,
                           int classification)
{
    if (lstrcmpA(name, default_name) == 0) {
        lstrcpynA(path, default_name, MAX_PATH);
        return 1;
    }
    HANDLE state = nullptr;
    WIN32_FIND_DATAA find_data;
    std::memset(&find_data, 0, sizeof find_data);
    char found[MAX_PATH];
    char description[list_description_size];
    while (walk_profiles_by_classification(platform, classification, &state, &find_data, found, description,
                                           list_description_length, short_profiles::passed_over) > 0) {
        if (lstrcmpA(name, description) == 0) {
            end_search(&state);
            lstrcpynA(path, found, MAX_PATH);
            return 1;
        }
    }
    end_search(&state);
    lstrcpynA(name, default_name, MAX_PATH);
    lstrcpynA(path, default_name, MAX_PATH);
    return 0;
}
