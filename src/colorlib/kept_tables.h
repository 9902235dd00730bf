// A publication's descriptor and colour tables as byte spans, located the
// first time a look-up needs them and kept from then on. The library's own
// spans point into the library and live as long as it; an add-on's are kept
// in its record, beside the module they point into, and go with it.
#pragma once
#include <cstdint>

#include "colorlib/descriptor.h"
#include "frame/byte_span.h"

enum table_kind : uint8_t {
    table_pub,
    table_names,
    table_cie50,
    table_cie65,
    table_cmyk,
    table_page,
    table_kind_count
};

// The descriptor fields that every look-up of a colour asks for, read once
// from the kept descriptor: parsing the text for each colour cost several
// times what the rest of a look-up does. Kept beside the descriptor's span
// and released with it.
struct descriptor_facts {
    bool known;
    uint32_t number_of_pages;
    uint32_t colors_per_page;
    uint32_t color_name_size;
    char suffixes[2][descriptor_suffix_size];  // display, printer
};

// The resource type of each kind: "PUB", "NAMES", "CIE50", "CIE65", "CMYK", "PAGE".
extern const char* const table_kind_types[table_kind_count];

struct publication_catalogue;

// The table of a built-in or add-on publication; empty when there is none
// (a missing table is asked for again next time, not remembered).
byte_span publication_table(publication_catalogue& catalogue, uint32_t pub_no, table_kind kind);

// The facts of a publication's descriptor; nullptr when it has none.
const descriptor_facts* publication_facts(publication_catalogue& catalogue, uint32_t pub_no);
