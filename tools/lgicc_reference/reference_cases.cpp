#include "reference_cases.h"

#include <lcms2.h>

#include <cstdio>
#include <vector>

namespace {

struct pair_case {
    const char* source;
    const char* destination;
    int intent;
};

// Every pair of colour spaces the module converts, on shipped and generated
// profiles. Intent 3 to the press profile shows the intent reaching the
// engine: its paper white makes absolute results differ from the others.
const pair_case pairs[] = {
    {"icc:sRGB.icc", "icc:compatibleWithAdobeRGB1998.icc", 0},
    {"icc:colord/ProPhotoRGB.icc", "icc:sRGB.icc", 1},
    {"icc:sRGB.icc", "data:press_cmyk.icc", 0},
    {"icc:sRGB.icc", "data:press_cmyk.icc", 3},
    {"data:press_cmyk.icc", "icc:sRGB.icc", 0},
    {"data:press_cmyk.icc", "data:press_cmyk.icc", 0},
    {"icc:LCMSXYZI.ICM", "icc:sRGB.icc", 0},
    {"icc:LCMSXYZI.ICM", "data:press_cmyk.icc", 0},
    {"icc:sRGB.icc", "icc:LCMSXYZI.ICM", 0},
};

const unsigned short rgb_inputs[][4] = {
    {0, 0, 0, 0},          {65535, 65535, 65535, 0}, {32768, 32768, 32768, 0},
    {65535, 0, 0, 0},      {0, 65535, 0, 0},         {0, 0, 65535, 0},
    {52000, 30000, 12000, 0}, {9000, 40000, 50000, 0}, {20000, 20000, 45000, 0},
    {60000, 58000, 20000, 0},
};

const unsigned short cmyk_inputs[][4] = {
    {0, 0, 0, 0},          {0, 0, 0, 65535},         {65535, 0, 0, 0},
    {0, 65535, 0, 0},      {0, 0, 65535, 0},         {65535, 0, 32767, 0},
    {20000, 40000, 10000, 5000}, {45000, 30000, 30000, 20000}, {10000, 10000, 10000, 40000},
    {30000, 60000, 50000, 0},
};

// XYZ in the ICC encoding the library sends (0x8000 stands for 1.0): the D50
// white, greys, and colours inside the sRGB gamut.
const unsigned short xyz_inputs[][4] = {
    {31595, 32768, 27030, 0}, {6319, 6554, 5406, 0},  {15797, 16384, 13515, 0},
    {14287, 7291, 455, 0},    {11714, 15865, 3258, 0}, {4724, 2014, 23400, 0},
    {10000, 9000, 4000, 0},   {5000, 7000, 9000, 0},   {0, 0, 0, 0},
    {20000, 21000, 8000, 0},
};

struct opened {
    cmsHPROFILE profile;
    cmsColorSpaceSignature space;
};

std::string resolve(const std::string& name, const std::string& icc_dir, const std::string& data_dir)
{
    if (name.rfind("icc:", 0) == 0) return icc_dir + "/" + name.substr(4);
    return data_dir + "/" + name.substr(5);
}

cmsUInt32Number format_of(cmsColorSpaceSignature space)
{
    switch (space) {
    case cmsSigCmykData: return TYPE_CMYK_16;
    case cmsSigXYZData: return TYPE_XYZ_16;
    default: return TYPE_RGB_16;
    }
}

int channels_of(cmsColorSpaceSignature space) { return space == cmsSigCmykData ? 4 : 3; }

}  // namespace

bool write_reference_table(const std::string& icc_dir, const std::string& data_dir,
                           const std::string& out_path)
{
    FILE* out = std::fopen(out_path.c_str(), "w");
    if (!out) return false;
    std::fprintf(out,
                 "# Written by tools/lgicc_reference from Little CMS %d (16-bit formats,\n"
                 "# cmsFLAGS_NOOPTIMIZE); do not edit. \"icc:\" is /usr/share/color/icc, \"data:\" tests/wine/lgicc.\n"
                 "# source, destination, intent, source channels, destination channels, in 1-4, out 1-4\n",
                 LCMS_VERSION);
    bool ok = true;
    for (const pair_case& pair : pairs) {
        cmsHPROFILE source = cmsOpenProfileFromFile(resolve(pair.source, icc_dir, data_dir).c_str(), "r");
        cmsHPROFILE destination = cmsOpenProfileFromFile(resolve(pair.destination, icc_dir, data_dir).c_str(), "r");
        cmsHTRANSFORM transform = nullptr;
        if (source && destination)
            // Unoptimised: the colour system under Wine evaluates the profiles'
            // own tables, while the precalculated 16-bit grid that Little CMS
            // builds by default is off by up to 14 % of full scale for XYZ input.
            transform = cmsCreateTransform(source, format_of(cmsGetColorSpace(source)), destination,
                                           format_of(cmsGetColorSpace(destination)), pair.intent,
                                           cmsFLAGS_NOOPTIMIZE);
        if (!transform) {
            std::fprintf(stderr, "lgicc_reference: %s -> %s refused\n", pair.source, pair.destination);
            ok = false;
        } else {
            cmsColorSpaceSignature in_space = cmsGetColorSpace(source);
            const unsigned short(*inputs)[4] = in_space == cmsSigCmykData ? cmyk_inputs
                                               : in_space == cmsSigXYZData ? xyz_inputs : rgb_inputs;
            int in_n = channels_of(in_space);
            int out_n = channels_of(cmsGetColorSpace(destination));
            for (int i = 0; i < 10; ++i) {
                unsigned short result[4] = {0, 0, 0, 0};
                cmsDoTransform(transform, inputs[i], result, 1);
                std::fprintf(out, "%s, %s, %d, %d, %d, %u, %u, %u, %u, %u, %u, %u, %u\n",
                             pair.source, pair.destination, pair.intent, in_n, out_n, inputs[i][0],
                             inputs[i][1], inputs[i][2], in_n == 4 ? inputs[i][3] : 0u, result[0],
                             result[1], result[2], out_n == 4 ? result[3] : 0u);
            }
            cmsDeleteTransform(transform);
        }
        if (source) cmsCloseProfile(source);
        if (destination) cmsCloseProfile(destination);
    }
    return std::fclose(out) == 0 && ok;
}
