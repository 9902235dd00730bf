// Colour ids, tables and colour records over the built-in guides and over an
// add-on written by the test, read through the same seam as a real add-on.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "addon_fixture.h"
#include "colorlib/addons.h"
#include "colorlib/color_lookups.h"
#include "colorlib/color_tables.h"
#include "colorlib/colorid.h"
#include "colorlib/descriptor.h"
#include "colorlib/extended_color.h"
#include "colorlib/publications.h"
#include "frame/library_state.h"

namespace {

addon_tables sized(unsigned per_page, unsigned pages, unsigned name_size = 15, unsigned pub_no = 4)
{
    addon_tables t = {};
    t.pub = addon_descriptor("Test Guide", pub_no, per_page, pages, "[DSX][PSX]", name_size);
    return t;
}

// Six colours on two pages of three; names of every shape a table holds.
addon_tables six_colours()
{
    addon_tables t = sized(3, 2);
    t.names = fixed_records({"Lagoon 1", std::string("Ash\0junkjunk", 12), "FifteenCharName", "", "Ember 4", "Z"}, 15);
    t.cie50 = table_words({10000, 10050, 0, 9642, 10000, 8249, 2000, 2000, 2000, 4, 5, 6, 7, 8, 9, 65535, 65535, 65535});
    t.cie65 = table_words({5000, 5000, 5000, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5});
    t.cmyk = table_words({1000, 5, 0, 250, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    return t;
}
const std::string six_pages = fixed_records({"Page 1", "Eight888", "unread"}, 8);

const extended_color sentinel = {0xDEAD, 0xBEEF, 0xCAFE, 0xF00D};
bool same(const extended_color& a, const extended_color& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class ColorTables : public ::testing::Test {
protected:
    void TearDown() override
    {
        addon_count = 0, addon_list = nullptr, first_addon = addon_record{};
        reset_library_state();
        for (const std::string& dir : dirs_) std::filesystem::remove_all(dir);
    }
    // The tables become the one add-on (code 549), in a folder of their own:
    // the native seam keeps what it read, so every add-on needs a fresh path.
    void install(const addon_tables& t, const std::string& page = {}, uint32_t pub_no = 4)
    {
        static int serial = 0;
        const std::string dir = ::testing::TempDir() + "huex_addon_" + std::to_string(getpid()) + "_" + std::to_string(++serial);
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);  // left by an aborted run of the same process id
        ASSERT_TRUE(std::filesystem::create_directory(dir) && write_addon_folder(dir, t, page)) << dir;
        dirs_.push_back(dir);
        first_addon = addon_record{};
        first_addon.pub_no = pub_no, first_addon.system = 549;
        std::snprintf(first_addon.desc, sizeof first_addon.desc, "Test Guide");
        std::snprintf(first_addon.path, sizeof first_addon.path, "%s", dir.c_str());
        addon_list = &first_addon, addon_count = 1;
    }
    std::vector<std::string> dirs_;
};

TEST_F(ColorTables, colour_ids_and_sizes_exist_exactly_within_their_publication)
{
    const uint32_t counts[4] = {952, 952, 952, 3006};
    for (uint32_t n = 0; n < 4; ++n) {
        EXPECT_EQ(make_colorid(n, counts[n] - 1), (n << 16) | (counts[n] - 1));
        EXPECT_EQ(make_colorid(n, counts[n]), no_color);
        EXPECT_EQ(make_colorid(n, 0xFFFFFFFFu), no_color) << "a negative index, sign-extended";
    }
    EXPECT_EQ(make_colorid(4, 0), no_color) << "no add-ons";
    EXPECT_EQ((std::vector<int>{pair_colors_per_page(37, 3), pair_number_of_pages(293, 7), pair_colors_per_page(549, 0)}),
              (std::vector<int>{9, 334, -1}));
    // The colorid keeps 16 bits of index; the add-on's descriptor becomes current.
    install(sized(1000, 100));
    EXPECT_EQ((std::vector<colorid>{make_colorid(4, 65535), make_colorid(4, 65536), make_colorid(5, 0)}),
              (std::vector<colorid>{0x0004FFFFu, no_color, no_color}));
    EXPECT_EQ(descriptor_colors_per_page() * 1000 + pair_number_of_pages(549, 0), 1000100u);
    install(sized(3, 0));
    EXPECT_EQ(pair_colors_per_page(549, 0), -1) << "a publication without colours";
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
    // A name ends at its NUL whatever follows; one that fills its record has
    // none; an empty name has no full name either.
    EXPECT_EQ(get_color_name(make_colorid(4, 1), buf, 99, -1), 3);
    EXPECT_EQ(get_color_name(make_colorid(4, 2), buf, 99, -1), 15);
    EXPECT_STREQ(buf, "FifteenCharName");
    EXPECT_EQ(get_color_name(make_colorid(4, 3), buf, 99, 0) + std::strlen(buf), 0u);

    // Records wider than a name can be contribute 35 bytes; width 0 gives none.
    addon_tables wide = six_colours();
    wide.pub = sized(3, 2, 50).pub;
    wide.names = std::string(50 * 6, 'W');
    install(wide);
    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 99, 0), 8 + 35 + 1 + 3);
    wide.pub = sized(3, 2, 0).pub;
    install(wide);
    EXPECT_EQ(get_color_name(make_colorid(4, 0), buf, 99, 0), 0);
}

TEST_F(ColorTables, measurements_recipes_and_page_labels_in_stored_units)
{
    install(six_colours(), six_pages);
    double X, Y, Z, X5, Y5, Z5, X65, Y65, Z65;
    ASSERT_EQ(get_color_xyz(make_colorid(4, 0), 1, &X, &Y, &Z) + get_color_xyz(make_colorid(4, 5), 1, &X5, &Y5, &Z5) +
                  get_color_xyz(make_colorid(4, 1), 0, &X65, &Y65, &Z65), 3);
    EXPECT_EQ((std::vector<double>{X, Y, Z5, X65}), (std::vector<double>{100.0, 100.5, 655.35, 0.01})) << "D65 from its own table";
    float C, M, Yc, K;
    ASSERT_EQ(get_color_cmyk_recipe(make_colorid(4, 0), &C, &M, &Yc, &K), 1);
    EXPECT_EQ((std::vector<float>{C, M, Yc, K}), (std::vector<float>{1.0f, 0.005f, 0.0f, 0.25f}));

    // The 16-bit look-up clamps to white before scaling.
    extended_color r = {};
    ASSERT_EQ(encode_color(549, 0, 0, &r), encode_done);
    uint16_t xyz[3];
    ASSERT_EQ(lookup_color_xyz(&r, xyz, 1), lookup_done);
    EXPECT_EQ((std::vector<uint16_t>(xyz, xyz + 3)), (std::vector<uint16_t>{65535, 65535, 0}));

    char label[20];
    make_colorid(4, 0);  // the add-on's 3 per page become current
    EXPECT_EQ(get_page_label(make_colorid(4, 2), label, 19) * 10 + color_page_number(make_colorid(4, 2)), 61u);
    EXPECT_EQ(get_page_label(make_colorid(4, 3), label, 19) * 10 + color_page_number(make_colorid(4, 3)), 82u);
    EXPECT_STREQ(label, "Eight888") << "an 8-character label has no NUL";
    select_publication(0);
    EXPECT_EQ((std::vector<uint32_t>{color_page_number(6), color_page_number(7)}), (std::vector<uint32_t>{1, 2}));
    current_descriptor = byte_span{};
    EXPECT_EQ(color_page_number(0x00040003u), 0u) << "no pages to count, no division by zero";
    EXPECT_EQ(get_page_label(0x00040003u, label, 19), 0);
}

TEST_F(ColorTables, tables_shorter_than_their_descriptor_read_as_not_available)
{
    addon_tables t = six_colours();
    t.names.resize(4 * 15);
    t.cie50.resize((5 * 3 - 1) * 2);  // the fifth record is cut short
    t.cmyk.resize(3 * 4 * 2);
    t.cie65.clear();
    install(t, six_pages.substr(0, 8));

    char buf[100] = "untouched";
    double X = -7, Y = -7, Z = -7;
    float C = -7, M, Yc, K;
    EXPECT_EQ(get_color_xyz(make_colorid(4, 3), 1, &X, &Y, &Z), 1);
    X = -7;
    make_colorid(4, 0);
    EXPECT_EQ((std::vector<int>{get_color_name(make_colorid(4, 4), buf, 99, 0), get_color_xyz(make_colorid(4, 4), 1, &X, &Y, &Z),
                                get_color_xyz(make_colorid(4, 0), 0, &X, &Y, &Z),  // no CIE65 table at all
                                get_color_cmyk_recipe(make_colorid(4, 3), &C, &M, &Yc, &K), get_page_label(make_colorid(4, 3), buf, 19)}),
              std::vector<int>(5, 0));
    EXPECT_EQ((std::vector<double>{X, C}), (std::vector<double>{-7, -7}));

    // The exports report such a colour as naming nothing, receivers untouched.
    extended_color r = {};
    ASSERT_EQ(encode_color(549, 0, 2, &r), encode_done);
    uint16_t out[3] = {0xDEAD, 0xDEAD, 0xDEAD};
    EXPECT_EQ((std::vector<int>{lookup_color_rgb(&r, out, 0), lookup_color_xyz(&r, out, 0), out[0]}),
              (std::vector<int>{lookup_no_color, lookup_no_color, 0xDEAD}));
    EXPECT_EQ(lookup_color_rgb(&r, out, 1), lookup_done) << "D50 is there";
}

// The publication each code and flag select, written out independently of the
// code under test: a code with span 1 selects `pub` under any flag, one with
// a larger span selects pub + flag for flags below it.
int32_t expected_pub(int32_t code, int32_t flag)
{
    const struct { int32_t code, pub, span; } codes[] = {
        {0x0025, 0, 4}, {0x0125, 3, 1}, {0x0225, 4, 1}, {0x0625, 5, 1}, {0x0425, 6, 1},
        {0x0525, 7, 1}, {0x0825, 8, 2}, {0x0925, 10, 2}, {0x0325, 12, 2},
    };
    for (const auto& c : codes)
        if (c.code == code) return c.span == 1 ? c.pub : flag < c.span ? c.pub + flag : -1;
    return -1;
}

TEST_F(ColorTables, every_code_and_flag_selects_the_publication_of_the_table)
{
    for (int32_t code = 0; code <= 0xFFFF; ++code) {
        for (int32_t flag = 0; flag <= 15; ++flag) {
            const int16_t c = static_cast<int16_t>(code), f = static_cast<int16_t>(flag);
            const int32_t n = expected_pub(code, flag);
            ASSERT_EQ(system_to_pub(c, f), n) << code << "/" << flag;
            // Index 0 encodes exactly for the built-in publications; a refusal writes nothing.
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
            const bool has_layout = expected_pub(code, 0) >= 0;
            ASSERT_EQ(decode_color(&sys, &fl, &idx, &d), has_layout ? 0 : 1) << code;
            ASSERT_EQ(sys, c);
            ASSERT_TRUE(has_layout || fl == -99) << code;
        }
    }
}

TEST_F(ColorTables, built_in_colours_survive_encode_decode_and_resolve)
{
    const struct { int16_t system, flag; uint32_t pub, count, storable; } pairs[] = {
        {37, 0, 0, 952, 952}, {37, 1, 1, 952, 952}, {37, 2, 2, 952, 952},
        {37, 3, 3, 3006, 1024}, {293, 0, 3, 3006, 3006}, {293, 9, 3, 3006, 3006}};
    for (const auto& p : pairs) {
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
            ASSERT_EQ((std::vector<int>{sys, fl, idx}), (std::vector<int>{p.system, p.system == 293 ? 0 : p.flag, int(i)}));
            ASSERT_EQ(record_to_colorid(&r), (p.pub << 16) | i);
            ASSERT_EQ((std::vector<int>{r.red & 0xFF00, r.green & 0xFF00, r.blue & 0xFF00}),
                      (std::vector<int>{0xDE00, 0xBE00, 0xCA00}));
        }
        extended_color r = sentinel;
        EXPECT_EQ(encode_color(p.system, p.flag, -1, &r), encode_bad_index);
        EXPECT_EQ(encode_color(p.system, p.flag, INT16_MIN, &r), encode_bad_index);
        EXPECT_TRUE(same(r, sentinel));
    }
}

