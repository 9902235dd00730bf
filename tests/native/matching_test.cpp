// The window-free half of matching: which kinds pair up with how many
// channels, what an element sends to the module and takes back, the white
// threshold and the 16-bit scaling of measurements and recipes. Also keeps
// the Little CMS table of the Windows look-up tests current.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "../../tools/matching_reference/cmyk_reference_rows.h"
#include "../wine/matching/cmyk_reference_table.h"
#include "matching/cmyk_values.h"
#include "matching/matching_element.h"
#include "matching/matching_session.h"

TEST(MatchingPairs, ChannelsPerKindAndRole)
{
    // XYZ only as a source; unknown kinds in neither role.
    const struct { int16_t kind; int source, destination; } kinds[] = {
        {profile_kind_rgb, 3, 3}, {profile_kind_xyz, 3, 0}, {profile_kind_cmyk, 4, 4},
        {-1, 0, 0}, {3, 0, 0}, {-2, 0, 0}, {0x7FFF, 0, 0},
    };
    for (const auto& k : kinds) {
        EXPECT_EQ(source_channels_of(k.kind), k.source) << k.kind;
        EXPECT_EQ(destination_channels_of(k.kind), k.destination) << k.kind;
    }
}

TEST(MatchingElement, WhatTheModuleGetsPerSourceKind)
{
    const uint16_t element[4] = {65535, 32768, 1, 0xBEEF};
    uint16_t in[4];
    ASSERT_TRUE(module_input(profile_kind_xyz, element, in));
    EXPECT_EQ(in[0], 32767);
    EXPECT_EQ(in[1], 16384);
    EXPECT_EQ(in[2], 0) << "the odd bit is dropped";
    ASSERT_TRUE(module_input(profile_kind_rgb, element, in));
    EXPECT_EQ(std::memcmp(in, element, 6), 0);
    EXPECT_EQ(in[3], 0) << "a three-channel source sends no fourth value";
    ASSERT_TRUE(module_input(profile_kind_cmyk, element, in));
    EXPECT_EQ(std::memcmp(in, element, 8), 0);
    EXPECT_FALSE(module_input(profile_kind_other, element, in));
}

TEST(MatchingElement, WriteBackAfterThreeAndFourChannels)
{
    const uint16_t out[4] = {10, 20, 30, 40};
    uint16_t element[4] = {1, 2, 3, 4};
    ASSERT_TRUE(write_back(3, out, element));
    EXPECT_EQ(element[2], 30);
    EXPECT_EQ(element[3], 0);
    ASSERT_TRUE(write_back(4, out, element));
    EXPECT_EQ(std::memcmp(element, out, 8), 0);
    uint16_t kept[4] = {1, 2, 3, 4};
    EXPECT_FALSE(write_back(0, out, kept));
    EXPECT_FALSE(write_back(5, out, kept));
    EXPECT_EQ(kept[0] + kept[3], 5);
}

TEST(CmykValues, WhiteThresholdIsInclusiveForEveryComponent)
{
    // The last is the D50 white point: not paper white.
    const struct { double x, y, z; bool white; } cases[] = {
        {99.99, 99.99, 99.99, true},  {100.0, 100.0, 100.0, true},  {120.0, 99.99, 655.35, true},
        {99.98, 99.99, 99.99, false}, {100.0, 99.98, 100.0, false}, {100.0, 100.0, 99.98, false},
        {96.42, 100.0, 82.49, false},
    };
    for (const auto& c : cases) EXPECT_EQ(is_paper_white(c.x, c.y, c.z), c.white) << c.x << " " << c.y << " " << c.z;
}

// Every value the tables can hold (hundredths, tenths of a percent) becomes
// the exact truncated 16-bit value: floating-point steps never cost a unit.
TEST(CmykValues, StoredValuesScaleExactlyAndTruncate)
{
    for (uint32_t h = 0; h <= 65535; ++h) {
        const uint32_t exact = h * 65535u / 10000u;
        ASSERT_EQ(xyz_element_value(h / 100.0), exact > 65535 ? 65535 : exact) << h;
    }
    for (uint32_t t = 0; t <= 1000; ++t)
        ASSERT_EQ(recipe_value(static_cast<float>(t / 1000.0)), t * 65535u / 1000u) << t;
    EXPECT_EQ(xyz_element_value(50.0), 32767);
    EXPECT_EQ(recipe_value(0.5f), 32767);
    // Beyond the scale: held at its ends, not wrapped round.
    EXPECT_EQ(xyz_element_value(100.5), 65535);
    EXPECT_EQ(xyz_element_value(-0.5), 0);
    EXPECT_EQ(xyz_element_value(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(recipe_value(65.535f), 65535);
}

// The Little CMS tables of the Windows tests still hold what the profiles give.
void expect_current(const std::string& xyz, const std::string& printer, const std::vector<cmyk_reference_entry>& table)
{
    std::vector<cmyk_reference_row> rows;
    ASSERT_TRUE(cmyk_reference(xyz, printer, &rows)) << printer;
    ASSERT_EQ(rows.size(), table.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].index, table[i].index);
        EXPECT_EQ(std::memcmp(rows[i].element, table[i].element, sizeof table[i].element), 0) << i;
        EXPECT_EQ(std::memcmp(rows[i].cmyk, table[i].cmyk, sizeof table[i].cmyk), 0)
            << printer << " row " << i << ": run tools/matching_reference again";
    }
}

TEST(CmykValues, LittleCmsTablesOfTheWindowsTestsAreCurrent)
{
    const std::string root = HUEX_SOURCE_DIR;
    expect_current("/usr/share/color/icc/LCMSXYZI.ICM", root + "/tests/wine/lgicc/press_cmyk.icc",
                   read_cmyk_reference("matching_cmyk_press.csv"));
    expect_current(root + "/tests/profiles/xyzprof.pf", root + "/tests/profiles/huex_press_cmyk.icc",
                   read_cmyk_reference("matching_cmyk_generated.csv"));
}
