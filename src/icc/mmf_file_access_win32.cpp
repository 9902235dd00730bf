#include "icc/mmf_file_access_win32.h"

#include "huex.h"

namespace {

// The final component of the path (base name and extension) and the start of
// its extension, the last dot in it; a path separator after a dot (a dot in a
// directory name) is not an extension.
const char* file_name_of(const char* path) {
    const char* name = path;
    for (const char* p = path; *p != '\0'; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
    return name;
}

const char* extension_of(const char* name) {
    const char* dot = nullptr;
    for (const char* p = name; *p != '\0'; ++p)
        if (*p == '.') dot = p;
    return dot;
}

bool accepted_extension(const char* ext) {
    return ext != nullptr && (lstrcmpA(ext, ".icc") == 0 || lstrcmpA(ext, ".icm") == 0 ||
                              lstrcmpA(ext, ".pf") == 0);
}

}  // namespace

bool open_profile_mapping(const char* path, HANDLE* mapping, HANDLE* file) {
    if (mapping != nullptr) *mapping = nullptr;
    if (file != nullptr) *file = nullptr;
    if (path == nullptr || mapping == nullptr || file == nullptr) return false;

    const char* name = file_name_of(path);
    if (!accepted_extension(extension_of(name))) return false;

    SECURITY_ATTRIBUTES attributes;
    attributes.nLength = sizeof attributes;
    attributes.lpSecurityDescriptor = nullptr;
    attributes.bInheritHandle = TRUE;

    HANDLE f = CreateFileA(path, GENERIC_READ, 0, &attributes, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;

    // The mapping carries the file's bare name. A mapping of that name that
    // already exists belongs to another file (this one is unshared, so it
    // cannot be open twice): another directory, or another process. Its bytes
    // are not this file's, so a clash (or a name taken by an object of
    // another kind) gets a mapping without a name.
    HANDLE m = CreateFileMappingA(f, &attributes, PAGE_READONLY, 0, 0, name);
    if (m == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) {
        if (m != nullptr) CloseHandle(m);
        m = CreateFileMappingA(f, &attributes, PAGE_READONLY, 0, 0, nullptr);
    }
    if (m == nullptr) {
        CloseHandle(f);
        return false;
    }
    *mapping = m;
    *file = f;
    return true;
}

void close_profile_mapping(HANDLE mapping, HANDLE file) {
    if (mapping != nullptr) CloseHandle(mapping);
    if (file != nullptr) CloseHandle(file);
}

extern "C" BYTE WINAPI MMF_open_profile_file(const char* path, HANDLE* mapping, HANDLE* file) {
    return open_profile_mapping(path, mapping, file) ? 1 : 0;
}

extern "C" void WINAPI MMF_close_profile_file(HANDLE mapping, HANDLE file) { close_profile_mapping(mapping, file); }
