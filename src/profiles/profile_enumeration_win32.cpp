// Walking the system colour directory for the profiles of one class.
#include <windows.h>

#include <cstring>

#include "frame/library_state.h"
#include "huex.h"
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

// Description buffer of the dialogs: 256 bytes, read at 250.
constexpr int list_description_size = 256;
constexpr int list_description_length = 250;

}  // namespace

extern "C" LONG WINAPI enum_profiles_by_classification(LONG classification, HANDLE* state,
                                                       WIN32_FIND_DATAA* find_data, char* path,
                                                       char* description, LONG description_length)
{
    uint32_t wanted;
    if (!classification_device_class(classification, &wanted)) return -1;
    if (state == nullptr || find_data == nullptr || path == nullptr || description == nullptr) return -1;

    // The call after a failed start ends that enumeration, so that a host
    // calling until 0 stops.
    if (*state == INVALID_HANDLE_VALUE) {
        *state = nullptr;
        return 0;
    }
    bool have_entry = false;
    if (*state == nullptr) {
        char pattern[MAX_PATH];
        HANDLE search = INVALID_HANDLE_VALUE;
        if (std::strlen(color_directory) + 3 < sizeof pattern) {
            lstrcpyA(pattern, color_directory);
            lstrcatA(pattern, "*.*");
            search = FindFirstFileA(pattern, find_data);
        }
        if (search == INVALID_HANDLE_VALUE) {
            *state = INVALID_HANDLE_VALUE;
            return -1;
        }
        *state = search;
        have_entry = true;
    }
    for (;;) {
        if (!have_entry && !FindNextFileA(*state, find_data)) {
            end_search(state);
            return 0;
        }
        have_entry = false;
        const size_t dir_length = std::strlen(color_directory);
        const size_t name_length = strnlen(find_data->cFileName, sizeof find_data->cFileName);
        if (name_length == sizeof find_data->cFileName ||
            dir_length + name_length > max_profile_path_length)
            continue;
        std::memcpy(path, color_directory, dir_length);
        std::memcpy(path + dir_length, find_data->cFileName, name_length + 1);
        // Lower case so that the reader's case-sensitive extension check
        // also accepts ".ICM" and ".ICC".
        CharLowerA(path);

        opened_profile profile;
        if (!open_profile(path, &profile)) continue;
        icc_profile_header header;
        // A file too short for a header is no profile: passed over like
        // other files, rather than ending the walk and hiding every profile
        // that the search would deliver after it.
        if (!icc_read_header(profile.view.file, &header)) {
            close_profile(&profile);
            continue;
        }
        profile_description_of(profile.view.file, description, description_length);
        close_profile(&profile);
        if (!header_in_classification(header, classification)) continue;
        return LONG(std::strlen(path));
    }
}

int fill_profile_list(int classification, HWND list_box, const char* default_item)
{
    HANDLE state = nullptr;
    WIN32_FIND_DATAA find_data;
    std::memset(&find_data, 0, sizeof find_data);
    char path[MAX_PATH];
    char description[list_description_size];
    int count = 0;
    while (enum_profiles_by_classification(classification, &state, &find_data, path, description,
                                           list_description_length) > 0) {
        SendMessageA(list_box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(description));
        ++count;
    }
    end_search(&state);
    if (default_item != nullptr) {
        SendMessageA(list_box, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(default_item));
        ++count;
    }
    return count;
}

int profile_path_from_name(char* name, char* path, const char* default_name, int classification)
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
    while (enum_profiles_by_classification(classification, &state, &find_data, found, description,
                                           list_description_length) > 0) {
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
