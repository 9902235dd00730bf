#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "addon_table_fixture.h"
#include "colorlib/color_tables.h"
#include "colorlib/colorid.h"
#include "colorlib/descriptor.h"
#include "colorlib/publications.h"

namespace {

class color_tables_test : public addon_table_fixture {
protected:
    // Six colours on two pages of three; names of every shape a table holds.
    addon_tables six_colours()
    {
        addon_tables t;
        t.names = {"Lagoon 1", std::string("Ash\0junkjunk", 12), "FifteenCharName", "", "Ember 4", "Z"};
        t.cie50 = {10000, 10050, 0, 9642, 10000, 8249, 1, 2, 3, 4, 5, 6, 7, 8, 9, 65535, 65535, 65535};
        t.cie65 = {9505, 10000, 10890, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5};
        t.cmyk = {1000, 5, 0, 250, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
        t.pages = {"Page 1", "Eight888", "unread"};
        return t;
    }
};

TEST(make_colorid_test, built_in_publications_hold_exactly_their_colour_counts)
{
    EXPECT_EQ(make_colorid(0, 951), 0x000003B7u);
    EXPECT_EQ(make_colorid(0, 952), no_color);
    EXPECT_EQ(make_colorid(3, 3005), 0x00030BBDu);
    EXPECT_EQ(make_colorid(3, 3006), no_color);
    const uint32_t counts[4] = {952, 952, 952, 3006};
    for (uint32_t n = 0; n < 4; ++n) {
        EXPECT_EQ(make_colorid(n, 0), n << 16);
        EXPECT_EQ(make_colorid(n, counts[n] - 1), (n << 16) | (counts[n] - 1));
        EXPECT_EQ(make_colorid(n, counts[n]), no_color);
        EXPECT_EQ(make_colorid(n, 0xFFFFFFFFu), no_color) << "a negative index, sign-extended";
    }
    EXPECT_EQ(make_colorid(4, 0), no_color) << "no add-ons";
    EXPECT_EQ(make_colorid(0x104, 0), no_color);
}

TEST_F(color_tables_test, add_on_colour_ids_follow_its_descriptor_and_make_it_current)
{
    install(six_colours());
    EXPECT_EQ(make_colorid(4, 5), 0x00040005u);
    EXPECT_EQ(make_colorid(4, 6), no_color);
    EXPECT_EQ(make_colorid(5, 0), no_color) << "no add-on holds publication 5";
    EXPECT_EQ(descriptor_colors_per_page(), 3u);

    // The picker keeps the descriptor of the guide it shows.
    select_publication(3);
    picker_open = 1;
    EXPECT_EQ(make_colorid(4, 5), 0x00040005u);
    EXPECT_EQ(descriptor_colors_per_page(), 9u);
}

TEST_F(color_tables_test, indexes_beyond_sixteen_bits_are_refused_not_wrapped)
{
    addon_tables t;
    t.colors_per_page = 1000;
    t.number_of_pages = 100;
    install(t);
    EXPECT_EQ(make_colorid(4, 65535), 0x0004FFFFu);
    EXPECT_EQ(make_colorid(4, 65536), no_color);
}

TEST_F(color_tables_test, names_in_every_mode_and_cut)
{
    install(six_colours());
    char buf[100];
    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 99, 0), 20);
    EXPECT_STREQ(buf, "VERIHUE Lagoon 1 DSX");
    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 99, 1), 20);
    EXPECT_STREQ(buf, "VERIHUE Lagoon 1 PSX");
    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 99, 2), 17);
    EXPECT_STREQ(buf, "VERIHUE Lagoon 1 ");
    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 99, -1), 8);
    EXPECT_STREQ(buf, "Lagoon 1");

    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 5, 0), 5);
    EXPECT_STREQ(buf, "VERIH");
    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 5, -1), 5);
    EXPECT_STREQ(buf, "Lagoo");
    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 0, -1), 0);
    EXPECT_STREQ(buf, "");

    // A name ends at its NUL whatever follows; one that fills its record has none.
    EXPECT_EQ(get_color_name(make_colorid(4, 1), buf, 99, -1), 3);
    EXPECT_STREQ(buf, "Ash");
    EXPECT_EQ(get_color_name(make_colorid(4, 2), buf, 99, -1), 15);
    EXPECT_STREQ(buf, "FifteenCharName");
    EXPECT_EQ(get_color_name(make_colorid(4, 2), buf, 99, 0), 27);

    std::strcpy(buf, "stale");
    EXPECT_EQ(get_color_name(make_colorid(4, 3), buf, 99, 0), 0) << "an empty name has no full name either";
    EXPECT_STREQ(buf, "");
}

TEST_F(color_tables_test, measurements_and_recipes_in_stored_units)
{
    install(six_colours());
    double X = -1, Y = -1, Z = -1;
    ASSERT_EQ(get_color_xyz(make_colorid(4, 0), 1, &X, &Y, &Z), 1);
    EXPECT_DOUBLE_EQ(X, 100.0);
    EXPECT_DOUBLE_EQ(Y, 100.5);
    EXPECT_DOUBLE_EQ(Z, 0.0);
    ASSERT_EQ(get_color_xyz(make_colorid(4, 0), 0, &X, &Y, &Z), 1);
    EXPECT_DOUBLE_EQ(X, 95.05);
    EXPECT_DOUBLE_EQ(Z, 108.9);
    ASSERT_EQ(get_color_xyz(make_colorid(4, 5), 1, &X, &Y, &Z), 1);
    EXPECT_DOUBLE_EQ(Y, 655.35);

    float C = -1, M = -1, Yc = -1, K = -1;
    ASSERT_EQ(get_color_cmyk_recipe(make_colorid(4, 0), &C, &M, &Yc, &K), 1);
    EXPECT_FLOAT_EQ(C, 1.0f);
    EXPECT_FLOAT_EQ(M, 0.005f);
    EXPECT_FLOAT_EQ(Yc, 0.0f);
    EXPECT_FLOAT_EQ(K, 0.25f);
}

