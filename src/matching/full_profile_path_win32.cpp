#include "matching/full_profile_path_win32.h"

const wchar_t* full_profile_path(const wchar_t* path, wchar_t* buffer)
{
    if (path == nullptr || *path == L'\0') return path;
    const DWORD length = GetFullPathNameW(path, MAX_PATH, buffer, nullptr);
    return length != 0 && length < MAX_PATH ? buffer : path;
}
