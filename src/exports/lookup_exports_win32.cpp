// Exports that answer a host's questions about the colour its record names
// and about a publication named by its colour-system pair. The host's record
// is read before the guard is taken and the answer written after it is let
// go: a bad pointer of the host's then faults outside the lock, never with
// the lock held for ever.
#include "huex.h"

#include <cstring>

#include "colorlib/color_lookups.h"
#include "colorlib/color_tables.h"
#include "context/library_guard.h"
#include "exports/export_status.h"
#include "frame/texts_win32.h"

extern "C" short WINAPI HUEX_GetColorRGB(const extended_color* record, WORD* rgb, short d50)
{
    if (record == nullptr || rgb == nullptr) return HUEX_NO_COLOR;
    const extended_color asked = *record;
    uint16_t answer[3];
    status s;
    {
        library_guard lib;
        s = lookup_color_rgb(lib->catalogue, lib->display, asked, answer, d50);
    }
    if (s == status::ok) std::memcpy(rgb, answer, sizeof answer);
    return export_status(s);
}

extern "C" short WINAPI HUEX_GetColorXYZ(const extended_color* record, WORD* xyz, short d50)
{
    if (record == nullptr || xyz == nullptr) return HUEX_NO_COLOR;
    const extended_color asked = *record;
    uint16_t answer[3];
    status s;
    {
        library_guard lib;
        s = lookup_color_xyz(lib->catalogue, asked, answer, d50);
    }
    if (s == status::ok) std::memcpy(xyz, answer, sizeof answer);
    return export_status(s);
}

// A name is composed whole under the guard and copied out in one piece.
static short name_export(const extended_color* record, char* name,
                         int16_t (*lookup)(publication_catalogue&, const extended_color&, char*))
{
    if (record == nullptr || name == nullptr) return 0;
    const extended_color asked = *record;
    char answer[full_color_name_size + 1];
    int16_t len;
    {
        library_guard lib;
        len = lookup(lib->catalogue, asked, answer);
    }
    if (len < 0) return 0;
    std::memcpy(name, answer, static_cast<size_t>(len) + 1);
    return len;
}

extern "C" short WINAPI HUEX_GetColorName(const extended_color* record, char* name)
{
    return name_export(record, name, lookup_color_name);
}

extern "C" short WINAPI HUEX_GetShortColorName(const extended_color* record, char* name)
{
    return name_export(record, name, lookup_short_color_name);
}

extern "C" short WINAPI HUEX_GetColorIndex(const extended_color* record, DWORD* index)
{
    if (record == nullptr || index == nullptr) return HUEX_NO_COLOR;
    const extended_color asked = *record;
    uint32_t value = 0;
    status s;
    {
        library_guard lib;
        s = lookup_color_index(lib->catalogue, asked, &value);
    }
    if (s == status::ok) *index = value;
    return export_status(s);
}

// The text comes from the language module, which no call changes once it
// is mapped; the guard is what maps it at the library's first use.
extern "C" int WINAPI HUEX_GetColorSetName(DWORD ignored, char* name)
{
    if (name == nullptr) return 0;
    char text[HUEX_PUB_NAME_SIZE];
    int len;
    {
        const library_guard lib;
        len = load_text(IDS_SYSTEM_NAME, text, HUEX_PUB_NAME_SIZE);
    }
    std::memcpy(name, text, static_cast<size_t>(len) + 1);
    return len;
}

extern "C" int WINAPI HUEX_PubColors(short system, short flag)
{
    library_guard lib;
    return pair_colors_per_page(lib->catalogue, system, flag);
}

extern "C" int WINAPI HUEX_PubPages(short system, short flag)
{
    library_guard lib;
    return pair_number_of_pages(lib->catalogue, system, flag);
}

extern "C" BYTE WINAPI uint2byte(DWORD v) { return uint16_to_byte(v); }

extern "C" DWORD WINAPI byte2uint(BYTE b) { return byte_to_uint16(b); }

extern "C" DWORD WINAPI uint2long(DWORD v) { return v & 0xFFFF; }

extern "C" WORD WINAPI long2uint(LONG v) { return static_cast<WORD>(v & 0xFFFF); }
