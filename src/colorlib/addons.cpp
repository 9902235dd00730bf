#include "colorlib/addons.h"

addon_record first_addon;
addon_record* addon_list = nullptr;
uint32_t addon_count = 0;

const addon_record* find_addon_by_pub(uint32_t pub_no)
{
    if (addon_count == 0) return nullptr;
    for (const addon_record* r = addon_list; r != nullptr; r = r->next)
        if (r->pub_no == pub_no) return r;
    return nullptr;
}

const addon_record* find_addon_by_pair(int16_t system, int16_t flag)
{
    if (addon_count == 0) return nullptr;
    for (const addon_record* r = addon_list; r != nullptr; r = r->next)
        if (r->system == system && r->flag == flag) return r;
    return nullptr;
}
