// The current monitor and printer profiles. Each is named by the path of its
// file or by one of the two default names (default_display_name,
// default_printer_profile_name), which stand for the built-in display model
// and the built-in printer. Paths, names and the display model live in the
// process-wide state (frame/library_state.h,
// display/display_characterization.h).
#pragma once

// Longest profile path the 260-byte fields hold with their terminator.
constexpr unsigned max_profile_path_length = 259;

// Makes path the monitor profile: the display model starts from the built-in
// one and takes the profile's colorants, white point and tone curves; the
// name is the profile's description, else its file name. True when the
// profile was read or the default display was asked for; false when the path
// is null, longer than max_profile_path_length or cannot be opened as a
// profile, and the default display took its place. Always invalidates the
// cached display conversion.
bool load_monitor_profile(const char* path);

// Makes path the printer profile (its path and description, else its file
// name). True when the profile was read or the default printer was asked
// for; false when the default printer took the place of a path that cannot be
// used.
bool load_printer_profile(const char* path);

// The current printer profile's path, or default_printer_profile_name for the
// built-in printer: what HUEX_GetPrinterProfile hands out a copy of, read in
// place.
const char* current_printer_profile();

// Called first by every load_printer_profile, before anything of the new
// profile is read; null calls nothing. Whatever keeps work prepared for the
// printer profile lets go of it here, so that the files and folders it holds
// are free when the load returns. The entry point sets it at attach, before
// the stored profile is loaded.
extern void (*on_printer_profile_load)();
