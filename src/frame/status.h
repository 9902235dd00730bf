// The library's one vocabulary of outcomes. Inside, every call that can fail
// for a host's reason says so with one of these; the exports hand the same
// numbers to the host (huex.h's HUEX_* codes, held equal where the exports
// are made), so nothing is translated on the way out.
#pragma once
#include <cstdint>

enum class status : int16_t {
    ok = 0,
    no_color = 1,          // the record names no colour, or an index or code is out of range
    no_publication = 2,    // the pair selects no existing publication
    no_data = 3,           // a measurement or recipe is not available
    no_memory = 4,         // no memory, or no object from the colour-matching module
    not_supported = 5,     // a profile kind no session takes, or the module refused
    default_in_force = 6,  // a profile could not be made current; the default took its place
    not_found = 7,         // nothing answers a look-up by name
    invalid_argument = 8,  // a pointer the call needs is null, or a count or value is out of its range
    not_a_value = 9,       // a text is no colour value
};
