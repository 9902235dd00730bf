// Fixed-point decoding, the four-decimal rule and the number texts, with
// their rounding, carry and sign cases.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "icc/icc_numbers.h"

TEST(IccNumbers, s15fixed16_is_the_signed_word_over_65536) {
    EXPECT_EQ(icc_s15fixed16_value(0x00010000), 1.0);
    EXPECT_EQ(icc_s15fixed16_value(0x00008000), 0.5);
    EXPECT_EQ(icc_s15fixed16_value(0xFFFF0000), -1.0);
    EXPECT_EQ(icc_s15fixed16_value(0x80000000), -32768.0);
    EXPECT_EQ(icc_s15fixed16_value(0x7FFFFFFF), 2147483647.0 / 65536.0);
    EXPECT_EQ(icc_s15fixed16_value(0xFFFFFFFF), -1.0 / 65536.0);
    EXPECT_EQ(icc_decimal4(icc_s15fixed16_value(0x0000F6D6)), 9642);
    EXPECT_EQ(icc_decimal4(icc_s15fixed16_value(0x0000D32D)), 8249);
    double x, y, z;
    icc_decode_xyz(0x0000F6D6, 0x00010000, 0xFFFF8000, &x, &y, &z);
    EXPECT_EQ(y, 1.0);
    EXPECT_EQ(z, -0.5);
}

TEST(IccNumbers, curve_entries_use_the_low_16_bits_over_65535) {
    EXPECT_EQ(icc_u16_value(0xFFFF), 1.0);
    EXPECT_EQ(icc_u16_value(0x12345), 0x2345 / 65535.0);
    EXPECT_EQ(icc_u16_value(0), 0.0);
}

TEST(IccNumbers, decimal4_rounds_the_magnitude_fraction) {
    EXPECT_EQ(icc_decimal4(0.96420), 9642);
    EXPECT_EQ(icc_decimal4(-1.25), 2500);
    EXPECT_EQ(icc_decimal4(2.0), 0);
    EXPECT_EQ(icc_decimal4(0.99996), 10000);
    EXPECT_EQ(icc_decimal4(0.99994), 9999);
    EXPECT_EQ(icc_decimal4(NAN), 0);
    EXPECT_EQ(icc_decimal4(INFINITY), 0);
}

TEST(IccTexts, signature_in_quotes_ending_at_a_zero_byte) {
    EXPECT_STREQ(icc_format_signature(0x64657363), "'desc'");
    EXPECT_STREQ(icc_format_signature(0x52474220), "'RGB '");
    EXPECT_STREQ(icc_format_signature(0x64650000), "'de");
    EXPECT_STREQ(icc_format_signature(0), "'");
    EXPECT_STREQ(icc_format_signature(0xFFFFFFFF), "'\xFF\xFF\xFF\xFF'");
}

TEST(IccTexts, xyz_text_rounding_carry_and_sign) {
    EXPECT_STREQ(icc_format_xyz(0x0000F6D6, 0x00010000, 0x0000D32D),
                 "X=0.9642 Y=1.0000 Z=0.8249 ");
    // 65533 / 65536 = 0.99995..., which rounds up into the integer part.
    EXPECT_EQ(std::strncmp(icc_format_xyz(65533, 0, 0), "X=1.0000 ", 9), 0);
    EXPECT_EQ(std::strncmp(icc_format_xyz(0xFFFFC000, 0, 0), "X=-0.2500 ", 10), 0);
    EXPECT_EQ(std::strncmp(icc_format_xyz(0xFFFEC000, 0, 0), "X=-1.2500 ", 10), 0);
    EXPECT_STREQ(icc_format_xyz(0x80000000, 0x80000000, 0x7FFFFFFF),
                 "X=-32768.0000 Y=-32768.0000 Z=32768.0000 ");
}

TEST(IccTexts, chromaticity_text_and_the_shared_buffer) {
    EXPECT_STREQ(icc_format_xy(0x0000F351, 0x00010000, 0x000116CC), "x=0.3127 y=0.3290");
    char* xyz = icc_format_xyz(0x0000F6D6, 0x00010000, 0x0000D32D);
    char* xy = icc_format_xy(0x0000F6D6, 0x00010000, 0x0000D32D);
    EXPECT_EQ(xyz, xy);
    EXPECT_STREQ(xyz, "x=0.3457 y=0.3585");
    // Undefined chromaticity, and the largest quotient s15Fixed16 inputs allow
    // (X = -32768 over a sum of -1/65536), stay inside the buffer.
    EXPECT_STREQ(icc_format_xy(0, 0, 0), "x=0.0000 y=0.0000");
    EXPECT_STREQ(icc_format_xy(0x00010000, 0xFFFF0000, 0), "x=0.0000 y=0.0000");
    EXPECT_STREQ(icc_format_xy(0x80000000, 0x7FFFFFFF, 0),
                 "x=2147483648.0000 y=-2147483647.0000");
    EXPECT_LT(std::strlen(icc_number_text), size_t(icc_number_text_size));
}
