#include "picker_window/high_contrast_win32.h"

#include "picker_window/picker_windows_win32.h"

bool high_contrast_on()
{
    HIGHCONTRASTA hc = {};
    hc.cbSize = sizeof hc;
    const bool system_on = SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof hc, &hc, 0) && (hc.dwFlags & HCF_HIGHCONTRASTON) != 0;
    char seam[4] = "";
    const DWORD n = GetEnvironmentVariableA("HUEX_HIGH_CONTRAST_TEST", seam, sizeof seam);
    return high_contrast_wanted(system_on, n > 0 && n < sizeof seam ? seam : nullptr);
}

void refresh_paint_colors(picker_windows& ui)
{
    system_colors system;
    system.window = GetSysColor(COLOR_WINDOW);
    system.window_text = GetSysColor(COLOR_WINDOWTEXT);
    system.button_text = GetSysColor(COLOR_BTNTEXT);
    system.highlight = GetSysColor(COLOR_HIGHLIGHT);
    ui.colors = choose_paint_colors(high_contrast_on(), system);
}
