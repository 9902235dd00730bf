// The settings page: its controls, built when the page is first shown in a
// run, its painting, what its controls do, and the one option that Cancel
// takes back. Its layout comes from picker/settings_layout.*.
#pragma once
#include <windows.h>

#include "picker/control_ids.h"

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
// WM_COMMAND of the settings child's buttons (IDC_NAMES_CHECK to
// IDC_PRINTER_CHANGE); false for any other id.
bool on_settings_command(HWND settings_child, int id, int code);