// The profile exports: choosing and reading back the monitor and printer
// profiles, copies of profile names for hosts, and header queries.
#include <windows.h>

#include <cstring>

#include "frame/library_state.h"
#include "huex.h"
#include "profiles/profile_description.h"
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

}  // namespace

extern "C" short WINAPI HUEX_GetMonitorProfile(char** profile)
{
    return hand_out(monitor_profile_path, profile);
}

extern "C" short WINAPI HUEX_SetMonitorProfile(const char* path)
{
    return load_monitor_profile(path) ? HUEX_OK : HUEX_DEFAULT_IN_FORCE;
}

extern "C" short WINAPI HUEX_GetPrinterProfile(char** profile)
{
    return hand_out(current_printer_profile(), profile);
}

extern "C" short WINAPI HUEX_GetDefaultPrinterProfile(char** profile)
{
    return hand_out(default_printer_profile_name, profile);
}

extern "C" short WINAPI HUEX_SetPrinterProfile(const char* path)
{
    return load_printer_profile(path) ? HUEX_OK : HUEX_DEFAULT_IN_FORCE;
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
    if (lstrcmpA(path, default_display_name) == 0 ||
        lstrcmpA(path, default_printer_profile_name) == 0) {
        lstrcpyA(name, path);
        return short(std::strlen(name));
    }
    opened_profile profile;
    if (!open_profile(path, &profile)) return 0;
    profile_description_of(profile.view.file, name, 256);
    close_profile(&profile);
    return short(std::strlen(name));
}
