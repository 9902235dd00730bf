// Palettes in the publication catalogue: each is an add-on record after the
// DLL add-ons, its tables built from the file at the scan and kept in the
// same memory block as the record, so that releasing the add-on records
// releases them too. Look-ups, the publication list and the picker reach a
// palette exactly as they reach an add-on.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "colorlib/addons.h"
#include "exchange/palette_tables.h"

struct publication_catalogue;

// The bytes of a block that holds the record and its tables.
size_t palette_record_size(const palette_tables& tables);

// Builds the record of the palette with system number `system_number` in
// `block` (palette_record_size bytes, aligned for addon_record): desc as
// given (cut to the record's), code from the number, flag 0, the tables
// copied in. The tables' descriptor must state `system_number` as pub_no.
addon_record* place_palette_record(void* block, const palette_tables& tables, const std::string& desc,
                                   uint32_t system_number);

// Appends the record to the catalogue's add-on list. A list without DLL
// add-ons gets an empty first record, which is never listed, so that every
// palette lives in a block of its own.
void append_palette_record(publication_catalogue& catalogue, addon_record* record);

// The palettes in list order, for the picker's type box: how many, the
// publication of the place'th, and the place of a publication (-1 for one
// that is no listed palette).
int palette_count(const publication_catalogue& catalogue);
int32_t palette_pub_at(const publication_catalogue& catalogue, int place);
int palette_place(const publication_catalogue& catalogue, uint32_t pub_no);
