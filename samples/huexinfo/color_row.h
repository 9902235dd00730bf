// One guide colour as huexinfo prints it, gathered through the library's
// exports (the page label from the library's documented PAGE resource, which
// no export returns; the CMYK through HUEX_GetColorCMYK when the library has it).
#pragma once
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "console_text.h"
#include "huex.h"

struct pub_pair {
    short system, flag;
    char desc[256];       // as the library gives it (Windows-1252)
    std::string title;    // desc as printed (UTF-8)
    int per_page, pages;
};

// The n-th publication of the library's list (0 = the first), false past the end.
static inline bool nth_pub(int n, pub_pair* out)
{
    short system = -1, flag = 0;
    for (int i = 0; i <= n; ++i)
        if (HUEX_EnumPubs(&system, &flag, out->desc) <= 0) return false;
    out->system = system;
    out->flag = flag;
    out->title = utf8_of_name(out->desc);
    out->per_page = HUEX_PubColors(system, flag);
    out->pages = HUEX_PubPages(system, flag);
    return out->per_page > 0 && out->pages > 0;
}

struct color_row {
    int index, page;
    char label[9];
    char name[80], full_name[80];          // as the library gives them (Windows-1252)
    std::string name_text, full_name_text;  // as printed (UTF-8)
    double d50[3], d65[3];
    int rgb[3];
    bool has_cmyk;
    double cmyk[4];
};

typedef short(WINAPI* get_color_cmyk_fn)(const extended_color*, WORD*, short);

static inline void page_label(const pub_pair& p, int page, char* label)
{
    label[0] = 0;
    // Built-in guides only: their labels sit in "spot" (the solid guides) and "process".
    const char* kind = p.system == 37 && p.flag <= 2 ? "spot" : p.system == 293 || (p.system == 37 && p.flag == 3) ? "process" : nullptr;
    HMODULE lib = GetModuleHandleA("huex.dll");
    HRSRC res = kind && lib ? FindResourceA(lib, kind, "PAGE") : nullptr;
    if (res == nullptr) return;
    const char* table = static_cast<const char*>(LockResource(LoadResource(lib, res)));
    const DWORD size = SizeofResource(lib, res);
    if (table == nullptr || static_cast<DWORD>(page) > size / 8 || static_cast<DWORD>(page) == size / 8) return;
    std::memcpy(label, table + page * 8, 8);
    label[8] = 0;
}

// The look-ups hand out 16-bit scalings of the stored units, truncated; each
// scaling spreads the stored steps wider apart than one code, so rounding the
// code up undoes it exactly. XYZ: hundredths up to 100.00 (the look-up clamps
// above); recipes: tenths of a percent.
static inline uint16_t stored_units(WORD code, uint32_t full_scale)
{
    return static_cast<uint16_t>((code * full_scale + 65534u) / 65535u);
}

// False when the publication's pair cannot name this index.
static inline bool read_color_row(const pub_pair& p, int index, color_row* row)
{
    extended_color r = {0, 0, 0, 0};
    if (HUEX_EncodeColor(p.system, p.flag, static_cast<short>(index), &r) != HUEX_OK) return false;
    row->index = index;
    row->page = index / p.per_page + 1;
    page_label(p, index / p.per_page, row->label);
    if (HUEX_GetShortColorName(&r, row->name) <= 0) row->name[0] = 0;
    if (HUEX_GetColorName(&r, row->full_name) <= 0) row->full_name[0] = 0;
    row->name_text = utf8_of_name(row->name);
    row->full_name_text = utf8_of_name(row->full_name);
    WORD v[4];
    for (int d50 = 0; d50 < 2; ++d50) {
        double* out = d50 ? row->d50 : row->d65;
        if (HUEX_GetColorXYZ(&r, v, d50 ? 1 : 0) == HUEX_OK)
            for (int c = 0; c < 3; ++c) out[c] = v[c] * 100.0 / 65535.0;
        else
            out[0] = out[1] = out[2] = -1;
    }
    if (HUEX_GetColorRGB(&r, v, 1) == HUEX_OK)
        for (int c = 0; c < 3; ++c) row->rgb[c] = v[c] >> 8;
    else
        row->rgb[0] = row->rgb[1] = row->rgb[2] = -1;
    static get_color_cmyk_fn get_cmyk = reinterpret_cast<get_color_cmyk_fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("huex.dll"), "HUEX_GetColorCMYK")));
    row->has_cmyk = get_cmyk != nullptr && get_cmyk(&r, v, 1) == HUEX_OK;
    for (int c = 0; c < 4; ++c) row->cmyk[c] = row->has_cmyk ? v[c] * 100.0 / 65535.0 : -1;
    return true;
}
