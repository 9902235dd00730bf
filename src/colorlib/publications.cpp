#include "colorlib/publications.h"

#include <cstring>

#include "colorlib/addons.h"
#include "colorlib/color_system_codes.h"
#include "colorlib/descriptor.h"
#include "colorlib/kept_tables.h"

const char* const pub_resource_names[4] = {"solidc", "solidu", "simprc", "process"};
const char* const pub_data_kinds[4] = {"spot", "spot", "spot", "process"};

int32_t picker_view_pub = -1;

byte_span locate_descriptor(uint32_t pub_no) { return publication_table(pub_no, table_pub); }

void select_publication(uint32_t pub_no)
{
    if (pub_no <= 3) current_descriptor = locate_descriptor(pub_no);
}

// While the picker runs, the host may call in from inside the modal loop; the
// picker relies on current_descriptor naming the guide it shows, so such calls
// are answered for the publication asked about without making it current.
static byte_span descriptor_for_query(uint32_t pub_no)
{
    if (picker_open) return locate_descriptor(pub_no);
    current_descriptor = locate_descriptor(pub_no);
    return current_descriptor;
}

uint32_t pub_number_of_pages(uint32_t pub_no)
{
    descriptor_for_query(pub_no);
    const descriptor_facts* facts = publication_facts(pub_no);
    return facts != nullptr ? facts->number_of_pages : 0;
}

uint32_t pub_colors_per_page(uint32_t pub_no)
{
    descriptor_for_query(pub_no);
    const descriptor_facts* facts = publication_facts(pub_no);
    return facts != nullptr ? facts->colors_per_page : 0;
}

int pub_desc(uint32_t pub_no, char* buffer, int max)
{
    if (pub_no <= last_builtin_pub) return read_desc(descriptor_for_query(pub_no), buffer, max);
    const addon_record* r = find_addon_by_pub(pub_no);
    if (r == nullptr) return 0;
    std::strcpy(buffer, r->desc);
    return static_cast<int>(std::strlen(r->desc));
}

uint32_t pub_color_name_size(uint32_t pub_no)
{
    if (picker_open && picker_view_pub >= 0 && static_cast<uint32_t>(picker_view_pub) == pub_no)
        return read_color_name_size(current_descriptor);
    const descriptor_facts* facts = publication_facts(pub_no);
    return facts != nullptr ? facts->color_name_size : 0;
}

const char* pub_suffix(colorid id, int which)
{
    const descriptor_facts* facts = publication_facts((id >> 16) & 0xFF);
    const char* suffix = facts != nullptr ? facts->suffixes[which != 0 ? 1 : 0] : "";
    std::memcpy(descriptor_suffix, suffix, std::strlen(suffix) + 1);
    return descriptor_suffix;
}

int pub_exists(int32_t pub_no)
{
    if (pub_no < 0) return 0;
    if (static_cast<uint32_t>(pub_no) <= last_builtin_pub) return 1;
    return find_addon_by_pub(static_cast<uint32_t>(pub_no)) != nullptr ? 1 : 0;
}

// Whether the publication list shows a record. An add-on that could not be
// loaded, or was refused, keeps its place with an empty desc, which cannot be
// listed (a length of 0 ends the list): the walk passes over it, so that
// one broken file beside the library hides none after it. A host walks the
// list by the pair it was given last, and a pair leads back to the first
// record that carries it: a later record repeating an earlier pair would
// send the walk back there for ever, and a host could not name it by that
// pair anyway, so the list passes over it too.
static bool listed(const addon_record* r)
{
    return r->desc[0] != 0 && find_addon_by_pair(r->system, r->flag) == r;
}

int enum_pubs(int16_t* system, int16_t* flag, char* name)
{
    // A built-in code's pair leads to the next built-in publication, and
    // from the last one to the add-ons; one the list never hands out ends it.
    int next_builtin = -1;
    if (*system == -1) {
        next_builtin = 0;
    } else if (is_builtin_code(*system)) {
        const int place = builtin_listed_place(*system, *flag);
        if (place < 0) return 0;
        next_builtin = place + 1;
    }
    if (next_builtin >= 0 && next_builtin < builtin_listed_count()) {
        int16_t next_system, next_flag;
        const int32_t pub_no = builtin_listed_pub(next_builtin, &next_system, &next_flag);
        int len = pub_desc(static_cast<uint32_t>(pub_no), text_scratch, 250);
        std::memcpy(name, text_scratch, static_cast<size_t>(len) + 1);
        *system = next_system;
        *flag = next_flag;
        return len;
    }

    if (addon_count == 0) return 0;
    const addon_record* candidate = nullptr;
    if (next_builtin >= 0) {
        candidate = addon_list;
    } else {
        const addon_record* r = find_addon_by_pair(*system, *flag);
        candidate = r != nullptr && listed(r) ? r->next : nullptr;
    }
    while (candidate != nullptr && !listed(candidate)) candidate = candidate->next;
    if (candidate == nullptr) return 0;
    int len = static_cast<int>(std::strlen(candidate->desc));
    std::memcpy(name, candidate->desc, static_cast<size_t>(len) + 1);
    *system = candidate->system;
    *flag = candidate->flag;
    return len;
}
