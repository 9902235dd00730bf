// huexinfo match VALUE [--pub N] [-n COUNT] [--tsv]: the guide colours nearest
// to a colour value by CIEDE2000, in every publication or in one. The value is
// read as the picker's name box reads it; the colours' D50 measurements come
// through the look-ups, like any host would get them.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "console_text.h"
#include "color_row.h"
#include "colorlib/color_value.h"
#include "colorlib/nearest_by_value.h"
#include "command_line.h"

namespace {

struct match {
    int pub;   // place in the publication list
    ranked_color color;
    cie_lab lab;
};

bool whole_number(const char* text, long* n)
{
    char* end = nullptr;
    *n = std::strtol(text, &end, 10);
    return end != text && *end == 0;
}

// The `count` colours of one publication nearest to the value, among those
// with a D50 measurement.
void nearest_in(const pub_pair& p, int place, const cie_lab& value, size_t count, std::vector<match>* out)
{
    std::vector<ranked_color> kept(count);
    std::vector<cie_lab> labs;
    nearest_search search = begin_nearest_search(value, kept.data(), count);
    for (int i = 0; i < p.per_page * p.pages; ++i) {
        extended_color r = {0, 0, 0, 0};
        WORD v[3];
        labs.push_back(cie_lab{});
        if (HUEX_EncodeColor(p.system, p.flag, static_cast<short>(i), &r) != HUEX_OK || HUEX_GetColorXYZ(&r, v, 1) != HUEX_OK)
            continue;
        const uint16_t xyz[3] = {stored_units(v[0], 10000), stored_units(v[1], 10000), stored_units(v[2], 10000)};
        labs.back() = lab_from_d50_hundredths(xyz);
        consider_color(search, static_cast<uint32_t>(i), labs.back());
    }
    for (size_t k = 0; k < search.count; ++k) out->push_back(match{place, kept[k], labs[kept[k].index]});
}

void print_match(const match& m, const pub_pair& p, bool tsv)
{
    color_row row;
    if (!read_color_row(p, static_cast<int>(m.color.index), &row)) return;
    if (tsv) {
        out("%s\t%s\t%.2f\t%.2f\t%.2f\t%.2f\t%d\t%d\t%d", p.desc, row.full_name, m.color.delta_e, m.lab.L, m.lab.a,
                    m.lab.b, row.rgb[0], row.rgb[1], row.rgb[2]);
        if (row.has_cmyk) out("\t%.1f\t%.1f\t%.1f\t%.1f\n", row.cmyk[0], row.cmyk[1], row.cmyk[2], row.cmyk[3]);
        else out("\t\t\t\t\n");
        return;
    }
    out("  %6.2f  %-28s  Lab %6.2f %7.2f %7.2f  RGB %3d %3d %3d", m.color.delta_e, row.full_name, m.lab.L, m.lab.a,
                m.lab.b, row.rgb[0], row.rgb[1], row.rgb[2]);
    if (row.has_cmyk) out("  CMYK %5.1f %5.1f %5.1f %5.1f\n", row.cmyk[0], row.cmyk[1], row.cmyk[2], row.cmyk[3]);
    else out("  CMYK not available\n");
}

}  // namespace

int cmd_match(int argc, char** argv)
{
    long pub = -1, count = 5;
    bool tsv = false, usage = argc < 2;
    for (int i = 2; i < argc && !usage; ++i) {
        if (std::strcmp(argv[i], "--tsv") == 0) tsv = true;
        else if (std::strcmp(argv[i], "--pub") == 0 && i + 1 < argc) usage = !whole_number(argv[++i], &pub) || pub < 0;
        else if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc) usage = !whole_number(argv[++i], &count) || count < 1 || count > 10000;
        else usage = true;
    }
    if (usage) return usage_error("match");
    cie_lab value;
    if (!parse_color_value(argv[1], &value)) {
        err("huexinfo match: \"%s\" is not a colour value (#RRGGBB, #RGB, rgb(r, g, b) or L a b)\n", argv[1]);
        return 2;
    }
    std::vector<pub_pair> pubs;
    pub_pair p;
    for (int n = 0; nth_pub(n, &p); ++n) pubs.push_back(p);
    if (pub >= static_cast<long>(pubs.size())) {
        err("huexinfo match: no publication %ld (see huexinfo pubs)\n", pub);
        return 1;
    }
    std::vector<match> found;
    for (size_t n = 0; n < pubs.size(); ++n)
        if (pub < 0 || static_cast<long>(n) == pub) nearest_in(pubs[n], static_cast<int>(n), value, static_cast<size_t>(count), &found);

    if (tsv) {
        // Scripts read the nearest colour of all first.
        std::stable_sort(found.begin(), found.end(), [](const match& a, const match& b) { return a.color.delta_e < b.color.delta_e; });
        for (const match& m : found) print_match(m, pubs[m.pub], true);
        return 0;
    }
    out("%s: Lab %.2f %.2f %.2f (D50)\n", argv[1], value.L, value.a, value.b);
    for (size_t k = 0; k < found.size(); ++k) {
        if (k == 0 || found[k].pub != found[k - 1].pub) out("\n%s\n", pubs[found[k].pub].desc);
        print_match(found[k], pubs[found[k].pub], false);
    }
    return 0;
}
