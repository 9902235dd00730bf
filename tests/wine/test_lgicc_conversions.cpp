// The module on its own, converting through the real colour system under
// Wine: every pair of colour spaces, compared with what Little CMS gives for
// the same files natively (tests/wine/lgicc/lgicc_reference_table.h).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lgicc/lgicc_module.h"
#include "lgicc/lgicc_reference_table.h"
#include "wine_test_support.h"

namespace {

// 1 % of full scale.
constexpr int tolerance = 655;

class LgiccConversions : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(module.load(bin_dir() + "LgICC.dll")); }
    lgicc_module module;
};

TEST_F(LgiccConversions, every_pair_agrees_with_little_cms_within_one_percent)
{
    int worst = 0;
    std::string worst_row;
    for (const lgicc_reference_row& row : lgicc_reference_rows) {
        SCOPED_TRACE(std::string(row.source) + " -> " + row.destination + " intent " + std::to_string(row.intent));
        lgo_transformation* t = module.new_transform();
        ASSERT_NE(t, nullptr);
        uint32_t options = module.session_options(row.intent);
        ASSERT_EQ(module.prepare(t, reference_profile_path(row.source), reference_profile_path(row.destination), options),
                  LGICC_OK);
        uint16_t out[4] = {0xBEEF, 0xBEEF, 0xBEEF, 0xBEEF};
        ASSERT_EQ(module.convert(t, options, row.in, out, 1, static_cast<uint16_t>(row.source_channels),
                                 static_cast<uint16_t>(row.destination_channels)),
                  LGICC_OK);
        for (int c = 0; c < row.destination_channels; ++c) {
            int difference = std::abs(int(out[c]) - int(row.out[c]));
            EXPECT_LE(difference, tolerance) << "channel " << c << " input " << row.in[0] << "," << row.in[1]
                                             << "," << row.in[2] << "," << row.in[3];
            if (difference > worst) {
                worst = difference;
                worst_row = std::string(row.source) + " -> " + row.destination;
            }
        }
        // A three-channel result leaves the rest of the caller's buffer alone.
        if (row.destination_channels == 3) {
            EXPECT_EQ(out[3], 0xBEEF);
        }
        EXPECT_EQ(module.destroy(t), LGICC_OK);
    }
    std::printf("largest difference from Little CMS over %zu rows: %d of 65535 (%.3f %%) %s\n",
                sizeof lgicc_reference_rows / sizeof lgicc_reference_rows[0], worst, 100.0 * worst / 65535.0,
                worst_row.c_str());
}

// The intent in the options word reaches the engine. The press profile has
// one pair of tables, so perceptual and relative agree; its paper is darker
// and yellower than the illuminant, so absolute colorimetric differs.
TEST_F(LgiccConversions, intent_changes_the_result)
{
    const std::string srgb = reference_profile_path("icc:sRGB.icc");
    const std::string press = reference_profile_path("data:press_cmyk.icc");
    const uint16_t teal[3] = {9000, 40000, 50000};
    uint16_t by_intent[4][4] = {};
    for (int intent = 0; intent <= 3; ++intent) {
        lgo_transformation* t = module.new_transform();
        uint32_t options = module.session_options(intent);
        ASSERT_EQ(module.prepare(t, srgb, press, options), LGICC_OK);
        ASSERT_EQ(module.convert(t, options, teal, by_intent[intent], 1, 3, 4), LGICC_OK);
        module.destroy(t);
    }
    int largest = 0;
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(by_intent[0][c], by_intent[1][c]);
        largest = std::max(largest, std::abs(int(by_intent[3][c]) - int(by_intent[1][c])));
    }
    EXPECT_GT(largest, 2 * tolerance);
}

// Many colours in one call give what one call per colour gives (the module
// switches to a buffer of its own past a few colours), and the output may
// be the input buffer itself even when it grows from three to four values.
TEST_F(LgiccConversions, batches_and_in_place_buffers_match_single_calls)
{
    lgo_transformation* t = module.new_transform();
    uint32_t options = module.session_options(0);
    ASSERT_EQ(module.prepare(t, reference_profile_path("icc:sRGB.icc"), reference_profile_path("data:press_cmyk.icc"), options),
              LGICC_OK);
    const int count = 50;
    std::vector<uint16_t> in(count * 3), batch(count * 4), single(count * 4);
    for (int i = 0; i < count * 3; ++i) in[i] = static_cast<uint16_t>((i * 7919u) % 65536u);
    ASSERT_EQ(module.convert(t, options, in.data(), batch.data(), count, 3, 4), LGICC_OK);
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(module.convert(t, options, &in[i * 3], &single[i * 4], 1, 3, 4), LGICC_OK);
    EXPECT_EQ(batch, single);

    std::vector<uint16_t> shared(count * 4);
    std::copy(in.begin(), in.end(), shared.begin());
    ASSERT_EQ(module.convert(t, options, shared.data(), shared.data(), count, 3, 4), LGICC_OK);
    EXPECT_EQ(shared, single);
    module.destroy(t);
}

// XYZ as the library sends it: 0x8000 stands for 1.0. Option 2 set to 1
// takes 0xFFFF as 1.0 instead, so 0xFFFF-scaled input converts like the
// halved input does with option 2 left at 0.
TEST_F(LgiccConversions, xyz_encodings)
{
    const std::string xyz = reference_profile_path("icc:LCMSXYZI.ICM");
    const std::string srgb = reference_profile_path("icc:sRGB.icc");
    const uint16_t d50_icc[3] = {31595, 32768, 27030};
    const uint16_t d50_full[3] = {63187, 65535, 54058};

    lgo_transformation* t = module.new_transform();
    uint32_t icc = module.session_options(0);
    ASSERT_EQ(module.prepare(t, xyz, srgb, icc), LGICC_OK);
    uint16_t white[3] = {};
    ASSERT_EQ(module.convert(t, icc, d50_icc, white, 1, 3, 3), LGICC_OK);
    for (uint16_t v : white) EXPECT_GE(v, 65535 - tolerance);

    uint32_t full = module.set_options(icc, LGICC_OPTION_XYZ_ENCODING, LGICC_XYZ_FULL_SCALE);
    ASSERT_EQ(module.prepare(t, xyz, srgb, full), LGICC_OK);
    uint16_t white_full[3] = {};
    ASSERT_EQ(module.convert(t, full, d50_full, white_full, 1, 3, 3), LGICC_OK);
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(white_full[c], white[c], 2);

    // As a destination, sRGB white comes back as D50 in the chosen encoding.
    const uint16_t rgb_white[3] = {65535, 65535, 65535};
    uint16_t back[3] = {};
    ASSERT_EQ(module.prepare(t, srgb, xyz, icc), LGICC_OK);
    ASSERT_EQ(module.convert(t, icc, rgb_white, back, 1, 3, 3), LGICC_OK);
    EXPECT_NEAR(back[1], 32768, 64);
    ASSERT_EQ(module.prepare(t, srgb, xyz, full), LGICC_OK);
    ASSERT_EQ(module.convert(t, full, rgb_white, back, 1, 3, 3), LGICC_OK);
    EXPECT_NEAR(back[1], 65535, 128);
    module.destroy(t);
}

}  // namespace
