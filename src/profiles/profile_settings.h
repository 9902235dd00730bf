// Making a monitor or a printer profile current. Each is named by the path
// of its file or by one of the two default names (platform_values), which
// stand for the built-in display model and the built-in printer.
#pragma once

struct display_state;
struct platform_values;
struct profile_state;

// Longest profile path the 260-byte fields hold with their terminator.
constexpr unsigned max_profile_path_length = 259;

// Makes path the monitor profile: the display model starts from the built-in
// one and takes the profile's colorants, white point and tone curves; the
// name is the profile's description, else its file name. True when the
// profile was read or the default display was asked for; false when the path
// is null, longer than max_profile_path_length or cannot be opened as a
// profile, and the default display took its place. Always lets go of the
// cached display conversion.
bool load_monitor_profile(profile_state& profiles, display_state& display, const platform_values& platform,
                          const wchar_t* path);

// Makes path the printer profile (its path and description, else its file
// name). True when the profile was read or the default printer was asked
// for; false when the default printer took the place of a path that cannot be
// used. Whatever matching keeps prepared for the printer profile must be let
// go of first (matching/printer_choice.h does both).
bool load_printer_profile(profile_state& profiles, const platform_values& platform, const wchar_t* path);
