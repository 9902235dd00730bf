// Add-on publications through the native seam (an add-on is a folder of
// addon.<type> files): the sample pastel add-on as committed and as the
// generator makes it, the publication list over several add-ons, the rule
// that an open picker keeps its descriptor, and the add-on contract check.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "frame/file_bytes_native.h"
#include "addon_guide_files.h"
#include "colorlib/addon_contract.h"
#include "colorlib/addons.h"
#include "colorlib/color_lookups.h"
#include "colorlib/color_tables.h"
#include "colorlib/colorid.h"
#include "colorlib/descriptor.h"
#include "colorlib/extended_color.h"
#include "colorlib/publications.h"
#include "colorlib/resource_seam.h"
#include "pastel_guide.h"

namespace {

const std::string pastel_dir = std::string(HUEX_SOURCE_DIR) + "/addons/pastel";

// Records as the scan leaves them; `path` is an add-on folder (or nothing,
// for a file that could not be loaded).
class AddonList : public ::testing::Test {
protected:
    addon_record more[4] = {};

    void TearDown() override
    {
        addon_count = 0;
        addon_list = nullptr;
        first_addon = addon_record{};
        picker_view_pub = -1;
        reset_library_state();
    }

    static void fill(addon_record& r, uint32_t pub_no, const char* desc, int16_t system, int16_t flag, const std::string& path)
    {
        r = addon_record{};
        r.pub_no = pub_no;
        std::snprintf(r.desc, sizeof r.desc, "%s", desc);
        std::snprintf(r.path, sizeof r.path, "%s", path.c_str());
        r.system = system;
        r.flag = flag;
    }

    // first_addon followed by more[0..n-1].
    void link(int n)
    {
        addon_list = &first_addon;
        addon_record* last = &first_addon;
        for (int i = 0; i < n; ++i) {
            last->next = &more[i];
            last = &more[i];
        }
        last->next = nullptr;
        addon_count = static_cast<uint32_t>(n + 1);
    }

