#include "press_cmyk_profile.h"

#include <lcms2.h>

#include <algorithm>
#include <cstring>

namespace {

struct conversions {
    cmsHTRANSFORM rgb_to_lab;  // sRGB (double) to Lab D50 (double)
    cmsHTRANSFORM lab_to_rgb;
};

double unit(cmsUInt16Number v) { return v / 65535.0; }
cmsUInt16Number word(double v) { return static_cast<cmsUInt16Number>(std::clamp(v, 0.0, 1.0) * 65535.0 + 0.5); }

int sample_cmyk_to_lab(const cmsUInt16Number in[], cmsUInt16Number out[], void* cargo)
{
    auto* c = static_cast<conversions*>(cargo);
    double k = unit(in[3]);
    double rgb[3] = {(1 - unit(in[0])) * (1 - k), (1 - unit(in[1])) * (1 - k), (1 - unit(in[2])) * (1 - k)};
    cmsCIELab lab;
    cmsDoTransform(c->rgb_to_lab, rgb, &lab, 1);
    // Version 2 tables carry Lab in the version 2 encoding.
    cmsFloat2LabEncodedV2(out, &lab);
    return TRUE;
}

int sample_lab_to_cmyk(const cmsUInt16Number in[], cmsUInt16Number out[], void* cargo)
{
    auto* c = static_cast<conversions*>(cargo);
    cmsCIELab lab;
    cmsLabEncoded2FloatV2(&lab, in);
    double rgb[3];
    cmsDoTransform(c->lab_to_rgb, &lab, rgb, 1);
    for (double& v : rgb) v = std::clamp(v, 0.0, 1.0);
    double k = 0.5 * (1.0 - std::max({rgb[0], rgb[1], rgb[2]}));
    for (int i = 0; i < 3; ++i) out[i] = word(1.0 - rgb[i] / (1.0 - k));
    out[3] = word(k);
    return TRUE;
}

bool write_table(cmsHPROFILE profile, cmsTagSignature tag, int grid, int inputs, int outputs,
                 cmsSAMPLER16 sampler, conversions* cargo)
{
    cmsPipeline* lut = cmsPipelineAlloc(nullptr, inputs, outputs);
    cmsStage* clut = cmsStageAllocCLut16bit(nullptr, grid, inputs, outputs, nullptr);
    bool ok = lut && clut && cmsStageSampleCLut16bit(clut, sampler, cargo, 0) &&
              cmsPipelineInsertStage(lut, cmsAT_END, clut);
    if (!ok && clut) cmsStageFree(clut);
    ok = ok && cmsWriteTag(profile, tag, lut);
    if (lut) cmsPipelineFree(lut);
    return ok;
}

}  // namespace

bool write_press_cmyk_profile(const std::string& path)
{
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    conversions c = {
        cmsCreateTransform(srgb, TYPE_RGB_DBL, lab, TYPE_Lab_DBL, INTENT_RELATIVE_COLORIMETRIC, 0),
        cmsCreateTransform(lab, TYPE_Lab_DBL, srgb, TYPE_RGB_DBL, INTENT_RELATIVE_COLORIMETRIC, 0)};

    // A paper darker and yellower than the illuminant: absolute colorimetric
    // results differ visibly from relative ones, so tests can tell intents apart.
    const cmsCIEXYZ paper_white = {0.90, 0.93, 0.72};
    cmsHPROFILE profile = cmsCreateProfilePlaceholder(nullptr);
    cmsSetProfileVersion(profile, 2.1);
    cmsSetDeviceClass(profile, cmsSigOutputClass);
    cmsSetColorSpace(profile, cmsSigCmykData);
    cmsSetPCS(profile, cmsSigLabData);
    cmsSetHeaderRenderingIntent(profile, INTENT_PERCEPTUAL);

    cmsMLU* text = cmsMLUalloc(nullptr, 1);
    cmsMLUsetASCII(text, "en", "US", "HUEX test press CMYK");
    cmsMLU* copyright = cmsMLUalloc(nullptr, 1);
    cmsMLUsetASCII(copyright, "en", "US", "No copyright, use freely");
    bool ok = c.rgb_to_lab && c.lab_to_rgb &&
              cmsWriteTag(profile, cmsSigProfileDescriptionTag, text) &&
              cmsWriteTag(profile, cmsSigCopyrightTag, copyright) &&
              cmsWriteTag(profile, cmsSigMediaWhitePointTag, &paper_white) &&
              write_table(profile, cmsSigAToB0Tag, 9, 4, 3, sample_cmyk_to_lab, &c) &&
              write_table(profile, cmsSigBToA0Tag, 17, 3, 4, sample_lab_to_cmyk, &c);
    ok = ok && cmsSaveProfileToFile(profile, path.c_str());

    cmsMLUfree(text);
    cmsMLUfree(copyright);
    cmsCloseProfile(profile);
    if (c.rgb_to_lab) cmsDeleteTransform(c.rgb_to_lab);
    if (c.lab_to_rgb) cmsDeleteTransform(c.lab_to_rgb);
    cmsCloseProfile(srgb);
    cmsCloseProfile(lab);
    return ok;
}
