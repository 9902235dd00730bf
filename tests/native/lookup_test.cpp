#include <gtest/gtest.h>

#include <cstring>

#include "addon_table_fixture.h"
#include "colorlib/color_lookups.h"
#include "colorlib/colorid.h"
#include "profiles/display_characterization.h"
#include "profiles/display_rgb.h"

namespace {

class lookup_test : public addon_table_fixture {
protected:
    void SetUp() override
    {
        invalidate_display_matrix();
        display_characterization = default_display_model;
    }

    // Publication 4 (code 549): white at 100, a value just over it, a grey,
    // and the 96.42 of the D50 white.
    void install_measured(bool with_cie65 = true)
    {
        addon_tables t;
        t.names = {"Pale", "FifteenCharName", "Grey 20", "Ivory"};
        t.colors_per_page = 2;
        t.number_of_pages = 2;
        t.cie50 = {10000, 10000, 10000, 10050, 10000, 0, 2000, 2000, 2000, 9642, 10000, 8249};
        t.cie65 = {5000, 5000, 5000, 1, 2, 3, 0, 0, 0, 9505, 10000, 10890};
        t.with_cie65 = with_cie65;
        install(t);
    }

    static extended_color record_of(int16_t index)
    {
        extended_color r = {0x1100, 0x2200, 0x3300, 0};
        EXPECT_EQ(encode_color(549, 0, index, &r), encode_done);
        return r;
    }
};

const uint16_t untouched = 0xDEAD;

TEST_F(lookup_test, xyz_is_clamped_to_white_and_scaled_to_sixteen_bits)
{
    install_measured();
    uint16_t xyz[3];
    extended_color r = record_of(1);
    ASSERT_EQ(lookup_color_xyz(&r, xyz, 1), lookup_done);
    EXPECT_EQ(xyz[0], 65535) << "100.5 is clamped";
    EXPECT_EQ(xyz[1], 65535);
    EXPECT_EQ(xyz[2], 0);
    r = record_of(3);
    ASSERT_EQ(lookup_color_xyz(&r, xyz, 1), lookup_done);
    EXPECT_EQ(xyz[0], 63188);
    ASSERT_EQ(lookup_color_xyz(&r, xyz, 2), lookup_done) << "any selector but 1 is D65";
    EXPECT_EQ(xyz[0], static_cast<uint16_t>(95.05 / 100.0 * 65535.0));
}

TEST_F(lookup_test, rgb_takes_the_selected_measurement_through_the_display_model)
{
    install_measured();
    uint16_t rgb[3];
    extended_color r = record_of(0);
    ASSERT_EQ(lookup_color_rgb(&r, rgb, 1), lookup_done);
    EXPECT_EQ(rgb[0], 0xFF00) << "white short-cuts to 255";
    EXPECT_EQ(rgb[2], 0xFF00);
    r = record_of(2);
    ASSERT_EQ(lookup_color_rgb(&r, rgb, 1), lookup_done);
    EXPECT_EQ(rgb[0], 130 << 8);
    EXPECT_EQ(rgb[1], 120 << 8);
    EXPECT_EQ(rgb[2], 116 << 8);
    r = record_of(0);
    ASSERT_EQ(lookup_color_rgb(&r, rgb, 0), lookup_done);
    EXPECT_EQ(rgb[1], 182 << 8) << "the D65 grey 50";

    int32_t R = -1, G = -1, B = -1;
    EXPECT_EQ(get_color_display_rgb(0x00040002u, &R, &G, &B, 1), 1);
    EXPECT_EQ(R, 130);
}

TEST_F(lookup_test, missing_measurements_report_no_colour_and_write_nothing)
{
    install_measured(false);
    uint16_t out[3] = {untouched, untouched, untouched};
    extended_color r = record_of(2);
    EXPECT_EQ(lookup_color_rgb(&r, out, 0), lookup_no_color);
    EXPECT_EQ(lookup_color_xyz(&r, out, 0), lookup_no_color);
    EXPECT_EQ(out[0], untouched);
    EXPECT_EQ(out[2], untouched);
    int32_t R = -1, G = -1, B = -1;
    EXPECT_EQ(get_color_display_rgb(0x00040002u, &R, &G, &B, 0), -1);
    EXPECT_EQ(R, -1);
    EXPECT_EQ(lookup_color_rgb(&r, out, 1), lookup_done) << "D50 is there";
}

TEST_F(lookup_test, records_that_name_no_colour_leave_every_receiver_alone)
{
    install_measured();
    extended_color plain = {0x1100, 0x2200, 0x3300, 0x2500};       // byte 6 is 0
    extended_color unknown = {0x1100, 0x2200, 0x3300, 0x0725};     // no such code
    extended_color beyond = record_of(3);
    set_index(&beyond, 0, 4);                                      // past the 4 colours
    for (const extended_color& r : {plain, unknown, beyond}) {
        uint16_t out[3] = {untouched, untouched, untouched};
        char name[80] = "untouched";
        uint32_t index = untouched;
        EXPECT_EQ(lookup_color_rgb(&r, out, 1), lookup_no_color);
        EXPECT_EQ(lookup_color_xyz(&r, out, 1), lookup_no_color);
        EXPECT_EQ(lookup_color_name(&r, name), 0);
        EXPECT_EQ(lookup_short_color_name(&r, name), 0);
        EXPECT_EQ(lookup_color_index(&r, &index), lookup_no_color);
        EXPECT_EQ(out[1], untouched);
        EXPECT_STREQ(name, "untouched");
        EXPECT_EQ(index, untouched);
    }
}

TEST_F(lookup_test, names_and_index_of_a_record)
{
    install_measured();
    char name[80];
    extended_color r = record_of(1);
    EXPECT_EQ(lookup_color_name(&r, name), 27);
    EXPECT_STREQ(name, "VERIHUE FifteenCharName DSX");
    EXPECT_EQ(lookup_short_color_name(&r, name), 15);
    EXPECT_STREQ(name, "FifteenCharName");
    uint32_t index = 0;
    EXPECT_EQ(lookup_color_index(&r, &index), lookup_done);
    EXPECT_EQ(index, 1u);
}

TEST_F(lookup_test, publication_sizes_by_code_and_flag)
{
    EXPECT_EQ(pair_colors_per_page(37, 0), 7);
    EXPECT_EQ(pair_number_of_pages(37, 0), 136);
    EXPECT_EQ(pair_colors_per_page(37, 2), 7);
    EXPECT_EQ(pair_colors_per_page(37, 3), 9);
    EXPECT_EQ(pair_colors_per_page(293, 0), 9);
    EXPECT_EQ(pair_number_of_pages(293, 0), 334);
    EXPECT_EQ(pair_number_of_pages(37, 4), -1);
    EXPECT_EQ(pair_colors_per_page(549, 0), -1) << "no add-on publication 4";
    install_measured();
    EXPECT_EQ(pair_colors_per_page(549, 0), 2);
    EXPECT_EQ(pair_number_of_pages(549, 0), 2);

    addon_tables empty;
    empty.number_of_pages = 0;
    install(empty);
    EXPECT_EQ(pair_colors_per_page(549, 0), -1) << "a publication without colours";
}

TEST(component_conversions, sixteen_and_eight_bit_components)
{
    EXPECT_EQ(uint16_to_byte(0x2345), 0x23);
    EXPECT_EQ(uint16_to_byte(0x56782345), 0x23);
    EXPECT_EQ(byte_to_uint16(0x23), 0x2300u);
}

}  // namespace
