// Colour ids, tables, descriptors and add-on publications over the built-in guides and test-made add-ons.
#include <gtest/gtest.h>
#include <lcms2.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdlib.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "addon_fixture.h"
#include "addon_guide_files.h"
#include "colorlib/addon_contract.h"
#include "colorlib/addons.h"
#include "colorlib/color_lookups.h"
#include "colorlib/color_tables.h"
#include "colorlib/colorid.h"
#include "colorlib/descriptor.h"
#include "colorlib/extended_color.h"
#include "colorlib/publication_catalogue.h"
#include "colorlib/publications.h"
#include "colorlib/resource_seam.h"
#include "display/display_state.h"
#include "test_files.h"

namespace {

addon_tables sized(unsigned per_page, unsigned pages, unsigned name_size = 15, unsigned pub_no = 4) {
    return {addon_descriptor("Test Guide", pub_no, per_page, pages, "[DSX][PSX]", name_size), "", "", "", "", nullptr, nullptr};
}

addon_tables six_colours() {
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
    void TearDown() override {
        for (const std::string& dir : dirs_) std::filesystem::remove_all(dir);
    }
    // The one add-on (code 549); the seam keeps what it read, so each gets a fresh folder.
    void install(const addon_tables& t, const std::string& page = {}, uint32_t pub_no = 4) {
        static int serial = 0;
        const std::string dir = ::testing::TempDir() + "huex_addon_" + std::to_string(getpid()) + "_" + std::to_string(++serial);
        ASSERT_TRUE(std::filesystem::create_directory(dir) && write_addon_folder(dir, t, page)) << dir;
        dirs_.push_back(dir);
        addon_record& a = catalogue.first_addon;
        a = addon_record{}, a.pub_no = pub_no, a.system = 549;
        std::snprintf(a.desc, sizeof a.desc, "Test Guide");
        std::snprintf(a.path, sizeof a.path, "%s", dir.c_str());
        catalogue.addon_list = &a, catalogue.addon_count = 1;
    }
    colorid id(uint32_t pub, uint32_t index) { return make_colorid(catalogue, pub, index); }
    publication_catalogue catalogue;
    std::vector<std::string> dirs_;
};

TEST_F(ColorTables, colour_ids_and_sizes_exist_exactly_within_their_publication) {
    const uint32_t counts[4] = {952, 952, 952, 3006};
    for (uint32_t n = 0; n < 4; ++n) {
        EXPECT_EQ((std::vector<colorid>{id(n, counts[n] - 1), id(n, counts[n]), id(n, 0xFFFFFFFFu)}),
                  (std::vector<colorid>{(n << 16) | (counts[n] - 1), no_color, no_color}));
    }
    EXPECT_EQ(id(4, 0), no_color);
    EXPECT_EQ((std::vector<int>{pair_colors_per_page(catalogue, 37, 3), pair_number_of_pages(catalogue, 293, 7), pair_colors_per_page(catalogue, 549, 0)}),
              (std::vector<int>{9, 334, -1}));
    install(sized(1000, 100));
    EXPECT_EQ((std::vector<colorid>{id(4, 65535), id(4, 65536), id(5, 0)}),
              (std::vector<colorid>{0x0004FFFFu, no_color, no_color}));
    EXPECT_EQ(read_colors_per_page(locate_descriptor(catalogue, 4)) * 1000 + pair_number_of_pages(catalogue, 549, 0), 1000100u);
    install(sized(3, 0));
    EXPECT_EQ(pair_colors_per_page(catalogue, 549, 0), -1);
}

TEST_F(ColorTables, names_in_every_mode_and_cut) {
    install(six_colours());
    const colorid lagoon = id(4, 0);
    char buf[100];
    const struct { int max, mode; const char* name; } modes[] = {
        {99, 0, "VERIHUE Lagoon 1 DSX"}, {99, 1, "VERIHUE Lagoon 1 PSX"}, {99, 2, "VERIHUE Lagoon 1 "}, {5, 0, "VERIH"}, {5, -1, "Lagoo"},
    };
    for (const auto& m : modes) {
        EXPECT_EQ(get_color_name(catalogue, lagoon, buf, m.max, m.mode), int(std::strlen(m.name))) << m.name;
        EXPECT_STREQ(buf, m.name);
    }
    // Names end at their NUL or their record's end; an empty one has no full name.
    EXPECT_EQ(get_color_name(catalogue, id(4, 1), buf, 99, -1), 3);
    EXPECT_EQ(std::to_string(get_color_name(catalogue, id(4, 2), buf, 99, -1)) + buf, "15FifteenCharName");
    EXPECT_EQ(get_color_name(catalogue, id(4, 3), buf, 99, 0) + std::strlen(buf), 0u);
    // Records wider than a name can be contribute 35 bytes; width 0 gives none.
    addon_tables wide = six_colours();
    wide.pub = sized(3, 2, 50).pub, wide.names = std::string(50 * 6, 'W');
    install(wide);
    EXPECT_EQ(get_color_name(catalogue, id(4, 0), buf, 99, 0), 8 + 35 + 1 + 3);
    wide.pub = sized(3, 2, 0).pub;
    install(wide);
    EXPECT_EQ(get_color_name(catalogue, id(4, 0), buf, 99, 0), 0);
}

TEST_F(ColorTables, measurements_recipes_and_page_labels_in_stored_units) {
    install(six_colours(), six_pages);
    const std::optional<measured_xyz> x = get_color_xyz(catalogue, id(4, 0), 1), x5 = get_color_xyz(catalogue, id(4, 5), 1), x65 = get_color_xyz(catalogue, id(4, 1), 0);
    const std::optional<cmyk_recipe> k = get_color_cmyk_recipe(catalogue, id(4, 0));
    ASSERT_TRUE(x && x5 && x65 && k);
    EXPECT_EQ((std::vector<double>{x->X, x->Y, x5->Z, x65->X}), (std::vector<double>{100.0, 100.5, 655.35, 0.01}));
    EXPECT_EQ((std::vector<float>{k->C, k->M, k->Y, k->K}), (std::vector<float>{1.0f, 0.005f, 0.0f, 0.25f}));
    // The 16-bit look-up clamps to white before scaling.
    extended_color r = {};
    ASSERT_EQ(encode_color(catalogue, 549, 0, 0, &r), status::ok);
    uint16_t xyz[3];
    ASSERT_EQ(lookup_color_xyz(catalogue, r, xyz, 1), status::ok);
    EXPECT_EQ((std::vector<uint16_t>(xyz, xyz + 3)), (std::vector<uint16_t>{65535, 65535, 0}));
    char label[20];  // pages counted with each colour's own publication: the add-on's 3 per page, the solid guide's 7
    EXPECT_EQ(get_page_label(catalogue, id(4, 2), label, 19) * 10 + color_page_number(catalogue, id(4, 2)), 61u);
    EXPECT_EQ(get_page_label(catalogue, id(4, 3), label, 19) * 10 + color_page_number(catalogue, id(4, 3)), 82u);
    EXPECT_STREQ(label, "Eight888");  // 8 characters, no NUL
    EXPECT_EQ((std::vector<uint32_t>{color_page_number(catalogue, 6), color_page_number(catalogue, 7)}), (std::vector<uint32_t>{1, 2}));
    install(sized(0, 2), six_pages);  // no colours per page
    EXPECT_EQ(color_page_number(catalogue, 0x00040003u) + get_page_label(catalogue, 0x00040003u, label, 19), 0u);  // no division by zero
}

TEST_F(ColorTables, tables_shorter_than_their_descriptor_read_as_not_available) {
    addon_tables t = six_colours();
    t.names.resize(4 * 15), t.cie50.resize((5 * 3 - 1) * 2), t.cmyk.resize(3 * 4 * 2), t.cie65.clear();  // the fifth XYZ cut short
    install(t, six_pages.substr(0, 8));
    char buf[100] = "untouched";
    EXPECT_TRUE(get_color_xyz(catalogue, id(4, 3), 1));
    EXPECT_EQ((std::vector<int>{get_color_name(catalogue, id(4, 4), buf, 99, 0), get_color_xyz(catalogue, id(4, 4), 1).has_value(),
                                get_color_xyz(catalogue, id(4, 0), 0).has_value(),  // no CIE65 table at all
                                get_color_cmyk_recipe(catalogue, id(4, 3)).has_value(), get_page_label(catalogue, id(4, 3), buf, 19)}),
              std::vector<int>(5, 0));
    // The exports report such a colour as naming nothing, receivers untouched.
    extended_color r = {};
    ASSERT_EQ(encode_color(catalogue, 549, 0, 2, &r), status::ok);
    uint16_t out[3] = {0xDEAD, 0xDEAD, 0xDEAD};
    display_state display;
    EXPECT_EQ((std::vector<int>{int(lookup_color_rgb(catalogue, display, r, out, 0)), int(lookup_color_xyz(catalogue, r, out, 0)), out[0]}),
              (std::vector<int>{int(status::no_color), int(status::no_color), 0xDEAD}));
    EXPECT_EQ(lookup_color_rgb(catalogue, display, r, out, 1), status::ok);
}

// A code with span 1 selects `pub` under any flag; a larger span pub + flag for flags below it.
int32_t expected_pub(int32_t code, int32_t flag) {
    const struct { int32_t code, pub, span; } codes[] = {
        {0x0025, 0, 4}, {0x0125, 3, 1}, {0x0225, 4, 1}, {0x0625, 5, 1}, {0x0425, 6, 1},
        {0x0525, 7, 1}, {0x0825, 8, 2}, {0x0925, 10, 2}, {0x0325, 12, 2},
    };
    if ((code & 0xFF) == 0x25 && code >> 8 >= 16 && code >> 8 <= 127) return flag == 0 ? code >> 8 : -1;  // palettes
    for (const auto& c : codes)
        if (c.code == code) return c.span == 1 ? c.pub : flag >= 0 && flag < c.span ? c.pub + flag : -1;
    return -1;
}

// The add-on checker's reading of a code agrees with the library's.
TEST_F(ColorTables, every_code_and_flag_selects_the_publication_of_the_table) {
    for (int32_t code = 0; code <= 0xFFFF; ++code) {
        for (int32_t flag = -1; flag <= 16; ++flag) {
            const int16_t c = static_cast<int16_t>(code), f = static_cast<int16_t>(flag);
            const int32_t n = expected_pub(code, flag);
            ASSERT_EQ(system_to_pub(c, f), n) << code << "/" << flag;
            const addon_code a = addon_code_of(c, f);
            ASSERT_TRUE(a.pub_no == (n >= 4 && n < 16 ? n : -1) && (a.pub_no < 0 || a.largest_index == largest_storable_index(c))) << code << "/" << flag;
            extended_color r = sentinel;
            const status st = encode_color(catalogue, c, f, 0, &r);
            if (n >= 0 && n <= 3) {
                ASSERT_TRUE(st == status::ok && record_to_colorid(catalogue, &r) == static_cast<colorid>(n) << 16 && (r.red & 0xFF00) == 0xDE00)
                    << code << "/" << flag;
            } else {
                ASSERT_TRUE(st == status::no_publication && same(r, sentinel)) << code << "/" << flag;
            }
            extended_color d = {0x12F3, 0x3456, 0x5678, static_cast<uint16_t>(code)};
            int16_t sys = 0, fl = -99, idx = -99;
            const bool has_layout = expected_pub(code, 0) >= 0;
            ASSERT_TRUE(decode_color(&sys, &fl, &idx, &d) == (has_layout ? status::ok : status::no_color) && sys == c && (has_layout || fl == -99)) << code;
        }
    }
}

TEST_F(ColorTables, built_in_colours_survive_encode_decode_and_resolve) {
    const struct { int16_t system, flag; uint32_t pub, count, storable; } pairs[] = {
        {37, 0, 0, 952, 952}, {37, 1, 1, 952, 952}, {37, 2, 2, 952, 952}, {37, 3, 3, 3006, 1024}, {293, 0, 3, 3006, 3006}, {293, 9, 3, 3006, 3006}};
    for (const auto& p : pairs) {
        for (uint32_t i = 0; i < p.count + 2; ++i) {
            extended_color r = sentinel;
            const status st = encode_color(catalogue, p.system, p.flag, static_cast<int16_t>(i), &r);
            if (i >= p.storable) {
                ASSERT_TRUE(st == status::no_color && same(r, sentinel)) << p.system << "/" << p.flag << " " << i;
                continue;
            }
            ASSERT_EQ(st, status::ok);
            int16_t sys, fl, idx;
            ASSERT_EQ(decode_color(&sys, &fl, &idx, &r), status::ok);
            ASSERT_EQ((std::vector<int>{sys, fl, idx}), (std::vector<int>{p.system, p.system == 293 ? 0 : p.flag, int(i)}));
            ASSERT_EQ(record_to_colorid(catalogue, &r), (p.pub << 16) | i);
            ASSERT_EQ((std::vector<int>{r.red & 0xFF00, r.green & 0xFF00, r.blue & 0xFF00}), (std::vector<int>{0xDE00, 0xBE00, 0xCA00}));
        }
        extended_color r = sentinel;
        EXPECT_TRUE(encode_color(catalogue, p.system, p.flag, -1, &r) == status::no_color &&
                    encode_color(catalogue, p.system, p.flag, INT16_MIN, &r) == status::no_color && same(r, sentinel));
    }
}

TEST_F(ColorTables, add_on_layouts_round_trip_up_to_what_they_store) {
    // Code 549 spreads 12 bits of index over field 0 and the flag; 805 with flag 1 20 bits over both fields.
    install(sized(100, 50));
    extended_color r = sentinel;
    EXPECT_TRUE(encode_color(catalogue, 549, 0, 4096, &r) == status::no_color && same(r, sentinel));
    const struct { int16_t code, flag, index; uint32_t pub; } cases[] = {{549, 7, 255, 4}, {549, 7, 256, 4}, {549, 7, 4095, 4},
                                                                         {805, 1, 1023, 13}, {805, 1, 1024, 13}, {805, 1, 32767, 13}};
    for (const auto& c : cases) {
        if (c.pub == 13 && colorid_pub(id(13, 0)) != 13) install(sized(1000, 40, 15, 13), {}, 13);
        int16_t sys, fl, idx;
        ASSERT_EQ(encode_color(catalogue, c.code, c.flag, c.index, &r), status::ok) << c.index;
        EXPECT_TRUE(decode_color(&sys, &fl, &idx, &r) == status::ok && idx == c.index && record_to_colorid(catalogue, &r) == (c.pub << 16 | uint32_t(c.index))) << c.index;
    }
    // Field 1 bits that make the 16-bit index negative name nothing.
    r = {}, r.color_system = 805;
    set_color_flag(&r, 1);
    set_index(&r, 1, 0x20);
    EXPECT_EQ(record_to_colorid(catalogue, &r), no_color);
}

byte_span span(const std::vector<uint8_t>& v) { return byte_span{v.data(), v.size()}; }
byte_span span(const std::string& s) { return byte_span{reinterpret_cast<const uint8_t*>(s.data()), s.size()}; }

std::string desc(byte_span d, int max = 250) {
    char buffer[256];
    std::memset(buffer, 'x', sizeof buffer);
    const int n = read_desc(d, buffer, max);
    EXPECT_EQ(n, static_cast<int>(std::strlen(buffer)));
    return buffer;
}

// Into a buffer of exactly the suffix size, which a suffix of 31 characters or more fills to the NUL.
std::string suffix(byte_span d, int which) {
    char buffer[descriptor_suffix_size];
    const int n = read_suffix(d, which, buffer);
    EXPECT_EQ(n, static_cast<int>(std::strlen(buffer)));
    return buffer;
}

}  // namespace

