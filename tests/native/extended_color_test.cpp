#include <gtest/gtest.h>

#include <cstring>

#include "addon_table_fixture.h"
#include "colorlib/colorid.h"
#include "colorlib/extended_color.h"

namespace {

// The publication each code and flag select, written out independently of
// the code under test.
int32_t expected_pub(int32_t code, int32_t flag)
{
    switch (code) {
    case 0x0025: return flag <= 3 ? flag : -1;
    case 0x0125: return 3;
    case 0x0225: return 4;
    case 0x0625: return 5;
    case 0x0425: return 6;
    case 0x0525: return 7;
    case 0x0825: return flag <= 1 ? 8 + flag : -1;
    case 0x0925: return flag <= 1 ? 10 + flag : -1;
    case 0x0325: return flag <= 1 ? 12 + flag : -1;
    default: return -1;
    }
}

bool same(const extended_color& a, const extended_color& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

const extended_color sentinel = {0xDEAD, 0xBEEF, 0xCAFE, 0xF00D};

class ExtendedColor : public addon_table_fixture {};

TEST_F(ExtendedColor, every_code_and_flag_selects_the_publication_of_the_table)
{
    for (int32_t code = 0; code <= 0xFFFF; ++code) {
        for (int32_t flag = 0; flag <= 15; ++flag) {
            const int16_t c = static_cast<int16_t>(code);
            const int16_t f = static_cast<int16_t>(flag);
            const int32_t n = expected_pub(code, flag);
            ASSERT_EQ(system_to_pub(c, f), n) << code << "/" << flag;

            // Encoding index 0 succeeds exactly for the built-in publications;
            // a refusal writes nothing.
            extended_color r = sentinel;
            const int16_t status = encode_color(c, f, 0, &r);
            if (n >= 0 && n <= 3) {
                ASSERT_EQ(status, encode_done) << code << "/" << flag;
                ASSERT_EQ(record_to_colorid(&r), static_cast<colorid>(n) << 16) << code << "/" << flag;
                ASSERT_EQ(r.red & 0xFF00, 0xDE00) << "display colour kept";
            } else {
                ASSERT_EQ(status, encode_no_publication) << code << "/" << flag;
                ASSERT_TRUE(same(r, sentinel));
            }

            // Decoding reports every code, and refuses those without a layout.
            extended_color d = {0x12F3, 0x3456, 0x5678, static_cast<uint16_t>(code)};
            int16_t sys = 0, fl = -99, idx = -99;
            const int16_t dec = decode_color(&sys, &fl, &idx, &d);
            ASSERT_EQ(sys, c);
            const bool has_layout = expected_pub(code, 0) >= 0;
            ASSERT_EQ(dec, has_layout ? 0 : 1) << code;
            if (!has_layout) {
                ASSERT_EQ(fl, -99);
            }
        }
    }
}

TEST_F(ExtendedColor, built_in_colours_survive_encode_decode_and_resolve)
{
    struct pair { int16_t system, flag; uint32_t pub, count, storable; };
    const pair pairs[] = {{37, 0, 0, 952, 952}, {37, 1, 1, 952, 952}, {37, 2, 2, 952, 952},
                          {37, 3, 3, 3006, 1024}, {293, 0, 3, 3006, 3006}, {293, 9, 3, 3006, 3006}};
    for (const pair& p : pairs) {
        for (uint32_t i = 0; i < p.count + 2; ++i) {
            extended_color r = sentinel;
            const int16_t status = encode_color(p.system, p.flag, static_cast<int16_t>(i), &r);
            if (i >= p.storable) {
                ASSERT_EQ(status, encode_bad_index) << p.system << "/" << p.flag << " " << i;
                ASSERT_TRUE(same(r, sentinel));
                continue;
            }
            ASSERT_EQ(status, encode_done);
            int16_t sys, fl, idx;
            ASSERT_EQ(decode_color(&sys, &fl, &idx, &r), 0);
            EXPECT_EQ(sys, p.system);
            EXPECT_EQ(fl, p.system == 293 ? 0 : p.flag);
            ASSERT_EQ(idx, static_cast<int16_t>(i));
            ASSERT_EQ(record_to_colorid(&r), (p.pub << 16) | i);
            ASSERT_EQ(r.red & 0xFF00, 0xDE00);
            ASSERT_EQ(r.green & 0xFF00, 0xBE00);
            ASSERT_EQ(r.blue & 0xFF00, 0xCA00);
        }
        extended_color r = sentinel;
        EXPECT_EQ(encode_color(p.system, p.flag, -1, &r), encode_bad_index);
        EXPECT_EQ(encode_color(p.system, p.flag, INT16_MIN, &r), encode_bad_index);
        EXPECT_TRUE(same(r, sentinel));
    }
}

TEST_F(ExtendedColor, add_on_layouts_round_trip_up_to_what_they_store)
{
    // Code 549 (publication 4) spreads 12 bits of index over field 0 and the flag.
    addon_tables wide;
    wide.colors_per_page = 100;
    wide.number_of_pages = 50;
    install(wide);
    for (int32_t i : {0, 255, 256, 1023, 1024, 4095}) {
        extended_color r = {};
        ASSERT_EQ(encode_color(549, 7, static_cast<int16_t>(i), &r), encode_done) << i;
        EXPECT_EQ(record_to_colorid(&r), 0x00040000u | static_cast<uint32_t>(i));
    }
    extended_color r = sentinel;
    EXPECT_EQ(encode_color(549, 0, 4096, &r), encode_bad_index) << "12 bits hold 4095 at most";
    EXPECT_TRUE(same(r, sentinel));

    // Code 805 with flag 1 (publication 13) spreads 20 bits over both fields.
    addon_tables big;
    big.pub_no = 13;
    big.colors_per_page = 1000;
    big.number_of_pages = 40;
    install(big);
    for (int32_t i : {0, 1023, 1024, 20000, 32767}) {
        r = {};
        ASSERT_EQ(encode_color(805, 1, static_cast<int16_t>(i), &r), encode_done) << i;
        int16_t sys, fl, idx;
        ASSERT_EQ(decode_color(&sys, &fl, &idx, &r), 0);
        EXPECT_EQ(fl, 1);
        EXPECT_EQ(idx, i);
        EXPECT_EQ(record_to_colorid(&r), 0x000D0000u | static_cast<uint32_t>(i));
    }
    // Field 1 bits that make the 16-bit index negative name nothing.
    r = {};
    r.color_system = 805;
    set_color_flag(&r, 1);
    set_index(&r, 1, 0x20);
    EXPECT_EQ(record_to_colorid(&r), no_color);
}

}  // namespace
