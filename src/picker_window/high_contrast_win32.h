// High contrast: whether the picker paints with the system's colours, and
// the colours it then paints with (picker/contrast_colors.*).
#pragma once
#include <windows.h>

#include "picker/contrast_colors.h"

struct picker_windows;

// The system's high-contrast setting. The environment variable
// HUEX_HIGH_CONTRAST_TEST ("1" or "0") overrides it: the test seam for
// systems that cannot switch high contrast on. Not part of the interface.
bool high_contrast_on();

// Reads the setting and the system colours into ui.colors; the picker calls
// it when its window is made and whenever the system's settings or colours
// change.
void refresh_paint_colors(picker_windows& ui);
