#include "exchange/gpl_writer.h"

#include <cstdio>

#include "exchange/ansi_text.h"
#include "exchange/srgb_from_d50.h"

namespace {

// One line per field: a control byte in a name would start a line of its own.
std::string one_line(const std::string& cp1252)
{
    std::string s = cp1252;
    for (char& ch : s)
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) ch = ' ';
    return cp1252_to_utf8(s);
}

}  // namespace

std::string write_gpl(const color_book& book)
{
    std::string out = "GIMP Palette\nName: " + one_line(book.desc) + "\nColumns: " +
                      std::to_string(book.colors_per_page) + "\n#\n";
    for (const book_color& c : book.colors) {
        uint8_t rgb[3];
        srgb_from_d50_hundredths(c.xyz_d50, rgb);
        char line[16];
        std::snprintf(line, sizeof line, "%3u %3u %3u\t", rgb[0], rgb[1], rgb[2]);
        out += line;
        out += one_line(full_name(book, c));
        out += '\n';
    }
    return out;
}
