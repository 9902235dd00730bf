// Palettes as publications: which files, which code each keeps, and a palette record answering the look-ups.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "colorlib/color_lookups.h"
#include "colorlib/color_tables.h"
#include "colorlib/extended_color.h"
#include "colorlib/palette_files.h"
#include "colorlib/palette_records.h"
#include "colorlib/publication_catalogue.h"
#include "colorlib/publications.h"

namespace {

palette_file file(std::u16string name, palette_folder folder) {
    std::u16string key = name;
    for (char16_t& c : key) c = c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
    return {name, key, folder};
}

}  // namespace

TEST(PaletteFiles, user_folder_wins_extensions_in_any_case_sorted_by_name) {
    const std::vector<palette_file> chosen = choose_palette_files(
        {file(u"b.GPL", library_palette_folder), file(u"Brand.ase", library_palette_folder), file(u"notes.txt", user_palette_folder),
         file(u"BRAND.ASE", user_palette_folder), file(u"x.icm", user_palette_folder), file(u".ase", user_palette_folder),
         file(u"a.Icc", library_palette_folder)});
    std::vector<std::u16string> names;
    for (const palette_file& f : chosen) names.push_back(f.name);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"a.Icc", u"b.GPL", u"BRAND.ASE", u"x.icm"}));
}

TEST(PaletteFiles, codes_last_and_a_removed_file_keeps_its_code) {
    const struct { std::vector<std::u16string> keys; std::vector<palette_pairing> stored; std::vector<uint32_t> numbers; size_t added; } rows[] = {
        {{u"A", u"B"}, {}, {16, 17}, 2},
        {{u"A", u"B"}, {{u"B", 16}}, {17, 16}, 1},
        {{u"C"}, {{u"A", 16}, {u"GONE", 17}}, {18}, 1},                 // removed files reserve theirs
        {{u"A", u"B"}, {{u"A", 20}, {u"B", 20}}, {20, 16}, 1},          // a number stored twice serves the first
        {{u"A"}, {{u"A", 9}, {u"B", 200}}, {16}, 1},                    // out of range: none
        {{u"A", u"B"}, {}, {}, 0},                                      // filled below: every number taken
    };
    for (size_t i = 0; i < std::size(rows); ++i) {
        std::vector<palette_pairing> stored = rows[i].stored, added;
        std::vector<uint32_t> want = rows[i].numbers;
        if (want.empty()) {
            for (uint32_t n = first_palette_system; n < last_palette_system; ++n) stored.push_back({u"F" + std::u16string(1, char16_t(n)), n});
            want = {last_palette_system, 0};
        }
        EXPECT_EQ(assign_palette_codes(rows[i].keys, stored, &added), want) << i;
        EXPECT_EQ(added.size(), rows[i].added ? rows[i].added : want[0] ? 1u : 0u) << i;
    }
}

TEST(PaletteFiles, desc_is_the_name_without_extension_cut_to_83) {
    EXPECT_EQ(palette_desc_of(u"Brand.v2.ase"), "Brand.v2");
    EXPECT_EQ(palette_desc_of(u"Caf\u00e9 \U0001F600.gpl"), "Caf\xe9 ?");
    EXPECT_EQ(palette_desc_of(std::u16string(83, u'x') + u".ase"), std::string(83, 'x'));
    EXPECT_EQ(palette_desc_of(std::u16string(84, u'x') + u".ase"), std::string(83, 'x'));
}

// Nine colours (two pages), a 75-character name and a duplicate; no CMYK for one, so none for all.
TEST(PaletteRecords, a_palette_is_listed_after_the_add_ons_and_answers_by_its_code) {
    std::vector<palette_color> colors(9);
    for (size_t i = 0; i < colors.size(); ++i)
        colors[i] = {"C" + std::to_string(i), palette_measure::srgb, {i / 8.0, 0.5, 0.25}, i != 3, {0.1, 0.2, 0.3, 0.4}};
    colors[1].name = std::string(74, 'n') + "Z", colors[2].name = "C0";
    const palette_tables t = build_palette_tables(colors, "Brand", 17);
    ASSERT_TRUE(t.ok);
    std::vector<uint8_t> block(palette_record_size(t) + 8);
    publication_catalogue catalogue;
    append_palette_record(catalogue, place_palette_record(block.data(), t, "Brand", 17));

    int16_t system = -1, flag = 0;
    char name[251];
    for (int k = 0; k < 4; ++k) enum_pubs(catalogue, &system, &flag, name);
    EXPECT_EQ(enum_pubs(catalogue, &system, &flag, name), 5);
    EXPECT_EQ(std::string(name) + " " + std::to_string(system) + " " + std::to_string(flag), "Brand 4389 0");
    EXPECT_EQ(enum_pubs(catalogue, &system, &flag, name), 0);
    EXPECT_TRUE(palette_count(catalogue) == 1 && palette_pub_at(catalogue, 0) == 17);

    extended_color r = {};
    ASSERT_EQ(encode_color(catalogue, 0x1125, 0, 8, &r), status::ok);
    uint32_t index = 0;
    EXPECT_TRUE(lookup_color_index(catalogue, r, &index) == status::ok && index == 8);
    EXPECT_EQ(encode_color(catalogue, 0x1125, 0, 14, &r), status::no_color);  // 9 to 13 are the last page's blanks
    EXPECT_EQ(encode_color(catalogue, 0x1225, 0, 0, &r), status::no_publication);  // a code no palette holds
    ASSERT_EQ(encode_color(catalogue, 0x1125, 0, 1, &r), status::ok);
    char full[76], short_name[36];
    EXPECT_EQ(lookup_color_name(catalogue, r, full), 75);
    EXPECT_EQ(std::string(full), colors[1].name);
    EXPECT_EQ(lookup_short_color_name(catalogue, r, short_name), 35);
    EXPECT_FALSE(get_color_cmyk_recipe(catalogue, record_to_colorid(catalogue, &r)).has_value());
    EXPECT_EQ(get_page_label(catalogue, make_colorid(catalogue, 17, 8), name, 8), 6);
    EXPECT_STREQ(name, "Page 2");
}
