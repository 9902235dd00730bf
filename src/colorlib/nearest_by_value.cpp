#include "colorlib/nearest_by_value.h"

#include "colorlib/ciede2000.h"

namespace {

bool nearer(double d, uint32_t index, const ranked_color& than)
{
    return d < than.delta_e || (d == than.delta_e && index < than.index);
}

}  // namespace

nearest_search begin_nearest_search(const cie_lab& target, ranked_color* kept, size_t room)
{
    return nearest_search{target, kept, room, 0};
}

bool may_be_kept(const nearest_search& s, double L)
{
    if (s.room == 0) return false;
    // The margin keeps a colour that the full formula might round below the bound.
    return s.count < s.room || ciede2000_lightness_bound(s.target.L, L) <= s.kept[s.count - 1].delta_e * (1.0 + 1e-9) + 1e-12;
}

void consider_color(nearest_search& s, uint32_t index, const cie_lab& lab)
{
    // The full formula costs several times the bound.
    if (!may_be_kept(s, lab.L)) return;
    const bool full = s.count == s.room;
    const double d = ciede2000(s.target, lab);
    if (full && !nearer(d, index, s.kept[s.count - 1])) return;
    size_t at = full ? s.count - 1 : s.count++;
    for (; at > 0 && nearer(d, index, s.kept[at - 1]); --at) s.kept[at] = s.kept[at - 1];
    s.kept[at] = ranked_color{index, d};
}
