// The display model, monitor profile tags, profile descriptions, the stored profile choice and the test profiles.
#include <gtest/gtest.h>
#include <lcms2.h>
#include <lcms2_plugin.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "display/display_characterization.h"
#include "display/display_rgb.h"
#include "display/display_state.h"
#include "icc_profile_builder.h"
#include "profile_set.h"
#include "profiles/gamma_from_curve.h"
#include "profiles/monitor_profile_tags.h"
#include "profiles/profile_description.h"
#include "profiles/stored_profile_choice.h"
#include "test_files.h"

using namespace icc_test;

namespace {

class DisplayRgb : public ::testing::Test {
protected:
    void use(const display_model& m) { invalidate_display_matrix(display), display.display_characterization = m; }
    std::vector<int32_t> convert(double X, double Y, double Z) {
        const rgb8 c = xyz_to_display_rgb(display, X, Y, Z);
        return {c.r, c.g, c.b};
    }
    display_state display;
};

TEST_F(DisplayRgb, reference_colours_a_changed_model_and_degenerate_models) {
    const struct { double x, y, z; std::vector<int32_t> rgb; } cases[] = {
        {20, 20, 20, {130, 120, 116}}, {96.605, 100, 112.037, {255, 255, 255}}, {99.98, 99.99, 99.99, {255, 250, 240}},
        {41.24, 21.26, 1.93, {238, 0, 27}}, {NAN, 1, 1, {0, 0, 0}}, {1e300, 1e300, 1e300, {255, 255, 255}}};
    for (const auto& c : cases) EXPECT_EQ(convert(c.x, c.y, c.z), c.rgb) << c.x << " " << c.y << " " << c.z;

    // The cached matrix stands until invalidated.
    display.display_characterization.ggamma = 1.0;
    EXPECT_EQ(convert(20, 20, 20)[1], 120);
    invalidate_display_matrix(display);
    EXPECT_NEAR(convert(20, 20, 20)[1], 255 * 0.2, 3);
    // Black without undefined arithmetic (the first: green on the line through red and blue).
    const std::function<void(display_model&)> faults[] = {
        [](display_model& m) { m.xg = 0.389, m.yg = (0.346 - 0.070) / (0.628 - 0.150) * (0.389 - 0.150) + 0.070; },
        [](display_model& m) { m.yw = 0; }, [](display_model& m) { m.ggamma = 0; }, [](display_model& m) { m.bgamma = -2.2; },
        [](display_model& m) { m.xr = NAN; }, [](display_model& m) { m.Yw = 0; },
    };
    for (const auto& fault : faults) {
        display_model m = default_display_model;
        fault(m);
        use(m);
        EXPECT_EQ(convert(96.605, 100, 112.037), std::vector<int32_t>(3, 0));
    }
    use(default_display_model);
    EXPECT_EQ(convert(20, 20, 20), (std::vector<int32_t>{130, 120, 116}));
}

TEST_F(DisplayRgb, levels_equal_the_power_law_at_and_between_every_level_start) {
    // Exactly 255 * lin^(1/gamma) rounded, also a few ulps either side of each level's start.
    for (double gamma : {1.0, 1.8, 2.2, 2.4, 0.45, 6.5}) {
        display_model m = default_display_model;
        m.rgamma = m.ggamma = m.bgamma = gamma;
        use(m);
        build_display_matrix(display);
        const double wy = display.display_matrix.M[0][1];  // red's weight of Y alone
        ASSERT_NE(wy, 0.0);
        for (int k = 1; k < 256; ++k) {
            double lin = std::pow((k - 0.5) / 255.0, gamma);
            for (int step = 0; step < 8; ++step) lin = std::nextafter(lin, 0.0);
            for (int step = 0; step < 16; ++step, lin = std::nextafter(lin, 2.0)) {
                const double y = lin / wy, exact_lin = wy * y;
                if (!(exact_lin > 0.0)) continue;
                const double v = 255.0 * std::pow(exact_lin, 1.0 / gamma);
                ASSERT_EQ(convert(0, y, 0)[0], v < 255.0 ? static_cast<int32_t>(v + 0.5) : 255) << gamma << " " << k << " " << step;
            }
        }
    }
}

// Little CMS's matrix-shaper, its D50 adaptation ("chad") undone, is the inverse of our matrix (for 0-100).
TEST_F(DisplayRgb, matrix_agrees_with_little_cms_matrix_shaper) {
    const display_model models[] = {
        default_display_model, {0.640, 0.330, 0.300, 0.600, 0.150, 0.060, 0.3127, 0.3290, 1.0, 2.2, 2.2, 2.2},  // CCIR 709
        {0.670, 0.330, 0.210, 0.710, 0.140, 0.080, 0.345, 0.352, 1.0, 1.8, 2.0, 2.4},
    };
    for (const display_model& m : models) {
        use(m);
        build_display_matrix(display);
        const cmsCIExyY white = {m.xw, m.yw, m.Yw};
        const cmsCIExyYTRIPLE primaries = {{m.xr, m.yr, 1.0}, {m.xg, m.yg, 1.0}, {m.xb, m.yb, 1.0}};
        cmsToneCurve* curves[3] = {cmsBuildGamma(nullptr, m.rgamma), cmsBuildGamma(nullptr, m.ggamma), cmsBuildGamma(nullptr, m.bgamma)};
        cmsHPROFILE p = cmsCreateRGBProfile(&white, &primaries, curves);
        ASSERT_NE(p, nullptr);
        const cmsTagSignature tags[3] = {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag};
        cmsMAT3 colorants, unadapt, rgb_to_xyz, xyz_to_rgb;
        for (int c = 0; c < 3; ++c) {
            const auto* xyz = static_cast<cmsCIEXYZ*>(cmsReadTag(p, tags[c]));
            colorants.v[0].n[c] = xyz->X, colorants.v[1].n[c] = xyz->Y, colorants.v[2].n[c] = xyz->Z;
        }
        ASSERT_TRUE(_cmsMAT3inverse(static_cast<cmsMAT3*>(cmsReadTag(p, cmsSigChromaticAdaptationTag)), &unadapt));
        _cmsMAT3per(&rgb_to_xyz, &unadapt, &colorants);
        ASSERT_TRUE(_cmsMAT3inverse(&rgb_to_xyz, &xyz_to_rgb));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) EXPECT_NEAR(display.display_matrix.M[r][c] * 100.0, xyz_to_rgb.v[r].n[c], 1e-9) << r << "," << c;
        EXPECT_DOUBLE_EQ(display.display_matrix.eG, 1.0 / m.ggamma);
        cmsCloseProfile(p), cmsFreeToneCurve(curves[0]), cmsFreeToneCurve(curves[1]), cmsFreeToneCurve(curves[2]);
    }
}

