// What start-up learns about the machine and the user's language: set once
// by the entry point while the library attaches, read only from then on.
#pragma once
#include <cstdint>

struct platform_values {
    // Language of the language module; the locale of the picker's letter
    // comparisons. 1033 when there is no module.
    uint32_t language_id = 1033;
    char windows_directory[260] = "";
    int is_nt = 0;
    // The colour system's own folder, ending in a backslash: profiles are
    // listed and resolved in it first.
    wchar_t color_directory[260] = L"";
    // Where profiles were kept before the colour system had a folder of its
    // own; empty when that is color_directory itself. Read after it.
    wchar_t old_color_directory[260] = L"";
    int screen_width = 0, screen_height = 0;
    int small_screen = 0;   // the screen is exactly 640 x 480
    uint32_t label_text_color = 0x00FFFFFFu;
    // The names that stand for the built-in printer and the built-in display.
    char default_printer_profile_name[260] = "";
    char default_display_name[260] = "";
    // The same names where a profile path may stand: the current profile's
    // path is one of these while the built-in model is current.
    wchar_t default_printer_profile_path[260] = L"";
    wchar_t default_display_path[260] = L"";
    // The language module's file; empty when the library's own texts are used.
    char language_module_path[260] = "";
};
