#include "colorlib/palette_records.h"

#include <cstring>
#include <new>

#include "colorlib/color_system_codes.h"
#include "colorlib/publication_catalogue.h"

namespace {

const std::vector<uint8_t>* table_bytes(const palette_tables& t, int kind)
{
    switch (kind) {
    case table_pub: return &t.pub;
    case table_names: return &t.names;
    case table_cie50: return &t.cie50;
    case table_cie65: return &t.cie65;
    case table_cmyk: return &t.cmyk;
    default: return &t.page;
    }
}

bool is_listed_palette(const addon_record* r) { return is_palette_pub(r->pub_no) && r->desc[0] != 0; }

}  // namespace

size_t palette_record_size(const palette_tables& tables)
{
    size_t size = sizeof(addon_record);
    for (int kind = 0; kind < table_kind_count; ++kind) size += table_bytes(tables, kind)->size();
    return size;
}

addon_record* place_palette_record(void* block, const palette_tables& tables, const std::string& desc,
                                   uint32_t system_number)
{
    auto* record = new (block) addon_record{};
    const size_t len = desc.size() < sizeof record->desc - 1 ? desc.size() : sizeof record->desc - 1;
    std::memcpy(record->desc, desc.data(), len);
    record->pub_no = system_number;
    record->system = palette_code(system_number);
    record->flag = 0;
    uint8_t* at = static_cast<uint8_t*>(block) + sizeof(addon_record);
    for (int kind = 0; kind < table_kind_count; ++kind) {
        const std::vector<uint8_t>& bytes = *table_bytes(tables, kind);
        if (bytes.empty()) continue;
        std::memcpy(at, bytes.data(), bytes.size());
        record->tables[kind] = byte_span{at, bytes.size()};
        at += bytes.size();
    }
    return record;
}

void append_palette_record(publication_catalogue& catalogue, addon_record* record)
{
    if (catalogue.addon_list == nullptr) {
        catalogue.first_addon = addon_record{};
        catalogue.addon_list = &catalogue.first_addon;
        catalogue.addon_count = 1;
    }
    addon_record* last = catalogue.addon_list;
    for (;; last = last->next) {
        // A DLL add-on whose descriptor states a palette's number is one no
        // host can reach (its code selects another number); left with it, it
        // would shadow the palette in look-ups by number.
        if (last->pub_no == record->pub_no && !is_listed_palette(last)) last->pub_no = 0;
        if (last->next == nullptr) break;
    }
    record->next = nullptr;
    last->next = record;
    ++catalogue.addon_count;
}

int palette_count(const publication_catalogue& catalogue)
{
    int count = 0;
    for (const addon_record* r = catalogue.addon_list; r != nullptr; r = r->next) count += is_listed_palette(r);
    return count;
}

int32_t palette_pub_at(const publication_catalogue& catalogue, int place)
{
    for (const addon_record* r = catalogue.addon_list; r != nullptr; r = r->next)
        if (is_listed_palette(r) && place-- == 0) return static_cast<int32_t>(r->pub_no);
    return -1;
}

int palette_place(const publication_catalogue& catalogue, uint32_t pub_no)
{
    int place = 0;
    for (const addon_record* r = catalogue.addon_list; r != nullptr; r = r->next) {
        if (!is_listed_palette(r)) continue;
        if (r->pub_no == pub_no) return place;
        ++place;
    }
    return -1;
}
