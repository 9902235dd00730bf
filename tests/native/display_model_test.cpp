// The display model: screen RGB from XYZ (against reference colours, the
// exact power law at every level and Little CMS's matrix-shaper), and what a
// monitor profile's tags make of the model.
#include <gtest/gtest.h>
#include <lcms2.h>
#include <lcms2_plugin.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "icc_profile_builder.h"
#include "profiles/display_characterization.h"
#include "profiles/display_rgb.h"
#include "profiles/gamma_from_curve.h"
#include "profiles/monitor_profile_tags.h"

using namespace icc_test;

namespace {

std::vector<int32_t> convert(double X, double Y, double Z)
{
    std::vector<int32_t> c = {-1, -1, -1};
    EXPECT_EQ(xyz_to_display_rgb(X, Y, Z, &c[0], &c[1], &c[2]), 1);
    return c;
}

class DisplayRgb : public ::testing::Test {
protected:
    void SetUp() override { use(default_display_model); }
    void TearDown() override { use(default_display_model); }
    static void use(const display_model& m) { invalidate_display_matrix(), display_characterization = m; }
};

TEST_F(DisplayRgb, reference_colours_a_changed_model_and_degenerate_models)
{
    // Negative linear green clips to 0 in the fifth.
    const struct { double x, y, z; std::vector<int32_t> rgb; } cases[] = {
        {20, 20, 20, {130, 120, 116}}, {50, 50, 50, {198, 182, 175}}, {96.605, 100, 112.037, {255, 255, 255}},
        {99.98, 99.99, 99.99, {255, 250, 240}}, {41.24, 21.26, 1.93, {238, 0, 27}}, {0, 0, 0, {0, 0, 0}},
        {655.35, 655.35, 655.35, {255, 255, 255}}, {NAN, 1, 1, {0, 0, 0}}, {1e300, 1e300, 1e300, {255, 255, 255}},
    };
    for (const auto& c : cases) EXPECT_EQ(convert(c.x, c.y, c.z), c.rgb) << c.x << " " << c.y << " " << c.z;

    // The cached matrix stands until invalidated.
    display_model linear = default_display_model;
    linear.rgamma = linear.ggamma = linear.bgamma = 1.0;
    display_characterization = linear;
    EXPECT_EQ(convert(20, 20, 20)[1], 120);
    invalidate_display_matrix();
    EXPECT_NEAR(convert(20, 20, 20)[1], 255 * 0.2, 3);

    // Black without undefined arithmetic; then a good model after a bad one.
    const std::function<void(display_model&)> faults[] = {
        // Green on the line through red and blue.
        [](display_model& m) { m.xg = 0.389, m.yg = (0.346 - 0.070) / (0.628 - 0.150) * (0.389 - 0.150) + 0.070; },
        [](display_model& m) { m.yw = 0; }, [](display_model& m) { m.ggamma = 0; }, [](display_model& m) { m.bgamma = -2.2; },
        [](display_model& m) { m.xr = NAN; }, [](display_model& m) { m.Yw = 0; },
    };
    for (const auto& fault : faults) {
        display_model m = default_display_model;
        fault(m);
        use(m);
        EXPECT_EQ(convert(20, 20, 20), std::vector<int32_t>(3, 0));
        EXPECT_EQ(convert(96.605, 100, 112.037), std::vector<int32_t>(3, 0));
    }
    use(default_display_model);
    EXPECT_EQ(convert(20, 20, 20), (std::vector<int32_t>{130, 120, 116}));
}

TEST_F(DisplayRgb, levels_equal_the_power_law_at_and_between_every_level_start)
{
    // The level search must give exactly 255 * lin^(1/gamma) rounded, also a
    // few ulps either side of each level's start, for common and odd gammas.
    for (double gamma : {1.0, 1.8, 2.2, 2.4, 0.45, 6.5}) {
        display_model m = default_display_model;
        m.rgamma = m.ggamma = m.bgamma = gamma;
        use(m);
        build_display_matrix();
        const double wy = display_matrix.M[0][1];  // red's weight of Y alone
        ASSERT_NE(wy, 0.0);
        for (int k = 1; k < 256; ++k) {
            double lin = std::pow((k - 0.5) / 255.0, gamma);
            for (int step = 0; step < 8; ++step) lin = std::nextafter(lin, 0.0);
            for (int step = 0; step < 16; ++step, lin = std::nextafter(lin, 2.0)) {
                const double y = lin / wy, exact_lin = wy * y;
                if (!(exact_lin > 0.0)) continue;
                const double v = 255.0 * std::pow(exact_lin, 1.0 / gamma);
                ASSERT_EQ(convert(0, y, 0)[0], v < 255.0 ? static_cast<int32_t>(v + 0.5) : 255)
                    << "gamma " << gamma << " level " << k << " step " << step;
            }
        }
    }
}

// Little CMS builds a matrix-shaper from the same primaries and white and
// adapts its colorants to D50, recording that in "chad"; undoing it gives the
// display's own RGB -> XYZ matrix, whose inverse must be ours (for 0-100).
TEST_F(DisplayRgb, matrix_agrees_with_little_cms_matrix_shaper)
{
    const display_model models[] = {
        default_display_model,
        {0.640, 0.330, 0.300, 0.600, 0.150, 0.060, 0.3127, 0.3290, 1.0, 2.2, 2.2, 2.2},  // CCIR 709
        {0.670, 0.330, 0.210, 0.710, 0.140, 0.080, 0.345, 0.352, 1.0, 1.8, 2.0, 2.4},
    };
    for (const display_model& m : models) {
        use(m);
        build_display_matrix();
        const cmsCIExyY white = {m.xw, m.yw, m.Yw};
        const cmsCIExyYTRIPLE primaries = {{m.xr, m.yr, 1.0}, {m.xg, m.yg, 1.0}, {m.xb, m.yb, 1.0}};
        cmsToneCurve* curves[3] = {cmsBuildGamma(nullptr, m.rgamma), cmsBuildGamma(nullptr, m.ggamma), cmsBuildGamma(nullptr, m.bgamma)};
        cmsHPROFILE p = cmsCreateRGBProfile(&white, &primaries, curves);
        ASSERT_NE(p, nullptr);
        const cmsTagSignature tags[3] = {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag};
        cmsMAT3 colorants, unadapt, rgb_to_xyz, xyz_to_rgb;  // colorants: the adapted primaries as columns
        for (int c = 0; c < 3; ++c) {
            const auto* xyz = static_cast<cmsCIEXYZ*>(cmsReadTag(p, tags[c]));
            colorants.v[0].n[c] = xyz->X, colorants.v[1].n[c] = xyz->Y, colorants.v[2].n[c] = xyz->Z;
        }
        ASSERT_TRUE(_cmsMAT3inverse(static_cast<cmsMAT3*>(cmsReadTag(p, cmsSigChromaticAdaptationTag)), &unadapt));
        _cmsMAT3per(&rgb_to_xyz, &unadapt, &colorants);
        ASSERT_TRUE(_cmsMAT3inverse(&rgb_to_xyz, &xyz_to_rgb));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) EXPECT_NEAR(display_matrix.M[r][c] * 100.0, xyz_to_rgb.v[r].n[c], 1e-9) << r << "," << c;
        EXPECT_DOUBLE_EQ(display_matrix.eG, 1.0 / m.ggamma);
        cmsCloseProfile(p);
        for (cmsToneCurve* t : curves) cmsFreeToneCurve(t);
    }
}