byte_span span_of(const std::vector<uint8_t>& v) { return byte_span{v.data(), v.size()}; }
uint32_t s15(double v) { return uint32_t(int32_t(std::lround(v * 65536.0))); }

double curve_gamma(const std::vector<uint16_t>& entries, uint32_t cut_size = 0) {
    std::vector<uint8_t> file = builder().add("rTRC", curve_tag(entries)).build();
    if (cut_size) set32(file, entry_at(0) + 8, cut_size);
    icc_tag_entry tag;
    EXPECT_TRUE(icc_find_tag(span_of(file), icc_sig('r', 'T', 'R', 'C'), &tag, nullptr));
    double gamma = NAN;
    gamma_from_curve(span_of(file), tag, &gamma);
    return gamma;
}

TEST(GammaFromCurve, entry_counts_select_the_rule_and_unusable_samples_are_left_out) {
    // Zeros and full-scale entries are skipped; none left: no estimate (NAN).
    const struct { std::vector<uint16_t> entries; double gamma; } cases[] = {
        {{}, 1.0}, {{0x01CD}, 1.80078125}, {{0, 0}, 1.8}, {{65535, 12345}, 1.8}, {{0, 0, 65535, 65535}, NAN}, {{100, 0, 200}, NAN},
        {{0, 0, 32768, 65535, 65535}, std::log(32768.0 / 65535.0) / std::log(0.5)}};
    for (const auto& c : cases) {
        const double gamma = curve_gamma(c.entries);
        EXPECT_TRUE(std::isnan(c.gamma) ? std::isnan(gamma) : std::fabs(gamma - c.gamma) < 1e-12) << c.entries.size() << ": " << gamma;
    }
    std::vector<uint16_t> table(256);
    for (size_t i = 0; i < table.size(); ++i) table[i] = uint16_t(std::lround(65535.0 * std::pow(i / 255.0, 2.2)));
    EXPECT_NEAR(curve_gamma(table), 2.2, 0.01);
    // A count promising more entries than the tag holds reads as the identity.
    EXPECT_EQ(curve_gamma({0, 100, 200, 65535}, 8 + 4 + 2 * 2), 1.0);
}