    static std::vector<std::string> walk()
    {
        std::vector<std::string> seen;
        int16_t system = -1, flag = 0;
        char name[256];
        for (int guard = 0; guard < 32 && enum_pubs(&system, &flag, name) > 0; ++guard)
            seen.push_back(std::string(name) + " " + std::to_string(system) + "/" + std::to_string(flag));
        return seen;
    }
};

TEST(PastelAddon, generator_reproduces_the_committed_files_byte_for_byte)
{
    std::vector<guide_file> files;
    std::string error;
    ASSERT_TRUE(build_pastel_addon_files(&files, &error)) << error;
    ASSERT_EQ(files.size(), 6u);
    for (const guide_file& f : files) {
        std::vector<uint8_t> committed;
        ASSERT_TRUE(read_file_bytes(pastel_dir + "/" + f.name, &committed)) << f.name;
        EXPECT_TRUE(committed == f.bytes) << f.name << " differs from the generator: run guidegen --addon pastel";
    }
}

TEST(PastelAddon, committed_files_keep_the_add_on_contract)
{
    std::vector<uint8_t> bytes[5];
    const char* types[5] = {"pub", "names", "cie50", "cie65", "cmyk"};
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(read_file_bytes(pastel_dir + "/addon." + types[i], &bytes[i])) << types[i];
    auto span = [](const std::vector<uint8_t>& v) { return byte_span{v.data(), v.size()}; };
    // The strings the add-on's resource script gives it.
    addon_contents c = {span(bytes[0]), span(bytes[1]), span(bytes[2]), span(bytes[3]), span(bytes[4]), "549", "0"};
    addon_breach breaches[8];
    const int n = check_addon(c, breaches, 8);
    for (int i = 0; i < n && i < 8; ++i) ADD_FAILURE() << breaches[i].text;
    EXPECT_EQ(n, 0);
}

TEST_F(AddonList, pastel_colours_read_back_through_every_look_up)
{
    fill(first_addon, 4, "Pastel Guide/Coated", 549, 0, pastel_dir);
    link(0);
    const std::vector<pastel_colour> design = design_pastel_guide();

    EXPECT_EQ(pair_colors_per_page(549, 0), 8);
    EXPECT_EQ(pair_number_of_pages(549, 0), 36);
    EXPECT_EQ(pair_colors_per_page(549, 9), 8) << "code 549 keeps index bits in the flag: any flag names publication 4";
    EXPECT_EQ(make_colorid(4, 287), 0x0004011Fu);
    EXPECT_EQ(make_colorid(4, 288), no_color);

    for (uint32_t i : {0u, 7u, 8u, 255u, 256u, 287u}) {
        extended_color r = {};
        ASSERT_EQ(encode_color(549, 0, static_cast<int16_t>(i), &r), encode_done) << i;
        char name[80];
        ASSERT_GT(lookup_short_color_name(&r, name), 0) << i;
        EXPECT_EQ(std::string(name), design[i].name);
        ASSERT_GT(lookup_color_name(&r, name), 0);
        EXPECT_EQ(std::string(name), "VERIHUE " + design[i].name + " DPC");
        uint32_t index = 0;
        EXPECT_EQ(lookup_color_index(&r, &index), lookup_done);
        EXPECT_EQ(index, i);
        double x, y, z;
        ASSERT_EQ(get_color_xyz(make_colorid(4, i), 1, &x, &y, &z), 1);
        EXPECT_GT(y, 40.0) << "pastels are light";
        float cc, m, yy, k;
        EXPECT_EQ(get_color_cmyk_recipe(make_colorid(4, i), &cc, &m, &yy, &k), 1);
    }
    extended_color r = {};
    EXPECT_EQ(encode_color(549, 0, 288, &r), encode_bad_index);
}

TEST_F(AddonList, list_follows_the_scan_order_and_passes_over_an_unloadable_file)
{
    fill(first_addon, 4, "Pastel Guide/Coated", 549, 0, pastel_dir);
    fill(more[0], 8, "Second", 2085, 0, pastel_dir);
    fill(more[1], 0, "", 0, 0, "");  // a "huex_x.dll" that is no DLL
    fill(more[2], 12, "After the broken one", 805, 0, pastel_dir);
    link(3);
    std::vector<std::string> seen = walk();
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_EQ(seen[4], "Pastel Guide/Coated 549/0");
    EXPECT_EQ(seen[5], "Second 2085/0");
    EXPECT_EQ(seen[6], "After the broken one 805/0");

    EXPECT_EQ(pub_exists(12), 1);
    EXPECT_EQ(pub_exists(13), 0);
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
    // Two add-ons without strings 2 and 3 both carry (0, 0); a walk by pair
    // would otherwise bounce between them for ever.
    fill(first_addon, 4, "A", 0, 0, pastel_dir);
    fill(more[0], 5, "B", 0, 0, pastel_dir);
    fill(more[1], 6, "C", 1061, 0, pastel_dir);
    fill(more[2], 7, "D", 0, 0, pastel_dir);
    fill(more[3], 8, "E", 2085, 0, pastel_dir);
    link(4);
    std::vector<std::string> seen = walk();
    ASSERT_EQ(seen.size(), 7u);
    EXPECT_EQ(seen[4], "A 0/0");
    EXPECT_EQ(seen[5], "C 1061/0");
    EXPECT_EQ(seen[6], "E 2085/0");
}

TEST_F(AddonList, an_open_picker_keeps_its_descriptor_when_add_ons_are_asked)
{
    fill(first_addon, 4, "Pastel Guide/Coated", 549, 0, pastel_dir);
    link(0);
    select_publication(0);
    picker_open = 1;
    picker_view_pub = 0;
    const uint8_t* shown = current_descriptor.data;

    EXPECT_EQ(pub_colors_per_page(4), 8u);
    EXPECT_EQ(pub_number_of_pages(4), 36u);
    EXPECT_EQ(pub_color_name_size(4), 16u);
    char buffer[256];
    EXPECT_EQ(pub_desc(4, buffer, 250), 19);
    EXPECT_EQ(make_colorid(4, 287), 0x0004011Fu);
    EXPECT_EQ(pair_number_of_pages(549, 0), 36);
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
class AddonContract : public ::testing::Test {
protected:
    std::string pub = "[Check Guide] 4 2 2\r\n[DCG][PCG]\r\n[Recipes]\r\n4\r\n";
    std::string names = std::string("AAA\0BBB\0CCCCDDD\0", 16);
    std::string cie = std::string(24, '\1');
    std::string cmyk = std::string(32, '\2');
    const char* system = "549";
    const char* flag = "0";

    static byte_span span(const std::string& s) { return byte_span{reinterpret_cast<const uint8_t*>(s.data()), s.size()}; }

    std::vector<addon_breach_kind> check()
    {
        addon_contents c = {span(pub), span(names), span(cie), span(cie), span(cmyk), system, flag};
        addon_breach b[16];
        int n = check_addon(c, b, 16);
        std::vector<addon_breach_kind> kinds;
        for (int i = 0; i < n && i < 16; ++i) kinds.push_back(b[i].kind);
        return kinds;
    }
};

using kinds = std::vector<addon_breach_kind>;

TEST_F(AddonContract, sound_contents_pass)
{
    EXPECT_EQ(check(), kinds{});
    system = "805";  // flag 0 selects publication 12
    pub = "[Check Guide] 12 2 2\r\n// a comment\r\n[DCG][PCG][Picker]\r\n[Recipes]\r\n4\r\n";
    EXPECT_EQ(check(), kinds{});
}

TEST_F(AddonContract, each_fault_is_named)
{
    const std::string pub0 = pub, names0 = names, cie0 = cie, cmyk0 = cmyk;
    auto descriptor = [](const char* counts, const char* lines, const char* width) {
        return std::string("[Check Guide] ") + counts + "\r\n" + lines + "\r\n[Recipes]\r\n" + width;
    };
    std::string many_names;  // 1100 colours: more than one index field holds
    for (int i = 0; i < 1100; ++i) {
        char n[5];
        std::snprintf(n, sizeof n, "%04d", i);
        many_names += std::string(n, 4);
    }
    const struct {
        std::function<void()> change;
        kinds expected;
    } cases[] = {
        {[&] { cie.clear(); }, {breach_missing_resource, breach_missing_resource}},
        {[&] { system = nullptr; }, {breach_missing_string}},
        {[&] { flag = "zero"; }, {breach_bad_number_text}},
        {[&] { system = "70000"; }, {breach_bad_number_text, breach_pair_selects_none}},
        {[&] { system = "1573"; }, {breach_pair_selects_other}},  // publication 5
        {[&] { system = "2085", flag = "2"; }, {breach_pair_selects_none}},
        {[&] { pub = descriptor("4 2 2", "[DCG][PCG]", ""); }, {breach_descriptor_format, breach_name_width}},
        {[&] { pub = descriptor("4 2 2", "DCG PCG", "4\r\n"); }, {breach_descriptor_format}},
        {[&] { pub = descriptor("3 2 2", "[DCG][PCG]", "4\r\n"); }, {breach_publication_number, breach_pair_selects_other}},
        {[&] { pub = descriptor("4 0 2", "[DCG][PCG]", "4\r\n"); }, {breach_no_colours}},
        {[&] { pub = descriptor("4 2 2", "[DCG][PCG]", "36\r\n"); }, {breach_name_width, breach_table_size}},
        // One byte short: a read of the last recipe would pass the end.
        {[&] { cmyk.resize(31); }, {breach_table_size}},
        {[&] { cie += std::string(6, '\0'); }, {breach_table_size, breach_table_size}},
        {[&] { names = std::string("AAA\0BBB\0aaa\0DDD\0", 16); }, {breach_duplicate_name}},
        {[&] { names = std::string("AAA\0\0\0\0\0CCCCDDD\0", 16); }, {breach_empty_name}},
        {[&] {
             system = "2085";  // one index field: 1024 colours at most
             pub = descriptor("8 100 11", "[DCG][PCG]", "4\r\n");
             names = many_names;
             cie = std::string(1100 * 6, '\0');
             cmyk = std::string(1100 * 8, '\0');
         },
         {breach_too_many_colours}},
    };
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        pub = pub0, names = names0, cie = cie0, cmyk = cmyk0, system = "549", flag = "0";
        cases[i].change();
        EXPECT_EQ(check(), cases[i].expected) << "case " << i;
    }
}

TEST_F(AddonContract, unbounded_input_stays_inside_its_buffers)
{
    // A descriptor without any line end, names without NULs, a report list
    // too small for every breach: counted, not written past.
    pub = std::string(5000, 'x');
    names = std::string(3, 'N');
    addon_contents c = {span(pub), span(names), {}, {}, {}, nullptr, nullptr};
    addon_breach one[1];
    EXPECT_GE(check_addon(c, one, 1), 5);
    EXPECT_EQ(one[0].kind, breach_missing_resource);
}

TEST(AddonContractCodes, agree_with_the_library_for_every_code_and_flag)
{
    for (int32_t system = -32768; system <= 32767; ++system)
        for (int16_t flag = -1; flag <= 16; ++flag) {
            const int32_t library = system_to_pub(static_cast<int16_t>(system), flag);
            const addon_code c = addon_code_of(static_cast<int16_t>(system), flag);
            ASSERT_EQ(c.pub_no, library >= 4 ? library : -1) << system << "/" << flag;
            if (c.pub_no >= 0) {
                ASSERT_EQ(c.largest_index, largest_storable_index(static_cast<int16_t>(system)));
            }
        }
}

}  // namespace