// Every field of the four built-in publications, and the walk over them with its ends.
TEST(BuiltinDescriptors, every_field_and_the_walk) {
    publication_catalogue catalogue;
    const struct { uint32_t pub_no; const char* desc; uint32_t per_page, pages, name_size; const char *display, *printer; short system, flag; const char *cie, *names; } builtins[] = {
        {0, "Solid Guide/Coated", 7, 136, 15, "DSC", "PSC", 37, 0, "solidc", "spot"}, {1, "Solid Guide/Uncoated", 7, 136, 15, "DSU", "PSU", 37, 1, "solidu", "spot"},
        {2, "Process Simulation Guide", 7, 136, 15, "DSP", "PSP", 37, 2, "simprc", "spot"}, {3, "Process Guide - Press Edition", 9, 334, 6, "DSP", "PSP", 293, 0, "process", "process"}};
    short system = -1, flag = 99;
    char name[256], cmyk[256], picker[256];
    for (const auto& e : builtins) {
        SCOPED_TRACE(e.desc);
        const byte_span d = locate_descriptor(catalogue, e.pub_no);
        EXPECT_EQ(desc(d), e.desc);
        EXPECT_EQ((std::vector<uint32_t>{read_pub_no(d), read_colors_per_page(d), read_number_of_pages(d), pub_color_name_size(catalogue, e.pub_no),
                                         pub_colors_per_page(catalogue, e.pub_no), pub_number_of_pages(catalogue, e.pub_no)}),
                  (std::vector<uint32_t>{e.pub_no, e.per_page, e.pages, e.name_size, e.per_page, e.pages}));
        EXPECT_EQ(read_cmyk_description(d, cmyk, 250) * 100 + read_picker_description(d, picker, 250), 5000);
        const colorid id = e.pub_no << 16;
        EXPECT_EQ((std::vector<std::string>{pub_suffix(catalogue, id, 0), pub_suffix(catalogue, id, 1), pub_suffix(catalogue, id, 7)}),
                  (std::vector<std::string>{e.display, e.printer, e.printer}));
        EXPECT_EQ(enum_pubs(catalogue, &system, &flag, name), static_cast<int>(std::strlen(e.desc)));
        EXPECT_TRUE(std::string(name) == e.desc && system == e.system && flag == e.flag);
        EXPECT_TRUE(get_page_label(catalogue, make_colorid(catalogue, e.pub_no, 20), picker, 19) > 0 && std::string(picker) == "Page 3");  // shared by the solid guides
        // Each reads its own tables, to its last colour.
        const uint32_t last = e.per_page * e.pages - 1;
        for (const char* kind : {"cie50", "cie65"}) {
            const std::vector<uint8_t> t = read_file_bytes(std::string(HUEX_RESOURCE_DIR) + "/" + e.cie + "." + kind);
            const measured_xyz x = get_color_xyz(catalogue, make_colorid(catalogue, e.pub_no, last), kind[3] == '5').value_or(measured_xyz{0, 0, -1});
            const auto stored = [&](int k) { return (t[last * 6 + 2 * k] | t[last * 6 + 2 * k + 1] << 8) / 100.0; };
            EXPECT_EQ((std::vector<double>{x.X, x.Y, x.Z}), (std::vector<double>{stored(0), stored(1), stored(2)})) << kind;
        }
        const std::vector<uint8_t> names = read_file_bytes(std::string(HUEX_RESOURCE_DIR) + "/" + e.names + ".names");
        get_color_name(catalogue, make_colorid(catalogue, e.pub_no, last), name, 99, -1);
        EXPECT_EQ(std::string(name), std::string(names.begin() + last * e.name_size, names.begin() + (last + 1) * e.name_size).c_str());
    }
    EXPECT_EQ(desc(locate_descriptor(catalogue, 3), 7), "Process");
    EXPECT_EQ((std::vector<int>{pub_exists(catalogue, -1), pub_exists(catalogue, 0), pub_exists(catalogue, 3), pub_exists(catalogue, 4)}),
              (std::vector<int>{0, 1, 1, 0}));
    EXPECT_EQ(locate_descriptor(catalogue, 4).size, 0u);  // not a built-in number, and no add-on holds it
    std::strcpy(name, "untouched");
    for (const auto& e : {std::make_pair(293, 0), std::make_pair(37, 3), std::make_pair(37, -1), std::make_pair(2085, 0), std::make_pair(-2, 0)}) {
        short s = short(e.first), f = short(e.second);
        EXPECT_TRUE(enum_pubs(catalogue, &s, &f, name) == 0 && s == e.first && f == e.second && std::string(name) == "untouched") << e.first;
    }
}

