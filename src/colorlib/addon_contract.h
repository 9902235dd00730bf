// What an add-on publication file must hold to work as one, checked on its
// contents: the five "addon" resources, strings 2 and 3, a descriptor that
// reads as four data lines, tables exactly as long as the descriptor's
// counts, a code and flag that select the descriptor's publication, and
// names that tell the colours apart. The file reading is the caller's
// (huexinfo addon-check); this judges bytes only.
#pragma once
#include <cstdint>

#include "frame/byte_span.h"

struct addon_contents {
    byte_span pub, names, cie50, cie65, cmyk;
    const char* system_text;  // string 2, nullptr when the add-on has none
    const char* flag_text;    // string 3, likewise
};

enum addon_breach_kind {
    breach_missing_resource,   // a resource of the five is absent or empty
    breach_missing_string,     // string 2 or 3 is absent
    breach_bad_number_text,    // string 2 or 3 is not a 16-bit decimal number
    breach_descriptor_format,  // fewer than four data lines, brackets, limits
    breach_publication_number, // pub_no not one that an add-on code selects
    breach_no_colours,         // colors_per_page or number_of_pages is 0
    breach_name_width,         // COLOR_NAME_SIZE outside 1 to 35
    breach_pair_selects_none,  // code and flag select no publication
    breach_pair_selects_other, // code and flag select another publication
    breach_too_many_colours,   // more colours than the code's layout can address
    breach_table_size,         // a table holds another number of records
    breach_empty_name,         // a colour without a name
    breach_duplicate_name,     // two colours share a name (letter case ignored)
};

struct addon_breach {
    addon_breach_kind kind;
    char text[160];
};

// The add-on publication that a code and flag select (-1 for none) and the
// largest colour index the code's record layout can hold (-1 for a code that
// selects no add-on publication under any flag).
struct addon_code {
    int32_t pub_no;
    int32_t largest_index;
};
addon_code addon_code_of(int16_t system, int16_t flag);

// Fills up to `max` breaches into `out` and returns how many there are in
// all (which may exceed max); 0 for a sound add-on.
int check_addon(const addon_contents& contents, addon_breach* out, int max);
