// The settings that survive from one load of the library to the next: picker
// state, options, window position and both profile paths, in one registry key
// under HKEY_CURRENT_USER.
#pragma once
#include <windows.h>

extern const char settings_key[];  // "Software\VERIHUE\HUEX\"

struct library_context;

// The entry point's last step of start-up: reads the stored settings and
// makes the stored profiles current.
void settings_load(library_context& lib);
// At process end: writes the settings back.
void settings_save(const library_context& lib);

// Single values; each opens the key (creating it when missing) and closes it
// again. 1 on success, 0 on any failure.
int settings_write_dword(const char* value_name, const void* data, DWORD size);
int settings_write_text(const char* value_name, const char* text, DWORD size);
// size: the buffer's size on entry, the stored size on return.
int settings_read_dword(const char* value_name, void* buffer, DWORD* size);
int settings_read_text(const char* value_name, char* buffer, DWORD* size);