TEST(EditedDescriptors, comment_lines_empty_data_lines_and_words) {
    // '/' starts a comment line, an empty line is a data line (here the CMYK description's), a tab is no blank: "3\t" is one word.
    // Suffixes of 32 characters are cut to fill their 32-byte buffer, the terminator last.
    const std::string p31(31, 'p'), text = "/ b\r\n[Pastels] 3\t 9  x12\r\n//\r\n[" + std::string(32, 'd') + "][" + p31 + "p][Pastel shades]\r\n/\r\n\r\n"
                                           "// last\r\n12\r\n";
    const byte_span d = span(text);
    char picker[64], cut[64], cmyk[64];
    EXPECT_EQ((std::vector<int>{int(read_pub_no(d)), int(read_colors_per_page(d)), int(read_number_of_pages(d)), int(read_color_name_size(d)),
                                read_cmyk_description(d, cmyk, 63), read_picker_description(d, picker, 63), read_picker_description(d, cut, 6),
                                int(suffix(d, 0).size())}),
              (std::vector<int>{3, 9, 0, 12, 0, 13, 6, 31}));
    EXPECT_EQ(desc(d) + "|" + picker + "|" + cut + "|" + suffix(d, 1), "Pastels|Pastel shades|Pastel|" + p31);
}

TEST(MalformedDescriptors, stay_inside_every_buffer) {
    char buffer[256];
    const std::string cases[] = {
        "", "[only one line] 1 2 3", "no bracket 1 2 3\r\n[A][B]\r\n[C]\r\n9\r\n", "[A] 1 2 3\r\n[unclosed\r\n[C\r\n",
        "// only comments\r\n// more\r\n", "[A] 1 2 3\r\n[X]\r\n", std::string(1000, '['), std::string(1000, ']'),
        "[" + std::string(500, 'd') + "] " + std::string(300, '7') + " 5 6\r\n[" + std::string(300, 's') + "][" +
            std::string(300, 'p') + "][" + std::string(300, 'q') + "]\r\n[" + std::string(400, 'c') + "]\r\n" + std::string(300, '9') + "\r\n",
    };
    for (const auto& text : cases) {
        // An exact-size heap block, so that ASan sees any read past it.
        std::vector<uint8_t> exact(text.begin(), text.end());
        const byte_span d = span(exact);
        read_desc(d, buffer, 250);
        EXPECT_LT(std::strlen(buffer), static_cast<size_t>(descriptor_line_size));
        read_pub_no(d), read_colors_per_page(d), read_number_of_pages(d), read_color_name_size(d);
        read_cmyk_description(d, buffer, 250), read_picker_description(d, buffer, 250);
        for (int kind : {0, 1}) EXPECT_LT(suffix(d, kind).size(), static_cast<size_t>(descriptor_suffix_size));
    }
    EXPECT_EQ(read_desc(byte_span{}, buffer, 250) + read_colors_per_page(byte_span{}), 0u);
    const std::string unclosed = "[Never closed 1 2 3\r\n";  // empty desc, numbers 0
    EXPECT_EQ(desc(span(unclosed)) + std::to_string(read_number_of_pages(span(unclosed))), "0");
}

