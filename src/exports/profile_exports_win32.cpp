// The profile exports: choosing and reading back the monitor and printer
// profiles, copies of profile names for hosts, header queries, and the walk
// of the installed profiles.
#include <windows.h>

#include <cstring>

#include "context/library_guard.h"
#include "exports/export_status.h"
#include "huex.h"
#include "matching/printer_cmyk.h"
#include "profiles/profile_description.h"
#include "profiles/profile_enumeration_win32.h"
#include "profiles/profile_file_win32.h"
#include "profiles/profile_header_codes.h"
#include "profiles/profile_settings.h"

namespace {

// A copy of text in a zero-initialised block of exactly its length + 1
// bytes, which the host frees with HUEX_DisposeProfile.
short hand_out(const char* text, char** profile)
{
    if (profile == nullptr) return HUEX_NO_MEMORY;
    const size_t length = text != nullptr ? std::strlen(text) : 0;
    char* block = static_cast<char*>(LocalAlloc(LMEM_FIXED | LMEM_ZEROINIT, length + 1));
    *profile = block;
    if (block == nullptr) return HUEX_NO_MEMORY;
    if (length != 0) std::memcpy(block, text, length);
    return HUEX_OK;
}

// A path of the library's, copied under the guard.
struct path_copy {
    char text[260];
};

template <class Pick>
path_copy copy_of(Pick pick)
{
    path_copy copy;
    library_guard lib;
    lstrcpynA(copy.text, pick(*lib), sizeof copy.text);
    return copy;
}

// The host's path, read before the guard is taken: one character more than
// a path field holds, so that a path too long to be used still reads as one.
struct host_path {
    char text[max_profile_path_length + 2];
    const char* path;   // null when the host gave none
};

host_path path_of(const char* path)
{
    host_path copy;
    copy.path = path != nullptr ? copy.text : nullptr;
    if (path != nullptr) lstrcpynA(copy.text, path, sizeof copy.text);
    return copy;
}

}  // namespace

extern "C" short WINAPI HUEX_GetMonitorProfile(char** profile)
{
    return hand_out(copy_of([](library_context& l) { return l.profiles.monitor_profile_path; }).text, profile);
}

extern "C" short WINAPI HUEX_SetMonitorProfile(const char* path)
{
    const host_path asked = path_of(path);
    library_guard lib;
    return load_monitor_profile(lib->profiles, lib->display, lib->platform, asked.path) ? HUEX_OK
                                                                                         : HUEX_DEFAULT_IN_FORCE;
}

extern "C" short WINAPI HUEX_GetPrinterProfile(char** profile)
{
    return hand_out(copy_of([](library_context& l) { return l.profiles.printer_profile_path; }).text, profile);
}

extern "C" short WINAPI HUEX_GetDefaultPrinterProfile(char** profile)
{
    return hand_out(copy_of([](library_context& l) { return l.platform.default_printer_profile_name; }).text,
                    profile);
}

extern "C" short WINAPI HUEX_SetPrinterProfile(const char* path)
{
    const host_path asked = path_of(path);
    library_guard lib;
    return choose_printer_profile(lib->matching, lib->profiles, lib->platform, asked.path) ? HUEX_OK
                                                                                            : HUEX_DEFAULT_IN_FORCE;
}

extern "C" short WINAPI HUEX_CreateProfile(const char* path, char** profile)
{
    // A null path names no profile: refused like a failed copy rather than
    // handed out as an empty name the host would take for a real one.
    if (path == nullptr) {
        if (profile != nullptr) *profile = nullptr;
        return HUEX_NO_MEMORY;
    }
    return hand_out(path, profile);
}

extern "C" short WINAPI HUEX_DisposeProfile(char* profile)
{
    if (profile != nullptr) LocalFree(profile);
    return HUEX_OK;
}

// The header queries read the file named and no state of the library's.
extern "C" short WINAPI HUEX_GetProfileType(const char* path) { return profile_type_of(path); }

extern "C" LONG WINAPI HUEX_GetProfileIntent(const char* path)
{
    icc_profile_header header;
    return read_profile_header(path, &header) ? LONG(header.rendering_intent) : -1;
}

extern "C" short WINAPI HUEX_GetProfilePcs(const char* path)
{
    icc_profile_header header;
    return read_profile_header(path, &header) ? profile_pcs_code(header.connection_space) : -1;
}

extern "C" short WINAPI HUEX_GetProfileName(const char* path, char* name)
{
    if (path == nullptr || name == nullptr) return 0;
    const path_copy display = copy_of([](library_context& l) { return l.platform.default_display_name; });
    const path_copy printer = copy_of([](library_context& l) { return l.platform.default_printer_profile_name; });
    if (lstrcmpA(path, display.text) == 0 || lstrcmpA(path, printer.text) == 0) {
        lstrcpyA(name, path);
        return short(std::strlen(name));
    }
    opened_profile profile;
    if (!open_profile(path, &profile)) return 0;
    profile_description_of(profile.view.file, name, 256);
    close_profile(&profile);
    return short(std::strlen(name));
}

extern "C" LONG WINAPI enum_profiles_by_classification(LONG classification, HANDLE* state,
                                                       WIN32_FIND_DATAA* find_data, char* path,
                                                       char* description, LONG description_length)
{
    // The walk reads the colour folders, which start-up fixed; its own state
    // is the caller's.
    platform_values folders;
    {
        library_guard lib;
        folders = lib->platform;
    }
    return walk_profiles_by_classification(folders, classification, state, find_data, path, description,
                                           description_length, short_profiles::end_walk);
}