// Each tag replaces its fields only, the later one wins; degenerate, short and unknown tags change nothing.
TEST(MonitorProfileTags, replace_their_fields_only) {
    const std::vector<uint8_t> file = builder().add("desc", desc_tag("first")).add("rTRC", curve_tag({0x0100}))
        .add("wtpt", xyz_tag(s15(0.9642), s15(1.0), s15(0.8249))).add("desc", desc_tag("Test display"))
        .add("rTRC", curve_tag({0x0233})).add("gTRC", curve_tag({})).build();
    display_model m = default_display_model;
    char name[260] = "before";
    m.Yw = 0.5;
    apply_monitor_profile_tags(span_of(file), &m, name, sizeof name);
    EXPECT_STREQ(name, "Test display");
    EXPECT_NEAR(m.xw, 0.3457, 1e-4);
    EXPECT_EQ((std::vector<double>{m.xr, m.Yw, m.rgamma, m.ggamma, m.bgamma}),
              (std::vector<double>{default_display_model.xr, 1.0, 2.19921875, 1.0, default_display_model.bgamma}));

    const auto para = [](uint16_t function, std::vector<double> params) {
        std::vector<uint8_t> c = {uint8_t(function >> 8), uint8_t(function), 0, 0};
        for (double p : params) put32(c, s15(p));
        return tag_data("para", c);
    };
    std::vector<uint8_t> bad = builder().add("rXYZ", xyz_tag(0, 0, 0)).add("wtpt", xyz_tag(0, 0, 0))
        .add("bTRC", curve_tag({0, 65535, 0})).add("gXYZ", tag_data("XYZ ", {1, 2})).build();
    m = default_display_model, m.Yw = 0.25;
    apply_monitor_profile_tags(span_of(bad), &m, name, 8);
    EXPECT_EQ(std::memcmp(&m.xr, &default_display_model.xr, 8 * sizeof(double)), 0);
    EXPECT_EQ((std::vector<double>{m.Yw, m.bgamma}), (std::vector<double>{0.25, default_display_model.bgamma}));
    EXPECT_STREQ(name, "Test display");

    bad = builder().add("rTRC", para(3, {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045})).add("gTRC", para(0, {1.8}))
        .add("bTRC", para(7, {2.0}))  // no such function: kept
        .build();
    set32(bad, 128, 0xFFFFFFFFu);  // a tag count far beyond the file ends at the file
    apply_monitor_profile_tags(span_of(bad), &m, name, sizeof name);
    EXPECT_EQ((std::vector<double>{m.rgamma, m.ggamma, m.bgamma}),
              (std::vector<double>{int32_t(s15(2.4)) / 65536.0, int32_t(s15(1.8)) / 65536.0, default_display_model.bgamma}));
}

struct mluc_record { const char *language, *country; std::u16string text; };

std::vector<uint8_t> mluc_tag(const std::vector<mluc_record>& records) {
    std::vector<uint8_t> c;
    for (uint32_t w : {uint32_t(records.size()), 12u}) put32(c, w);
    uint32_t text_at = 16 + 12 * uint32_t(records.size());
    for (const mluc_record& r : records) {
        c.insert(c.end(), {uint8_t(r.language[0]), uint8_t(r.language[1]), uint8_t(r.country[0]), uint8_t(r.country[1])});
        put32(c, uint32_t(2 * r.text.size())), put32(c, text_at);
        text_at += uint32_t(2 * r.text.size());
    }
    for (const mluc_record& r : records)
        for (char16_t u : r.text) put16(c, uint16_t(u));
    return tag_data("mluc", c);
}

std::string describe(const std::vector<uint8_t>& file, int32_t length = 256) {
    std::vector<char> buffer(size_t(length) + 1, 'Z');
    profile_description_of(span_of(file), buffer.data(), length);
    return std::string(buffer.data());
}
std::string description(const std::vector<uint8_t>& tag, int32_t length = 256) {
    return describe(builder().add(tag.empty() ? "wtpt" : "desc", tag.empty() ? xyz_tag(1, 1, 1) : tag).build(), length);
}

}  // namespace

