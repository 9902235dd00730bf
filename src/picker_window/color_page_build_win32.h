// A colour page's layout, view, palette and controls, built once per run when
// the page is first shown and released at the picker window's destruction.
#pragma once
#include "picker_window/picker_windows_win32.h"

// Nothing when the page is built already.
void build_color_page(picker_run& run, page_windows& page);
// Marks the page not built and deletes its palette.
void release_color_page(page_windows& page);
