#include "colorlib/guide_search.h"

#include "colorlib/color_by_name.h"
#include "colorlib/color_system_codes.h"
#include "colorlib/color_tables.h"
#include "colorlib/publications.h"

namespace {

uint32_t pub_color_count(publication_catalogue& catalogue, uint32_t pub_no)
{
    const uint64_t n = static_cast<uint64_t>(pub_colors_per_page(catalogue, pub_no)) * pub_number_of_pages(catalogue, pub_no);
    return n < 0x10000 ? static_cast<uint32_t>(n) : 0x10000;
}

searched_pub searched(publication_catalogue& catalogue, int32_t pub_no, int16_t system, int16_t flag)
{
    uint32_t count = pub_color_count(catalogue, static_cast<uint32_t>(pub_no));
    const int32_t storable = largest_storable_index(system);
    if (storable >= 0 && count > static_cast<uint32_t>(storable) + 1) count = static_cast<uint32_t>(storable) + 1;
    return searched_pub{static_cast<uint32_t>(pub_no), system, flag, count};
}

}  // namespace

status make_search_scope(publication_catalogue& catalogue, int16_t system, int16_t flag, search_scope* scope)
{
    scope->count = 0;
    if (system != every_pub) {
        const int32_t pub_no = system_to_pub(system, flag);
        if (!pub_exists(catalogue, pub_no)) return status::no_publication;
        scope->pubs[scope->count++] = searched(catalogue, pub_no, system, flag);
        return status::ok;
    }
    int16_t s = every_pub, f = 0;
    char desc[251];
    while (scope->count < max_searched_pubs && enum_pubs(catalogue, &s, &f, desc) > 0) {
        const int32_t pub_no = system_to_pub(s, f);
        if (pub_exists(catalogue, pub_no)) scope->pubs[scope->count++] = searched(catalogue, pub_no, s, f);
    }
    return status::ok;
}

bool find_color_in_scope(publication_catalogue& catalogue, const search_scope& scope, const char* text, int* place,
                         uint32_t* index)
{
    for (int p = 0; p < scope.count; ++p) {
        const int32_t found = find_named_color(catalogue, scope.pubs[p].pub_no, scope.pubs[p].count, text);
        if (found >= 0) {
            *place = p;
            *index = static_cast<uint32_t>(found);
            return true;
        }
    }
    return false;
}

bool color_lab_d50(publication_catalogue& catalogue, colorid id, cie_lab* lab)
{
    if (id == no_color) return false;
    return read_color_lab_d50(locate_color_table(catalogue, colorid_pub(id), table_cie50), colorid_index(id), lab);
}

void consider_pub_colors(publication_catalogue& catalogue, nearest_search& search, uint32_t pub_no, uint32_t count,
                         uint32_t key_base)
{
    // The table is found once for the whole walk.
    const byte_span table = locate_color_table(catalogue, pub_no, table_cie50);
    cie_lab lab;
    for (uint32_t k = 0; k < count && k <= 0xFFFF; ++k)
        if (read_color_lab_d50(table, k, &lab)) consider_color(search, key_base + k, lab);
}

size_t find_nearest_in_scope(publication_catalogue& catalogue, const search_scope& scope, const cie_lab& target,
                             ranked_color* kept, size_t room)
{
    nearest_search search = begin_nearest_search(target, kept, room);
    for (int p = 0; p < scope.count; ++p)
        consider_pub_colors(catalogue, search, scope.pubs[p].pub_no, scope.pubs[p].count, static_cast<uint32_t>(p) << 16);
    return search.count;
}

colorid nearest_color_by_value(publication_catalogue& catalogue, const cie_lab& target, uint32_t pub_no)
{
    const colorid first = make_colorid(catalogue, pub_no, 0);
    if (first == no_color) return no_color;
    ranked_color best;
    nearest_search search = begin_nearest_search(target, &best, 1);
    consider_pub_colors(catalogue, search, pub_no, pub_color_count(catalogue, pub_no), 0);
    return search.count == 0 ? no_color : first + best.index;
}
