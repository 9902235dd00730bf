// The module's contract rules (src/lgicc/lgicc_contract.h), exhaustively
// where that is cheap: the options word, paths, colour spaces, XYZ encodings.
#include <gtest/gtest.h>

#include <string>

#include "lgicc/lgicc_contract.h"

namespace {

using namespace lgicc;

TEST(LgiccOptions, every_option_number_and_value)
{
    for (int32_t option = -3; option <= 5; ++option) {
        for (int32_t value = -2; value <= 5; ++value) {
            uint32_t word = set_option(0, option, value);
            bool intent_ok = option == LGICC_OPTION_INTENT && value >= 0 && value <= 3;
            bool xyz_ok = option == LGICC_OPTION_XYZ_ENCODING && (value == 0 || value == 1);
            SCOPED_TRACE("option " + std::to_string(option) + " value " + std::to_string(value));
            EXPECT_EQ(options_valid(word), intent_ok || xyz_ok);
            if (intent_ok) {
                EXPECT_EQ(intent_of(word), static_cast<uint32_t>(value));
            }
            if (xyz_ok) {
                EXPECT_EQ(xyz_encoding_of(word), static_cast<uint32_t>(value));
            }
        }
    }
}

TEST(LgiccOptions, fields_are_independent_and_poison_is_sticky)
{
    uint32_t word = set_option(set_option(0, 0, 3), 2, 1);
    EXPECT_EQ(intent_of(word), 3u);
    EXPECT_EQ(xyz_encoding_of(word), 1u);
    word = set_option(word, 0, 1);
    EXPECT_EQ(intent_of(word), 1u);
    EXPECT_EQ(xyz_encoding_of(word), 1u);

    uint32_t poisoned = set_option(word, 0, 9);
    EXPECT_EQ(intent_of(poisoned), 1u) << "a refused value does not overwrite the field";
    EXPECT_FALSE(options_valid(set_option(set_option(poisoned, 0, 2), 2, 0)));

    EXPECT_TRUE(options_valid(0));
    EXPECT_FALSE(options_valid(0x00010000u));
    EXPECT_FALSE(options_valid(0x00000200u)) << "XYZ encoding 2 does not exist";
    EXPECT_FALSE(options_valid(0x000000FFu));
}

TEST(LgiccPaths, absolute_and_bounded)
{
    for (const char* good : {"C:\\color\\a.icc", "z:/usr/share/color/icc/sRGB.icc", "\\\\server\\share\\p.icm",
                             "//server/share/p.icm", "\\\\?\\C:\\long.icc"})
        EXPECT_TRUE(path_acceptable(good)) << good;
    for (const char* bad : {static_cast<const char*>(nullptr), "", "a.icc", "color\\a.icc", "\\color\\a.icc",
                            "C:", "C:a.icc", "1:\\a.icc", "\\\\\\x", "::\\a"})
        EXPECT_FALSE(path_acceptable(bad)) << (bad ? bad : "null");

    std::string at_limit = "C:\\" + std::string(max_path_length - 3, 'a');
    EXPECT_TRUE(path_acceptable(at_limit.c_str()));
    std::string over = at_limit + "a";
    EXPECT_FALSE(path_acceptable(over.c_str()));
}

// The scan stops after the longest acceptable length: a buffer without a
// terminator is refused without being read past that (ASan watches).
TEST(LgiccPaths, unterminated_buffer_is_not_overread)
{
    char* buffer = new char[max_path_length + 1];
    for (size_t i = 0; i <= max_path_length; ++i) buffer[i] = 'a';
    buffer[0] = 'C', buffer[1] = ':', buffer[2] = '\\';
    EXPECT_FALSE(path_acceptable(buffer));
    delete[] buffer;
}

TEST(LgiccSpaces, signatures_and_channels)
{
    EXPECT_EQ(space_from_signature(0x52474220u), color_space::rgb);
    EXPECT_EQ(space_from_signature(0x434D594Bu), color_space::cmyk);
    EXPECT_EQ(space_from_signature(0x58595A20u), color_space::xyz);
    for (uint32_t other : {0x4C616220u, 0x47524159u, 0x20424752u, 0u})  // Lab, GRAY, byte-swapped RGB
        EXPECT_EQ(space_from_signature(other), color_space::unsupported);
    EXPECT_EQ(channels_of(color_space::rgb), 3);
    EXPECT_EQ(channels_of(color_space::xyz), 3);
    EXPECT_EQ(channels_of(color_space::cmyk), 4);
    EXPECT_EQ(channels_of(color_space::unsupported), 0);
}

TEST(LgiccXyz, encodings_convert_both_ways)
{
    EXPECT_EQ(xyz_full_scale_to_icc(0), 0);
    EXPECT_EQ(xyz_full_scale_to_icc(65535), 0x8000);
    EXPECT_EQ(xyz_full_scale_to_icc(32768), 0x4000);
    EXPECT_EQ(xyz_icc_to_full_scale(0x8000), 65535);
    EXPECT_EQ(xyz_icc_to_full_scale(0xFFFF), 65535) << "beyond 1.0 saturates";
    EXPECT_EQ(xyz_icc_to_full_scale(0x4000), 32768);
    uint16_t previous = 0;
    for (uint32_t v = 0; v <= 0xFFFF; ++v) {
        uint16_t icc = xyz_full_scale_to_icc(static_cast<uint16_t>(v));
        ASSERT_GE(icc, previous);
        previous = icc;
        // Going back loses at most the one bit the ICC encoding lacks.
        ASSERT_LE(std::abs(int(xyz_icc_to_full_scale(icc)) - int(v)), 1) << v;
    }
}

}  // namespace
