#include "frame/library_state.h"

#include <cstring>

uint32_t language_id = 1033;
char windows_directory[260];
int is_nt;
char color_directory[260];
char old_color_directory[260];
int screen_width, screen_height;
int small_screen;
uint32_t label_text_color = 0x00FFFFFFu;
char default_printer_profile_name[260];
char default_display_name[260];
char text_scratch[252];
uint32_t last_builtin_pub = 3;

byte_span current_descriptor;

char monitor_profile_path[260];
char monitor_profile_name[260];
char printer_profile_path[260];
char printer_profile_name[260];

colorid selected_color = no_color;
colorid original_color = no_color;
colorid first_colorid_displayed = no_color;
uint32_t OPTION_DISPLAY_COLOR_NAMES = 1;
uint32_t OPTION_SHOW_PROFILE_NAME = 0;
uint32_t color_type = 0;
int32_t window_xpos, window_ypos;
uint32_t D50FLAG = 0;
uint32_t show_settings_tab = 1;
int picker_open = 0;

void reset_library_state()
{
    language_id = 1033;
    windows_directory[0] = 0;
    is_nt = 0;
    color_directory[0] = old_color_directory[0] = 0;
    screen_width = screen_height = 0;
    small_screen = 0;
    label_text_color = 0x00FFFFFFu;
    default_printer_profile_name[0] = 0;
    default_display_name[0] = 0;
    std::memset(text_scratch, 0, sizeof text_scratch);
    last_builtin_pub = 3;
    current_descriptor = byte_span{};
    monitor_profile_path[0] = monitor_profile_name[0] = 0;
    printer_profile_path[0] = printer_profile_name[0] = 0;
    selected_color = original_color = first_colorid_displayed = no_color;
    OPTION_DISPLAY_COLOR_NAMES = 1;
    OPTION_SHOW_PROFILE_NAME = 0;
    color_type = 0;
    window_xpos = window_ypos = 0;
    D50FLAG = 0;
    show_settings_tab = 1;
    picker_open = 0;
}
