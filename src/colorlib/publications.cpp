#include "colorlib/publications.h"

#include <cstring>

#include "colorlib/color_system_codes.h"
#include "colorlib/descriptor.h"
#include "colorlib/publication_catalogue.h"

const char* const pub_resource_names[4] = {"solidc", "solidu", "simprc", "process"};
const char* const pub_data_kinds[4] = {"spot", "spot", "spot", "process"};

byte_span locate_descriptor(publication_catalogue& catalogue, uint32_t pub_no)
{
    return publication_table(catalogue, pub_no, table_pub);
}

uint32_t pub_number_of_pages(publication_catalogue& catalogue, uint32_t pub_no)
{
    const descriptor_facts* facts = publication_facts(catalogue, pub_no);
    return facts != nullptr ? facts->number_of_pages : 0;
}

uint32_t pub_colors_per_page(publication_catalogue& catalogue, uint32_t pub_no)
{
    const descriptor_facts* facts = publication_facts(catalogue, pub_no);
    return facts != nullptr ? facts->colors_per_page : 0;
}

int pub_desc(publication_catalogue& catalogue, uint32_t pub_no, char* buffer, int max)
{
    if (pub_no <= catalogue.last_builtin_pub) return read_desc(locate_descriptor(catalogue, pub_no), buffer, max);
    const addon_record* r = find_addon_by_pub(catalogue, pub_no);
    if (r == nullptr || max < 0) return 0;
    size_t len = std::strlen(r->desc);
    if (len > static_cast<size_t>(max)) len = static_cast<size_t>(max);
    std::memcpy(buffer, r->desc, len);
    buffer[len] = 0;
    return static_cast<int>(len);
}

uint32_t pub_color_name_size(publication_catalogue& catalogue, uint32_t pub_no)
{
    const descriptor_facts* facts = publication_facts(catalogue, pub_no);
    return facts != nullptr ? facts->color_name_size : 0;
}

const char* pub_suffix(publication_catalogue& catalogue, colorid id, int which)
{
    const descriptor_facts* facts = publication_facts(catalogue, colorid_pub(id));
    return facts != nullptr ? facts->suffixes[which != 0 ? 1 : 0] : "";
}

bool pub_exists(const publication_catalogue& catalogue, int32_t pub_no)
{
    if (pub_no < 0) return false;
    if (static_cast<uint32_t>(pub_no) <= catalogue.last_builtin_pub) return true;
    for (const addon_record* r = catalogue.addon_list; r != nullptr; r = r->next)
        if (r->pub_no == static_cast<uint32_t>(pub_no)) return true;
    return false;
}

// Whether the publication list shows a record. An add-on that could not be
// loaded, or was refused, keeps its place with an empty desc, which cannot be
// listed (a length of 0 ends the list): the walk passes over it, so that
// one broken file beside the library hides none after it. A host walks the
// list by the pair it was given last, and a pair leads back to the first
// record that carries it: a later record repeating an earlier pair would
// send the walk back there for ever, and a host could not name it by that
// pair anyway, so the list passes over it too.
static bool listed(const publication_catalogue& catalogue, const addon_record* r)
{
    return r->desc[0] != 0 && find_addon_by_pair(catalogue, r->system, r->flag) == r;
}

int enum_pubs(publication_catalogue& catalogue, int16_t* system, int16_t* flag, char* name)
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
        const int len = pub_desc(catalogue, static_cast<uint32_t>(pub_no), name, 250);
        *system = next_system;
        *flag = next_flag;
        return len;
    }

    const addon_record* candidate = nullptr;
    if (next_builtin >= 0) {
        candidate = catalogue.addon_list;
    } else {
        const addon_record* r = find_addon_by_pair(catalogue, *system, *flag);
        candidate = r != nullptr && listed(catalogue, r) ? r->next : nullptr;
    }
    while (candidate != nullptr && !listed(catalogue, candidate)) candidate = candidate->next;
    if (candidate == nullptr) return 0;
    const int len = static_cast<int>(std::strlen(candidate->desc));
    std::memcpy(name, candidate->desc, static_cast<size_t>(len) + 1);
    *system = candidate->system;
    *flag = candidate->flag;
    return len;
}
