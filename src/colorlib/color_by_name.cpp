#include "colorlib/color_by_name.h"

#include <cstring>

#include "colorlib/color_tables.h"
#include "colorlib/publications.h"

namespace {

unsigned char fold_case(unsigned char c)
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

bool equal_ignoring_case(const char* a, const char* b, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (fold_case(static_cast<unsigned char>(a[i])) != fold_case(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

// The stored name inside a full name of this publication ("VERIHUE " name
// " " display suffix), copied into name; false when text is no full name of
// it. Composing every colour's full name instead would cost the walk a
// descriptor read per colour.
bool stored_part_of_full_name(publication_catalogue& catalogue, uint32_t pub_no, const char* text,
                              char (&name)[max_color_name_size + 1])
{
    static const char prefix[] = "VERIHUE ";
    const size_t prefix_len = sizeof prefix - 1;
    const char* suffix = pub_suffix(catalogue, make_colorid(catalogue, pub_no, 0), 0);
    const size_t len = std::strlen(text), suffix_len = std::strlen(suffix);
    // The stored part holds one character at least: a colour without a name has no full name.
    if (len < prefix_len + 1 + 1 + suffix_len || len - prefix_len - 1 - suffix_len > max_color_name_size) return false;
    const size_t name_len = len - prefix_len - 1 - suffix_len;
    if (!equal_ignoring_case(text, prefix, prefix_len) || text[prefix_len + name_len] != ' ' ||
        !equal_ignoring_case(text + len - suffix_len, suffix, suffix_len))
        return false;
    std::memcpy(name, text + prefix_len, name_len);
    name[name_len] = 0;
    return true;
}

}  // namespace

bool names_equal_ignoring_case(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        const unsigned char x = fold_case(static_cast<unsigned char>(*a));
        const unsigned char y = fold_case(static_cast<unsigned char>(*b));
        if (x != y) return false;
        if (x == 0) return true;
    }
}

int32_t find_named_color(publication_catalogue& catalogue, uint32_t pub_no, uint32_t count, const char* text)
{
    if (text == nullptr || text[0] == 0 || make_colorid(catalogue, pub_no, 0) == no_color) return -1;
    char full_part[max_color_name_size + 1];
    const bool full = stored_part_of_full_name(catalogue, pub_no, text, full_part);
    // The names are read straight from the guide's table, found once: the
    // name width would otherwise be read from the descriptor for every colour.
    const color_name_table names = locate_color_name_table(catalogue, pub_no);
    char name[max_color_name_size + 1];
    for (uint32_t index = 0; index < count && index <= 0xFFFF; ++index) {
        if (read_stored_name(names, index, name, max_color_name_size) == 0) continue;
        if (names_equal_ignoring_case(name, text) || (full && names_equal_ignoring_case(name, full_part)))
            return static_cast<int32_t>(index);
    }
    return -1;
}
