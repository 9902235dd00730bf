// Exports that answer a host's questions about the colour its record names
// and about a publication named by its colour-system pair.
#include "huex.h"

#include <cstring>

#include "colorlib/color_lookups.h"
#include "frame/library_state.h"
#include "frame/texts_win32.h"

extern "C" short WINAPI HUEX_GetColorRGB(const extended_color* record, WORD* rgb, short d50)
{
    if (record == nullptr || rgb == nullptr) return HUEX_NO_COLOR;
    return lookup_color_rgb(record, rgb, d50);
}

extern "C" short WINAPI HUEX_GetColorXYZ(const extended_color* record, WORD* xyz, short d50)
{
    if (record == nullptr || xyz == nullptr) return HUEX_NO_COLOR;
    return lookup_color_xyz(record, xyz, d50);
}

extern "C" short WINAPI HUEX_GetColorName(const extended_color* record, char* name)
{
    if (record == nullptr || name == nullptr) return 0;
    return lookup_color_name(record, name);
}

extern "C" short WINAPI HUEX_GetShortColorName(const extended_color* record, char* name)
{
    if (record == nullptr || name == nullptr) return 0;
    return lookup_short_color_name(record, name);
}

extern "C" short WINAPI HUEX_GetColorIndex(const extended_color* record, DWORD* index)
{
    if (record == nullptr || index == nullptr) return HUEX_NO_COLOR;
    uint32_t value;
    const short status = lookup_color_index(record, &value);
    if (status == HUEX_OK) *index = value;
    return status;
}

extern "C" int WINAPI HUEX_GetColorSetName(DWORD ignored, char* name)
{
    if (name == nullptr) return 0;
    const int len = load_text(IDS_SYSTEM_NAME, text_scratch, 251);
    std::memcpy(name, text_scratch, static_cast<size_t>(len));
    name[len] = 0;
    return len;
}

extern "C" int WINAPI HUEX_PubColors(short system, short flag) { return pair_colors_per_page(system, flag); }

extern "C" int WINAPI HUEX_PubPages(short system, short flag) { return pair_number_of_pages(system, flag); }

extern "C" BYTE WINAPI uint2byte(DWORD v) { return uint16_to_byte(v); }

extern "C" DWORD WINAPI byte2uint(BYTE b) { return byte_to_uint16(b); }

extern "C" DWORD WINAPI uint2long(DWORD v) { return v & 0xFFFF; }

extern "C" WORD WINAPI long2uint(LONG v) { return static_cast<WORD>(v & 0xFFFF); }
