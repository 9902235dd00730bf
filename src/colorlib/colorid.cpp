#include "colorlib/colorid.h"

#include "colorlib/addons.h"
#include "colorlib/descriptor.h"
#include "colorlib/publications.h"

// A colour count is a product of two descriptor numbers; widened so that no
// descriptor can make it wrap round and admit an index it does not hold.
static bool index_within(uint64_t pages, uint64_t per_page, uint32_t index)
{
    return pages * per_page > index;
}

colorid make_colorid(uint32_t pub_no, uint32_t index)
{
    // The record keeps 16 bits of index; a larger one would silently name
    // another colour.
    if (index > 0xFFFF) return no_color;
    const colorid candidate = ((pub_no & 0xFFFF) << 16) | (index & 0xFFFF);

    if (pub_no <= last_builtin_pub)
        return index_within(pub_number_of_pages(pub_no), pub_colors_per_page(pub_no), index) ? candidate : no_color;

    if (addon_count == 0) return no_color;
    byte_span d = locate_descriptor(pub_no);
    if (d.empty()) return no_color;
    // The picker keeps the descriptor of the guide it shows current; a host
    // calling in from inside its modal loop must not take it away.
    if (!picker_open) current_descriptor = d;
    const descriptor_facts* facts = publication_facts(pub_no);
    return facts != nullptr && index_within(facts->number_of_pages, facts->colors_per_page, index) ? candidate : no_color;
}
