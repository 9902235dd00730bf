// The 8-byte colour record that hosts hold: three 16-bit RGB words whose high
// bytes are a plain display colour, and whose low bytes plus the fourth word
// hide a reference to one colour of one publication. These are the field
// operations behind the record exports, free of Win32 types.
#pragma once
#include <cstdint>

#include "colorlib/color_system_codes.h"
#include "colorlib/colorid.h"
#include "frame/status.h"

// The public header (include/huex.h) declares the same record with WORDs for
// hosts; the Win32 glue includes it before this header, and whichever comes
// first defines the record.
#ifndef HUEX_EXTENDED_COLOR_DEFINED
#define HUEX_EXTENDED_COLOR_DEFINED
#ifndef HUEX_H
struct extended_color {
    uint16_t red;           // high byte red; low byte flag (0-3), index bits 8-9 of field 1 (4-5) and field 0 (6-7)
    uint16_t green;         // high byte green; low byte bits 0-7 of index field 0
    uint16_t blue;          // high byte blue; low byte bits 0-7 of index field 1
    uint16_t color_system;  // colour-system code; its low byte is 0x25 for every code
};
#endif
#endif
static_assert(sizeof(extended_color) == 8, "hosts hold the record as four words");

int color_is_extended(const extended_color* record);
void set_color_flag(extended_color* record, int16_t flag);
int16_t get_color_flag(const extended_color* record);
void set_index(extended_color* record, int16_t which, int16_t index);
int16_t get_index(const extended_color* record, int16_t which);

// ok; no_publication (nothing written) when the pair selects no existing
// publication; no_color (nothing written) for an index outside it or beyond
// what the code's fields hold.
status encode_color(publication_catalogue& catalogue, int16_t system, int16_t flag, int16_t index,
                    extended_color* record);
// ok with all three receivers written, or no_color (a code without an
// encoding) with only the code receiver written.
status decode_color(int16_t* system, int16_t* flag, int16_t* index, const extended_color* record);

// The colour the record names, or no_color.
colorid record_to_colorid(publication_catalogue& catalogue, const extended_color* record);
