// huexinfo color NAME: the colour of each publication whose name (as the guide
// stores it, or the full name) is NAME, letter case ignored. The CMYK is for
// the current printer profile.
#include <cstdio>
#include <string>

#include "console_text.h"
#include "color_row.h"
#include "command_line.h"

// The current printer profile's description (the built-in printer's name),
// else its path.
static std::string printer_name()
{
    WCHAR* path = nullptr;
    WCHAR name[260] = L"";
    std::string text;
    if (HUEX_GetPrinterProfileW(&path) == HUEX_OK) text = utf8_of(HUEX_GetProfileNameW(path, name) > 0 ? name : path);
    HUEX_DisposeProfileW(path);
    return text;
}

int cmd_color(int argc, char** argv)
{
    if (argc != 2) return usage_error("color");
    const std::string printer = printer_name();
    const std::string wanted = name_of_utf8(argv[1]);
    int found = 0;
    pub_pair p;
    for (int n = 0; nth_pub(n, &p); ++n) {
        // The library's look-up by name, one publication at a time: the
        // colour of that name in each.
        extended_color r = {0, 0, 0, 0};
        DWORD index = 0;
        color_row row;
        if (HUEX_FindColorByName(p.system, p.flag, wanted.c_str(), &r) != HUEX_OK || HUEX_GetColorIndex(&r, &index) != HUEX_OK ||
            !read_color_row(p, static_cast<int>(index), &row))
            continue;
        if (found++) out("\n");
        out("name          %s\n", row.full_name_text.c_str());
        out("short name    %s\n", row.name_text.c_str());
        out("publication   %s (code %d, flag %d)\n", p.title.c_str(), p.system, p.flag);
        out("index         %d\n", row.index);
        out("page          %d, label \"%s\"\n", row.page, row.label);
        out("XYZ D50       %.2f %.2f %.2f\n", row.d50[0], row.d50[1], row.d50[2]);
        out("XYZ D65       %.2f %.2f %.2f\n", row.d65[0], row.d65[1], row.d65[2]);
        out("screen RGB    %d %d %d (D50, current display)\n", row.rgb[0], row.rgb[1], row.rgb[2]);
        if (row.has_cmyk)
            out("CMYK          %.1f %.1f %.1f %.1f %% (D50, printer: %s)\n", row.cmyk[0], row.cmyk[1],
                        row.cmyk[2], row.cmyk[3], printer.c_str());
        else
            out("CMYK          not available\n");
    }
    if (found == 0) {
        err("no colour named \"%s\"\n", argv[1]);
        return 1;
    }
    return 0;
}
