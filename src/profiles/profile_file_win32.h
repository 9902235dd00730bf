// A profile opened for one operation: the reader's open (extension rules,
// unshared access) and one view of the whole file for the portable readers.
#pragma once
#include <windows.h>

#include "icc/mmf_view_win32.h"

struct opened_profile {
    HANDLE mapping = nullptr;
    HANDLE file = nullptr;
    mmf_view view;  // file.data null when no view could be made
};

// False when the path cannot be opened as a profile. A profile that opens
// but cannot be viewed comes back with an empty span, which every reader
// treats as a file without a header or tags.
bool open_profile(const char* path, opened_profile* profile);
void close_profile(opened_profile* profile);
