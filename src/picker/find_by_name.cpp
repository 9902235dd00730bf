#include "picker/find_by_name.h"

#include <cstring>

#include "colorlib/color_tables.h"
#include "colorlib/color_value.h"
#include "colorlib/nearest_by_value.h"
#include "colorlib/publications.h"
#include "picker/picker_run.h"

static unsigned char fold_case(unsigned char c)
{
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
    // Windows-1252 capitals with a small letter 0x10 or 0x20 above them.
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A: return 0x9A;   // S caron
    case 0x8C: return 0x9C;   // OE
    case 0x8E: return 0x9E;   // Z caron
    case 0x9F: return 0xFF;   // Y diaeresis
    default: return c;
    }
}

bool names_equal_ignoring_case(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        const unsigned char x = fold_case(static_cast<unsigned char>(*a));
        const unsigned char y = fold_case(static_cast<unsigned char>(*b));
        if (x != y) return false;
        if (x == 0) return true;
    }
}

colorid find_color_by_name(picker_run& run, const char* text, const swatch_view* view)
{
    if (view == nullptr || run.current_page == settings_page || text == nullptr || text[0] == 0) return no_color;
    publication_catalogue& catalogue = run.lib.catalogue;
    int max = static_cast<int>(run.find_name_max);
    if (max <= 0 || max > max_color_name_size) max = max_color_name_size;
    // make_colorid checks the guide once; every index below total is then one
    // of its colours, and the colorids follow each other.
    const colorid first = make_colorid(catalogue, static_cast<uint32_t>(view->pub), 0);
    if (first == no_color) return no_color;
    // The names are read straight from the guide's table, found once: the
    // name width would otherwise be read from the descriptor for every colour.
    const color_name_table names = locate_color_name_table(catalogue, static_cast<uint32_t>(view->pub));
    char name[max_color_name_size + 1];
    for (int32_t index = 0; index < view->total && index <= 0xFFFF; ++index) {
        read_stored_name(names, static_cast<uint32_t>(index), name, max);
        if (names_equal_ignoring_case(name, text)) return first + static_cast<colorid>(index);
    }
    return no_color;
}

colorid nearest_color_by_value(publication_catalogue& catalogue, const cie_lab& target, uint32_t pub_no)
{
    const uint64_t n =
        static_cast<uint64_t>(pub_colors_per_page(catalogue, pub_no)) * pub_number_of_pages(catalogue, pub_no);
    const colorid first = make_colorid(catalogue, pub_no, 0);
    if (first == no_color) return no_color;
    const byte_span table = locate_color_table(catalogue, pub_no, table_cie50);
    ranked_color best;
    nearest_search search = begin_nearest_search(target, &best, 1);
    for (uint32_t k = 0; k < n && k <= 0xFFFF; ++k) {
        const std::optional<measured_xyz> m = read_color_xyz(table, k);
        if (m && may_be_kept(search, lightness_from_y(m->Y / 100.0)))
            consider_color(search, k, lab_from_d50_xyz(m->X / 100.0, m->Y / 100.0, m->Z / 100.0));
    }
    return search.count == 0 ? no_color : first + best.index;
}

colorid find_color_by_value(picker_run& run, const char* text, const swatch_view* view)
{
    cie_lab lab;
    if (view == nullptr || run.current_page == settings_page || !parse_color_value(text, &lab)) return no_color;
    return nearest_color_by_value(run.lib.catalogue, lab, static_cast<uint32_t>(view->pub));
}

static bool is_blank(char c) { return c == ' ' || c == '\t'; }

find_outcome resolve_typed_name(picker_run& run, const char* typed)
{
    if (typed == nullptr) return find_outcome::not_found;
    // Blanks around a name or a value are no part of it, however many there
    // are: a text longer than any name may still hold a value, which its
    // reader takes with its blanks.
    const char* begin = typed;
    while (is_blank(*begin)) ++begin;
    size_t length = std::strlen(begin);
    while (length > 0 && is_blank(begin[length - 1])) --length;
    char name[find_text_size];
    const bool may_be_name = length < sizeof name;
    if (may_be_name) {
        std::memcpy(name, begin, length);
        name[length] = 0;
        if (names_equal_ignoring_case(name, run.find_text)) return find_outcome::unchanged;
    }
    // A name first: a guide's own name must never turn into a value.
    colorid c = may_be_name ? find_color_by_name(run, name, run.current_view) : no_color;
    if (c == no_color) c = find_color_by_value(run, typed, run.current_view);
    if (c == no_color) return find_outcome::not_found;
    run.lib.picker.selected_color = c;
    run.scroll_mode = scroll_centre;
    return find_outcome::found;
}

char accelerator_char(const char* text)
{
    if (text == nullptr) return 0;
    for (const char* p = text; *p; ++p)
        if (*p == '&') return p[1];
    return 0;
}
