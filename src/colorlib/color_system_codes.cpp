#include "colorlib/color_system_codes.h"

namespace {

struct color_system_code {
    int16_t system;     // the code; its low byte is 0x25 for every one
    int16_t flags;      // 0: selects first_pub under any flag; n: first_pub + flag for flags 0 to n-1
    int32_t first_pub;
    int16_t listed;     // how many of its publications the list names by this code, flags 0 up (built-ins only)
    int16_t layout;     // the record's index layout: 1 (10 bits), 2 (12 bits) or 3 (15 bits)
};

// Code 37 selects the three solid guides by flags 0 to 2 and the process
// guide by flag 3, but the list names the process guide by 293, its own code.
const color_system_code codes[] = {
    // system flags first_pub listed layout
    {37, 4, 0, 3, 1},
    {293, 0, 3, 1, 2},
    {549, 0, 4, 0, 2},
    {1573, 0, 5, 0, 2},
    {1061, 0, 6, 0, 2},
    {1317, 0, 7, 0, 2},
    {2085, 2, 8, 0, 1},
    {2341, 2, 10, 0, 1},
    {805, 2, 12, 0, 3},
};

// The largest index of layouts 1, 2 and 3.
const int32_t largest_index[] = {1023, 4095, 32767};

const color_system_code* find_system_code(int16_t system)
{
    for (const color_system_code& c : codes)
        if (c.system == system) return &c;
    return nullptr;
}

// The last publication a row selects.
int32_t last_pub_of(const color_system_code& c) { return c.first_pub + (c.flags > 0 ? c.flags - 1 : 0); }

}  // namespace

int encoding_of(int16_t system)
{
    const color_system_code* c = find_system_code(system);
    return c != nullptr ? c->layout : 0;
}

int32_t largest_storable_index(int16_t system)
{
    const int layout = encoding_of(system);
    return layout != 0 ? largest_index[layout - 1] : -1;
}

int32_t system_to_pub(int16_t system, int16_t flag)
{
    const color_system_code* c = find_system_code(system);
    if (c == nullptr) return -1;
    if (c->flags == 0) return c->first_pub;
    return flag >= 0 && flag < c->flags ? c->first_pub + flag : -1;
}

bool is_builtin_code(int16_t system)
{
    const color_system_code* c = find_system_code(system);
    return c != nullptr && c->listed > 0;
}

bool is_addon_code(int16_t system)
{
    const color_system_code* c = find_system_code(system);
    return c != nullptr && c->listed == 0;
}

int builtin_listed_count()
{
    int count = 0;
    for (const color_system_code& c : codes) count += c.listed;
    return count;
}

int32_t builtin_listed_pub(int place, int16_t* system, int16_t* flag)
{
    if (place < 0) return -1;
    for (const color_system_code& c : codes) {
        if (place < c.listed) {
            *system = c.system;
            *flag = static_cast<int16_t>(place);
            return c.first_pub + place;
        }
        place -= c.listed;
    }
    return -1;
}

int builtin_listed_place(int16_t system, int16_t flag)
{
    int place = 0;
    for (const color_system_code& c : codes) {
        if (c.system == system) {
            // A code that selects one publication under any flag names it by all of them.
            const int f = c.flags == 0 ? 0 : flag;
            return f >= 0 && f < c.listed ? place + f : -1;
        }
        place += c.listed;
    }
    return -1;
}

int32_t first_addon_pub()
{
    int32_t first = -1;
    for (const color_system_code& c : codes)
        if (c.listed == 0 && (first < 0 || c.first_pub < first)) first = c.first_pub;
    return first;
}

int32_t last_addon_pub()
{
    int32_t last = -1;
    for (const color_system_code& c : codes)
        if (c.listed == 0 && last_pub_of(c) > last) last = last_pub_of(c);
    return last;
}
