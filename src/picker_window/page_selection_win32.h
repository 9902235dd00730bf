// Showing a tab page, and showing the selection on a colour page: what the
// unit decided (page_switch, swatch_paging) turned into window moves and
// drawing. The interaction handlers, the keyboard hook and the picker window
// all come through here, with the guard held.
#pragma once
#include <windows.h>

#include "colorlib/colorid.h"
#include "picker_window/picker_windows_win32.h"

// Makes the page current and visible over the tab control's display area,
// hides the others and selects its tab. Returns 1.
int show_page(picker_run& run, int page);

// Selects c on the current colour page and draws what shows the selection
// (name line, "New" patch, frame, name edit box) on dc, scrolling the grid
// when needed. A colour of the other page's guide shows that page first.
// Nothing on the settings page or for no_color.
void select_and_show(HDC dc, picker_run& run, colorid c);

// The scroll bar's thumb at the screen shown.
void update_scroll_thumb(const picker_run& run, page_windows& page);
