// The table the module's Windows tests compare against must be what Little
// CMS gives natively for the same files today: every row is recomputed.
#include <gtest/gtest.h>

#include <lcms2.h>

#include <string>

#include "../wine/lgicc/lgicc_reference_table.h"

namespace {

std::string native_path(const std::string& name)
{
    if (name.rfind("icc:", 0) == 0) return "/usr/share/color/icc/" + name.substr(4);
    return std::string(HUEX_SOURCE_DIR) + "/tests/wine/lgicc/" + name.substr(5);
}

cmsUInt32Number format_for(int channels, cmsHPROFILE profile)
{
    if (channels == 4) return TYPE_CMYK_16;
    return cmsGetColorSpace(profile) == cmsSigXYZData ? TYPE_XYZ_16 : TYPE_RGB_16;
}

TEST(LgiccReference, every_row_is_what_little_cms_gives)
{
    for (const lgicc_reference_row& row : lgicc_reference_rows) {
        SCOPED_TRACE(std::string(row.source) + " -> " + row.destination);
        cmsHPROFILE source = cmsOpenProfileFromFile(native_path(row.source).c_str(), "r");
        cmsHPROFILE destination = cmsOpenProfileFromFile(native_path(row.destination).c_str(), "r");
        ASSERT_NE(source, nullptr);
        ASSERT_NE(destination, nullptr);
        cmsHTRANSFORM transform =
            cmsCreateTransform(source, format_for(row.source_channels, source), destination,
                               format_for(row.destination_channels, destination), row.intent, cmsFLAGS_NOOPTIMIZE);
        ASSERT_NE(transform, nullptr);
        uint16_t out[4] = {0, 0, 0, 0};
        cmsDoTransform(transform, row.in, out, 1);
        for (int c = 0; c < row.destination_channels; ++c) EXPECT_EQ(out[c], row.out[c]) << "channel " << c;
        cmsDeleteTransform(transform);
        cmsCloseProfile(source);
        cmsCloseProfile(destination);
    }
}

}  // namespace
