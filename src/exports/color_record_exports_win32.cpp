// Exports that set, read, encode and decode the fields of a host's colour
// record. The record belongs to the caller; a null one is ignored.
#include "huex.h"

#include "colorlib/extended_color.h"
#include "context/library_guard.h"
#include "exports/export_status.h"

extern "C" BYTE WINAPI HUEX_ColorIsExtended(const extended_color* record)
{
    return record != nullptr && color_is_extended(record) ? 1 : 0;
}

extern "C" void WINAPI HUEX_SetColorFlag(extended_color* record, short flag)
{
    if (record != nullptr) set_color_flag(record, flag);
}

extern "C" short WINAPI HUEX_GetColorFlag(const extended_color* record)
{
    return record != nullptr ? get_color_flag(record) : 0;
}

extern "C" void WINAPI HUEX_SetIndex(extended_color* record, short which, short index)
{
    if (record != nullptr) set_index(record, which, index);
}

extern "C" short WINAPI HUEX_GetIndex(const extended_color* record, short which)
{
    return record != nullptr ? get_index(record, which) : 0;
}

// Only the encoding asks which publications exist; the other field
// operations read and write the host's record alone.
extern "C" short WINAPI HUEX_EncodeColor(short system, short flag, short index, extended_color* record)
{
    if (record == nullptr) return HUEX_NO_COLOR;
    extended_color made = *record;
    status s;
    {
        library_guard lib;
        s = encode_color(lib->catalogue, system, flag, index, &made);
    }
    if (s == status::ok) *record = made;
    return export_status(s);
}

extern "C" short WINAPI HUEX_DecodeColor(short* system, short* flag, short* index, const extended_color* record)
{
    if (system == nullptr || flag == nullptr || index == nullptr || record == nullptr) return HUEX_NO_COLOR;
    return export_status(decode_color(system, flag, index, record));
}
