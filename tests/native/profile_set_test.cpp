// The committed test profiles are exactly what the generator makes, and they
// say what the tests rely on: classes, spaces, descriptions and curves.
#include <gtest/gtest.h>
#include <lcms2.h>

#include <fstream>
#include <string>
#include <vector>

#include "icc/icc_parse.h"
#include "profile_set.h"
#include "profiles/monitor_profile_tags.h"

namespace {

std::vector<uint8_t> committed(const std::string& name)
{
    std::ifstream in(std::string(HUEX_SOURCE_DIR) + "/tests/profiles/" + name, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

const std::vector<generated_profile>& generated()
{
    static std::vector<generated_profile> set;
    if (set.empty()) EXPECT_TRUE(make_profile_set(&set));
    return set;
}

}  // namespace

TEST(ProfileSet, CommittedFilesMatchTheGenerator)
{
    ASSERT_EQ(generated().size(), 9u);
    for (const generated_profile& p : generated())
        EXPECT_TRUE(committed(p.file_name) == p.bytes)
            << p.file_name << " differs: rebuild with the test_profiles target";
}

TEST(ProfileSet, ProfilesSayWhatTheTestsExpect)
{
    struct { const char* name; uint32_t device_class, space, pcs; } expected[] = {
        {"huex_press_cmyk.icc", icc_sig('p', 'r', 't', 'r'), icc_sig('C', 'M', 'Y', 'K'), icc_sig('L', 'a', 'b', ' ')},
        {"xyzprof.pf", icc_sig('s', 'p', 'a', 'c'), icc_sig('X', 'Y', 'Z', ' '), icc_sig('X', 'Y', 'Z', ' ')},
        {"huex_lab_space.icc", icc_sig('s', 'p', 'a', 'c'), icc_sig('L', 'a', 'b', ' '), icc_sig('L', 'a', 'b', ' ')},
        {"huex_scanner.icc", icc_sig('s', 'c', 'n', 'r'), icc_sig('R', 'G', 'B', ' '), icc_sig('X', 'Y', 'Z', ' ')},
        {"huex_display_gamma.icc", icc_sig('m', 'n', 't', 'r'), icc_sig('R', 'G', 'B', ' '), icc_sig('X', 'Y', 'Z', ' ')},
    };
    for (const auto& e : expected) {
        const std::vector<uint8_t> bytes = committed(e.name);
        icc_profile_header h;
        ASSERT_TRUE(icc_read_header(byte_span{bytes.data(), bytes.size()}, &h)) << e.name;
        EXPECT_EQ(h.version >> 24, 2u) << e.name;
        EXPECT_EQ(h.device_class, e.device_class) << e.name;
        EXPECT_EQ(h.color_space, e.space) << e.name;
        EXPECT_EQ(h.connection_space, e.pcs) << e.name;
    }

    // The display profiles carry the curves they are named for.
    const double gammas[] = {2.19921875, 1.8, 1.0, 1.8};
    for (size_t i = 0; i < 4; ++i) {
        const display_profile_spec& s = display_profile_specs()[i];
        const std::vector<uint8_t> bytes = committed(s.file_name);
        display_model m = default_display_model;
        char name[260] = "";
        apply_monitor_profile_tags(byte_span{bytes.data(), bytes.size()}, &m, name, sizeof name);
        EXPECT_STREQ(name, s.description);
        EXPECT_NEAR(m.rgamma, gammas[i], i == 1 ? 0.01 : 0.0) << s.file_name;
        EXPECT_NEAR(m.xr, s.red[0] / (s.red[0] + s.red[1] + s.red[2]), 1e-4) << s.file_name;
    }
}

TEST(ProfileSet, PressProfileRoundTripsThroughLittleCms)
{
    const std::vector<uint8_t> bytes = committed("huex_press_cmyk.icc");
    cmsHPROFILE press = cmsOpenProfileFromMem(bytes.data(), cmsUInt32Number(bytes.size()));
    ASSERT_NE(press, nullptr);
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    cmsHTRANSFORM to_lab = cmsCreateTransform(press, TYPE_CMYK_DBL, lab, TYPE_Lab_DBL, INTENT_PERCEPTUAL, 0);
    cmsHTRANSFORM to_cmyk = cmsCreateTransform(lab, TYPE_Lab_DBL, press, TYPE_CMYK_DBL, INTENT_PERCEPTUAL, 0);
    ASSERT_NE(to_lab, nullptr);
    ASSERT_NE(to_cmyk, nullptr);
    // Paper is light, solid black dark; a printable colour comes back close.
    double paper[4] = {0, 0, 0, 0}, black[4] = {0, 0, 0, 100};
    cmsCIELab l_paper, l_black;
    cmsDoTransform(to_lab, paper, &l_paper, 1);
    cmsDoTransform(to_lab, black, &l_black, 1);
    EXPECT_GT(l_paper.L, 90);
    EXPECT_LT(l_black.L, 25);
    double ink[4] = {40, 20, 10, 0}, back[4];
    cmsCIELab mid, again;
    cmsDoTransform(to_lab, ink, &mid, 1);
    cmsDoTransform(to_cmyk, &mid, back, 1);
    cmsDoTransform(to_lab, back, &again, 1);
    EXPECT_LT(cmsDeltaE(&mid, &again), 3.0);
    cmsDeleteTransform(to_lab);
    cmsDeleteTransform(to_cmyk);
    cmsCloseProfile(lab);
    cmsCloseProfile(press);
}
