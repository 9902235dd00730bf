// What a monitor profile's tags make of the display model: gamma estimates
// from tone curves, chromaticities from colorants, and which fields a profile
// that lacks or spoils a tag leaves alone.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "icc_profile_builder.h"
#include "profiles/gamma_from_curve.h"
#include "profiles/monitor_profile_tags.h"

using namespace icc_test;

namespace {

byte_span span_of(const std::vector<uint8_t>& v) { return byte_span{v.data(), v.size()}; }

// Gamma of a profile holding one "rTRC" tag with these entries; NAN when the
// estimate has no value.
double curve_gamma(const std::vector<uint16_t>& entries)
{
    const std::vector<uint8_t> file = builder().add("rTRC", curve_tag(entries)).build();
    icc_tag_entry tag;
    EXPECT_TRUE(icc_find_tag(span_of(file), icc_sig('r', 'T', 'R', 'C'), &tag, nullptr));
    double gamma = NAN;
    gamma_from_curve(span_of(file), tag, &gamma);
    return gamma;
}

uint32_t s15(double v) { return uint32_t(int32_t(std::lround(v * 65536.0))); }

}  // namespace

TEST(GammaFromCurve, EntryCountsSelectTheRuleAndUnusableSamplesAreLeftOut)
{
    // Only usable samples count: zeros and full-scale entries are skipped;
    // with none left there is no estimate (NAN) and the caller keeps its value.
    const double half = std::log(32768.0 / 65535.0) / std::log(0.5);
    const struct { std::vector<uint16_t> entries; double gamma; } cases[] = {
        {{}, 1.0}, {{0x01CD}, 1.80078125}, {{0x0233}, 2.19921875}, {{0, 0}, 1.8}, {{65535, 12345}, 1.8},
        {{0, 16384, 65535}, std::log(16384.0 / 65535.0) / std::log(0.5)}, {{0, 0, 32768, 65535, 65535}, half},
        {{0, 0, 65535, 65535}, NAN}, {{100, 0, 200}, NAN},
    };
    for (const auto& c : cases) {
        const double gamma = curve_gamma(c.entries);
        EXPECT_TRUE(std::isnan(c.gamma) ? std::isnan(gamma) : std::fabs(gamma - c.gamma) < 1e-12)
            << c.entries.size() << " entries: " << gamma;
    }
    EXPECT_NEAR(curve_gamma({0, 16384, 65535}), 1.99998, 1e-5);

    std::vector<uint16_t> table(256);
    for (size_t i = 0; i < table.size(); ++i)
        table[i] = uint16_t(std::lround(65535.0 * std::pow(i / 255.0, 2.2)));
    // Rounding to 16 bits disturbs the darkest samples most.
    EXPECT_NEAR(curve_gamma(table), 2.2, 0.01);
}

TEST(GammaFromCurve, TruncatedTableReadsAsIdentity)
{
    // The count promises more entries than the tag holds: the reader reports
    // no entries, which is the identity curve.
    std::vector<uint8_t> file = builder().add("rTRC", curve_tag({0, 100, 200, 65535})).build();
    set32(file, entry_at(0) + 8, 8 + 4 + 2 * 2);
    icc_tag_entry tag;
    ASSERT_TRUE(icc_find_tag(span_of(file), icc_sig('r', 'T', 'R', 'C'), &tag, nullptr));
    double gamma = 0;
    EXPECT_TRUE(gamma_from_curve(span_of(file), tag, &gamma));
    EXPECT_EQ(gamma, 1.0);
}

TEST(Chromaticity, OfAnXyzNumber)
{
    double x = 0, y = 0;
    const icc_xyz_raw red = {s15(0.4361), s15(0.2225), s15(0.0139)};
    ASSERT_TRUE(chromaticity_of(red, &x, &y));
    double X = int32_t(red.x) / 65536.0, Y = int32_t(red.y) / 65536.0, Z = int32_t(red.z) / 65536.0;
    EXPECT_DOUBLE_EQ(x, X / (X + Y + Z));
    EXPECT_DOUBLE_EQ(y, Y / (X + Y + Z));
    EXPECT_NEAR(x, 0.4361 / 0.6725, 1e-4);

    x = y = 7;
    EXPECT_FALSE(chromaticity_of(icc_xyz_raw{0, 0, 0}, &x, &y));
    EXPECT_FALSE(chromaticity_of(icc_xyz_raw{s15(1), s15(-0.5), s15(-0.5)}, &x, &y));
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 7);
}