namespace {

const std::string pastel_dir = source_path("addons/pastel");

// Records as the scan leaves them, the pastel folder as tables; pub_no 0 is a file that could not be loaded.
class AddonList : public ::testing::Test {
protected:
    struct entry { uint32_t pub_no; const char* desc; int16_t system; };
    addon_record more[4] = {};
    publication_catalogue catalogue;

    void link(std::initializer_list<entry> entries) {
        addon_record* r = &catalogue.first_addon;
        catalogue.addon_count = 0;
        for (const entry& e : entries) {
            if (catalogue.addon_count > 0) r = r->next = &more[catalogue.addon_count - 1];
            *r = addon_record{}, r->pub_no = e.pub_no, r->system = e.system;
            std::snprintf(r->desc, sizeof r->desc, "%s", e.desc);
            std::snprintf(r->path, sizeof r->path, "%s", e.pub_no ? pastel_dir.c_str() : "");
            ++catalogue.addon_count;
        }
        catalogue.addon_list = &catalogue.first_addon;
    }
    std::vector<std::string> walk_addons() {
        std::vector<std::string> seen;
        int16_t system = -1, flag = 0;
        char name[256];
        for (int guard = 0; guard < 32 && enum_pubs(catalogue, &system, &flag, name) > 0; ++guard)
            if (guard >= 4) seen.push_back(std::string(name) + " " + std::to_string(system) + "/" + std::to_string(flag));
        return seen;
    }
};

TEST(PastelAddon, generator_reproduces_the_committed_files_byte_for_byte_and_they_keep_the_contract) {
    std::vector<guide_file> files;
    std::string error;
    ASSERT_TRUE(build_pastel_addon_files(&files, &error) && files.size() == 6u) << error;
    for (const guide_file& f : files) EXPECT_TRUE(read_file_bytes(pastel_dir + "/" + f.name) == f.bytes) << f.name << ": run guidegen --addon pastel";
    std::vector<uint8_t> b[5];
    const char* types[5] = {"pub", "names", "cie50", "cie65", "cmyk"};
    for (int i = 0; i < 5; ++i) b[i] = read_file_bytes(pastel_dir + "/addon." + types[i]);
    const addon_contents c = {span(b[0]), span(b[1]), span(b[2]), span(b[3]), span(b[4]), "549", "0"};
    addon_breach breaches[8];
    EXPECT_EQ(check_addon(c, breaches, 8), 0) << breaches[0].text;
}

TEST_F(AddonList, list_follows_the_scan_order_and_passes_over_an_unloadable_file) {
    link({{4, "Pastel Guide/Coated", 549}, {8, "Second", 2085}, {0, "", 0}, {12, "After the broken one", 805}});
    EXPECT_EQ(walk_addons(), (std::vector<std::string>{"Pastel Guide/Coated 549/0", "Second 2085/0", "After the broken one 805/0"}));
    EXPECT_EQ(pub_exists(catalogue, 12) * 10 + pub_exists(catalogue, 13), 10);
    char desc[128] = "keep";
    EXPECT_EQ(std::to_string(pub_desc(catalogue, 13, desc, 100)) + desc, "0keep");
    EXPECT_EQ(std::to_string(pub_desc(catalogue, 8, desc, 100)) + desc, "6Second");
    // A pair no listed add-on carries (the broken file's 0, 0 among them) ends the list, nothing written.
    for (int16_t code : {1317, 0}) {
        int16_t system = code, flag = 0;
        std::strcpy(desc, "keep");
        EXPECT_TRUE(enum_pubs(catalogue, &system, &flag, desc) == 0 && system == code && std::string(desc) == "keep") << code;
    }
    // Add-ons without strings 2 and 3 all carry (0, 0): a walk by pair must not bounce between them.
    link({{4, "A", 0}, {5, "B", 0}, {6, "C", 1061}, {7, "D", 0}, {8, "E", 2085}});
    EXPECT_EQ(walk_addons(), (std::vector<std::string>{"A 0/0", "C 1061/0", "E 2085/0"}));
}

TEST_F(AddonList, each_question_reads_the_asked_publications_own_descriptor) {
    link({{4, "Pastel Guide/Coated", 549}});
    EXPECT_EQ((std::vector<uint32_t>{pub_colors_per_page(catalogue, 4), pub_number_of_pages(catalogue, 4), pub_color_name_size(catalogue, 4),
                                     pub_color_name_size(catalogue, 3), pub_number_of_pages(catalogue, 3), make_colorid(catalogue, 4, 287),
                                     uint32_t(pair_number_of_pages(catalogue, 549, 0))}),
              (std::vector<uint32_t>{8, 36, 16, 6, 334, 0x0004011F, 36}));
    char buffer[256];
    EXPECT_EQ(pub_desc(catalogue, 4, buffer, 250) * 100 + pub_desc(catalogue, 2, buffer, 250), 1924);
    extended_color r = {};
    ASSERT_EQ(encode_color(catalogue, 549, 0, 100, &r), status::ok);
    EXPECT_GT(lookup_color_name(catalogue, r, buffer), 0);
    EXPECT_EQ(read_colors_per_page(locate_descriptor(catalogue, 0)) * 10 + read_colors_per_page(locate_descriptor(catalogue, 4)), 78u);
}

// Each fault is named once, with its kind, and nothing else is reported.
struct contract_case {
    std::string pub = "[Check Guide] 4 2 2\r\n[DCG][PCG]\r\n[Recipes]\r\n4\r\n";
    std::string names = std::string("AAA\0BBB\0CCCCDDD\0", 16), cie = std::string(24, '\1'), cmyk = std::string(32, '\2');
    const char* system = "549";
    const char* flag = "0";
    std::vector<addon_breach_kind> check() const {
        addon_breach b[16];
        const int n = check_addon({span(pub), span(names), span(cie), span(cie), span(cmyk), system, flag}, b, 16);
        std::vector<addon_breach_kind> kinds;
        for (int i = 0; i < n && i < 16; ++i) kinds.push_back(b[i].kind);
        return kinds;
    }
};
using kinds = std::vector<addon_breach_kind>;
std::string descriptor(const char* counts, const char* lines, const char* width) {
    return std::string("[Check Guide] ") + counts + "\r\n" + lines + "\r\n[Recipes]\r\n" + width;
}

TEST(AddonContract, each_fault_is_named) {
    using c = contract_case;
    const auto colours = [](c& x, int per_page) {  // code 2085 has one index field: 1024 colours at most
        x.system = "2085", x.pub = descriptor(("8 " + std::to_string(per_page) + " 8").c_str(), "[DCG][PCG]", "4\r\n");
        x.names.clear();
        for (int i = 0; i < per_page * 8; ++i) x.names += std::to_string(10000 + i).substr(1);
        x.cie = std::string(per_page * 8 * 6, '\0'), x.cmyk = std::string(per_page * 8 * 8, '\0');
    };
    const struct { std::function<void(c&)> change; kinds expected; } cases[] = {
        {[](c&) {}, {}},
        {[](c& x) { x.system = "805", x.pub = "[Check Guide] 12 2 2\r\n// a comment\r\n[DCG][PCG][Picker]\r\n[Recipes]\r\n4\r\n"; }, {}},
        {[](c& x) { x.cie.clear(); }, {breach_missing_resource, breach_missing_resource}},
        {[](c& x) { x.system = nullptr; }, {breach_missing_string}}, {[](c& x) { x.flag = "zero"; }, {breach_bad_number_text}},
        {[](c& x) { x.system = "70000"; }, {breach_bad_number_text, breach_pair_selects_none}},
        {[](c& x) { x.system = "1573"; }, {breach_pair_selects_other}},  // publication 5
        {[](c& x) { x.system = "2085", x.flag = "2"; }, {breach_pair_selects_none}},
        {[](c& x) { x.pub = descriptor("4 2 2", "[DCG][PCG]", ""); }, {breach_descriptor_format, breach_name_width}},
        {[](c& x) { x.pub = descriptor("4 2 2", "DCG PCG", "4\r\n"); }, {breach_descriptor_format}},
        {[](c& x) { x.pub = descriptor("3 2 2", "[DCG][PCG]", "4\r\n"); }, {breach_publication_number, breach_pair_selects_other}},
        {[](c& x) { x.pub = descriptor("4 0 2", "[DCG][PCG]", "4\r\n"); }, {breach_no_colours}},
        {[](c& x) { x.pub = descriptor("4 2 2", "[DCG][PCG]", "36\r\n"); }, {breach_name_width, breach_table_size}},
        {[](c& x) { x.cmyk.resize(31); }, {breach_table_size}},  // a read of the last recipe would pass the end
        {[](c& x) { x.cmyk += "\2\2\2"; }, {breach_table_size}},  // every record whole, then part of another
        {[](c& x) { x.cie += std::string(6, '\0'); }, {breach_table_size, breach_table_size}},
        {[](c& x) { x.names = std::string("AAA\0BBB\0aaa\0DDD\0", 16); }, {breach_duplicate_name}},
        {[](c& x) { x.names = std::string("AAA\0\0\0\0\0CCCCDDD\0", 16); }, {breach_empty_name}},
        {[&](c& x) { colours(x, 128); }, {}}, {[&](c& x) { colours(x, 129); }, {breach_too_many_colours}},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        contract_case x;
        cases[i].change(x);
        EXPECT_EQ(x.check(), cases[i].expected) << "case " << i;
    }
    // No line end, names without NULs, a report list too small: counted, not written past.
    const std::string pub(5000, 'x'), names(3, 'N');
    addon_breach one[1];
    EXPECT_GE(check_addon({span(pub), span(names), {}, {}, {}, nullptr, nullptr}, one, 1), 5);
    EXPECT_EQ(one[0].kind, breach_missing_resource);
}

const struct { const char* cie_name; size_t colours; } shipped[] = {{"solidc", 952}, {"solidu", 952}, {"simprc", 952}, {"process", 3006}};

unsigned u16(const byte_span& s, size_t offset) { return s.data[offset] | s.data[offset + 1] << 8; }

cmsCIEXYZ stored_xyz_at(const byte_span& table, size_t i) {
    return cmsCIEXYZ{u16(table, i * 6) / 10000.0, u16(table, i * 6 + 2) / 10000.0, u16(table, i * 6 + 4) / 10000.0};
}

cmsCIELab lab_of(const cmsCIEXYZ& xyz, const cmsCIEXYZ& white) {
    cmsCIELab lab;
    cmsXYZ2Lab(&white, &lab, &xyz);
    return lab;
}

}  // namespace

