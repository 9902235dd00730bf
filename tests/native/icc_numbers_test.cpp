// Fixed-point decoding, the four-decimal rule and the number texts, with
// their rounding, carry and sign cases.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "icc/icc_numbers.h"

TEST(IccNumbers, fixed_point_values_and_the_four_decimal_rule)
{
    const struct { uint32_t word; double value; } s15[] = {
        {0x00010000, 1.0}, {0x00008000, 0.5}, {0xFFFF0000, -1.0}, {0x80000000, -32768.0},
        {0x7FFFFFFF, 2147483647.0 / 65536.0}, {0xFFFFFFFF, -1.0 / 65536.0},
    };
    for (const auto& c : s15) EXPECT_EQ(icc_s15fixed16_value(c.word), c.value) << std::hex << c.word;
    double x, y, z;
    icc_decode_xyz(0x0000F6D6, 0x00010000, 0xFFFF8000, &x, &y, &z);
    EXPECT_EQ(y, 1.0);
    EXPECT_EQ(z, -0.5);
    // Curve entries use the low 16 bits over 65535.
    EXPECT_EQ(icc_u16_value(0xFFFF), 1.0);
    EXPECT_EQ(icc_u16_value(0x12345), 0x2345 / 65535.0);
    const struct { double value; int decimals; } d4[] = {
        {icc_s15fixed16_value(0x0000F6D6), 9642}, {icc_s15fixed16_value(0x0000D32D), 8249}, {-1.25, 2500},
        {2.0, 0}, {0.99996, 10000}, {0.99994, 9999}, {NAN, 0}, {INFINITY, 0},
    };
    for (const auto& c : d4) EXPECT_EQ(icc_decimal4(c.value), c.decimals) << c.value;
}

TEST(IccTexts, signatures_xyz_and_chromaticity_with_rounding_carry_and_sign)
{
    const struct { uint32_t word; const char* text; } sigs[] = {
        {0x64657363, "'desc'"}, {0x52474220, "'RGB '"}, {0x64650000, "'de"}, {0, "'"}, {0xFFFFFFFF, "'\xFF\xFF\xFF\xFF'"},
    };
    for (const auto& c : sigs) EXPECT_STREQ(icc_format_signature(c.word), c.text);
    EXPECT_STREQ(icc_format_xyz(0x0000F6D6, 0x00010000, 0x0000D32D), "X=0.9642 Y=1.0000 Z=0.8249 ");
    // 65533 / 65536 = 0.99995..., which rounds up into the integer part.
    for (const auto& c : {std::make_pair(65533u, "X=1.0000 "), std::make_pair(0xFFFFC000u, "X=-0.2500 "),
                          std::make_pair(0xFFFEC000u, "X=-1.2500 ")})
        EXPECT_EQ(std::string(icc_format_xyz(c.first, 0, 0)).substr(0, std::strlen(c.second)), c.second);
    EXPECT_STREQ(icc_format_xyz(0x80000000, 0x80000000, 0x7FFFFFFF), "X=-32768.0000 Y=-32768.0000 Z=32768.0000 ");

    EXPECT_STREQ(icc_format_xy(0x0000F351, 0x00010000, 0x000116CC), "x=0.3127 y=0.3290");
    // Both texts share one buffer.
    const char* xyz = icc_format_xyz(0, 0, 0);
    EXPECT_EQ(xyz, icc_format_xy(0x0000F6D6, 0x00010000, 0x0000D32D));
    EXPECT_STREQ(xyz, "x=0.3457 y=0.3585");
    // Undefined chromaticity, and the largest quotient s15Fixed16 inputs allow
    // (X = -32768 over a sum of -1/65536), stay inside the buffer.
    EXPECT_STREQ(icc_format_xy(0, 0, 0), "x=0.0000 y=0.0000");
    EXPECT_STREQ(icc_format_xy(0x00010000, 0xFFFF0000, 0), "x=0.0000 y=0.0000");
    EXPECT_STREQ(icc_format_xy(0x80000000, 0x7FFFFFFF, 0), "x=2147483648.0000 y=-2147483647.0000");
    EXPECT_LT(std::strlen(icc_number_text), size_t(icc_number_text_size));
}
