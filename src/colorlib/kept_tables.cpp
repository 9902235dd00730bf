#include "colorlib/kept_tables.h"

#include <cstring>

#include "colorlib/publication_catalogue.h"
#include "colorlib/publications.h"
#include "colorlib/resource_seam.h"

const char* const table_kind_types[table_kind_count] = {"PUB", "NAMES", "CIE50", "CIE65", "CMYK", "PAGE"};

// The solid guides share one list of names, one set of recipes and one set of
// page labels; descriptors and measurements are each guide's own.
static const char* builtin_name(uint32_t pub_no, table_kind kind)
{
    const bool shared = kind == table_names || kind == table_cmyk || kind == table_page;
    return shared ? pub_data_kinds[pub_no] : pub_resource_names[pub_no];
}

static bool is_builtin(const publication_catalogue& catalogue, uint32_t pub_no)
{
    return pub_no <= catalogue.last_builtin_pub && pub_no < builtin_pub_count;
}

byte_span publication_table(publication_catalogue& catalogue, uint32_t pub_no, table_kind kind)
{
    if (is_builtin(catalogue, pub_no)) {
        byte_span& kept = catalogue.builtin_tables[pub_no][kind];
        if (kept.empty()) kept = builtin_resource(table_kind_types[kind], builtin_name(pub_no, kind));
        return kept;
    }
    addon_record* record = find_addon_by_pub(catalogue, pub_no);
    if (record == nullptr) return {};
    byte_span& kept = record->tables[kind];
    // A record without a file path (a palette, whose tables were built at
    // the scan, or a refused add-on) has no module to look in.
    if (kept.empty() && record->path[0] != 0) kept = addon_resource(*record, table_kind_types[kind]);
    return kept;
}

const descriptor_facts* publication_facts(publication_catalogue& catalogue, uint32_t pub_no)
{
    descriptor_facts* facts = nullptr;
    if (is_builtin(catalogue, pub_no)) {
        facts = &catalogue.builtin_facts[pub_no];
    } else {
        addon_record* record = find_addon_by_pub(catalogue, pub_no);
        if (record == nullptr) return nullptr;
        facts = &record->facts;
    }
    if (facts->known) return facts;
    const byte_span d = publication_table(catalogue, pub_no, table_pub);
    if (d.empty()) return nullptr;
    facts->number_of_pages = read_number_of_pages(d);
    facts->colors_per_page = read_colors_per_page(d);
    facts->color_name_size = read_color_name_size(d);
    for (int which = 0; which < 2; ++which) read_suffix(d, which, facts->suffixes[which]);
    facts->known = true;
    return facts;
}