TEST(ProfileDescription, version_two_text_multi_localised_and_missing) {
    EXPECT_EQ((std::vector<std::string>{description(desc_tag("sRGB display"), 5), description({}), describe(builder().build(), 3),
                                        description(tag_data("desc", {})),
                                        describe(builder().add("desc", desc_tag("one")).add("desc", desc_tag("two")).build())}),
              (std::vector<std::string>{"sRGB", "???", "??", "???", "one"}));
    // English preferred, else the first; outside Latin-1 (CJK, surrogates, C1) one '?' each; the text ends at a NUL.
    const struct { std::vector<mluc_record> records; int32_t length; const char* text; } cases[] = {
        {{{"de", "DE", u"Farbraum"}, {"en", "US", u"Colour space"}}, 256, "Colour space"},
        {{{"de", "DE", u"Bildschirm"}, {"fr", "FR", u"\u00c9cran"}}, 256, "Bildschirm"}, {{{"fr", "FR", u"\u00c9cran"}}, 256, "\xC9" "cran"},
        {{{"en", "US", u"a\u65e5b\U0001F600c\u0085d"}}, 256, "a?b?c?d"}, {{{"en", "US", std::u16string(u"ab\0cd", 5)}}, 256, "ab"},
        {{{"en", "US", u"Display P3"}}, 8, "Display"}, {{{"en", "US", u""}}, 256, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(description(mluc_tag(c.records), c.length), c.text);
}

TEST(ProfileDescription, multi_localised_fields_outside_the_tag_and_every_truncation_stay_inside) {
    const std::vector<uint8_t> tag = mluc_tag({{"en", "US", u"abc"}});
    const struct { size_t at; uint32_t value; const char* expected; } cases[] = {
        {16 + 4, 0x7FFFFFF0u, "???"}, {16 + 8, 0xFFFFFFFEu, "???"},  // text length, offset
        {8, 0, "???"}, {8 + 4, 4, "???"}, {8, 1000, "abc"},          // no records, records too small, more than the tag holds
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bad = tag;
        set32(bad, c.at, c.value);
        EXPECT_EQ(description(bad), c.expected) << c.at << " = " << c.value;
    }
    const std::vector<uint8_t> full = builder().add("desc", mluc_tag({{"de", "DE", u"Anzeige"}, {"en", "GB", u"Display"}})).build();
    for (size_t n = 0; n < full.size(); ++n) {
        const std::vector<uint8_t> cut(full.begin(), full.begin() + long(n));
        char buffer[16];
        profile_description_of(span_of(cut), buffer, sizeof buffer);
        EXPECT_TRUE(std::strcmp(buffer, "???") == 0 || std::strcmp(buffer, "Display") == 0) << n;
    }
}

// A stored profile start-up could not use is stored again until another load; the longest path kept whole.
TEST(StoredProfileChoice, refused_at_start_is_stored_until_another_load) {
    stored_profile_choice choice;
    for (const std::wstring& stored : {std::wstring(L"Z:\\\x0426\x0432\\p.icc"), std::wstring(259, L'p')}) {
        choice = {}, begin_stored_profile(&choice, stored.c_str());
        ++choice.loads, end_stored_profile(&choice, false);  // a load that refused it
        EXPECT_EQ(profile_to_store(choice, L"current"), stored);
        note_load(&choice, L"Z:\\other.icc", true);
        EXPECT_STREQ(profile_to_store(choice, L"current"), L"current");
    }
    begin_stored_profile(&choice, L"Z:\\p.icc"), ++choice.loads, end_stored_profile(&choice, true);
    EXPECT_STREQ(profile_to_store(choice, L"current"), L"current");
}

TEST(ProfileSet, committed_files_match_the_generator) {
    std::vector<generated_profile> set;
    ASSERT_TRUE(make_profile_set(&set) && set.size() == 9u);
    auto committed = [](const std::string& name) { return read_file_bytes(source_path("tests/profiles/" + name)); };
    for (const generated_profile& p : set)
        EXPECT_TRUE(committed(p.file_name) == p.bytes) << p.file_name << " differs: rebuild with the test_profiles target";
}
