// The colour-system codes. A colour record's fourth word is one of them, and
// with a flag it is the pair by which hosts, the publication list and add-on
// files name a publication. Each code's row says which publications it
// selects and how a record carrying it lays out the colour index; beside it
// stands the order and the pairs in which the publication list names the
// built-in publications. The colour record, the publication
// list and the add-on check all ask this one table (color_system_codes.cpp),
// and it needs nothing else of the library, so a checker program can link it
// alone.
#pragma once
#include <cstdint>

// The codes of the built-in guides: the solid guides' (flag 0, 1 or 2 picks
// the guide) and the process guide's. Hosts know them as HUEX_SYSTEM_SOLID and
// HUEX_SYSTEM_PROCESS.
constexpr int16_t solid_guides_code = 37;
constexpr int16_t process_guide_code = 293;

// Which of the three index layouts a code uses (1, 2 or 3), or 0 for a code
// without one.
int encoding_of(int16_t system);
// The largest index that the code's layout can hold, or -1.
int32_t largest_storable_index(int16_t system);

// The publication that a code and flag select, or -1.
int32_t system_to_pub(int16_t system, int16_t flag);

// A code of the built-in publications, whose pairs the publication list
// hands out itself; add-on files may not carry one.
bool is_builtin_code(int16_t system);
// A code that only add-on publications carry.
bool is_addon_code(int16_t system);
// The built-in publications in the order the publication list names them:
// how many, and the place'th one (below that count) with the pair naming it.
int builtin_listed_count();
int32_t builtin_listed_pub(int place, int16_t* system, int16_t* flag);
// The place in that order of the publication that a built-in code's pair
// names, or -1 for a pair the list never hands out (and any other code).
int builtin_listed_place(int16_t system, int16_t flag);

// The publications that add-on files may take: those the add-on codes select.
void addon_pub_range(int32_t* first, int32_t* last);

// Palettes (swatch files read as publications) take codes of their own: the
// system number (the code's high byte) from first_palette_system to
// last_palette_system, low byte 0x25 as every code, the widest index layout,
// flag 0. The system number is the palette's publication number as well, so
// a record names its palette by the code alone. Staying below 128 keeps every
// palette code a positive 16-bit number for hosts that hold codes signed.
constexpr uint32_t first_palette_system = 16;
constexpr uint32_t last_palette_system = 127;
bool is_palette_code(int16_t system);
int16_t palette_code(uint32_t system_number);
bool is_palette_pub(uint32_t pub_no);