TEST(MonitorProfileTags, EveryTagReplacesItsFieldsOnly)
{
    const std::vector<uint8_t> file = builder()
        .add("desc", desc_tag("Test display"))
        .add("rXYZ", xyz_tag(s15(0.4361), s15(0.2225), s15(0.0139)))
        .add("gXYZ", xyz_tag(s15(0.3851), s15(0.7169), s15(0.0971)))
        .add("bXYZ", xyz_tag(s15(0.1431), s15(0.0606), s15(0.7141)))
        .add("wtpt", xyz_tag(s15(0.9642), s15(1.0), s15(0.8249)))
        .add("rTRC", curve_tag({0x0233}))
        .add("gTRC", curve_tag({}))
        .build();
    display_model m = default_display_model;
    m.Yw = 0.5;
    char name[260] = "before";
    apply_monitor_profile_tags(span_of(file), &m, name, sizeof name);
    EXPECT_STREQ(name, "Test display");
    EXPECT_NEAR(m.xr, 0.6485, 1e-4);
    EXPECT_NEAR(m.yg, 0.5979, 1e-4);
    EXPECT_NEAR(m.xb, 0.1559, 1e-4);
    EXPECT_NEAR(m.xw, 0.3457, 1e-4);
    EXPECT_NEAR(m.yw, 0.3585, 1e-4);
    EXPECT_EQ(m.Yw, 1.0);
    EXPECT_EQ(m.rgamma, 2.19921875);
    EXPECT_EQ(m.ggamma, 1.0);
    EXPECT_EQ(m.bgamma, default_display_model.bgamma);  // no "bTRC"
}

TEST(MonitorProfileTags, DegenerateAndMissingTagsKeepThePreviousValues)
{
    const std::vector<uint8_t> file = builder()
        .add("rXYZ", xyz_tag(0, 0, 0))
        .add("wtpt", xyz_tag(0, 0, 0))
        .add("bTRC", curve_tag({0, 65535, 0}))
        .add("gXYZ", tag_data("XYZ ", {1, 2}))  // too short for a number
        .build();
    display_model m = default_display_model;
    m.Yw = 0.25;
    char name[260] = "kept";
    apply_monitor_profile_tags(span_of(file), &m, name, sizeof name);
    EXPECT_EQ(std::memcmp(&m.xr, &default_display_model.xr, 8 * sizeof(double)), 0);
    EXPECT_EQ(m.Yw, 0.25);
    EXPECT_EQ(m.bgamma, default_display_model.bgamma);
    EXPECT_STREQ(name, "kept");
}

TEST(MonitorProfileTags, LaterTagOfTheSameSignatureWins)
{
    const std::vector<uint8_t> file = builder()
        .add("desc", desc_tag("first"))
        .add("rTRC", curve_tag({0x0100}))
        .add("desc", desc_tag("second"))
        .add("rTRC", curve_tag({0x0200}))
        .build();
    display_model m = default_display_model;
    char name[260] = "";
    apply_monitor_profile_tags(span_of(file), &m, name, sizeof name);
    EXPECT_STREQ(name, "second");
    EXPECT_EQ(m.rgamma, 2.0);
}

TEST(MonitorProfileTags, HugeStoredCountOnAShortFileEndsAtTheFile)
{
    std::vector<uint8_t> file = builder().add("rTRC", curve_tag({0x0300})).build();
    set32(file, 128, 0xFFFFFFFFu);
    display_model m = default_display_model;
    char name[8] = "";
    apply_monitor_profile_tags(span_of(file), &m, name, sizeof name);
    EXPECT_EQ(m.rgamma, 3.0);
}

TEST(MonitorProfileTags, ParametricCurveGivesItsExponent)
{
    const auto para = [](uint16_t function, std::vector<double> params) {
        std::vector<uint8_t> c;
        put16(c, function);
        put16(c, 0);
        for (double p : params) put32(c, s15(p));
        return tag_data("para", c);
    };
    const std::vector<uint8_t> file = builder()
        .add("rTRC", para(3, {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045}))
        .add("gTRC", para(0, {1.8}))
        .add("bTRC", para(7, {2.0}))   // no such function: kept
        .build();
    display_model m = default_display_model;
    char name[4] = "";
    apply_monitor_profile_tags(span_of(file), &m, name, sizeof name);
    EXPECT_EQ(m.rgamma, int32_t(s15(2.4)) / 65536.0);
    EXPECT_EQ(m.ggamma, int32_t(s15(1.8)) / 65536.0);
    EXPECT_EQ(m.bgamma, default_display_model.bgamma);
}
