// One swatch-file reader on arbitrary bytes, and the tables of whatever it
// accepts read back with the library's own descriptor and table readers:
// every count the tables state must agree with the palette, so a reader that
// lets a contradiction through, or a table builder that miscounts, traps.
#pragma once
#include <cstddef>
#include <cstdint>

#include "colorlib/color_tables.h"
#include "colorlib/descriptor.h"
#include "exchange/palette_tables.h"

inline int check_palette_reader(palette_read (*read)(byte_span), const uint8_t* data, size_t size)
{
    const palette_read r = read(byte_span{data, size});
    if ((r.refusal == palette_refusal::none) != r.reason.empty() || (r.refusal == palette_refusal::none) == r.colors.empty() ||
        r.colors.size() > palette_colors_max)
        __builtin_trap();
    if (r.refusal != palette_refusal::none) return 0;
    const palette_tables t = build_palette_tables(r.colors, "Fuzz", 4);
    const byte_span pub{t.pub.data(), t.pub.size()};
    const size_t n = r.colors.size(), pages = (n + 6) / 7;
    if (!t.ok || read_colors_per_page(pub) != 7 || read_number_of_pages(pub) != pages || read_color_name_size(pub) != t.name_width ||
        t.name_width == 0 || t.name_width > palette_name_size || t.names.size() != n * t.name_width || t.cie50.size() != n * 6 ||
        t.cie65.size() != n * 6 || (!t.cmyk.empty() && t.cmyk.size() != n * 8) || t.page.size() != pages * 8)
        __builtin_trap();
    char name[palette_name_size + 1];
    double x, y, z;
    for (size_t i = 0; i < n; ++i)
        if (read_stored_name(color_name_table{{t.names.data(), t.names.size()}, t.name_width}, uint32_t(i), name, palette_name_size) == 0 ||
            !read_color_xyz({t.cie65.data(), t.cie65.size()}, uint32_t(i), &x, &y, &z))
            __builtin_trap();
    return 0;
}
