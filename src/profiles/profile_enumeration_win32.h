// The profiles installed in the system colour directory, by class: the
// exported walk (enum_profiles_by_classification, huex.h) and what the
// profile dialogs and the picker's profile stepping build on it. A walk
// lists color_directory, then old_color_directory; a file whose name is in
// both is listed once, from color_directory.
#pragma once
#include <windows.h>

struct platform_values;

// What a profile file too short for its header does to a walk: a host's
// walk ends there with -1 (enum_profiles_by_classification, huex.h), the
// library's own lists pass over it.
enum class short_profiles { end_walk, passed_over };

// One step of a walk whose state lives in the caller's state and find
// record; path (260 characters) as the file system names the file, the
// description in the ANSI code page.
LONG walk_profiles_by_classification(const platform_values& platform, LONG classification, HANDLE* state,
                                     WIN32_FIND_DATAW* find_data, wchar_t* path, char* description,
                                     LONG description_length, short_profiles shorts);

// The same step for a host that keeps the ANSI find record: the profiles
// whose path the ANSI code page names exactly, in that code page (path 260
// bytes). A path it cannot name would open another file or none, so such a
// profile is passed over, as the ANSI search of the folders always did.
LONG walk_profiles_by_classification_ansi(const platform_values& platform, LONG classification, HANDLE* state,
                                          WIN32_FIND_DATAA* find_data, char* path, char* description,
                                          LONG description_length);

// The path (260 characters) of the file name in color_directory, else in
// old_color_directory; false when neither holds it.
bool find_in_color_directories(const platform_values& platform, const wchar_t* name, wchar_t* path);

// The description of every profile of the class (LB_ADDSTRING-ready, in walk
// order) through add(description); returns how many.
template <class Add>
int for_each_profile_description(const platform_values& platform, int classification, const Add& add);

// Turns a description back into a path (260 bytes and 260 characters). name
// equal to default_name: path := default_name, 1. Else the first profile of the
// class, in the order the directory search delivers them, whose description
// equals name exactly: path := its path, 1. No such profile: name and path
// := default_name, 0.
int profile_path_from_name(const platform_values& platform, char* name, wchar_t* path, const char* default_name,
                           int classification);

// Description buffer of the dialogs: 256 bytes, read at 250.
constexpr int list_description_size = 256;
constexpr int list_description_length = 250;

void end_profile_walk(HANDLE* state);

template <class Add>
int for_each_profile_description(const platform_values& platform, int classification, const Add& add)
{
    HANDLE state = nullptr;
    WIN32_FIND_DATAW find_data = {};
    wchar_t path[MAX_PATH];
    char description[list_description_size];
    int count = 0;
    while (walk_profiles_by_classification(platform, classification, &state, &find_data, path, description,
                                           list_description_length, short_profiles::passed_over) > 0) {
        add(static_cast<const char*>(description));
        ++count;
    }
    end_profile_walk(&state);
    return count;
}
