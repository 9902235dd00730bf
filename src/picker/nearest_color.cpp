#include "picker/nearest_color.h"

#include <cmath>

#include "colorlib/color_tables.h"
#include "colorlib/colorid.h"
#include "colorlib/descriptor.h"
#include "colorlib/publications.h"

namespace {

// One slot per built-in target guide. The measurement set is part of the key:
// a result found with the D65 measurements is not the nearest colour under D50.
struct nearest_slot {
    colorid source = no_color;
    colorid result = no_color;
    uint32_t d50 = 0;
};
constexpr uint32_t slot_count = 4;
nearest_slot cache[slot_count];

}  // namespace

uint32_t nearest_color_searches = 0;

void reset_nearest_color_cache()
{
    for (nearest_slot& s : cache) s = nearest_slot{};
    nearest_color_searches = 0;
}

colorid nearest_color_in_pub(colorid c, uint32_t target)
{
    if (c == no_color) return no_color;
    if (colorid_pub(c) == target) return c;
    const uint32_t d50 = D50FLAG != 0 ? 1 : 0;
    // Only the built-in guides have a slot; any other target is searched
    // every time rather than indexing past the cache.
    nearest_slot* slot = target < slot_count ? &cache[target] : nullptr;
    if (slot && slot->source == c && slot->d50 == d50) return slot->result;

    // Counted from the target's own descriptor, whichever one is current.
    const byte_span d = locate_descriptor(target);
    const uint64_t n = static_cast<uint64_t>(read_colors_per_page(d)) * read_number_of_pages(d);
    const colorid first = make_colorid(target, 0);
    if (first == no_color || n == 0) return no_color;

    ++nearest_color_searches;
    double X = 0, Y = 0, Z = 0;
    colorid best = first;
    if (get_color_xyz(c, static_cast<int>(d50), &X, &Y, &Z)) {
        // Every colour of the target is a candidate, the first one included;
        // the first of equal distances wins.
        double best_distance = INFINITY;
        const uint64_t count = n < 0x10000 ? n : 0x10000;
        // The target's table is found once for the whole walk.
        const byte_span table = locate_color_table(target, d50 ? table_cie50 : table_cie65);
        for (uint64_t k = 0; k < count; ++k) {
            const colorid candidate = first + static_cast<colorid>(k);
            double x = 0, y = 0, z = 0;
            if (!read_color_xyz(table, static_cast<uint32_t>(k), &x, &y, &z)) continue;
            const double dist = std::sqrt((X - x) * (X - x) + (Y - y) * (Y - y) + (Z - z) * (Z - z));
            if (dist < best_distance) {
                best_distance = dist;
                best = candidate;
                if (dist == 0) break;
            }
        }
    }
    if (slot) *slot = nearest_slot{c, best, d50};
    return best;
}
