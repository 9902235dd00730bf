// Settings in the registry: read once at the end of start-up, written once at
// process end, nothing in between.
#include "entry/settings_store_win32.h"

#include <cstring>
#include <cwchar>

#include "context/library_context.h"
#include "frame/path_text_win32.h"
#include "frame/texts_win32.h"
#include "matching/printer_cmyk.h"
#include "profiles/profile_settings.h"

const char settings_key[] = "Software\\VERIHUE\\HUEX\\";

namespace {

constexpr int path_value_size = 260;

HKEY open_settings(const char* key_class)
{
    HKEY key = nullptr;
    // The class text is what a created key is given; the writer and the
    // reader each name their own, as stored keys have always had it.
    if (RegCreateKeyExA(HKEY_CURRENT_USER, settings_key, 0, const_cast<char*>(key_class),
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

int write_value(const char* value_name, DWORD type, const void* data, DWORD size)
{
    HKEY key = open_settings("HUEX");
    if (key == nullptr) return 0;
    LONG rc = RegSetValueExA(key, value_name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

int read_value(const char* value_name, void* buffer, DWORD* size)
{
    HKEY key = open_settings("HUEX ");
    if (key == nullptr) return 0;
    LONG rc = RegQueryValueExA(key, value_name, nullptr, nullptr, static_cast<BYTE*>(buffer), size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

// A 4-byte value into its variable, only when exactly 4 bytes are stored: a
// shorter value would leave part of the variable from before, and a longer
// one is not a value this library wrote.
void load_dword(const char* value_name, void* variable)
{
    unsigned char buffer[4];
    DWORD size = sizeof buffer;
    if (settings_read_dword(value_name, buffer, &size) && size == sizeof buffer)
        std::memcpy(variable, buffer, sizeof buffer);
}

// A stored path, or the default text when none is stored or the stored one
// is not terminated within the 260 characters of the path fields. A text
// value is read as UTF-16, whatever code page wrote it; a value of another
// type as the bytes of an ANSI text, as it always was.
void load_path(const char* value_name, unsigned default_text, wchar_t path[path_value_size])
{
    wchar_t name[64];
    path_from_ansi(value_name, name, 64);
    if (HKEY key = open_settings("HUEX ")) {
        DWORD type = 0, size = path_value_size * sizeof(wchar_t);
        const LONG rc = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(path), &size);
        RegCloseKey(key);
        const DWORD count = size / sizeof(wchar_t);
        if (rc == ERROR_SUCCESS && type == REG_SZ && count >= 1 && count <= path_value_size &&
            std::wmemchr(path, L'\0', count) != nullptr)
            return;
    }
    char text[path_value_size];
    DWORD size = path_value_size;
    if (settings_read_text(value_name, text, &size) && size >= 1 && size <= path_value_size &&
        std::memchr(text, 0, size) != nullptr && path_from_ansi(text, path, path_value_size))
        return;
    load_text(default_text, text, path_value_size);
    path_from_ansi(text, path, path_value_size);
}

void save_dword(const char* value_name, const void* variable)
{
    settings_write_dword(value_name, variable, 4);
}

// As a UTF-16 text value: every letter of the path kept, and an older
// library's ANSI read of it still gets the path in its code page.
void save_path(const char* value_name, const wchar_t* path)
{
    wchar_t name[64];
    path_from_ansi(value_name, name, 64);
    HKEY key = open_settings("HUEX");
    if (key == nullptr) return;
    wchar_t text[path_value_size];
    lstrcpynW(text, path, path_value_size);
    RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                   DWORD((std::wcslen(text) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

}  // namespace

int settings_write_dword(const char* value_name, const void* data, DWORD size)
{
    return write_value(value_name, REG_DWORD, data, size);
}

int settings_write_text(const char* value_name, const char* text, DWORD size)
{
    return write_value(value_name, REG_SZ, text, size);
}

int settings_read_dword(const char* value_name, void* buffer, DWORD* size)
{
    return read_value(value_name, buffer, size);
}

int settings_read_text(const char* value_name, char* buffer, DWORD* size)
{
    return read_value(value_name, buffer, size);
}

void settings_load(library_context& lib)
{
    picker_settings& picker = lib.picker;
    load_dword("selected_color", &picker.selected_color);
    load_dword("first_colorid_displayed", &picker.first_colorid_displayed);
    load_dword("OPTION_DISPLAY_COLOR_NAMES", &picker.OPTION_DISPLAY_COLOR_NAMES);
    load_dword("OPTION_SHOW_PROFILE_NAME", &picker.OPTION_SHOW_PROFILE_NAME);

    profile_state& profiles = lib.profiles;
    wchar_t path[path_value_size];
    load_path("DISPLAY_PROFILE_PATH", IDS_DEFAULT_DISPLAY, path);
    begin_stored_profile(&profiles.monitor_choice, path);
    end_stored_profile(&profiles.monitor_choice, load_monitor_profile(profiles, lib.display, lib.platform, path));
    load_path("PRINTER_PROFILE_PATH", IDS_DEFAULT_PRINTER, path);
    begin_stored_profile(&profiles.printer_choice, path);
    end_stored_profile(&profiles.printer_choice,
                       choose_printer_profile(lib.matching, profiles, lib.platform, path));

    load_dword("color_type", &picker.color_type);
    load_dword("window_xpos", &picker.window_xpos);
    load_dword("window_ypos", &picker.window_ypos);
    load_dword("D50FLAG", &picker.D50FLAG);
}

void settings_save(const library_context& lib)
{
    const picker_settings& picker = lib.picker;
    // A load of the library in which nothing was selected keeps the
    // selection an earlier one stored.
    if (picker.selected_color != no_color) {
        save_dword("selected_color", &picker.selected_color);
        save_dword("first_colorid_displayed", &picker.first_colorid_displayed);
    }
    save_dword("OPTION_DISPLAY_COLOR_NAMES", &picker.OPTION_DISPLAY_COLOR_NAMES);
    save_dword("OPTION_SHOW_PROFILE_NAME", &picker.OPTION_SHOW_PROFILE_NAME);
    const profile_state& profiles = lib.profiles;
    save_path("DISPLAY_PROFILE_PATH", profile_to_store(profiles.monitor_choice, profiles.monitor_profile_path));
    save_path("PRINTER_PROFILE_PATH", profile_to_store(profiles.printer_choice, profiles.printer_profile_path));
    save_dword("color_type", &picker.color_type);
    save_dword("window_xpos", &picker.window_xpos);
    save_dword("window_ypos", &picker.window_ypos);
    save_dword("D50FLAG", &picker.D50FLAG);
}
