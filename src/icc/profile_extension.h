// Which file names the profile reader opens: those ending in one of the
// profile extensions, in any case, as Windows names files. Printer drivers
// install profiles as "*.ICM"; a profile refused for the case of its name
// would be a wrong answer, not a safe one.
#pragma once
#include <cstddef>

// True when the final component of path (after the last '\\', '/' or ':')
// ends in ".icc", ".icm" or ".pf", letters in any case. A dot in a folder's
// name is no extension. Narrow and wide paths alike: only ASCII letters
// are compared, so any code page's bytes and any UTF-16 unit pass through.
bool has_profile_extension(const char* path);
bool has_profile_extension(const wchar_t* path);
