#include "colorlib/color_system_codes.h"

#include <algorithm>

namespace {

struct color_system_code {
    int16_t system;     // the code; its low byte is 0x25 for every one
    int16_t flags;      // 0: selects first_pub under any flag; n: first_pub + flag for flags 0 to n-1
    int32_t first_pub;
    int16_t layout;     // the record's index layout: 1 (10 bits), 2 (12 bits) or 3 (15 bits)
};

const color_system_code codes[] = {
    {solid_guides_code, 4, 0, 1}, {process_guide_code, 0, 3, 2}, {549, 0, 4, 2}, {1573, 0, 5, 2}, {1061, 0, 6, 2},
    {1317, 0, 7, 2}, {2085, 2, 8, 1}, {2341, 2, 10, 1}, {805, 2, 12, 3},
};

// The largest index of layouts 1, 2 and 3.
const int32_t largest_index[] = {1023, 4095, 32767};

// The built-in publications in list order, each by the pair the list names it
// with: code 37 with flag 3 selects the process guide too, but the list names
// it by 293, its own code.
const struct { int16_t system, flag; } builtin_listing[] = {
    {solid_guides_code, 0}, {solid_guides_code, 1}, {solid_guides_code, 2}, {process_guide_code, 0}};

const color_system_code* find_code(int16_t system)
{
    for (const color_system_code& c : codes)
        if (c.system == system) return &c;
    return nullptr;
}

}  // namespace

bool is_palette_code(int16_t system)
{
    const uint16_t code = static_cast<uint16_t>(system);
    return (code & 0xFF) == 0x25 && (code >> 8) >= first_palette_system && (code >> 8) <= last_palette_system;
}

int16_t palette_code(uint32_t system_number)
{
    return static_cast<int16_t>(system_number << 8 | 0x25);
}

bool is_palette_pub(uint32_t pub_no) { return pub_no >= first_palette_system && pub_no <= last_palette_system; }

int encoding_of(int16_t system)
{
    // A palette may hold thousands of colours: the 15-bit layout.
    if (is_palette_code(system)) return 3;
    const color_system_code* c = find_code(system);
    return c != nullptr ? c->layout : 0;
}

int32_t largest_storable_index(int16_t system)
{
    const int layout = encoding_of(system);
    return layout != 0 ? largest_index[layout - 1] : -1;
}

int32_t system_to_pub(int16_t system, int16_t flag)
{
    if (is_palette_code(system)) return flag == 0 ? static_cast<uint16_t>(system) >> 8 : -1;
    const color_system_code* c = find_code(system);
    if (c == nullptr) return -1;
    if (c->flags == 0) return c->first_pub;
    return flag >= 0 && flag < c->flags ? c->first_pub + flag : -1;
}

bool is_builtin_code(int16_t system)
{
    for (const auto& pair : builtin_listing)
        if (pair.system == system) return true;
    return false;
}

bool is_addon_code(int16_t system) { return find_code(system) != nullptr && !is_builtin_code(system); }

int builtin_listed_count() { return static_cast<int>(sizeof builtin_listing / sizeof builtin_listing[0]); }

int32_t builtin_listed_pub(int place, int16_t* system, int16_t* flag)
{
    if (place < 0 || place >= builtin_listed_count()) return -1;
    *system = builtin_listing[place].system;
    *flag = builtin_listing[place].flag;
    return system_to_pub(*system, *flag);
}

int builtin_listed_place(int16_t system, int16_t flag)
{
    // A pair names the publication it selects: under a code that selects one
    // whatever the flag, every flag names the one the list hands out.
    const int32_t pub = system_to_pub(system, flag);
    for (int place = 0; place < builtin_listed_count(); ++place)
        if (builtin_listing[place].system == system && pub >= 0 &&
            system_to_pub(system, builtin_listing[place].flag) == pub)
            return place;
    return -1;
}

void addon_pub_range(int32_t* first, int32_t* last)
{
    *first = *last = -1;
    for (const color_system_code& c : codes) {
        if (!is_addon_code(c.system)) continue;
        if (*first < 0 || c.first_pub < *first) *first = c.first_pub;
        *last = std::max(*last, c.first_pub + std::max(c.flags - 1, 0));
    }
}
