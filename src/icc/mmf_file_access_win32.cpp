#include "icc/mmf_file_access_win32.h"

#include "frame/path_text_win32.h"
#include "huex.h"
#include "icc/profile_extension.h"

namespace {

// The final component of the path (base name and extension): the mapping's
// name.
const wchar_t* file_name_of(const wchar_t* path) {
    const wchar_t* name = path;
    for (const wchar_t* p = path; *p != L'\0'; ++p)
        if (*p == L'\\' || *p == L'/' || *p == L':') name = p + 1;
    return name;
}

}  // namespace

bool open_profile_mapping(const wchar_t* path, HANDLE* mapping, HANDLE* file) {
    if (mapping != nullptr) *mapping = nullptr;
    if (file != nullptr) *file = nullptr;
    if (path == nullptr || mapping == nullptr || file == nullptr) return false;

    if (!has_profile_extension(path)) return false;

    SECURITY_ATTRIBUTES attributes;
    attributes.nLength = sizeof attributes;
    attributes.lpSecurityDescriptor = nullptr;
    attributes.bInheritHandle = TRUE;

    HANDLE f = CreateFileW(path, GENERIC_READ, 0, &attributes, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;

    // The mapping carries the file's bare name. A mapping of that name that
    // already exists belongs to another file (this one is unshared, so it
    // cannot be open twice): another directory, or another process. Its bytes
    // are not this file's, so a clash (or a name taken by an object of
    // another kind) gets a mapping without a name.
    HANDLE m = CreateFileMappingW(f, &attributes, PAGE_READONLY, 0, 0, file_name_of(path));
    if (m == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) {
        if (m != nullptr) CloseHandle(m);
        m = CreateFileMappingW(f, &attributes, PAGE_READONLY, 0, 0, nullptr);
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

extern "C" BYTE WINAPI MMF_open_profile_fileW(const wchar_t* path, HANDLE* mapping, HANDLE* file) {
    return open_profile_mapping(path, mapping, file) ? 1 : 0;
}

extern "C" BYTE WINAPI MMF_open_profile_file(const char* path, HANDLE* mapping, HANDLE* file) {
    // The ANSI path as the system's own A functions read it: longer than
    // MAX_PATH - 1 characters is refused with the reason they give.
    if (path == nullptr) return MMF_open_profile_fileW(nullptr, mapping, file);
    wchar_t wide[MAX_PATH];
    if (!path_from_ansi(path, wide, sizeof wide / sizeof wide[0])) {
        if (mapping != nullptr) *mapping = nullptr;
        if (file != nullptr) *file = nullptr;
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return 0;
    }
    return MMF_open_profile_fileW(wide, mapping, file);
}

extern "C" void WINAPI MMF_close_profile_file(HANDLE mapping, HANDLE file) { close_profile_mapping(mapping, file); }