byte_span span_of(const std::vector<uint8_t>& v) { return byte_span{v.data(), v.size()}; }
uint32_t s15(double v) { return uint32_t(int32_t(std::lround(v * 65536.0))); }

// Gamma of a profile whose one "rTRC" tag holds these entries; NAN without an estimate.
double curve_gamma(const std::vector<uint16_t>& entries, uint32_t cut_size = 0)
{
    std::vector<uint8_t> file = builder().add("rTRC", curve_tag(entries)).build();
    if (cut_size) set32(file, entry_at(0) + 8, cut_size);
    icc_tag_entry tag;
    EXPECT_TRUE(icc_find_tag(span_of(file), icc_sig('r', 'T', 'R', 'C'), &tag, nullptr));
    double gamma = NAN;
    gamma_from_curve(span_of(file), tag, &gamma);
    return gamma;
}

TEST(GammaFromCurve, entry_counts_select_the_rule_and_unusable_samples_are_left_out)
{
    // Zeros and full-scale entries are skipped; with none left there is no
    // estimate (NAN) and the caller keeps its value.
    const struct { std::vector<uint16_t> entries; double gamma; } cases[] = {
        {{}, 1.0}, {{0x01CD}, 1.80078125}, {{0x0233}, 2.19921875}, {{0, 0}, 1.8}, {{65535, 12345}, 1.8},
        {{0, 16384, 65535}, std::log(16384.0 / 65535.0) / std::log(0.5)},
        {{0, 0, 32768, 65535, 65535}, std::log(32768.0 / 65535.0) / std::log(0.5)},
        {{0, 0, 65535, 65535}, NAN}, {{100, 0, 200}, NAN},
    };
    for (const auto& c : cases) {
        const double gamma = curve_gamma(c.entries);
        EXPECT_TRUE(std::isnan(c.gamma) ? std::isnan(gamma) : std::fabs(gamma - c.gamma) < 1e-12) << c.entries.size() << ": " << gamma;
    }
    std::vector<uint16_t> table(256);
    for (size_t i = 0; i < table.size(); ++i) table[i] = uint16_t(std::lround(65535.0 * std::pow(i / 255.0, 2.2)));
    EXPECT_NEAR(curve_gamma(table), 2.2, 0.01);  // rounding to 16 bits disturbs the darkest samples most
    // A count promising more entries than the tag holds reads as no entries: the identity.
    EXPECT_EQ(curve_gamma({0, 100, 200, 65535}, 8 + 4 + 2 * 2), 1.0);
}

