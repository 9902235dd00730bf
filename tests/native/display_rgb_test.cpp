#include <gtest/gtest.h>

#include <lcms2.h>
#include <lcms2_plugin.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "colorlib/resource_seam.h"
#include "profiles/display_characterization.h"
#include "profiles/display_rgb.h"

namespace {

struct rgb {
    int32_t r, g, b;
    bool operator==(const rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};
std::ostream& operator<<(std::ostream& os, const rgb& c) { return os << "(" << c.r << ", " << c.g << ", " << c.b << ")"; }

rgb convert(double X, double Y, double Z)
{
    rgb c = {-1, -1, -1};
    EXPECT_EQ(xyz_to_display_rgb(X, Y, Z, &c.r, &c.g, &c.b), 1);
    return c;
}

class DisplayRgb : public ::testing::Test {
protected:
    void SetUp() override { use(default_display_model); }
    void TearDown() override { use(default_display_model); }
    static void use(const display_model& m)
    {
        invalidate_display_matrix();
        display_characterization = m;
    }
};

TEST_F(DisplayRgb, default_display_converts_the_reference_colours)
{
    // Negative linear green clips to 0 in the fifth.
    const struct { double x, y, z; rgb expected; } cases[] = {
        {20, 20, 20, {130, 120, 116}}, {50, 50, 50, {198, 182, 175}}, {96.605, 100, 112.037, {255, 255, 255}},
        {99.98, 99.99, 99.99, {255, 250, 240}}, {41.24, 21.26, 1.93, {238, 0, 27}}, {0, 0, 0, {0, 0, 0}},
        {655.35, 655.35, 655.35, {255, 255, 255}}, {NAN, 1, 1, {0, 0, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(convert(c.x, c.y, c.z), c.expected) << c.x << " " << c.y << " " << c.z;
    EXPECT_EQ(convert(1e300, 1e300, 1e300).r, 255) << "clamped before conversion to an integer";
}

TEST_F(DisplayRgb, a_changed_model_takes_effect_only_after_invalidation)
{
    const rgb before = convert(20, 20, 20);
    display_model linear = default_display_model;
    linear.rgamma = linear.ggamma = linear.bgamma = 1.0;
    display_characterization = linear;
    EXPECT_EQ(convert(20, 20, 20), before) << "the cached matrix stands until invalidated";
    invalidate_display_matrix();
    const rgb after = convert(20, 20, 20);
    EXPECT_LT(after.g, before.g);
    EXPECT_NEAR(after.g, 255 * 0.2, 3);
}

TEST_F(DisplayRgb, degenerate_models_give_black_without_undefined_arithmetic)
{
    const std::function<void(display_model&)> faults[] = {
        // Green on the line through red and blue.
        [](display_model& m) { m.xg = 0.389, m.yg = (0.346 - 0.070) / (0.628 - 0.150) * (0.389 - 0.150) + 0.070; },
        [](display_model& m) { m.yw = 0; },
        [](display_model& m) { m.ggamma = 0; },
        [](display_model& m) { m.bgamma = -2.2; },
        [](display_model& m) { m.xr = NAN; },
        [](display_model& m) { m.Yw = 0; },
    };
    for (const auto& fault : faults) {
        display_model m = default_display_model;
        fault(m);
        use(m);
        EXPECT_EQ(convert(20, 20, 20), (rgb{0, 0, 0}));
        EXPECT_EQ(convert(96.605, 100, 112.037), (rgb{0, 0, 0}));
    }
    use(default_display_model);
    EXPECT_EQ(convert(20, 20, 20), (rgb{130, 120, 116})) << "a good model after a bad one";
}

// Little CMS builds a matrix-shaper from the same primaries and white, then
// adapts its colorants to D50 (Bradford) and records that adaptation in
// "chad"; undoing it gives the display's own RGB -> XYZ matrix, whose inverse
// must be ours (scaled for the 0-100 range).
void lcms_xyz_to_linear_rgb(const display_model& m, double out[3][3])
{
    cmsCIExyY white = {m.xw, m.yw, m.Yw};
    cmsCIExyYTRIPLE primaries = {{m.xr, m.yr, 1.0}, {m.xg, m.yg, 1.0}, {m.xb, m.yb, 1.0}};
    cmsToneCurve* curves[3] = {cmsBuildGamma(nullptr, m.rgamma), cmsBuildGamma(nullptr, m.ggamma),
                               cmsBuildGamma(nullptr, m.bgamma)};
    cmsHPROFILE p = cmsCreateRGBProfile(&white, &primaries, curves);
    ASSERT_NE(p, nullptr);
    const cmsTagSignature tags[3] = {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag};
    cmsMAT3 colorants;  // columns: the adapted primaries
    for (int c = 0; c < 3; ++c) {
        auto* xyz = static_cast<cmsCIEXYZ*>(cmsReadTag(p, tags[c]));
        ASSERT_NE(xyz, nullptr);
        colorants.v[0].n[c] = xyz->X;
        colorants.v[1].n[c] = xyz->Y;
        colorants.v[2].n[c] = xyz->Z;
    }
    auto* chad = static_cast<cmsMAT3*>(cmsReadTag(p, cmsSigChromaticAdaptationTag));
    ASSERT_NE(chad, nullptr);
    cmsMAT3 unadapt, rgb_to_xyz, xyz_to_rgb;
    ASSERT_TRUE(_cmsMAT3inverse(chad, &unadapt));
    _cmsMAT3per(&rgb_to_xyz, &unadapt, &colorants);
    ASSERT_TRUE(_cmsMAT3inverse(&rgb_to_xyz, &xyz_to_rgb));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) out[r][c] = xyz_to_rgb.v[r].n[c];
    cmsCloseProfile(p);
    for (cmsToneCurve* t : curves) cmsFreeToneCurve(t);
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
                const int32_t want = v < 255.0 ? static_cast<int32_t>(v + 0.5) : 255;
                ASSERT_EQ(convert(0, y, 0).r, want) << "gamma " << gamma << " level " << k << " step " << step;
            }
        }
    }
}

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
        double ref[3][3];
        lcms_xyz_to_linear_rgb(m, ref);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) EXPECT_NEAR(display_matrix.M[r][c] * 100.0, ref[r][c], 1e-9) << r << "," << c;
        EXPECT_DOUBLE_EQ(display_matrix.eG, 1.0 / m.ggamma);
    }
}

