// The profile exports: choosing and reading back the monitor and printer
// profiles, copies of profile names for hosts, header queries, and the walk
// of the installed profiles. Each has an ANSI and a wide form; the library
// keeps paths wide, so the ANSI form converts its path on the way in and the
// path it gives on the way out.
#include <windows.h>

#include <cstring>
#include <cwchar>

#include "context/library_guard.h"
#include "exports/export_status.h"
#include "frame/path_text_win32.h"
#include "huex.h"
#include "matching/printer_cmyk.h"
#include "profiles/profile_description.h"
#include "profiles/profile_enumeration_win32.h"
#include "profiles/profile_file_win32.h"
#include "profiles/profile_header_codes.h"
#include "profiles/profile_settings.h"

namespace {

// A copy of text in a zero-initialised block of exactly its length + 1
// characters, which the host frees with HUEX_DisposeProfile(W).
template <class Char>
short hand_out(const Char* text, Char** profile)
{
    if (profile == nullptr) return HUEX_NO_MEMORY;
    size_t length = 0;
    while (text != nullptr && text[length] != 0) ++length;
    Char* block = static_cast<Char*>(LocalAlloc(LMEM_FIXED | LMEM_ZEROINIT, (length + 1) * sizeof(Char)));
    *profile = block;
    if (block == nullptr) return HUEX_NO_MEMORY;
    if (length != 0) std::memcpy(block, text, length * sizeof(Char));
    return HUEX_OK;
}

// A path of the library's, copied under the guard.
struct path_copy {
    wchar_t text[MAX_PATH];
};

template <class Pick>
path_copy copy_of(Pick pick)
{
    path_copy copy;
    library_guard lib;
    lstrcpynW(copy.text, pick(*lib), MAX_PATH);
    return copy;
}

// The same path for an ANSI host: a letter its code page lacks is '?'.
struct ansi_copy {
    char text[MAX_PATH];
};

ansi_copy ansi_of(const path_copy& path)
{
    ansi_copy copy;
    path_to_ansi(path.text, copy.text, MAX_PATH);
    return copy;
}

const wchar_t* monitor_path(library_context& l) { return l.profiles.monitor_profile_path; }
const wchar_t* printer_path(library_context& l) { return l.profiles.printer_profile_path; }
const wchar_t* default_printer_path(library_context& l) { return l.platform.default_printer_profile_path; }

short set_monitor(const wide_argument& asked)
{
    library_guard lib;
    return load_monitor_profile(lib->profiles, lib->display, lib->platform, asked.path()) ? HUEX_OK
                                                                                        : HUEX_DEFAULT_IN_FORCE;
}

short set_printer(const wide_argument& asked)
{
    library_guard lib;
    return choose_printer_profile(lib->matching, lib->profiles, lib->platform, asked.path()) ? HUEX_OK
                                                                                           : HUEX_DEFAULT_IN_FORCE;
}

// A null path names no profile: refused like a failed copy rather than
// handed out as an empty name the host would take for a real one.
template <class Char>
short create_copy(const Char* path, Char** profile)
{
    if (path == nullptr) {
        if (profile != nullptr) *profile = nullptr;
        return HUEX_NO_MEMORY;
    }
    return hand_out(path, profile);
}

// The name (in the ANSI code page, 256 bytes) of the profile at path, or the
// default name path is; 0 when path names neither.
short profile_name(const wchar_t* path, char* name)
{
    const path_copy display = copy_of([](library_context& l) { return l.platform.default_display_path; });
    const path_copy printer = copy_of(default_printer_path);
    if (lstrcmpW(path, display.text) == 0 || lstrcmpW(path, printer.text) == 0) {
        path_to_ansi(path, name, MAX_PATH);
        return short(std::strlen(name));
    }
    opened_profile profile;
    if (!open_profile(path, &profile)) return 0;
    profile_description_of(profile.view.file, name, 256);
    close_profile(&profile);
    return short(std::strlen(name));
}

platform_values colour_folders()
{
    // The walk reads the colour folders, which start-up fixed; its own state
    // is the caller's.
    library_guard lib;
    return lib->platform;
}

}  // namespace

extern "C" short WINAPI HUEX_GetMonitorProfile(char** profile)
{
    return hand_out(ansi_of(copy_of(monitor_path)).text, profile);
}

extern "C" short WINAPI HUEX_GetMonitorProfileW(wchar_t** profile)
{
    return hand_out(copy_of(monitor_path).text, profile);
}

extern "C" short WINAPI HUEX_SetMonitorProfile(const char* path) { return set_monitor(widened(path)); }

extern "C" short WINAPI HUEX_SetMonitorProfileW(const wchar_t* path) { return set_monitor(copied(path)); }

extern "C" short WINAPI HUEX_GetPrinterProfile(char** profile)
{
    return hand_out(ansi_of(copy_of(printer_path)).text, profile);
}

