// huexinfo color NAME: the colour of each publication whose name (as the guide
// stores it, or the full name) is NAME, letter case ignored. The CMYK is for
// the current printer profile.
#include <cstdio>

#include "color_row.h"
#include "command_line.h"

// The current printer profile's description (the built-in printer's name).
static void printer_name(char* name)
{
    char* path = nullptr;
    name[0] = 0;
    if (HUEX_GetPrinterProfile(&path) == HUEX_OK && HUEX_GetProfileName(path, name) <= 0) lstrcpynA(name, path, 260);
    HUEX_DisposeProfile(path);
}

int cmd_color(int argc, char** argv)
{
    if (argc != 2) return usage_error("color");
    char printer[260];
    printer_name(printer);
    int found = 0;
    pub_pair p;
    for (int n = 0; nth_pub(n, &p); ++n) {
        // The library's look-up by name, one publication at a time: the
        // colour of that name in each.
        extended_color r = {0, 0, 0, 0};
        DWORD index = 0;
        color_row row;
        if (HUEX_FindColorByName(p.system, p.flag, argv[1], &r) != HUEX_OK || HUEX_GetColorIndex(&r, &index) != HUEX_OK ||
            !read_color_row(p, static_cast<int>(index), &row))
            continue;
        if (found++) std::printf("\n");
        std::printf("name          %s\n", row.full_name);
        std::printf("short name    %s\n", row.name);
        std::printf("publication   %s (code %d, flag %d)\n", p.desc, p.system, p.flag);
        std::printf("index         %d\n", row.index);
        std::printf("page          %d, label \"%s\"\n", row.page, row.label);
        std::printf("XYZ D50       %.2f %.2f %.2f\n", row.d50[0], row.d50[1], row.d50[2]);
        std::printf("XYZ D65       %.2f %.2f %.2f\n", row.d65[0], row.d65[1], row.d65[2]);
        std::printf("screen RGB    %d %d %d (D50, current display)\n", row.rgb[0], row.rgb[1], row.rgb[2]);
        if (row.has_cmyk)
            std::printf("CMYK          %.1f %.1f %.1f %.1f %% (D50, printer: %s)\n", row.cmyk[0], row.cmyk[1],
                        row.cmyk[2], row.cmyk[3], printer);
        else
            std::printf("CMYK          not available\n");
    }
    if (found == 0) {
        std::fprintf(stderr, "no colour named \"%s\"\n", argv[1]);
        return 1;
    }
    return 0;
}
