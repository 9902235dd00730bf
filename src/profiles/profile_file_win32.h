// A profile opened for one operation: the reader's open (extension rules,
// unshared access) and one view of the whole file for the portable readers.
#pragma once
#include <windows.h>

#include <cstdint>

#include "icc/icc_directory.h"
#include "icc/mmf_view_win32.h"

struct opened_profile {
    HANDLE mapping = nullptr;
    HANDLE file = nullptr;
    mmf_view view;  // file.data null when no view could be made
};

// False when the path cannot be opened as a profile. A profile that opens
// but cannot be viewed comes back with an empty span, which every reader
// treats as a file without a header or tags.
bool open_profile(const wchar_t* path, opened_profile* profile);
void close_profile(opened_profile* profile);

// The header of the profile at path; false when it cannot be opened or is
// too short to hold one (the default names are no files, so false too).
bool read_profile_header(const wchar_t* path, icc_profile_header* header);

// The data colour space of the profile at path as a host code
// (profile_type_code), -1 when its header cannot be read: what
// HUEX_GetProfileType answers.
int16_t profile_type_of(const wchar_t* path);
