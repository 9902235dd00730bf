// Exports that look guide colours up by name and by value, and a colour's
// CIELAB. The searches are the colour library's, the same the picker's name
// box asks; what the host hands in is copied before the guard is taken and
// the answers written after it is let go, so that a bad pointer of the
// host's faults outside the lock.
#include "huex.h"

#include <cmath>
#include <cstring>
#include <memory>
#include <new>

#include "colorlib/color_lookups.h"
#include "colorlib/color_value.h"
#include "colorlib/guide_search.h"
#include "context/library_guard.h"
#include "exports/export_status.h"

static_assert(HUEX_ALL_PUBS == every_pub, "the header's all-guide code is the search's");

namespace {

void copy_lab(const cie_lab& from, double* to)
{
    to[0] = from.L;
    to[1] = from.a;
    to[2] = from.b;
}

// The names the library compares are at most this long; a longer text names
// no colour, and is cut here only so that it is copied whole before the lock.
constexpr size_t longest_name = 80;

}  // namespace

extern "C" short WINAPI HUEX_FindColorByName(short system, short flag, const char* name, extended_color* record)
{
    if (name == nullptr || record == nullptr) return HUEX_INVALID_ARGUMENT;
    char asked[longest_name + 2];
    size_t len = 0;
    while (len <= longest_name && name[len] != 0) ++len;
    std::memcpy(asked, name, len);
    asked[len] = 0;
    extended_color answer;
    status s;
    {
        library_guard lib;
        search_scope scope;
        int place = 0;
        uint32_t index = 0;
        s = make_search_scope(lib->catalogue, system, flag, &scope);
        if (s == status::ok)
            s = find_color_in_scope(lib->catalogue, scope, asked, &place, &index)
                    ? found_color_record(lib->catalogue, lib->display, scope.pubs[place].system, scope.pubs[place].flag, index, &answer)
                    : status::not_found;
    }
    if (s == status::ok) *record = answer;
    return export_status(s);
}

extern "C" short WINAPI HUEX_GetColorLab(const extended_color* record, double lab[3])
{
    if (record == nullptr || lab == nullptr) return HUEX_INVALID_ARGUMENT;
    const extended_color asked = *record;
    cie_lab answer;
    status s;
    {
        library_guard lib;
        s = lookup_color_lab(lib->catalogue, asked, &answer);
    }
    if (s == status::ok) copy_lab(answer, lab);
    return export_status(s);
}

extern "C" short WINAPI HUEX_ReadColorValue(const char* text, double lab[3])
{
    if (text == nullptr || lab == nullptr) return HUEX_INVALID_ARGUMENT;
    // No state of the library's is read: no guard.
    cie_lab answer;
    if (!parse_color_value(text, &answer)) return HUEX_NOT_A_VALUE;
    copy_lab(answer, lab);
    return HUEX_OK;
}

extern "C" short WINAPI HUEX_FindNearestColors(short system, short flag, const double lab[3], LONG count,
                                               extended_color* records, double* delta_e, LONG* found)
{
    if (lab == nullptr || records == nullptr || found == nullptr || count < 1) return HUEX_INVALID_ARGUMENT;
    const cie_lab target = {lab[0], lab[1], lab[2]};
    if (!std::isfinite(target.L) || !std::isfinite(target.a) || !std::isfinite(target.b)) return HUEX_INVALID_ARGUMENT;
    std::unique_ptr<ranked_color[]> kept;
    std::unique_ptr<extended_color[]> answer;
    size_t n = 0;
    status s;
    {
        library_guard lib;
        search_scope scope;
        s = make_search_scope(lib->catalogue, system, flag, &scope);
        if (s == status::ok) {
            // No more room than there are colours to rank, whatever count asks.
            size_t room = 0;
            for (int p = 0; p < scope.count; ++p) room += scope.pubs[p].count;
            if (room > static_cast<size_t>(count)) room = static_cast<size_t>(count);
            kept.reset(new (std::nothrow) ranked_color[room > 0 ? room : 1]);
            answer.reset(new (std::nothrow) extended_color[room > 0 ? room : 1]);
            if (!kept || !answer) s = status::no_memory;
            else n = find_nearest_in_scope(lib->catalogue, scope, target, kept.get(), room);
            for (size_t k = 0; k < n && s == status::ok; ++k) {
                const searched_pub& pub = scope.pubs[ranked_place(kept[k])];
                s = found_color_record(lib->catalogue, lib->display, pub.system, pub.flag, ranked_index(kept[k]), &answer[k]);
            }
            if (s == status::ok && n == 0) s = status::no_data;
        }
    }
    if (s == status::no_data) *found = 0;
    if (s != status::ok) return export_status(s);
    std::memcpy(records, answer.get(), n * sizeof(extended_color));
    if (delta_e != nullptr)
        for (size_t k = 0; k < n; ++k) delta_e[k] = kept[k].delta_e;
    *found = static_cast<LONG>(n);
    return HUEX_OK;
}
