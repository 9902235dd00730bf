// The settings page: its controls, built once per run, its painting and the
// one option that Cancel takes back.
#pragma once
#include <windows.h>

// Builds the controls in the settings child (nothing when built already).
void build_settings_page(HWND picker_window);
// Marks the controls not built, so the next run builds them anew.
void release_settings_page();
// Captions and labels; the controls paint themselves.
void paint_settings_page(HDC dc, const RECT& update);
// Cancel on the settings page: the display-colour-names option as it was
// when the page was entered.
void restore_display_names_option();
