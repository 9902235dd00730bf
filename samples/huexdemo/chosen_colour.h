/* What the host does with huex.dll: let the user pick a colour and describe it. */
#ifndef CHOSEN_COLOUR_H
#define CHOSEN_COLOUR_H

#include "huex.h"

/* Opens the picker over owner with color as its "Original"; TRUE when the
 * user chose a colour (color and *d50 then hold the choice). */
BOOL pick_colour(HWND owner, extended_color *color, short *d50);

/* The chosen colour as the host shows it, one line each: full name, the
 * record's words, XYZ under D50 and D65, screen RGB, CMYK for the current
 * printer. rgb receives the screen colour for the patch. */
void describe_colour(const extended_color *color, short d50, char *text, int size, COLORREF *rgb);

#endif