TEST(GuideData, d65_measurements_are_the_d50_ones_under_bradford_adaptation) {
    const cmsCIExyY d65_xyy = {0.3127, 0.3290, 1.0};
    cmsCIEXYZ d65;
    cmsxyY2XYZ(&d65, &d65_xyy);
    for (const auto& p : shipped) {
        SCOPED_TRACE(p.cie_name);
        const byte_span d50_table = builtin_resource("CIE50", p.cie_name), d65_table = builtin_resource("CIE65", p.cie_name);
        ASSERT_TRUE(d50_table.size == p.colours * 6 && d65_table.size == p.colours * 6);
        double worst = 0.0;
        for (size_t i = 0; i < p.colours; ++i) {
            cmsCIEXYZ d50 = stored_xyz_at(d50_table, i), adapted;
            cmsAdaptToIlluminant(&adapted, cmsD50_XYZ(), &d65, &d50);
            const cmsCIELab expected = lab_of(adapted, d65), stored = lab_of(stored_xyz_at(d65_table, i), d65);
            worst = std::max(worst, cmsDeltaE(&expected, &stored));
            ASSERT_LE(d50.Y, 1.0) << i;  // surface colours
        }
        EXPECT_LT(worst, 0.5);
    }
}

TEST(GuideData, generator_reproduces_the_committed_files_byte_for_byte) {
    std::vector<guide_file> files;
    std::string error;
    ASSERT_TRUE(build_guide_files(&files, &error)) << error;
    ASSERT_EQ(files.size(), 18u);
    char folder[] = "/tmp/guidegen_test_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    ASSERT_TRUE(write_guide_files(files, folder, &error)) << error;
    for (const guide_file& f : files) {
        const std::string fresh = std::string(folder) + "/" + f.name;
        EXPECT_TRUE(read_file_bytes(fresh) == f.bytes && f.bytes == read_file_bytes(std::string(HUEX_RESOURCE_DIR) + "/" + f.name))
            << f.name << " differs from the generator's output; run guidegen";
        std::remove(fresh.c_str());
    }
    rmdir(folder);
}
