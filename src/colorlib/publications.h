// The table of publications: which resources hold a built-in publication, and
// the per-publication questions the rest of the library asks.
#pragma once
#include <cstdint>

#include "frame/byte_span.h"
#include "frame/library_state.h"

extern const char* const pub_resource_names[4];  // "PUB", "CIE50", "CIE65"
extern const char* const pub_data_kinds[4];      // "NAMES", "CMYK", "PAGE"

// The publication the picker's current swatch view shows, or -1 while the
// picker is closed (set by the picker).
extern int32_t picker_view_pub;

// The descriptor text of a built-in or add-on publication; empty when none.
// Does not change current_descriptor.
byte_span locate_descriptor(uint32_t pub_no);

void select_publication(uint32_t pub_no);
uint32_t pub_number_of_pages(uint32_t pub_no);
uint32_t pub_colors_per_page(uint32_t pub_no);
int pub_desc(uint32_t pub_no, char* buffer, int max);
uint32_t pub_color_name_size(uint32_t pub_no);
const char* pub_suffix(colorid id, int which);
int pub_exists(int32_t pub_no);

// One step of the publication list: the pair (system, flag) on entry names the
// publication listed last (-1 to start). Writes the next one's desc to name
// (250 characters) and its pair back; 0 at the end, with nothing written.
int enum_pubs(int16_t* system, int16_t* flag, char* name);
