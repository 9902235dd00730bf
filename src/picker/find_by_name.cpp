#include "picker/find_by_name.h"

#include <cstring>

#include "colorlib/color_value.h"
#include "colorlib/guide_search.h"
#include "picker/picker_run.h"

colorid find_color_by_name(picker_run& run, const char* text, const swatch_view* view)
{
    if (view == nullptr || run.current_page == settings_page) return no_color;
    const uint32_t pub = static_cast<uint32_t>(view->pub);
    const int32_t index = find_named_color(run.lib.catalogue, pub, static_cast<uint32_t>(view->total), text);
    return index < 0 ? no_color : make_colorid(run.lib.catalogue, pub, static_cast<uint32_t>(index));
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
