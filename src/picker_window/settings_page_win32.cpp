#include "picker_window/settings_page_win32.h"

#include "frame/library_state.h"
#include "picker/picker_state.h"

void build_settings_page(HWND picker_window) {}

void release_settings_page() {}

void paint_settings_page(HDC dc, const RECT& update) {}

void restore_display_names_option() { OPTION_DISPLAY_COLOR_NAMES = display_names_copy; }
