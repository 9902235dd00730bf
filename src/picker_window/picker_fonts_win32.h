// The picker's fonts and text measurements. Every font is made from one
// LOGFONT of which only the height, the face and the weight are ever set, so
// that all of them render alike on every system.
#pragma once
#include <windows.h>

#include "picker/picker_layout.h"

struct picker_windows;

// A font of `points` at the vertical resolution of dc (the screen's when dc is
// null); nullptr when the system cannot make it.
HFONT make_picker_font(HDC dc, int points, const char* face);

// The run's two fonts, measured on the owner's device context: ui_font ("MS
// Sans Serif" 8 point, 6 on the 640 x 480 screen) and name_font ("Courier
// New" 7 point). delete_run_fonts releases both and forgets them.
void create_run_fonts(picker_windows& ui, HWND owner, bool small_screen);
void delete_run_fonts(picker_windows& ui);

// Extent of a text in a font, measured on the window's device context.
SIZE text_extent_in(HWND window, HFONT font, const char* text);
// The same for string-table text `id`.
SIZE text_id_extent(HWND window, HFONT font, unsigned id);

// Everything the page layout measures, in the run's interface font.
page_text_metrics measure_page_texts(HWND window, HFONT ui_font);
