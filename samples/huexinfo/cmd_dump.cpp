// huexinfo dump PUB: one publication as CSV. PUB is the publication's place
// in the library's list (0 to 3 are the built-in guides, add-ons follow).
#include <cstdio>
#include <cstdlib>

#include "console_text.h"
#include "color_row.h"
#include "command_line.h"

int cmd_dump(int argc, char** argv)
{
    char* end = nullptr;
    const long n = argc == 2 ? std::strtol(argv[1], &end, 10) : -1;
    pub_pair p;
    if (argc != 2 || end == argv[1] || *end != 0) return usage_error("dump");
    if (n < 0 || !nth_pub(static_cast<int>(n), &p)) {
        err("huexinfo dump: no publication %s (see huexinfo pubs)\n", argv[1]);
        return 1;
    }
    out("index,page,label,name,X50,Y50,Z50,X65,Y65,Z65,R,G,B,C,M,Y,K\n");
    const int count = p.per_page * p.pages;
    for (int i = 0; i < count; ++i) {
        color_row row;
        if (!read_color_row(p, i, &row)) continue;
        out("%d,%d,\"%s\",\"%s\",%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%d,%d,%d", row.index, row.page, row.label, row.name_text.c_str(),
                    row.d50[0], row.d50[1], row.d50[2], row.d65[0], row.d65[1], row.d65[2], row.rgb[0], row.rgb[1],
                    row.rgb[2]);
        if (row.has_cmyk)
            out(",%.1f,%.1f,%.1f,%.1f\n", row.cmyk[0], row.cmyk[1], row.cmyk[2], row.cmyk[3]);
        else
            out(",,,,\n");
    }
    return 0;
}
