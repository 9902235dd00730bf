#include "colorlib/kept_tables.h"

#include <cstring>

#include "colorlib/addons.h"
#include "colorlib/publications.h"
#include "colorlib/resource_seam.h"
#include "frame/library_state.h"

const char* const table_kind_types[table_kind_count] = {"PUB", "NAMES", "CIE50", "CIE65", "CMYK", "PAGE"};

static byte_span builtin_tables[4][table_kind_count];
static descriptor_facts builtin_facts[4];

// The solid guides share one list of names, one set of recipes and one set of
// page labels; descriptors and measurements are each guide's own.
static const char* builtin_name(uint32_t pub_no, table_kind kind)
{
    const bool shared = kind == table_names || kind == table_cmyk || kind == table_page;
    return shared ? pub_data_kinds[pub_no] : pub_resource_names[pub_no];
}

byte_span publication_table(uint32_t pub_no, table_kind kind)
{
    if (pub_no <= last_builtin_pub && pub_no < 4) {
        byte_span& kept = builtin_tables[pub_no][kind];
        if (kept.empty()) kept = builtin_resource(table_kind_types[kind], builtin_name(pub_no, kind));
        return kept;
    }
    const addon_record* record = find_addon_by_pub(pub_no);
    if (record == nullptr) return {};
    byte_span& kept = record->tables[kind];
    if (kept.empty()) kept = addon_resource(pub_no, table_kind_types[kind]);
    return kept;
}

const descriptor_facts* publication_facts(uint32_t pub_no)
{
    descriptor_facts* facts = nullptr;
    if (pub_no <= last_builtin_pub && pub_no < 4) {
        facts = &builtin_facts[pub_no];
    } else {
        const addon_record* record = find_addon_by_pub(pub_no);
        if (record == nullptr) return nullptr;
        facts = &record->facts;
    }
    if (facts->known) return facts;
    const byte_span d = publication_table(pub_no, table_pub);
    if (d.empty()) return nullptr;
    facts->number_of_pages = read_number_of_pages(d);
    facts->colors_per_page = read_colors_per_page(d);
    facts->color_name_size = read_color_name_size(d);
    for (int which = 0; which < 2; ++which) {
        const char* suffix = read_suffix(d, which);
        std::memcpy(facts->suffixes[which], suffix, std::strlen(suffix) + 1);
    }
    facts->known = true;
    return facts;
}