// The display presets the library carries for hosts: Windows-1252 text, CR LF
// lines, a comment and seven models; the first is the built-in model.
TEST(DisplayPresets, first_preset_is_the_built_in_model)
{
    const byte_span presets = builtin_resource("DEFAULTS", "displays");
    ASSERT_EQ(presets.size, 631u);
    const std::string text(reinterpret_cast<const char*>(presets.data), presets.size);
    EXPECT_EQ(text.rfind("//[Name] xr yr xg yg xb yb xw yw rgamma ggamma bgamma//\r\n", 0), 0u);
    EXPECT_NE(text.find("[Sony Trinitron 6500\xB0K] "), std::string::npos);

    size_t rows = 0, pos = text.find("\r\n") + 2;
    display_model first = {};
    while (pos < text.size()) {
        const size_t end = text.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos) << "every line ends with CR LF";
        const std::string line = text.substr(pos, end - pos);
        const size_t close = line.find("] ");
        ASSERT_EQ(line[0], '[');
        ASSERT_NE(close, std::string::npos);
        double v[11];
        const char* p = line.c_str() + close + 2;
        for (double& x : v) {
            char* next = nullptr;
            x = std::strtod(p, &next);
            ASSERT_NE(next, p) << line;
            p = next;
        }
        EXPECT_EQ(*p, 0) << "eleven numbers: " << line;
        if (rows++ == 0) first = {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], 1.0, v[8], v[9], v[10]};
        pos = end + 2;
    }
    EXPECT_EQ(rows, 7u);
    EXPECT_EQ(std::memcmp(&first, &default_display_model, sizeof first), 0);
}

}  // namespace
