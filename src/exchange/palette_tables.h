// A palette read from a swatch file as a publication: the descriptor text
// and the colour tables, byte for byte in the formats of the built-in
// guides, so that the library's descriptor and table readers take them as
// spans unchanged.
//
// - Descriptor: the caller's description (cut to 83 characters, brackets
//   turned round; "Palette" when empty), the caller's publication number, 7 colours per page,
//   as many pages as that takes, no suffixes, no CMYK description, and a
//   name width that holds the longest name.
// - NAMES: the names as read (at most palette_name_size bytes); a colour
//   without a name is called "Color N" after its place, from 1.
// - CIE50: Lab and XYZ as the file gives them; sRGB adapted from D65 to D50.
//   CIE65: the D50 values adapted to D65. Both in hundredths (0 to 65535),
//   each value the corner of its grid cell nearest to it in CIELAB.
// - CMYK: only when every colour has CMYK. A table covers colours from the
//   first on, so a recipe cannot be missing for one colour in the middle:
//   with any colour lacking one, the whole palette has no recipes.
// - PAGE: "Page 1", "Page 2", ... one per page.
// A colour whose file gives only CMYK gets a stand-in measurement: the
// uncalibrated screen colour of the inks, red = (1 - C)(1 - K) and so on,
// taken as sRGB; measurements_from_cmyk counts them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "exchange/swatch_palette.h"

constexpr uint32_t palette_colors_per_page = 7;
constexpr size_t palette_desc_max = 83;

struct palette_tables {
    bool ok = false;  // false for no colours, too many, or one with no measurement nor CMYK
    std::vector<uint8_t> pub, names, cie50, cie65, cmyk, page;  // cmyk empty: no recipes
    uint32_t name_width = 0;
    uint32_t measurements_from_cmyk = 0;
    uint32_t names_given = 0;  // colours without a name, called after their place
};

// `description` is Windows-1252 text, such as the file's name without its
// extension.
palette_tables build_palette_tables(const std::vector<palette_color>& colors, const std::string& description, uint32_t pub_no);
