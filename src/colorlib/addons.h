// Add-on publications found beside the library at attach: one record per
// "huex_*.dll" file, in the order of the directory listing. The scan itself
// is Win32 glue (addon_scan_win32.cpp); the records and their look-ups are
// plain data so that the publication logic is the same everywhere.
#pragma once
#include <cstdint>

#include "colorlib/kept_tables.h"

struct addon_record {
    uint32_t pub_no;
    char desc[101];   // desc of the add-on's descriptor, cut to 100 characters
    char path[260];   // full path of the add-on file
    int16_t system;   // string 2 of the add-on
    int16_t flag;     // string 3 of the add-on
    addon_record* next;
    void* module;     // the add-on's module once one of its tables was used
    // Its tables as found in `module`, kept from their first use, and what
    // its descriptor says: valid exactly while `module` is, so whatever
    // releases the module clears them with it.
    byte_span tables[table_kind_count];
    descriptor_facts facts;
};

struct publication_catalogue;

addon_record* find_addon_by_pub(publication_catalogue& catalogue, uint32_t pub_no);
const addon_record* find_addon_by_pair(const publication_catalogue& catalogue, int16_t system, int16_t flag);

// Unmaps the add-ons and frees the records: at an unload by the host only.
void release_addons(publication_catalogue& catalogue);