TEST(MonitorProfileTags, every_tag_replaces_its_fields_only_and_the_later_one_wins)
{
    double x = 7, y = 7;
    EXPECT_FALSE(chromaticity_of(icc_xyz_raw{0, 0, 0}, &x, &y));
    EXPECT_FALSE(chromaticity_of(icc_xyz_raw{s15(1), s15(-0.5), s15(-0.5)}, &x, &y));
    EXPECT_EQ((std::vector<double>{x, y}), (std::vector<double>{7, 7}));

    // Chromaticities from real profiles are the Little CMS cross-check's.
    const std::vector<uint8_t> file = builder().add("desc", desc_tag("first")).add("rTRC", curve_tag({0x0100}))
        .add("wtpt", xyz_tag(s15(0.9642), s15(1.0), s15(0.8249))).add("desc", desc_tag("Test display"))
        .add("rTRC", curve_tag({0x0233})).add("gTRC", curve_tag({})).build();
    display_model m = default_display_model;
    m.Yw = 0.5;
    char name[260] = "before";
    apply_monitor_profile_tags(span_of(file), &m, name, sizeof name);
    EXPECT_STREQ(name, "Test display");
    EXPECT_EQ(m.xr, default_display_model.xr) << "no rXYZ";
    EXPECT_NEAR(m.xw, 0.3457, 1e-4);
    EXPECT_EQ((std::vector<double>{m.Yw, m.rgamma, m.ggamma, m.bgamma}),
              (std::vector<double>{1.0, 2.19921875, 1.0, default_display_model.bgamma}));  // no "bTRC"
}

TEST(MonitorProfileTags, degenerate_missing_and_parametric_tags_and_a_huge_count)
{
    const auto para = [](uint16_t function, std::vector<double> params) {
        std::vector<uint8_t> c;
        put16(c, function);
        put16(c, 0);
        for (double p : params) put32(c, s15(p));
        return tag_data("para", c);
    };
    std::vector<uint8_t> file = builder()
        .add("rXYZ", xyz_tag(0, 0, 0)).add("wtpt", xyz_tag(0, 0, 0)).add("bTRC", curve_tag({0, 65535, 0}))
        .add("gXYZ", tag_data("XYZ ", {1, 2}))  // too short for a number
        .build();
    display_model m = default_display_model;
    m.Yw = 0.25;
    char name[8] = "kept";
    apply_monitor_profile_tags(span_of(file), &m, name, sizeof name);
    EXPECT_EQ(std::memcmp(&m.xr, &default_display_model.xr, 8 * sizeof(double)), 0);
    EXPECT_EQ((std::vector<double>{m.Yw, m.bgamma}), (std::vector<double>{0.25, default_display_model.bgamma}));
    EXPECT_STREQ(name, "kept");

    file = builder().add("rTRC", para(3, {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045})).add("gTRC", para(0, {1.8}))
        .add("bTRC", para(7, {2.0}))  // no such function: kept
        .build();
    set32(file, 128, 0xFFFFFFFFu);  // a tag count far beyond the file ends at the file
    apply_monitor_profile_tags(span_of(file), &m, name, sizeof name);
    EXPECT_EQ((std::vector<double>{m.rgamma, m.ggamma, m.bgamma}),
              (std::vector<double>{int32_t(s15(2.4)) / 65536.0, int32_t(s15(1.8)) / 65536.0, default_display_model.bgamma}));
}

}  // namespace
