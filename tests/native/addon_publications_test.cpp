// Add-on publications through the native seam (an add-on is a folder of
// addon.<type> files): the sample pastel add-on, the publication list over
// several add-ons, an open picker's descriptor, and the add-on contract check.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "addon_guide_files.h"
#include "colorlib/addon_contract.h"
#include "colorlib/addons.h"
#include "colorlib/color_lookups.h"
#include "colorlib/color_tables.h"
#include "colorlib/colorid.h"
#include "colorlib/descriptor.h"
#include "colorlib/extended_color.h"
#include "colorlib/publications.h"
#include "pastel_guide.h"
#include "test_files.h"

namespace {

const std::string pastel_dir = source_path("addons/pastel");

byte_span span(const std::vector<uint8_t>& v) { return byte_span{v.data(), v.size()}; }
byte_span span(const std::string& s) { return byte_span{reinterpret_cast<const uint8_t*>(s.data()), s.size()}; }

// Records as the scan leaves them: {pub_no, desc, system} with flag 0, each
// with the pastel folder as its tables, except a record of pub_no 0 (a file
// that could not be loaded).
class AddonList : public ::testing::Test {
protected:
    struct entry { uint32_t pub_no; const char* desc; int16_t system; };
    addon_record more[4] = {};

    void TearDown() override
    {
        addon_count = 0, addon_list = nullptr, first_addon = addon_record{}, picker_view_pub = -1;
        reset_library_state();
    }
    void link(std::initializer_list<entry> entries)
    {
        addon_record* r = &first_addon;
        addon_count = 0;
        for (const entry& e : entries) {
            if (addon_count > 0) r = r->next = &more[addon_count - 1];
            *r = addon_record{};
            r->pub_no = e.pub_no, r->system = e.system;
            std::snprintf(r->desc, sizeof r->desc, "%s", e.desc);
            std::snprintf(r->path, sizeof r->path, "%s", e.pub_no ? pastel_dir.c_str() : "");
            ++addon_count;
        }
        addon_list = &first_addon;
    }
    // The add-ons' part of the list, after the four built-in guides.
    static std::vector<std::string> walk_addons()
    {
        std::vector<std::string> seen;
        int16_t system = -1, flag = 0;
        char name[256];
        for (int guard = 0; guard < 32 && enum_pubs(&system, &flag, name) > 0; ++guard)
            if (guard >= 4) seen.push_back(std::string(name) + " " + std::to_string(system) + "/" + std::to_string(flag));
        return seen;
    }
};

TEST(PastelAddon, generator_reproduces_the_committed_files_byte_for_byte_and_they_keep_the_contract)
{
    std::vector<guide_file> files;
    std::string error;
    ASSERT_TRUE(build_pastel_addon_files(&files, &error)) << error;
    ASSERT_EQ(files.size(), 6u);
    for (const guide_file& f : files)
        EXPECT_TRUE(read_file_bytes(pastel_dir + "/" + f.name) == f.bytes) << f.name << " differs: run guidegen --addon pastel";

    std::vector<uint8_t> b[5];
    const char* types[5] = {"pub", "names", "cie50", "cie65", "cmyk"};
    for (int i = 0; i < 5; ++i) ASSERT_FALSE((b[i] = read_file_bytes(pastel_dir + "/addon." + types[i])).empty()) << types[i];
    // The strings the add-on's resource script gives it.
    const addon_contents c = {span(b[0]), span(b[1]), span(b[2]), span(b[3]), span(b[4]), "549", "0"};
    addon_breach breaches[8];
    const int n = check_addon(c, breaches, 8);
    for (int i = 0; i < n && i < 8; ++i) ADD_FAILURE() << breaches[i].text;
    EXPECT_EQ(n, 0);
}

TEST_F(AddonList, pastel_colours_read_back_through_every_look_up)
{
    link({{4, "Pastel Guide/Coated", 549}});
    const std::vector<pastel_colour> design = design_pastel_guide();
    // Code 549 keeps index bits in the flag: any flag names publication 4.
    EXPECT_EQ((std::vector<int>{pair_colors_per_page(549, 0), pair_number_of_pages(549, 0), pair_colors_per_page(549, 9)}),
              (std::vector<int>{8, 36, 8}));
    EXPECT_EQ((std::vector<colorid>{make_colorid(4, 287), make_colorid(4, 288)}), (std::vector<colorid>{0x0004011Fu, no_color}));
    for (uint32_t i : {0u, 7u, 8u, 255u, 256u, 287u}) {
        extended_color r = {};
        ASSERT_EQ(encode_color(549, 0, static_cast<int16_t>(i), &r), encode_done) << i;
        char name[80], full[80];
        uint32_t index = 0;
        double x, y, z;
        float c, m, yy, k;
        ASSERT_TRUE(lookup_short_color_name(&r, name) > 0 && lookup_color_name(&r, full) > 0) << i;
        EXPECT_EQ(std::string(name) + "|" + full, design[i].name + "|VERIHUE " + design[i].name + " DPC");
        EXPECT_TRUE(lookup_color_index(&r, &index) == lookup_done && index == i) << i;
        EXPECT_TRUE(get_color_xyz(make_colorid(4, i), 1, &x, &y, &z) == 1 && y > 40.0) << "pastels are light";
        EXPECT_EQ(get_color_cmyk_recipe(make_colorid(4, i), &c, &m, &yy, &k), 1);
    }
    extended_color r = {};
    EXPECT_EQ(encode_color(549, 0, 288, &r), encode_bad_index);
}

TEST_F(AddonList, list_follows_the_scan_order_and_passes_over_an_unloadable_file)
{
    link({{4, "Pastel Guide/Coated", 549}, {8, "Second", 2085}, {0, "", 0}, {12, "After the broken one", 805}});
    EXPECT_EQ(walk_addons(), (std::vector<std::string>{"Pastel Guide/Coated 549/0", "Second 2085/0", "After the broken one 805/0"}));
    EXPECT_EQ(pub_exists(12) * 10 + pub_exists(13), 10);
    char desc[128] = "keep";
    EXPECT_EQ(pub_desc(13, desc, 100), 0);
    EXPECT_STREQ(desc, "keep");
    EXPECT_EQ(pub_desc(8, desc, 100), 6);
    EXPECT_STREQ(desc, "Second");
    // A pair that no listed add-on carries (the broken file's record holds
    // 0, 0) ends the list with nothing written.
    for (int16_t code : {1317, 0}) {
        int16_t system = code, flag = 0;
        std::strcpy(desc, "keep");
        EXPECT_EQ(enum_pubs(&system, &flag, desc), 0);
        EXPECT_EQ(system, code);
        EXPECT_STREQ(desc, "keep");
    }
}

TEST_F(AddonList, repeated_pairs_cannot_trap_a_host_in_the_list)
{
    // Add-ons without strings 2 and 3 all carry (0, 0); a walk by pair would
    // otherwise bounce between them for ever.
    link({{4, "A", 0}, {5, "B", 0}, {6, "C", 1061}, {7, "D", 0}, {8, "E", 2085}});
    EXPECT_EQ(walk_addons(), (std::vector<std::string>{"A 0/0", "C 1061/0", "E 2085/0"}));
}

TEST_F(AddonList, an_open_picker_keeps_its_descriptor_while_other_publications_are_asked)
{
    link({{4, "Pastel Guide/Coated", 549}});
    select_publication(0);
    picker_open = 1;
    picker_view_pub = 0;
    const uint8_t* shown = current_descriptor.data;
    EXPECT_EQ((std::vector<uint32_t>{pub_colors_per_page(4), pub_number_of_pages(4), pub_color_name_size(4), pub_color_name_size(3),
                                     pub_number_of_pages(3), make_colorid(4, 287), uint32_t(pair_number_of_pages(549, 0))}),
              (std::vector<uint32_t>{8, 36, 16, 6, 334, 0x0004011F, 36}));
    char buffer[256];
    EXPECT_EQ(pub_desc(4, buffer, 250), 19);
    EXPECT_GT(pub_desc(2, buffer, 250), 0);
    EXPECT_STREQ(buffer, "Process Simulation Guide");
    extended_color r = {};
    ASSERT_EQ(encode_color(549, 0, 100, &r), encode_done);
    EXPECT_GT(lookup_color_name(&r, buffer), 0);
    EXPECT_EQ(current_descriptor.data, shown);
    EXPECT_EQ(descriptor_colors_per_page(), 7u) << "the picker still reads the guide it shows";
    // Closed, the same question makes the add-on's descriptor current.
    picker_open = 0;
    picker_view_pub = -1;
    EXPECT_EQ(make_colorid(4, 0), 0x00040000u);
    EXPECT_EQ(descriptor_colors_per_page(), 8u);
}

// The contract check on hand-made contents: each fault is named once, with
// its kind, and nothing else is reported.
struct contract_case {
    std::string pub = "[Check Guide] 4 2 2\r\n[DCG][PCG]\r\n[Recipes]\r\n4\r\n";
    std::string names = std::string("AAA\0BBB\0CCCCDDD\0", 16), cie = std::string(24, '\1'), cmyk = std::string(32, '\2');
    const char* system = "549";
    const char* flag = "0";
    std::vector<addon_breach_kind> check() const
    {
        addon_breach b[16];
        const int n = check_addon({span(pub), span(names), span(cie), span(cie), span(cmyk), system, flag}, b, 16);
        std::vector<addon_breach_kind> kinds;
        for (int i = 0; i < n && i < 16; ++i) kinds.push_back(b[i].kind);
        return kinds;
    }
};
using kinds = std::vector<addon_breach_kind>;
std::string descriptor(const char* counts, const char* lines, const char* width)
{
    return std::string("[Check Guide] ") + counts + "\r\n" + lines + "\r\n[Recipes]\r\n" + width;
}

TEST(AddonContract, each_fault_is_named)
{
    std::string many_names;  // 1100 colours: more than one index field holds
    for (int i = 0; i < 1100; ++i) many_names += std::to_string(10000 + i).substr(1);
    using c = contract_case;
    const struct { std::function<void(c&)> change; kinds expected; } cases[] = {
        {[](c&) {}, {}},
        {[](c& x) { x.system = "805", x.pub = "[Check Guide] 12 2 2\r\n// a comment\r\n[DCG][PCG][Picker]\r\n[Recipes]\r\n4\r\n"; }, {}},
        {[](c& x) { x.cie.clear(); }, {breach_missing_resource, breach_missing_resource}},
        {[](c& x) { x.system = nullptr; }, {breach_missing_string}},
        {[](c& x) { x.flag = "zero"; }, {breach_bad_number_text}},
        {[](c& x) { x.system = "70000"; }, {breach_bad_number_text, breach_pair_selects_none}},
        {[](c& x) { x.system = "1573"; }, {breach_pair_selects_other}},  // publication 5
        {[](c& x) { x.system = "2085", x.flag = "2"; }, {breach_pair_selects_none}},
        {[](c& x) { x.pub = descriptor("4 2 2", "[DCG][PCG]", ""); }, {breach_descriptor_format, breach_name_width}},
        {[](c& x) { x.pub = descriptor("4 2 2", "DCG PCG", "4\r\n"); }, {breach_descriptor_format}},
        {[](c& x) { x.pub = descriptor("3 2 2", "[DCG][PCG]", "4\r\n"); }, {breach_publication_number, breach_pair_selects_other}},
        {[](c& x) { x.pub = descriptor("4 0 2", "[DCG][PCG]", "4\r\n"); }, {breach_no_colours}},
        {[](c& x) { x.pub = descriptor("4 2 2", "[DCG][PCG]", "36\r\n"); }, {breach_name_width, breach_table_size}},
        {[](c& x) { x.cmyk.resize(31); }, {breach_table_size}},  // a read of the last recipe would pass the end
        {[](c& x) { x.cie += std::string(6, '\0'); }, {breach_table_size, breach_table_size}},
        {[](c& x) { x.names = std::string("AAA\0BBB\0aaa\0DDD\0", 16); }, {breach_duplicate_name}},
        {[](c& x) { x.names = std::string("AAA\0\0\0\0\0CCCCDDD\0", 16); }, {breach_empty_name}},
        {[&](c& x) {  // code 2085 has one index field: 1024 colours at most
             x.system = "2085", x.pub = descriptor("8 100 11", "[DCG][PCG]", "4\r\n"), x.names = many_names;
             x.cie = std::string(1100 * 6, '\0'), x.cmyk = std::string(1100 * 8, '\0');
         }, {breach_too_many_colours}},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        contract_case x;
        cases[i].change(x);
        EXPECT_EQ(x.check(), cases[i].expected) << "case " << i;
    }
    // A descriptor without any line end, names without NULs, a report list
    // too small for every breach: counted, not written past.
    const std::string pub(5000, 'x'), names(3, 'N');
    addon_breach one[1];
    EXPECT_GE(check_addon({span(pub), span(names), {}, {}, {}, nullptr, nullptr}, one, 1), 5);
    EXPECT_EQ(one[0].kind, breach_missing_resource);
}

TEST(AddonContract, codes_agree_with_the_library_for_every_code_and_flag)
{
    for (int32_t system = -32768; system <= 32767; ++system)
        for (int16_t flag = -1; flag <= 16; ++flag) {
            const int32_t library = system_to_pub(static_cast<int16_t>(system), flag);
            const addon_code c = addon_code_of(static_cast<int16_t>(system), flag);
            ASSERT_EQ(c.pub_no, library >= 4 ? library : -1) << system << "/" << flag;
            ASSERT_TRUE(c.pub_no < 0 || c.largest_index == largest_storable_index(static_cast<int16_t>(system))) << system;
        }
}

}  // namespace
