// The CMYK that Little CMS gives for guide colours matched the way the
// library's look-up does it: the colour's measurement as a 16-bit element
// (65535 for 100), halved into the ICC XYZ encoding, from an XYZ profile to a
// CMYK printer profile, perceptual intent. Shared by the tool that writes the
// table for the Windows tests and the native test that keeps it current.
#pragma once

#include <lcms2.h>

#include <cstdint>
#include <string>
#include <vector>

#include "colorlib/color_tables.h"
#include "colorlib/colorid.h"
#include "colorlib/extended_color.h"
#include "colorlib/publication_catalogue.h"
#include "matching/cmyk_values.h"

struct cmyk_reference_row {
    int16_t system;
    int16_t flag;
    int16_t index;
    int16_t d50;
    uint16_t element[3];  // before halving
    uint16_t cmyk[4];
};

// Colours across the solid guides and the process guide, both illuminants.
struct cmyk_reference_case {
    int16_t system, flag, index, d50;
};
static const cmyk_reference_case cmyk_reference_cases[] = {
    {37, 0, 0, 1},   {37, 0, 100, 0},  {37, 0, 500, 1},   {37, 0, 951, 0},
    {37, 1, 200, 1}, {37, 1, 777, 0},  {37, 2, 300, 1},   {37, 2, 42, 0},
    {293, 0, 0, 1},  {293, 0, 1500, 0}, {293, 0, 3005, 1}, {37, 3, 640, 0},
};

// The rows for the profiles at xyz_path and printer_path; false when Little
// CMS cannot build the transform or a colour has no measurement.
inline bool cmyk_reference(const std::string& xyz_path, const std::string& printer_path,
                           std::vector<cmyk_reference_row>* rows)
{
    cmsHPROFILE xyz = cmsOpenProfileFromFile(xyz_path.c_str(), "r");
    cmsHPROFILE printer = cmsOpenProfileFromFile(printer_path.c_str(), "r");
    cmsHTRANSFORM t = nullptr;
    // Unoptimised, as the colour system under Wine evaluates the profiles.
    if (xyz && printer)
        t = cmsCreateTransform(xyz, TYPE_XYZ_16, printer, TYPE_CMYK_16, INTENT_PERCEPTUAL, cmsFLAGS_NOOPTIMIZE);
    bool ok = t != nullptr;
    publication_catalogue catalogue;
    for (const cmyk_reference_case& c : cmyk_reference_cases) {
        if (!ok) break;
        extended_color record = {0, 0, 0, 0};
        std::optional<measured_xyz> m;
        ok = encode_color(catalogue, c.system, c.flag, c.index, &record) == status::ok &&
             (m = get_color_xyz(catalogue, record_to_colorid(catalogue, &record), c.d50 == 1));
        if (!ok) break;
        const double v[3] = {m->X, m->Y, m->Z};
        cmyk_reference_row row = {c.system, c.flag, c.index, c.d50, {}, {}};
        uint16_t in[3];
        for (int i = 0; i < 3; ++i) {
            row.element[i] = xyz_element_value(v[i]);
            in[i] = uint16_t(row.element[i] >> 1);
        }
        cmsDoTransform(t, in, row.cmyk, 1);
        rows->push_back(row);
    }
    if (t) cmsDeleteTransform(t);
    if (xyz) cmsCloseProfile(xyz);
    if (printer) cmsCloseProfile(printer);
    return ok;
}
