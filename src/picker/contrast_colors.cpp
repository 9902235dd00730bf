#include "picker/contrast_colors.h"

paint_colors choose_paint_colors(bool high_contrast, const system_colors& system)
{
    paint_colors c;
    if (!high_contrast) return c;
    c.high_contrast = true;
    c.ground = system.window;
    c.page_text = system.button_text;
    c.label_text = system.window_text;
    c.mark = system.highlight;
    c.name_box = true;
    return c;
}

bool high_contrast_wanted(bool system_reports_on, const char* override_text)
{
    if (override_text != nullptr && override_text[0] != 0 && override_text[1] == 0) {
        if (override_text[0] == '1') return true;
        if (override_text[0] == '0') return false;
    }
    return system_reports_on;
}
