// The display model's chromaticities from real third-party display profiles
// (v2 and v4) against Little CMS's reading of the same colorant and
// white-point tags.
#include <gtest/gtest.h>
#include <lcms2.h>

#include <dirent.h>

#include <fstream>
#include <string>
#include <vector>

#include "profiles/monitor_profile_tags.h"

namespace {

std::vector<std::string> installed_profiles()
{
    std::vector<std::string> files;
    for (const std::string dir : {"/usr/share/color/icc/", "/usr/share/color/icc/colord/"}) {
        DIR* d = opendir(dir.c_str());
        if (d == nullptr) continue;
        while (dirent* e = readdir(d)) {
            const std::string name = e->d_name;
            const std::string ext = name.size() > 4 ? name.substr(name.size() - 4) : "";
            if (ext == ".icc" || ext == ".ICM" || ext == ".icm") files.push_back(dir + name);
        }
        closedir(d);
    }
    return files;
}

void expect_xy(const cmsCIEXYZ* xyz, double x, double y, const std::string& what)
{
    const double s = xyz->X + xyz->Y + xyz->Z;
    EXPECT_DOUBLE_EQ(x, xyz->X / s) << what;
    EXPECT_DOUBLE_EQ(y, xyz->Y / s) << what;
}

}  // namespace

TEST(ProfileLcmsCrossCheck, DisplayProfileChromaticities)
{
    int checked = 0, version4 = 0;
    for (const std::string& path : installed_profiles()) {
        cmsHPROFILE p = cmsOpenProfileFromFile(path.c_str(), "r");
        if (p == nullptr) continue;
        const bool wanted = cmsGetDeviceClass(p) == cmsSigDisplayClass &&
                            cmsIsTag(p, cmsSigRedColorantTag) && cmsIsTag(p, cmsSigGreenColorantTag) &&
                            cmsIsTag(p, cmsSigBlueColorantTag) && cmsIsTag(p, cmsSigMediaWhitePointTag) &&
                            cmsIsTag(p, cmsSigRedTRCTag);
        if (wanted) {
            std::ifstream in(path, std::ios::binary);
            const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                             std::istreambuf_iterator<char>());
            display_model m = default_display_model;
            char name[260] = "";
            apply_monitor_profile_tags(byte_span{bytes.data(), bytes.size()}, &m, name, sizeof name);
            expect_xy(static_cast<cmsCIEXYZ*>(cmsReadTag(p, cmsSigRedColorantTag)), m.xr, m.yr, path + " red");
            expect_xy(static_cast<cmsCIEXYZ*>(cmsReadTag(p, cmsSigGreenColorantTag)), m.xg, m.yg, path + " green");
            expect_xy(static_cast<cmsCIEXYZ*>(cmsReadTag(p, cmsSigBlueColorantTag)), m.xb, m.yb, path + " blue");
            expect_xy(static_cast<cmsCIEXYZ*>(cmsReadTag(p, cmsSigMediaWhitePointTag)), m.xw, m.yw, path + " white");
            // The description the user sees is the profile's, also from
            // version 4's multi-localised tag.
            char expected[260] = "";
            cmsGetProfileInfoASCII(p, cmsInfoDescription, "en", "US", expected, sizeof expected);
            EXPECT_STREQ(name, expected) << path;
            ++checked;
            version4 += cmsGetEncodedICCversion(p) >= 0x04000000;
        }
        cmsCloseProfile(p);
    }
    // Both packages ship several of each version.
    EXPECT_GE(checked, 10);
    EXPECT_GE(version4, 5);
}
