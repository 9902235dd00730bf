#include "picker/find_by_name.h"

#include "colorlib/color_tables.h"
#include "colorlib/colorid.h"
#include "picker/picker_state.h"

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

colorid find_color_by_name(const char* text, const swatch_view* view)
{
    if (view == nullptr || current_page == settings_page || text == nullptr || text[0] == 0) return no_color;
    int max = static_cast<int>(find_name_max);
    if (max <= 0 || max > max_color_name_size) max = max_color_name_size;
    // make_colorid checks the guide once; every index below total is then one
    // of its colours, and the colorids follow each other.
    const colorid first = make_colorid(static_cast<uint32_t>(view->pub), 0);
    if (first == no_color) return no_color;
    // The names are read straight from the guide's table, found once: the
    // name width would otherwise be read from the descriptor for every colour.
    const color_name_table names = locate_color_name_table(static_cast<uint32_t>(view->pub));
    char name[max_color_name_size + 1];
    for (int32_t index = 0; index < view->total && index <= 0xFFFF; ++index) {
        read_stored_name(names, static_cast<uint32_t>(index), name, max);
        if (names_equal_ignoring_case(name, text)) return first + static_cast<colorid>(index);
    }
    return no_color;
}

find_outcome resolve_typed_name(const char* typed)
{
    if (names_equal_ignoring_case(typed, find_text)) return find_outcome::unchanged;
    const colorid c = find_color_by_name(typed, current_view);
    if (c == no_color) return find_outcome::not_found;
    selected_color = c;
    scroll_mode = scroll_centre;
    return find_outcome::found;
}

char accelerator_char(const char* text)
{
    if (text == nullptr) return 0;
    for (const char* p = text; *p; ++p)
        if (*p == '&') return p[1];
    return 0;
}
