#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "addon_table_fixture.h"
#include "colorlib/color_lookups.h"
#include "colorlib/color_tables.h"
#include "colorlib/colorid.h"
#include "colorlib/descriptor.h"
#include "colorlib/publications.h"

namespace {

// Six colours on two pages of three; names of every shape a table holds.
addon_tables six_colours()
{
    addon_tables t;
    t.names = {"Lagoon 1", std::string("Ash\0junkjunk", 12), "FifteenCharName", "", "Ember 4", "Z"};
    t.cie50 = {10000, 10050, 0, 9642, 10000, 8249, 2000, 2000, 2000, 4, 5, 6, 7, 8, 9, 65535, 65535, 65535};
    t.cie65 = {5000, 5000, 5000, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5};
    t.cmyk = {1000, 5, 0, 250, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    t.pages = {"Page 1", "Eight888", "unread"};
    return t;
}

using ColorTables = addon_table_fixture;

TEST_F(ColorTables, colour_ids_exist_exactly_within_their_publication)
{
    const uint32_t counts[4] = {952, 952, 952, 3006};
    for (uint32_t n = 0; n < 4; ++n) {
        EXPECT_EQ(make_colorid(n, counts[n] - 1), (n << 16) | (counts[n] - 1));
        EXPECT_EQ(make_colorid(n, counts[n]), no_color);
        EXPECT_EQ(make_colorid(n, 0xFFFFFFFFu), no_color) << "a negative index, sign-extended";
    }
    EXPECT_EQ(make_colorid(4, 0), no_color) << "no add-ons";

    addon_tables big;
    big.colors_per_page = 1000;
    big.number_of_pages = 100;
    install(big);
    EXPECT_EQ(make_colorid(4, 65535), 0x0004FFFFu);
    EXPECT_EQ(make_colorid(4, 65536), no_color) << "the colorid keeps 16 bits of index";
    EXPECT_EQ(make_colorid(5, 0), no_color);
    EXPECT_EQ(descriptor_colors_per_page(), 1000u) << "the add-on's descriptor became current";

    // ...unless the picker is open: it keeps the descriptor of the guide it shows.
    select_publication(3);
    picker_open = 1;
    EXPECT_EQ(make_colorid(4, 5), 0x00040005u);
    EXPECT_EQ(descriptor_colors_per_page(), 9u);
}

TEST_F(ColorTables, names_in_every_mode_and_cut)
{
    install(six_colours());
    const colorid lagoon = make_colorid(4, 0);
    char buf[100];
    const struct { int max, mode; const char* name; } modes[] = {
        {99, 0, "VERIHUE Lagoon 1 DSX"}, {99, 1, "VERIHUE Lagoon 1 PSX"}, {99, 2, "VERIHUE Lagoon 1 "},
        {5, 0, "VERIH"}, {5, -1, "Lagoo"},
    };
    for (const auto& m : modes) {
        EXPECT_EQ(get_color_name(lagoon, buf, m.max, m.mode), int(std::strlen(m.name))) << m.name;
        EXPECT_STREQ(buf, m.name);
    }

    // A name ends at its NUL whatever follows; one that fills its record has none.
    EXPECT_EQ(get_color_name(make_colorid(4, 1), buf, 99, -1), 3);
    EXPECT_EQ(get_color_name(make_colorid(4, 2), buf, 99, -1), 15);
    EXPECT_STREQ(buf, "FifteenCharName");
    EXPECT_EQ(get_color_name(make_colorid(4, 3), buf, 99, 0), 0) << "an empty name has no full name either";
    EXPECT_STREQ(buf, "");

    // Records wider than a name can be contribute 35 bytes; width 0 gives none.
    addon_tables wide = six_colours();
    wide.name_size = 50;
    wide.raw_names = std::string(50 * 6, 'W');
    install(wide);
    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 99, 0), 8 + 35 + 1 + 3);
    wide.name_size = 0;
    install(wide);
    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 99, 0), 0);
}

