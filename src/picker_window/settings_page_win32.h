// The settings page: its controls, built when the page is first shown in a
// run, its painting, what its controls do, and the one option that Cancel
// takes back. Its layout comes from picker/settings_layout.*.
#pragma once
#include <windows.h>

#include "picker/control_ids.h"
#include "picker_window/picker_windows_win32.h"

struct picker_settings;

// Stored option values other than 0 or 1 taken as their initial values, so
// that the colours painted before the page is first shown agree with it.
void settle_stored_options(picker_settings& settings);
// Builds the controls in the settings child (nothing when built already).
void build_settings_page(picker_run& run);
// Marks the controls not built, so the next run builds them anew.
void release_settings_page(picker_windows& ui);
// Captions and labels; the controls paint themselves.
void paint_settings_page(HDC dc, const picker_run& run, const RECT& update);
// Cancel on the settings page: the display-colour-names option as it was
// when the page was entered.
void restore_display_names_option(picker_run& run);
// WM_COMMAND of the settings child's buttons (IDC_NAMES_CHECK to
// IDC_PRINTER_CHANGE); false for any other id. Takes the guard itself, and
// lets go of it while a profile dialog runs.
bool on_settings_command(picker_run& run, int id, int code);
