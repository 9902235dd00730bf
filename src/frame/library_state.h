// The process-wide state that every subsystem shares. Only plain values live
// here so that the window-free logic builds and is tested without Windows; the
// module handles sit in library_state_win32.h.
#pragma once
#include <cstdint>

#include "frame/byte_span.h"

typedef uint32_t colorid;
constexpr colorid no_color = 0xFFFFFFFFu;

// Start-up and platform values (set at attach, then read only).
extern uint32_t language_id;
extern char windows_directory[260];
extern int is_nt;
extern char color_directory[260];
// Where profiles were kept before the colour system had a folder of its own;
// empty when that is color_directory itself. Read after color_directory.
extern char old_color_directory[260];
extern int screen_width, screen_height;
extern int small_screen;
extern uint32_t label_text_color;
extern char default_printer_profile_name[260];
extern char default_display_name[260];
extern char text_scratch[252];
extern uint32_t last_builtin_pub;

// Colour library: the descriptor that the descriptor readers parse.
extern byte_span current_descriptor;

// Current profiles (kept by the profile settings and the display model).
extern char monitor_profile_path[260];
extern char monitor_profile_name[260];
extern char printer_profile_path[260];
extern char printer_profile_name[260];

// Picker state and options, read at attach and written at detach.
extern colorid selected_color;
extern colorid original_color;
extern colorid first_colorid_displayed;
extern uint32_t OPTION_DISPLAY_COLOR_NAMES;
extern uint32_t OPTION_SHOW_PROFILE_NAME;
extern uint32_t color_type;
extern int32_t window_xpos, window_ypos;
extern uint32_t D50FLAG;
extern uint32_t show_settings_tab;
extern int picker_open;

// Puts every value back to its value before attach; tests use it between cases.
void reset_library_state();