extern "C" short WINAPI HUEX_GetPrinterProfileW(wchar_t** profile)
{
    return hand_out(copy_of(printer_path).text, profile);
}

extern "C" short WINAPI HUEX_GetDefaultPrinterProfile(char** profile)
{
    return hand_out(ansi_of(copy_of(default_printer_path)).text, profile);
}

extern "C" short WINAPI HUEX_GetDefaultPrinterProfileW(wchar_t** profile)
{
    return hand_out(copy_of(default_printer_path).text, profile);
}

extern "C" short WINAPI HUEX_SetPrinterProfile(const char* path) { return set_printer(widened(path)); }

extern "C" short WINAPI HUEX_SetPrinterProfileW(const wchar_t* path) { return set_printer(copied(path)); }

extern "C" short WINAPI HUEX_CreateProfile(const char* path, char** profile) { return create_copy(path, profile); }

extern "C" short WINAPI HUEX_CreateProfileW(const wchar_t* path, wchar_t** profile)
{
    return create_copy(path, profile);
}

extern "C" short WINAPI HUEX_DisposeProfile(char* profile)
{
    if (profile != nullptr) LocalFree(profile);
    return HUEX_OK;
}

extern "C" short WINAPI HUEX_DisposeProfileW(wchar_t* profile)
{
    if (profile != nullptr) LocalFree(profile);
    return HUEX_OK;
}

// The header queries read the file named and no state of the library's.
extern "C" short WINAPI HUEX_GetProfileTypeW(const wchar_t* path) { return profile_type_of(copied(path).path()); }

extern "C" short WINAPI HUEX_GetProfileType(const char* path) { return profile_type_of(widened(path).path()); }

extern "C" LONG WINAPI HUEX_GetProfileIntentW(const wchar_t* path)
{
    icc_profile_header header;
    return read_profile_header(copied(path).path(), &header) ? LONG(header.rendering_intent) : -1;
}

extern "C" LONG WINAPI HUEX_GetProfileIntent(const char* path)
{
    icc_profile_header header;
    return read_profile_header(widened(path).path(), &header) ? LONG(header.rendering_intent) : -1;
}

extern "C" short WINAPI HUEX_GetProfilePcsW(const wchar_t* path)
{
    icc_profile_header header;
    return read_profile_header(copied(path).path(), &header) ? profile_pcs_code(header.connection_space) : -1;
}

extern "C" short WINAPI HUEX_GetProfilePcs(const char* path)
{
    icc_profile_header header;
    return read_profile_header(widened(path).path(), &header) ? profile_pcs_code(header.connection_space) : -1;
}

extern "C" short WINAPI HUEX_GetProfileName(const char* path, char* name)
{
    if (path == nullptr || name == nullptr) return 0;
    char text[MAX_PATH];
    const short length = profile_name(widened(path).path(), text);
    if (length != 0) std::memcpy(name, text, size_t(length) + 1);
    return length;
}

extern "C" short WINAPI HUEX_GetProfileNameW(const wchar_t* path, wchar_t* name)
{
    if (path == nullptr || name == nullptr) return 0;
    char text[MAX_PATH];
    if (profile_name(copied(path).path(), text) == 0) return 0;
    // The description's letters are those of the ANSI name: the same text
    // whichever form asked.
    wchar_t wide[MAX_PATH];
    if (!path_from_ansi(text, wide, MAX_PATH)) return 0;
    const size_t length = std::wcslen(wide);
    std::memcpy(name, wide, (length + 1) * sizeof(wchar_t));
    return short(length);
}

extern "C" LONG WINAPI enum_profiles_by_classification(LONG classification, HANDLE* state,
                                                       WIN32_FIND_DATAA* find_data, char* path,
                                                       char* description, LONG description_length)
{
    return walk_profiles_by_classification_ansi(colour_folders(), classification, state, find_data, path,
                                                description, description_length);
}

extern "C" LONG WINAPI enum_profiles_by_classificationW(LONG classification, HANDLE* state,
                                                        WIN32_FIND_DATAW* find_data, wchar_t* path,
                                                        wchar_t* description, LONG description_length)
{
    char text[MAX_PATH];
    const LONG text_length = description_length < LONG(sizeof text) ? description_length : LONG(sizeof text);
    const LONG length = walk_profiles_by_classification(colour_folders(), classification, state, find_data, path,
                                                        description != nullptr ? text : nullptr, text_length,
                                                        short_profiles::end_walk);
    if (length > 0 && description_length >= 1) {
        // Cut to the host's buffer in its own units.
        wchar_t wide[MAX_PATH];
        path_from_ansi(text, wide, MAX_PATH);
        lstrcpynW(description, wide, description_length);
    }
    return length;
}
