#include "icc/profile_extension.h"

namespace {

template <class Char>
Char ascii_lower(Char c)
{
    return c >= 'A' && c <= 'Z' ? Char(c - 'A' + 'a') : c;
}

template <class Char>
bool same_extension(const Char* ext, const char* wanted)
{
    for (; *wanted != '\0'; ++ext, ++wanted)
        if (ascii_lower(*ext) != Char(*wanted)) return false;
    return *ext == 0;
}

template <class Char>
bool accepted(const Char* path)
{
    if (path == nullptr) return false;
    const Char* dot = nullptr;
    for (const Char* p = path; *p != 0; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':') dot = nullptr;
        else if (*p == '.') dot = p;
    }
    return dot != nullptr &&
           (same_extension(dot, ".icc") || same_extension(dot, ".icm") || same_extension(dot, ".pf"));
}

}  // namespace

bool has_profile_extension(const char* path) { return accepted(path); }
bool has_profile_extension(const wchar_t* path) { return accepted(path); }