TEST_F(ColorTables, add_on_layouts_round_trip_up_to_what_they_store)
{
    // Code 549 (publication 4) spreads 12 bits of index over field 0 and the flag.
    install(sized(100, 50));
    for (int32_t i : {0, 255, 256, 1023, 1024, 4095}) {
        extended_color r = {};
        ASSERT_EQ(encode_color(549, 7, static_cast<int16_t>(i), &r), encode_done) << i;
        EXPECT_EQ(record_to_colorid(&r), 0x00040000u | static_cast<uint32_t>(i));
    }
    extended_color r = sentinel;
    EXPECT_EQ(encode_color(549, 0, 4096, &r), encode_bad_index) << "12 bits hold 4095 at most";
    EXPECT_TRUE(same(r, sentinel));

    // Code 805 with flag 1 (publication 13) spreads 20 bits over both fields.
    install(sized(1000, 40, 15, 13), {}, 13);
    for (int32_t i : {0, 1023, 1024, 20000, 32767}) {
        r = {};
        ASSERT_EQ(encode_color(805, 1, static_cast<int16_t>(i), &r), encode_done) << i;
        int16_t sys, fl, idx;
        ASSERT_EQ(decode_color(&sys, &fl, &idx, &r), 0);
        EXPECT_EQ((std::vector<int>{fl, idx}), (std::vector<int>{1, i}));
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
