// One publication as the exchange writers take it: what a host learns about
// every colour through the library's look-ups, in the library's own units so
// that no writer sees a rounded value twice.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct book_color {
    std::string name;          // the stored (short) name, single-byte Windows-1252
    uint16_t xyz_d50[3] = {};  // X, Y, Z under D50 in hundredths (white Y = 10000)
    bool has_recipe = false;
    uint16_t cmyk[4] = {};     // recipe in tenths of a percent (1000 = full ink)
};

struct color_book {
    std::string desc;       // the publication's description
    std::string copyright;  // one line naming where the colour data comes from
    std::string prefix;     // full name = prefix + name + suffix
    std::string suffix;
    uint32_t colors_per_page = 0;
    bool process = false;   // a process-colour guide: its colours are ink mixes, not inks
    std::vector<book_color> colors;
};

inline std::string full_name(const color_book& book, const book_color& c)
{
    return book.prefix + c.name + book.suffix;
}