TEST_F(ColorTables, measurements_recipes_and_page_labels_in_stored_units)
{
    install(six_colours());
    double X, Y, Z;
    ASSERT_EQ(get_color_xyz(make_colorid(4, 0), 1, &X, &Y, &Z), 1);
    EXPECT_DOUBLE_EQ(X, 100.0);
    EXPECT_DOUBLE_EQ(Y, 100.5);
    ASSERT_EQ(get_color_xyz(make_colorid(4, 5), 1, &X, &Y, &Z), 1);
    EXPECT_DOUBLE_EQ(Z, 655.35);
    float C, M, Yc, K;
    ASSERT_EQ(get_color_cmyk_recipe(make_colorid(4, 0), &C, &M, &Yc, &K), 1);
    EXPECT_FLOAT_EQ(C, 1.0f);
    EXPECT_FLOAT_EQ(M, 0.005f);
    EXPECT_FLOAT_EQ(K, 0.25f);

    // HUEX_GetColorXYZ clamps to white before scaling to 16 bits.
    extended_color r = {};
    ASSERT_EQ(encode_color(549, 0, 0, &r), encode_done);
    uint16_t xyz[3];
    ASSERT_EQ(lookup_color_xyz(&r, xyz, 1), lookup_done);
    EXPECT_EQ((std::vector<uint16_t>(xyz, xyz + 3)), (std::vector<uint16_t>{65535, 65535, 0}));

    char label[20];
    make_colorid(4, 0);  // the add-on's 3 per page become current
    EXPECT_EQ(get_page_label(make_colorid(4, 2), label, 19), 6);
    EXPECT_EQ(color_page_number(make_colorid(4, 2)), 1u);
    EXPECT_EQ(get_page_label(make_colorid(4, 3), label, 19), 8);
    EXPECT_STREQ(label, "Eight888") << "an 8-character label has no NUL";
    EXPECT_EQ(color_page_number(make_colorid(4, 3)), 2u);
    select_publication(0);
    EXPECT_EQ(color_page_number(6), 1u);
    EXPECT_EQ(color_page_number(7), 2u);
    current_descriptor = byte_span{};
    EXPECT_EQ(color_page_number(0x00040003u), 0u) << "no pages to count, no division by zero";
    EXPECT_EQ(get_page_label(0x00040003u, label, 19), 0);
}

TEST_F(ColorTables, tables_shorter_than_their_descriptor_read_as_not_available)
{
    addon_tables t = six_colours();
    t.names.resize(4);
    t.cie50.resize(5 * 3 - 1);  // the fifth record is cut short
    t.cmyk.resize(3 * 4);
    t.pages.resize(1);
    t.with_cie65 = false;
    install(t);

    char buf[100] = "untouched";
    EXPECT_EQ(get_color_name(make_colorid(4, 4), buf, 99, 0), 0);
    double X = -7, Y = -7, Z = -7;
    EXPECT_EQ(get_color_xyz(make_colorid(4, 3), 1, &X, &Y, &Z), 1);
    X = -7;
    EXPECT_EQ(get_color_xyz(make_colorid(4, 4), 1, &X, &Y, &Z), 0);
    EXPECT_EQ(get_color_xyz(make_colorid(4, 0), 0, &X, &Y, &Z), 0) << "no CIE65 table at all";
    EXPECT_EQ(X, -7);
    float C = -7, M, Yc, K;
    EXPECT_EQ(get_color_cmyk_recipe(make_colorid(4, 3), &C, &M, &Yc, &K), 0);
    EXPECT_EQ(C, -7);
    make_colorid(4, 0);
    EXPECT_EQ(get_page_label(make_colorid(4, 3), buf, 19), 0);

    // The exports report such a colour as naming nothing, receivers untouched.
    extended_color r = {};
    ASSERT_EQ(encode_color(549, 0, 2, &r), encode_done);
    uint16_t out[3] = {0xDEAD, 0xDEAD, 0xDEAD};
    EXPECT_EQ(lookup_color_rgb(&r, out, 0), lookup_no_color);
    EXPECT_EQ(lookup_color_xyz(&r, out, 0), lookup_no_color);
    EXPECT_EQ(out[0], 0xDEAD);
    EXPECT_EQ(lookup_color_rgb(&r, out, 1), lookup_done) << "D50 is there";
}

TEST_F(ColorTables, publication_sizes_by_code_and_flag)
{
    EXPECT_EQ(pair_colors_per_page(37, 3), 9);
    EXPECT_EQ(pair_number_of_pages(293, 7), 334);
    EXPECT_EQ(pair_colors_per_page(549, 0), -1) << "no add-on publication 4";
    install(six_colours());
    EXPECT_EQ(pair_colors_per_page(549, 0), 3);
    EXPECT_EQ(pair_number_of_pages(549, 0), 2);
    addon_tables empty;
    empty.number_of_pages = 0;
    install(empty);
    EXPECT_EQ(pair_colors_per_page(549, 0), -1) << "a publication without colours";
}

}  // namespace