TEST_F(color_tables_test, page_labels_and_numbers_follow_the_current_descriptor)
{
    install(six_colours());
    char buf[20];
    make_colorid(4, 0);  // makes the add-on's descriptor current: 3 per page
    EXPECT_EQ(get_page_label(make_colorid(4, 2), buf, 19), 6);
    EXPECT_STREQ(buf, "Page 1");
    EXPECT_EQ(color_page_number(make_colorid(4, 2)), 1u);
    EXPECT_EQ(get_page_label(make_colorid(4, 3), buf, 19), 8) << "an 8-character label has no NUL";
    EXPECT_STREQ(buf, "Eight888");
    EXPECT_EQ(color_page_number(make_colorid(4, 3)), 2u);
    EXPECT_EQ(get_page_label(make_colorid(4, 3), buf, 3), 3);
    EXPECT_STREQ(buf, "Eig");

    // With 7 per page (a solid guide current), index 6 is on page 1, 7 on page 2.
    select_publication(0);
    EXPECT_EQ(color_page_number(0x00000006u), 1u);
    EXPECT_EQ(color_page_number(0x00000007u), 2u);

    // Nothing current: no pages to count, and no division by zero.
    current_descriptor = byte_span{};
    EXPECT_EQ(color_page_number(0x00040003u), 0u);
    EXPECT_EQ(get_page_label(0x00040003u, buf, 19), 0);
    EXPECT_STREQ(buf, "");
}

TEST_F(color_tables_test, tables_shorter_than_their_descriptor_read_as_not_available)
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
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 99, -1), 8);

    double X = -7, Y = -7, Z = -7;
    EXPECT_EQ(get_color_xyz(make_colorid(4, 3), 1, &X, &Y, &Z), 1);
    EXPECT_EQ(get_color_xyz(make_colorid(4, 4), 1, &X, &Y, &Z), 0);
    X = Y = Z = -7;
    EXPECT_EQ(get_color_xyz(make_colorid(4, 5), 1, &X, &Y, &Z), 0);
    EXPECT_EQ(get_color_xyz(make_colorid(4, 0), 0, &X, &Y, &Z), 0) << "no CIE65 table at all";
    EXPECT_EQ(X, -7);
    EXPECT_EQ(Z, -7);

    float C = -7, M = -7, Yc = -7, K = -7;
    EXPECT_EQ(get_color_cmyk_recipe(make_colorid(4, 2), &C, &M, &Yc, &K), 1);
    C = -7;
    EXPECT_EQ(get_color_cmyk_recipe(make_colorid(4, 3), &C, &M, &Yc, &K), 0);
    EXPECT_EQ(C, -7);

    make_colorid(4, 0);
    EXPECT_EQ(get_page_label(make_colorid(4, 3), buf, 19), 0);
}

TEST_F(color_tables_test, odd_name_widths_never_overrun)
{
    addon_tables t = six_colours();
    t.name_size = 50;  // wider than any composition can hold
    t.raw_names = std::string(50, 'W') + std::string(50 * 5, 'x');
    install(t);
    char buf[100];
    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 99, -1), 35);
    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 99, 0), 8 + 35 + 1 + 3);

    addon_tables z = six_colours();
    z.name_size = 0;
    install(z);
    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 99, 0), 0);
}

}  // namespace

namespace {

// Each built-in publication finds its own measurements and the shared names,
// recipes and labels of its kind, for every colour up to the last.
TEST(built_in_tables_test, every_colour_of_every_built_in_publication_reads)
{
    for (uint32_t n = 0; n < 4; ++n) {
        select_publication(n);
        const uint32_t count = pub_number_of_pages(n) * pub_colors_per_page(n);
        for (uint32_t i = 0; i < count; ++i) {
            const colorid id = make_colorid(n, i);
            ASSERT_NE(id, no_color);
            char name[80], label[20];
            ASSERT_GT(get_color_name(id, name, 79, -1), 0) << n << ":" << i;
            double X, Y, Z;
            ASSERT_EQ(get_color_xyz(id, 1, &X, &Y, &Z), 1) << n << ":" << i;
            ASSERT_EQ(get_color_xyz(id, 0, &X, &Y, &Z), 1) << n << ":" << i;
            float C, M, Yc, K;
            ASSERT_EQ(get_color_cmyk_recipe(id, &C, &M, &Yc, &K), 1) << n << ":" << i;
            ASSERT_GT(get_page_label(id, label, 19), 0) << n << ":" << i;
        }
        EXPECT_EQ(color_page_number(make_colorid(n, count - 1)), pub_number_of_pages(n));
    }
    char a[80], b[80];
    get_color_name(0x00000005u, a, 79, 0);
    get_color_name(0x00020005u, b, 79, 0);
    EXPECT_EQ(std::string(a).substr(0, std::strlen(a) - 3), std::string(b).substr(0, std::strlen(b) - 3))
        << "the solid guides share their names and differ in the suffix";
    EXPECT_STRNE(a, b);
}

}  // namespace
