#include "profile_set.h"

#include <lcms2.h>

#include <cmath>
#include <cstring>

#include "press_cmyk_tables.h"

namespace {

// Colorants of a wide-gamut display, of an sRGB-like one and of an old
// long-persistence tube, adapted to D50 as profiles store them; whites as
// stored (not all D50, so the model's white is seen to follow the tag).
const std::vector<display_profile_spec> display_specs = {
    {"huex_display_gamma.icc", "HUEX Test Display Gamma 2.2",
     {0.6097, 0.3111, 0.0195}, {0.2053, 0.6257, 0.0609}, {0.1492, 0.0632, 0.7446},
     {0.9642, 1.0, 0.8249}, display_curve::gamma, 2.2},
    {"huex_display_table.icm", "HUEX Test Display Table 1.8",
     {0.4361, 0.2225, 0.0139}, {0.3851, 0.7169, 0.0971}, {0.1431, 0.0606, 0.7141},
     {0.9505, 1.0, 1.0891}, display_curve::table, 1.8},
    {"huex_display_identity.icc", "HUEX Test Display Linear",
     {0.4552, 0.2420, 0.0150}, {0.3520, 0.6730, 0.0900}, {0.1570, 0.0850, 0.7200},
     {0.9642, 1.0, 0.8249}, display_curve::identity, 1.0},
    {"huex_display_two_entry.icc", "HUEX Test Display Two-Entry Curve",
     {0.5000, 0.2600, 0.0200}, {0.3100, 0.6500, 0.0800}, {0.1500, 0.0900, 0.7000},
     {0.9642, 1.0, 0.8249}, display_curve::two_entries, 1.8},
    {"huex_display_desc_only.icc", "HUEX Test Description Only",
     {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, display_curve::none, 0},
};

// Fixed creation date, so that the files only change when their contents do.
void fix_header_date(std::vector<uint8_t>* bytes)
{
    static const uint8_t date[12] = {0x07, 0xEA, 0, 1, 0, 1, 0, 12, 0, 0, 0, 0};  // 2026-01-01 12:00
    if (bytes->size() >= 128) {
        std::memcpy(bytes->data() + 24, date, sizeof date);
        std::memset(bytes->data() + 84, 0, 16);  // profile ID: none in version 2
    }
}

bool save(cmsHPROFILE profile, const char* file_name, std::vector<generated_profile>* out)
{
    cmsUInt32Number size = 0;
    if (!cmsSaveProfileToMem(profile, nullptr, &size)) return false;
    generated_profile p{file_name, std::vector<uint8_t>(size)};
    if (!cmsSaveProfileToMem(profile, p.bytes.data(), &size)) return false;
    p.bytes.resize(size);
    fix_header_date(&p.bytes);
    out->push_back(std::move(p));
    return true;
}

bool write_text(cmsHPROFILE profile, cmsTagSignature tag, const char* text)
{
    cmsMLU* mlu = cmsMLUalloc(nullptr, 1);
    bool ok = mlu && cmsMLUsetASCII(mlu, "en", "US", text) && cmsWriteTag(profile, tag, mlu);
    if (mlu) cmsMLUfree(mlu);
    return ok;
}

cmsHPROFILE new_profile(cmsProfileClassSignature device_class, cmsColorSpaceSignature space,
                        cmsColorSpaceSignature pcs, const char* description, bool copyright = true)
{
    cmsHPROFILE profile = cmsCreateProfilePlaceholder(nullptr);
    if (profile == nullptr) return nullptr;
    cmsSetProfileVersion(profile, 2.1);
    cmsSetDeviceClass(profile, device_class);
    cmsSetColorSpace(profile, space);
    cmsSetPCS(profile, pcs);
    cmsSetHeaderRenderingIntent(profile, INTENT_PERCEPTUAL);
    if (!write_text(profile, cmsSigProfileDescriptionTag, description) ||
        (copyright && !write_text(profile, cmsSigCopyrightTag, "No copyright, use freely"))) {
        cmsCloseProfile(profile);
        return nullptr;
    }
    return profile;
}

bool write_xyz(cmsHPROFILE profile, cmsTagSignature tag, const double v[3])
{
    cmsCIEXYZ xyz = {v[0], v[1], v[2]};
    return cmsWriteTag(profile, tag, &xyz);
}

// One curve for all three channels.
bool write_curves(cmsHPROFILE profile, display_curve kind, double exponent)
{
    static const cmsTagSignature trc[3] = {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag};
    if (kind == display_curve::identity) {
        // Little CMS writes an identity as a gamma of 1.0; the format's own
        // identity is a curve without entries.
        static const uint8_t empty_curve[12] = {'c', 'u', 'r', 'v', 0, 0, 0, 0, 0, 0, 0, 0};
        for (cmsTagSignature t : trc)
            if (!cmsWriteRawTag(profile, t, empty_curve, sizeof empty_curve)) return false;
        return true;
    }
    cmsToneCurve* curve = nullptr;
    if (kind == display_curve::gamma) {
        curve = cmsBuildGamma(nullptr, exponent);
    } else if (kind == display_curve::two_entries) {
        const cmsUInt16Number ends[2] = {0, 65535};
        curve = cmsBuildTabulatedToneCurve16(nullptr, 2, ends);
    } else {
        cmsUInt16Number table[256];
        for (int i = 0; i < 256; ++i)
            table[i] = cmsUInt16Number(std::lround(65535.0 * std::pow(i / 255.0, exponent)));
        curve = cmsBuildTabulatedToneCurve16(nullptr, 256, table);
    }
    bool ok = curve != nullptr;
    for (cmsTagSignature t : trc) ok = ok && cmsWriteTag(profile, t, curve);
    if (curve) cmsFreeToneCurve(curve);
    return ok;
}

bool make_matrix_profile(const display_profile_spec& s, cmsProfileClassSignature device_class,
                         std::vector<generated_profile>* out)
{
    cmsHPROFILE p = new_profile(device_class, cmsSigRgbData, cmsSigXYZData, s.description,
                                s.curve != display_curve::none);
    if (p == nullptr) return false;
    bool ok = true;
    if (s.curve != display_curve::none) {
        ok = write_xyz(p, cmsSigMediaWhitePointTag, s.white) &&
             write_xyz(p, cmsSigRedColorantTag, s.red) &&
             write_xyz(p, cmsSigGreenColorantTag, s.green) &&
             write_xyz(p, cmsSigBlueColorantTag, s.blue) && write_curves(p, s.curve, s.exponent);
    }
    ok = ok && save(p, s.file_name, out);
    cmsCloseProfile(p);
    return ok;
}

bool make_press_profile(std::vector<generated_profile>* out)
{
    cmsHPROFILE p = new_profile(cmsSigOutputClass, cmsSigCmykData, cmsSigLabData,
                                "HUEX Test Press CMYK");
    if (p == nullptr) return false;
    const cmsCIEXYZ paper = press_paper_white();
    cmsPipeline* forward = press_cmyk_to_lab_pipeline();
    cmsPipeline* inverse = press_lab_to_cmyk_pipeline();
    bool ok = forward && inverse && cmsWriteTag(p, cmsSigMediaWhitePointTag, &paper) &&
              cmsWriteTag(p, cmsSigAToB0Tag, forward) && cmsWriteTag(p, cmsSigBToA0Tag, inverse) &&
              save(p, "huex_press_cmyk.icc", out);
    if (forward) cmsPipelineFree(forward);
    if (inverse) cmsPipelineFree(inverse);
    cmsCloseProfile(p);
    return ok;
}

int same_values(const cmsUInt16Number in[], cmsUInt16Number out[], void*)
{
    out[0] = in[0];
    out[1] = in[1];
    out[2] = in[2];
    return TRUE;
}

// Colour-space profiles: identity tables between the data and the XYZ
// connection space. The Lab one is thus a colour-space profile whose
// connection space is XYZ but whose data is not, which matching cannot use.
bool make_space_profile(cmsColorSpaceSignature space, const char* description,
                        const char* file_name, std::vector<generated_profile>* out)
{
    cmsHPROFILE p = new_profile(cmsSigColorSpaceClass, space, cmsSigXYZData, description);
    if (p == nullptr) return false;
    // A two-point table that gives back what it is given: the smallest table
    // a version 2 lut16 tag can carry.
    cmsPipeline* lut = cmsPipelineAlloc(nullptr, 3, 3);
    cmsStage* table = cmsStageAllocCLut16bit(nullptr, 2, 3, 3, nullptr);
    bool ok = lut && table && cmsStageSampleCLut16bit(table, same_values, nullptr, 0) &&
              cmsPipelineInsertStage(lut, cmsAT_END, table);
    if (!ok && table) cmsStageFree(table);
    const double d50[3] = {0.9642, 1.0, 0.8249};
    ok = ok && write_xyz(p, cmsSigMediaWhitePointTag, d50) && cmsWriteTag(p, cmsSigAToB0Tag, lut) &&
         cmsWriteTag(p, cmsSigBToA0Tag, lut) && save(p, file_name, out);
    if (lut) cmsPipelineFree(lut);
    cmsCloseProfile(p);
    return ok;
}

}  // namespace

const std::vector<display_profile_spec>& display_profile_specs() { return display_specs; }

bool make_profile_set(std::vector<generated_profile>* profiles)
{
    profiles->clear();
    for (const display_profile_spec& s : display_specs)
        if (!make_matrix_profile(s, cmsSigDisplayClass, profiles)) return false;
    const display_profile_spec scanner = {
        "huex_scanner.icc", "HUEX Test Scanner",
        {0.4361, 0.2225, 0.0139}, {0.3851, 0.7169, 0.0971}, {0.1431, 0.0606, 0.7141},
        {0.9642, 1.0, 0.8249}, display_curve::gamma, 1.0};
    return make_matrix_profile(scanner, cmsSigInputClass, profiles) && make_press_profile(profiles) &&
           make_space_profile(cmsSigXYZData, "HUEX XYZ Data", "xyzprof.pf", profiles) &&
           make_space_profile(cmsSigLabData, "HUEX Lab Data", "huex_lab_space.icc", profiles);
}
