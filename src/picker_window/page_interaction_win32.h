// What the user does on a page: the scroll bar, clicks and double-clicks on
// swatches, strip and patches, and the page's controls (colour-type combo box,
// name edit box, the settings page's buttons). Each handler answers its
// message for the page child's procedure and takes the guard itself.
#pragma once
#include <windows.h>

#include "colorlib/colorid.h"
#include "picker_window/picker_windows_win32.h"

LRESULT on_page_scroll(page_windows& page, int code, int position);
// 0 on a hit, else 1.
LRESULT on_page_click(page_windows& page, int x, int y);
LRESULT on_page_double_click(page_windows& page, int x, int y);
// A colour chosen through the page's list object: selected as a click on
// its swatch selects it, when it still belongs to the guide shown.
LRESULT on_page_select_color(page_windows& page, colorid c);
LRESULT on_page_command(page_windows& page, int id, int code, HWND control);

// A navigation key (Page Up/Down, End, Home, arrows) on colour page `page`:
// the selection moves and the focus goes to the page's scroll bar. Called by
// the keyboard hook, which holds the guard.
void navigate_by_key(picker_run& run, int page, UINT key);
