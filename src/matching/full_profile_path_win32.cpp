#include "matching/full_profile_path_win32.h"

const char* full_profile_path(const char* path, char* buffer)
{
    if (path == nullptr || *path == '\0') return path;
    const DWORD length = GetFullPathNameA(path, MAX_PATH, buffer, nullptr);
    return length != 0 && length < MAX_PATH ? buffer : path;
}
