// Opening and closing a profile as a read-only, unshared file mapping: what
// MMF_open_profile_file and MMF_close_profile_file do, for the library's own
// readers too.
#pragma once
#include <windows.h>

// True with both handles set when path names a file with one of the profile
// extensions (.icc, .icm, .pf, any case) that could be opened and mapped;
// else false and whichever of mapping and file is given is set to null.
bool open_profile_mapping(const wchar_t* path, HANDLE* mapping, HANDLE* file);
// Closes whichever handle is not null.
void close_profile_mapping(HANDLE mapping, HANDLE file);
