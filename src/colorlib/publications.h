// The table of publications: which resources hold a built-in publication, and
// the per-publication questions the rest of the library asks. Every question
// reads the asked publication's own descriptor.
#pragma once
#include <cstdint>

#include "colorlib/colorid.h"
#include "frame/byte_span.h"

struct publication_catalogue;

extern const char* const pub_resource_names[4];  // "PUB", "CIE50", "CIE65"
extern const char* const pub_data_kinds[4];      // "NAMES", "CMYK", "PAGE"

// The descriptor text of a built-in or add-on publication; empty when none.
byte_span locate_descriptor(publication_catalogue& catalogue, uint32_t pub_no);

uint32_t pub_number_of_pages(publication_catalogue& catalogue, uint32_t pub_no);
uint32_t pub_colors_per_page(publication_catalogue& catalogue, uint32_t pub_no);
// The desc, cut to max characters (buffer: max + 1 bytes); its length.
int pub_desc(publication_catalogue& catalogue, uint32_t pub_no, char* buffer, int max);
uint32_t pub_color_name_size(publication_catalogue& catalogue, uint32_t pub_no);
// The display suffix (which 0) or printer suffix of the colour's publication;
// kept with the publication, "" when it has none.
const char* pub_suffix(publication_catalogue& catalogue, colorid id, int which);
bool pub_exists(const publication_catalogue& catalogue, int32_t pub_no);

// One step of the publication list: the pair (system, flag) on entry names the
// publication listed last (-1 to start). Writes the next one's desc to name
// (251 bytes) and its pair back; 0 at the end, with nothing written.
int enum_pubs(publication_catalogue& catalogue, int16_t* system, int16_t* flag, char* name);
