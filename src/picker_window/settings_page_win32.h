// The settings page: its controls, built when the page is first shown in a run, its painting, what its
// controls do, the one option that Cancel takes back, and the display-profile
// stepping of F5, F6 and F7.
#pragma once
#include <windows.h>

// Control ids of the settings page.
constexpr int id_names_check = 4;
constexpr int id_profile_name_check = 5;
constexpr int id_d65_radio = 6;
constexpr int id_d50_radio = 7;
constexpr int id_display_change = 8;
constexpr int id_printer_change = 9;
constexpr int id_display_edit = 94;
constexpr int id_printer_edit = 95;

// The settings page's controls of the current run (all null while none is built).
struct settings_controls {
    HWND names_check = nullptr, profile_name_check = nullptr;
    HWND d65_radio = nullptr, d50_radio = nullptr;
    HWND display_change = nullptr, printer_change = nullptr;
    HWND display_edit = nullptr, printer_edit = nullptr;
};
extern settings_controls settings_ui;

// Stored option values other than 0 or 1 taken as their initial values, so
// that the colours painted before the page is first shown agree with it.
void settle_stored_options();
// Builds the controls in the settings child (nothing when built already).
void build_settings_page(HWND picker_window);
// Marks the controls not built, so the next run builds them anew.
void release_settings_page();
// Captions and labels; the controls paint themselves.
void paint_settings_page(HDC dc, const RECT& update);
// Cancel on the settings page: the display-colour-names option as it was
// when the page was entered.
void restore_display_names_option();
// WM_COMMAND of ids 4 to 9 in the settings child; false for any other id.
bool on_settings_command(HWND settings_child, int id, int code);
// F5 (next), F6 (previous) or F7 (default display): makes that display
// profile current and shows its name in the display-profile edit box.
void step_display_profile(UINT key);
