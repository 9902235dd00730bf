#include "picker/nearest_color.h"

#include <cmath>

#include "colorlib/color_tables.h"
#include "colorlib/publications.h"
#include "picker/picker_run.h"

colorid nearest_color_in_pub(picker_run& run, colorid c, uint32_t target)
{
    if (c == no_color) return no_color;
    if (colorid_pub(c) == target) return c;
    publication_catalogue& catalogue = run.lib.catalogue;
    const uint32_t d50 = run.lib.picker.D50FLAG != 0 ? 1 : 0;
    // Only the built-in guides have a place; any other target is searched
    // every time rather than indexing past the memory.
    constexpr uint32_t slot_count = sizeof run.nearest / sizeof run.nearest[0];
    nearest_memory* slot = target < slot_count ? &run.nearest[target] : nullptr;
    if (slot && slot->source == c && slot->d50 == d50) return slot->result;

    const uint64_t n = static_cast<uint64_t>(pub_colors_per_page(catalogue, target)) *
                       pub_number_of_pages(catalogue, target);
    const colorid first = make_colorid(catalogue, target, 0);
    if (first == no_color || n == 0) return no_color;

    ++run.nearest_color_searches;
    colorid best = first;
    if (const std::optional<measured_xyz> m = get_color_xyz(catalogue, c, static_cast<int>(d50))) {
        const double X = m->X, Y = m->Y, Z = m->Z;
        // Every colour of the target is a candidate, the first one included;
        // the first of equal distances wins.
        double best_distance = INFINITY;
        const uint64_t count = n < 0x10000 ? n : 0x10000;
        // The target's table is found once for the whole walk.
        const byte_span table = locate_color_table(catalogue, target, d50 ? table_cie50 : table_cie65);
        for (uint64_t k = 0; k < count; ++k) {
            const colorid candidate = first + static_cast<colorid>(k);
            const std::optional<measured_xyz> t = read_color_xyz(table, static_cast<uint32_t>(k));
            if (!t) continue;
            const double x = t->X, y = t->Y, z = t->Z;
            const double dist = std::sqrt((X - x) * (X - x) + (Y - y) * (Y - y) + (Z - z) * (Z - z));
            if (dist < best_distance) {
                best_distance = dist;
                best = candidate;
                if (dist == 0) break;
            }
        }
    }
    if (slot) *slot = nearest_memory{c, best, d50};
    return best;
}
