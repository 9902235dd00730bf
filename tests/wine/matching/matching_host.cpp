// The matching cases that need a fresh library, run by test_matching beside an add-on of code 549:
// 0 white, 1 at the threshold with the recipe C 100 % Y 50 %, 2 just below it, 3 X = Y = Z = 50
// under D50, 4 ordinary with that recipe, 5 without measurements, 6 and 7 without either.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "huex.h"
#include "wine_test_support.h"

namespace {

const WORD sentinel = 0xBEEF, recipe[4] = {65535, 0, 32767, 0};  // C 100 %, Y 50 %: the half is truncated
WORD values[4];

extended_color fixture(short index)
{
    extended_color r = {0, 0, 0, 0};
    return HUEX_EncodeColor(549, 0, index, &r), r;
}

// The look-up of a fixture colour into values, which hold sentinels first.
short cmyk(short index, short d50 = 1)
{
    const extended_color r = fixture(index);
    return std::fill(values, values + 4, sentinel), HUEX_GetColorCMYK(&r, values, d50);
}

bool is_recipe() { return std::memcmp(values, recipe, 8) == 0; }

}  // namespace

TEST(FreshLibrary, RecipesWhitesAndMissingData)
{
    EXPECT_EQ(HUEX_GetRenderingIntent(), 0) << "after load";
    char* builtin = nullptr;
    const std::string press = bin_dir() + "press_cmyk.icc";
    ASSERT_TRUE(HUEX_GetDefaultPrinterProfile(&builtin) == HUEX_OK && HUEX_SetPrinterProfile(builtin) == HUEX_OK);
    EXPECT_TRUE(cmyk(4) == HUEX_OK && is_recipe());
    EXPECT_TRUE(cmyk(5) == HUEX_OK && values[0] == 6553) << "the built-in printer needs no measurement";
    EXPECT_EQ(cmyk(6), HUEX_NO_DATA);
    // Matching to the built-in printer stops at the first colour without a recipe.
    extended_color colors[3] = {fixture(4), fixture(6), fixture(1)}, original[3] = {fixture(4), fixture(6), fixture(1)};
    EXPECT_EQ(HUEX_MatchToPrinterProfile(3, colors), HUEX_NO_DATA);
    EXPECT_TRUE(std::memcmp(&colors[0], recipe, 8) == 0 && std::memcmp(&colors[1], &original[1], 2 * sizeof colors[0]) == 0);

    ASSERT_EQ(HUEX_SetPrinterProfile(press.c_str()), HUEX_OK);
    // Paper white, under either illuminant and at the threshold itself, is its recipe.
    EXPECT_TRUE(cmyk(0) == HUEX_OK && values[0] + values[1] + values[2] + values[3] == 0);
    EXPECT_TRUE(cmyk(1, 1) == HUEX_OK && is_recipe() && cmyk(1, 0) == HUEX_OK && is_recipe());
    // An ordinary colour's measurement is matched (where the threshold lies is decided natively).
    EXPECT_TRUE(cmyk(4) == HUEX_OK && !is_recipe());
    EXPECT_TRUE(cmyk(5) == HUEX_NO_DATA && values[0] == sentinel) << "no measurement, even with a recipe";

    // Every way out gives back the printer profile copy and the files it looked at.
    const process_counts before = current_process_counts();
    for (const char* printer : {press.c_str(), static_cast<const char*>(builtin)}) {
        ASSERT_EQ(HUEX_SetPrinterProfile(printer), HUEX_OK);
        for (int i = 0; i < 3000; ++i) cmyk(short(i % 7));
    }
    expect_no_growth(before, current_process_counts());
    HUEX_DisposeProfile(builtin);
}

TEST(FreshLibrary, WhatReachesTheModule)
{
    const std::string xyz = bin_dir() + "lcmsxyzi.icm", srgb = bin_dir() + "srgb.icc", press = bin_dir() + "press_cmyk.icc";
    EXPECT_EQ(HUEX_SetRenderingIntent(2), 0);
    struct { const std::string& source; const std::string& destination; LONG count; WORD colors[2][4]; } sessions[] = {
        {xyz, press, 2, {{65535, 32768, 0, sentinel}, {3, 1, 65535, sentinel}}}, {srgb, srgb, 1, {{65535, 32768, 1, sentinel}}},
        {press, srgb, 1, {{100, 200, 300, 400}}}};
    for (auto& s : sessions) {
        ASSERT_TRUE(HUEX_BeginMatchingSession(s.source.c_str(), s.destination.c_str()) == HUEX_OK && HUEX_Match(s.count, s.colors) == HUEX_OK);
        HUEX_EndMatching();
    }
    EXPECT_EQ(HUEX_BeginMatchingSession(srgb.c_str(), xyz.c_str()), HUEX_NOT_SUPPORTED);
    HUEX_EndMatching();
    EXPECT_TRUE(HUEX_SetPrinterProfile(press.c_str()) == HUEX_OK && cmyk(0) == HUEX_OK && cmyk(3) == HUEX_OK);
}
