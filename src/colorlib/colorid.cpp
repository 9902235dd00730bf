#include "colorlib/colorid.h"

#include "colorlib/publication_catalogue.h"

colorid make_colorid(publication_catalogue& catalogue, uint32_t pub_no, uint32_t index)
{
    // The record keeps 16 bits of index; a larger one would silently name
    // another colour.
    if (index > 0xFFFF) return no_color;
    // A colour count is a product of two descriptor numbers; widened so that
    // no descriptor can make it wrap round and admit an index it does not hold.
    const descriptor_facts* facts = publication_facts(catalogue, pub_no);
    if (facts == nullptr || uint64_t{facts->number_of_pages} * facts->colors_per_page <= index) return no_color;
    return ((pub_no & 0xFFFF) << 16) | (index & 0xFFFF);
}
