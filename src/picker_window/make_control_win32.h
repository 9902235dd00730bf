// The one way the picker's windows make their child controls: a control of a
// system class at a rectangle the unit computed, with its control id, in the
// run's interface font.
#pragma once
#include <windows.h>

#include "picker/pixel_rect.h"

// A child control of class `cls` (style includes WS_CHILD and, for a control
// shown at once, WS_VISIBLE) in `font`; null when the system made none.
HWND make_control(HFONT font, HWND parent, int id, const char* cls, DWORD style, DWORD ex_style, const pixel_rect& r,
                  const char* text = "");
// The same, captioned with user-interface text `text_id` of the texts in use.
HWND make_text_control(HFONT font, HWND parent, int id, const char* cls, DWORD style, DWORD ex_style,
                       const pixel_rect& r, unsigned text_id);
