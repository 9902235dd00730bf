#include "chosen_colour.h"

#include <stdio.h>

BOOL pick_colour(HWND owner, extended_color *color, short *d50)
{
    /* The record is rewritten only when the user confirms a colour. */
    return HUEX_PickColor(owner, color, d50) == 1;
}

/* 65535 stands for 100 (XYZ) or for 100 % ink (CMYK). */
static double percent(WORD v) { return v * 100.0 / 65535.0; }

void describe_colour(const extended_color *color, short d50, char *text, int size, COLORREF *rgb)
{
    char name[76] = "", printer_name[260] = "", *printer = NULL;
    WORD d50_xyz[3] = {0}, d65_xyz[3] = {0}, screen[3] = {0}, cmyk[4] = {0};
    short system = 0, flag = 0, index = 0;

    HUEX_GetColorName(color, name);
    HUEX_DecodeColor(&system, &flag, &index, color);
    HUEX_GetColorXYZ(color, d50_xyz, 1);
    HUEX_GetColorXYZ(color, d65_xyz, 0);
    HUEX_GetColorRGB(color, screen, d50); /* through the current display profile */
    const short cmyk_status = HUEX_GetColorCMYK(color, cmyk, d50);
    if (HUEX_GetPrinterProfile(&printer) == HUEX_OK) {
        HUEX_GetProfileName(printer, printer_name);
        HUEX_DisposeProfile(printer);
    }
    *rgb = RGB(screen[0] >> 8, screen[1] >> 8, screen[2] >> 8);

    int n = snprintf(text, size,
                     "%s\r\n"
                     "Record: %04X %04X %04X %04X (code %d, flag %d, index %d)\r\n"
                     "XYZ D50: %.2f %.2f %.2f\r\n"
                     "XYZ D65: %.2f %.2f %.2f\r\n"
                     "Screen RGB: %d %d %d (%s measurements)\r\n",
                     name, color->red, color->green, color->blue, color->color_system, system, flag, index,
                     percent(d50_xyz[0]), percent(d50_xyz[1]), percent(d50_xyz[2]), percent(d65_xyz[0]),
                     percent(d65_xyz[1]), percent(d65_xyz[2]), screen[0] >> 8, screen[1] >> 8, screen[2] >> 8,
                     d50 == 1 ? "D50" : "D65");
    if (n < 0 || n >= size) return;
    if (cmyk_status == HUEX_OK)
        snprintf(text + n, size - n, "CMYK for %s: %.1f %% %.1f %% %.1f %% %.1f %%", printer_name, percent(cmyk[0]),
                 percent(cmyk[1]), percent(cmyk[2]), percent(cmyk[3]));
    else
        snprintf(text + n, size - n, "CMYK for %s: not available (status %d)", printer_name, cmyk_status);
}
