#include "colorlib/addons.h"

#include "colorlib/publication_catalogue.h"

addon_record* find_addon_by_pub(publication_catalogue& catalogue, uint32_t pub_no)
{
    for (addon_record* r = catalogue.addon_list; r != nullptr; r = r->next)
        if (r->pub_no == pub_no) return r;
    return nullptr;
}

const addon_record* find_addon_by_pair(const publication_catalogue& catalogue, int16_t system, int16_t flag)
{
    for (const addon_record* r = catalogue.addon_list; r != nullptr; r = r->next)
        if (r->system == system && r->flag == flag) return r;
    return nullptr;
}
