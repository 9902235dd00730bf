#include "exchange/palette_tables.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "exchange/cie_lab.h"
#include "exchange/color_matrices.h"

namespace {

double srgb_linear(double v)
{
    if (!(v > 0.0)) return 0.0;
    if (v >= 1.0) return 1.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double unit(double v) { return !(v > 0.0) ? 0.0 : v > 1.0 ? 1.0 : v; }

void put_word(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

// On the tables' scale (white Y = 10000), not rounded; outside the range at
// its nearer end.
double table_steps(double v)
{
    const double scaled = v * 10000.0;
    if (!(scaled > 0.0)) return 0.0;
    return scaled > 65535.0 ? 65535.0 : scaled;
}

// CIELAB against `white`: the values scaled so that the D50 formula sees
// them relative to that white.
cie_lab lab_under(const double white[3], const double xyz[3])
{
    return lab_from_d50_xyz(xyz[0] * icc_d50_white[0] / white[0], xyz[1] * icc_d50_white[1] / white[1],
                            xyz[2] * icc_d50_white[2] / white[2]);
}

// The tables count in steps of 1/10000 of white's Y. Near black that step is
// coarse in CIELAB (a step of X moves a* by 0.4), so rounding each value on
// its own can land 0.5 CIEDE2000 from the colour the file gives. Of the
// eight corners of the step cell around the exact values, the one nearest in
// CIELAB is stored instead, which about halves the worst case.
void put_nearest(std::vector<uint8_t>& table, const double xyz[3], const double white[3])
{
    const cie_lab want = lab_under(white, xyz);
    double low[3];
    for (int k = 0; k < 3; ++k) low[k] = std::floor(table_steps(xyz[k]));
    uint32_t best[3] = {};
    double best_distance = 0.0;
    for (int corner = 0; corner < 8; ++corner) {
        double steps[3], candidate[3];
        for (int k = 0; k < 3; ++k) {
            steps[k] = std::min(low[k] + ((corner >> k) & 1), 65535.0);
            candidate[k] = steps[k] / 10000.0;
        }
        const cie_lab got = lab_under(white, candidate);
        const double d = (got.L - want.L) * (got.L - want.L) + (got.a - want.a) * (got.a - want.a) + (got.b - want.b) * (got.b - want.b);
        if (corner == 0 || d < best_distance) {
            best_distance = d;
            for (int k = 0; k < 3; ++k) best[k] = static_cast<uint32_t>(steps[k]);
        }
    }
    for (uint32_t v : best) put_word(table, v);
}

struct conversions {
    color_matrix srgb_to_d50 = multiply(bradford_adaptation(d65_white, icc_d50_white), linear_srgb_to_d65());
    color_matrix d50_to_d65 = bradford_adaptation(icc_d50_white, d65_white);

    void d50_of(const palette_color& c, double xyz[3]) const
    {
        double rgb[3];
        switch (c.measure) {
        case palette_measure::lab_d50:
            xyz_from_lab_d50(cie_lab{c.value[0], c.value[1], c.value[2]}, xyz);
            return;
        case palette_measure::xyz_d50:
            for (int k = 0; k < 3; ++k) xyz[k] = c.value[k];
            return;
        case palette_measure::srgb:
            for (int k = 0; k < 3; ++k) rgb[k] = srgb_linear(c.value[k]);
            break;
        case palette_measure::none:
            for (int k = 0; k < 3; ++k) rgb[k] = srgb_linear((1.0 - unit(c.cmyk[k])) * (1.0 - unit(c.cmyk[3])));
            break;
        }
        apply_matrix(srgb_to_d50, rgb, xyz);
    }
};

std::string descriptor_text(const std::string& description, uint32_t pub_no, size_t colors, uint32_t name_width)
{
    // A publication is listed by its description, so it has one.
    std::string desc = description.empty() ? "Palette" : description.substr(0, palette_desc_max);
    for (char& ch : desc) {
        const uint8_t b = static_cast<uint8_t>(ch);
        if (b < 0x20 || b == 0x7F) ch = '?';
        if (ch == '[') ch = '(';
        if (ch == ']') ch = ')';
    }
    const size_t pages = (colors + palette_colors_per_page - 1) / palette_colors_per_page;
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "] %lu %lu %lu\r\n", static_cast<unsigned long>(pub_no),
                  static_cast<unsigned long>(palette_colors_per_page), static_cast<unsigned long>(pages));
    return "// [desc] pub_no colors_per_page number_of_pages //\r\n[" + desc + numbers +
           "// [display_suffix][printer_suffix][picker_description(optional)]\r\n[][]\r\n"
           "// [CMYK Description] //\r\n[]\r\n"
           "// COLOR_NAME_SIZE //\r\n" +
           std::to_string(name_width) + "\r\n";
}

}  // namespace

palette_tables build_palette_tables(const std::vector<palette_color>& colors, const std::string& description, uint32_t pub_no)
{
    palette_tables t;
    if (colors.empty() || colors.size() > palette_colors_max) return t;
    std::vector<std::string> names;
    bool all_cmyk = true;
    for (size_t i = 0; i < colors.size(); ++i) {
        const palette_color& c = colors[i];
        if (c.measure == palette_measure::none && !c.has_cmyk) return t;
        all_cmyk = all_cmyk && c.has_cmyk;
        names.push_back(c.name.substr(0, palette_name_size));
        if (names.back().empty()) {
            names.back() = "Color " + std::to_string(i + 1);
            ++t.names_given;
        }
        if (names.back().size() > t.name_width) t.name_width = static_cast<uint32_t>(names.back().size());
    }

    const conversions convert;
    for (size_t i = 0; i < colors.size(); ++i) {
        const palette_color& c = colors[i];
        names[i].resize(t.name_width, '\0');
        t.names.insert(t.names.end(), names[i].begin(), names[i].end());
        double d50[3], d65[3];
        convert.d50_of(c, d50);
        t.measurements_from_cmyk += c.measure == palette_measure::none;
        // D65 from the unrounded D50 values: one rounding per table.
        apply_matrix(convert.d50_to_d65, d50, d65);
        put_nearest(t.cie50, d50, icc_d50_white);
        put_nearest(t.cie65, d65, d65_white);
        for (int k = 0; all_cmyk && k < 4; ++k) put_word(t.cmyk, static_cast<uint32_t>(std::lround(unit(c.cmyk[k]) * 1000.0)));
    }

    const size_t pages = (colors.size() + palette_colors_per_page - 1) / palette_colors_per_page;
    for (size_t p = 1; p <= pages; ++p) {
        char label[32] = {};
        std::snprintf(label, sizeof label, "Page %lu", static_cast<unsigned long>(p));
        t.page.insert(t.page.end(), label, label + 8);
    }
    const std::string pub = descriptor_text(description, pub_no, colors.size(), t.name_width);
    t.pub.assign(pub.begin(), pub.end());
    t.ok = true;
    return t;
}
