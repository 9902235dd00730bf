// huexinfo match VALUE [--pub N] [-n COUNT] [--tsv]: the guide colours nearest
// to a colour value by CIEDE2000, in every publication or in one. The value is
// read, and the colours found, by the library's look-ups: the answers the
// picker's name box gives.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "console_text.h"
#include "color_row.h"
#include "command_line.h"

namespace {

struct match {
    int pub;   // place in the publication list
    int index;
    double delta_e;
    double lab[3];
};

bool whole_number(const char* text, long* n)
{
    char* end = nullptr;
    *n = std::strtol(text, &end, 10);
    return end != text && *end == 0;
}

// The `count` colours of one publication nearest to the value, among those
// with a D50 measurement.
void nearest_in(const pub_pair& p, int place, const double value[3], long count, std::vector<match>* out)
{
    std::vector<extended_color> records(static_cast<size_t>(count));
    std::vector<double> delta_e(static_cast<size_t>(count));
    LONG found = 0;
    if (HUEX_FindNearestColors(p.system, p.flag, value, count, records.data(), delta_e.data(), &found) != HUEX_OK) return;
    for (LONG k = 0; k < found; ++k) {
        match m = {place, 0, delta_e[k], {0, 0, 0}};
        DWORD index = 0;
        if (HUEX_GetColorIndex(&records[k], &index) != HUEX_OK || HUEX_GetColorLab(&records[k], m.lab) != HUEX_OK) continue;
        m.index = static_cast<int>(index);
        out->push_back(m);
    }
}

void print_match(const match& m, const pub_pair& p, bool tsv)
{
    color_row row;
    if (!read_color_row(p, m.index, &row)) return;
    if (tsv) {
        out("%s\t%s\t%.2f\t%.2f\t%.2f\t%.2f\t%d\t%d\t%d", p.title.c_str(), row.full_name_text.c_str(), m.delta_e, m.lab[0], m.lab[1],
                    m.lab[2], row.rgb[0], row.rgb[1], row.rgb[2]);
        if (row.has_cmyk) out("\t%.1f\t%.1f\t%.1f\t%.1f\n", row.cmyk[0], row.cmyk[1], row.cmyk[2], row.cmyk[3]);
        else out("\t\t\t\t\n");
        return;
    }
    out("  %6.2f  %-28s  Lab %6.2f %7.2f %7.2f  RGB %3d %3d %3d", m.delta_e, row.full_name_text.c_str(), m.lab[0], m.lab[1],
                m.lab[2], row.rgb[0], row.rgb[1], row.rgb[2]);
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
    double value[3];
    if (HUEX_ReadColorValue(argv[1], value) != HUEX_OK) {
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
        if (pub < 0 || static_cast<long>(n) == pub) nearest_in(pubs[n], static_cast<int>(n), value, count, &found);

    if (tsv) {
        // Scripts read the nearest colour of all first.
        std::stable_sort(found.begin(), found.end(), [](const match& a, const match& b) { return a.delta_e < b.delta_e; });
        for (const match& m : found) print_match(m, pubs[m.pub], true);
        return 0;
    }
    out("%s: Lab %.2f %.2f %.2f (D50)\n", argv[1], value[0], value[1], value[2]);
    for (size_t k = 0; k < found.size(); ++k) {
        if (k == 0 || found[k].pub != found[k - 1].pub) out("\n%s\n", pubs[found[k].pub].title.c_str());
        print_match(found[k], pubs[found[k].pub], false);
    }
    return 0;
}
