// Selection across guides and pages, find-by-name, hit tests, and the checks
// on values that come back from the registry, on the real guides.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "colorlib/color_tables.h"
#include "picker/find_by_name.h"
#include "picker/page_switch.h"
#include "picker/swatch_hits.h"
#include "picker/swatch_paging.h"
#include "picker_test_views.h"
#include "test_data.h"

namespace {

std::array<double, 3> xyz_of(colorid c, int d50)
{
    std::array<double, 3> v = {};
    EXPECT_EQ(get_color_xyz(c, d50, &v[0], &v[1], &v[2]), 1);
    return v;
}
double distance(colorid a, colorid b, int d50)
{
    const auto p = xyz_of(a, d50), q = xyz_of(b, d50);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

std::string short_name(colorid c)
{
    char name[40];
    get_color_name(c, name, 39, -1);
    return name;
}

}  // namespace

TEST(PickerNearestColor, finds_the_nearest_colour_once_and_remembers_it)
{
    reset_picker_for_test();
    const colorid solid = color_of(0, 100);
    const colorid found = nearest_color_in_pub(solid, 3);
    ASSERT_EQ(colorid_pub(found), 3u);
    const double best = distance(solid, found, 0);
    for (uint32_t k = 0; k < 3006; ++k) ASSERT_LE(best, distance(solid, color_of(3, k), 0)) << k;
    EXPECT_EQ(nearest_color_in_pub(solid, 3), found);
    EXPECT_EQ(nearest_color_searches, 1u) << "the second switch must not search again";
    // Another source, or the other measurement set, searches anew.
    nearest_color_in_pub(color_of(0, 101), 3);
    EXPECT_EQ(nearest_color_searches, 2u);
    D50FLAG = 1;
    const colorid found50 = nearest_color_in_pub(color_of(0, 101), 3);
    EXPECT_EQ(nearest_color_searches, 3u);
    EXPECT_LE(distance(color_of(0, 101), found50, 1), distance(color_of(0, 101), found, 1));
    // A colour of the target itself, no colour and targets without a slot.
    EXPECT_EQ(nearest_color_in_pub(color_of(3, 7), 3), color_of(3, 7));
    EXPECT_EQ(nearest_color_in_pub(no_color, 3), no_color);
    EXPECT_EQ(nearest_color_in_pub(solid, 0x7FFFFFFF), no_color) << "no slot, no guide";

    // The target's first colour can be the nearest.
    reset_picker_for_test();
    std::vector<std::array<double, 3>> solids;
    for (uint32_t k = 0; k < 952; ++k) solids.push_back(xyz_of(color_of(0, k), 0));
    int checked = 0;
    for (uint32_t k = 0; k < 3006; ++k) {
        const auto from = xyz_of(color_of(3, k), 0);
        uint32_t nearest = 0;
        for (uint32_t j = 1; j < solids.size(); ++j)
            if (std::hypot(from[0] - solids[j][0], from[1] - solids[j][1], from[2] - solids[j][2]) <
                std::hypot(from[0] - solids[nearest][0], from[1] - solids[nearest][1], from[2] - solids[nearest][2]))
                nearest = j;
        if (nearest == 0 || k % 500 == 0) {
            EXPECT_EQ(nearest_color_in_pub(color_of(3, k), 0), color_of(0, nearest)) << "process colour " << k;
            checked += nearest == 0;
        }
    }
    EXPECT_GT(checked, 0) << "the guides hold a process colour whose nearest solid colour is the first";
}

TEST(PickerPageSwitch, solid_to_process_selects_the_nearest_and_centres_it)
{
    reset_picker_for_test();
    begin_picker_run(color_of(0, 100));
    EXPECT_EQ(selected_color, 0u) << "first opening without a selection starts at colour 0";
    selected_color = color_of(0, 100);
    open_view_for_test(0, solid_page);
    solid_pub_choice = 0;
    swatch_view* v = enter_color_page(solid_page);
    EXPECT_EQ(v, &solid_view);
    EXPECT_EQ(first_colorid_displayed, color_of(0, 84)) << "page 15 in the middle column";

    const colorid expected = nearest_color_in_pub(color_of(0, 100), 3);
    v = enter_color_page(process_page);
    int32_t row, column;
    EXPECT_TRUE(v == &process_view && current_page == process_page && selected_color == expected);
    EXPECT_EQ(locate_on_screen(selected_color, &row, &column, *v), on_screen);
    // Back to the solid page: the nearest solid colour of the process colour.
    v = enter_color_page(solid_page);
    EXPECT_EQ(colorid_pub(selected_color) + colorid_pub(first_colorid_displayed), 0u);

    // One solid guide to another keeps the indexes.
    selected_color = color_of(0, 300);
    first_colorid_displayed = color_of(0, 280);
    const colorid c = change_solid_guide(1);
    EXPECT_EQ(c, color_of(1, 300));
    EXPECT_EQ(switch_page_for_selection(c, *v), solid_page);
    v = enter_color_page(solid_page);
    EXPECT_EQ((std::vector<uint32_t>{uint32_t(v->pub), color_type, first_colorid_displayed}), (std::vector<uint32_t>{1, 1, color_of(1, 280)}));
    // A choice the combo box cannot mean (CB_ERR) leaves the selection alone;
    // add-on colours have no page: selecting one changes nothing.
    EXPECT_EQ((std::vector<uint32_t>{change_solid_guide(-1), change_solid_guide(3), selected_color, solid_pub_choice}),
              (std::vector<uint32_t>{no_color, no_color, color_of(1, 300), 1}));
    EXPECT_EQ((std::vector<int32_t>{switch_page_for_selection(color_of(1, 5), *v), switch_page_for_selection(color_of(3, 5), *v),
                                    page_of_pub(4), switch_page_for_selection(0x00040001u, *v), switch_page_for_selection(no_color, *v)}),
              (std::vector<int32_t>{-1, process_page, settings_page, page_refused, page_refused}));
    enter_settings_page();
    EXPECT_EQ(current_view, nullptr);
}

TEST(PickerRun, opening_keeps_the_last_selection_and_checks_what_the_registry_gave)
{
    reset_picker_for_test();
    selected_color = color_of(3, 500);
    begin_picker_run(color_of(0, 10));
    EXPECT_EQ((std::vector<uint32_t>{selected_color, original_color, uint32_t(current_page), uint32_t(previous_page)}),
              (std::vector<uint32_t>{color_of(3, 500), color_of(0, 10), process_page, process_page}));
    // After a cancel the selection falls back to the last original colour.
    selected_color = no_color;
    begin_picker_run(no_color);
    EXPECT_EQ((std::vector<uint32_t>{selected_color, original_color, uint32_t(current_page)}),
              (std::vector<uint32_t>{color_of(0, 10), color_of(0, 10), solid_page}));
    // An add-on colour can be the original but not the selection.
    selected_color = no_color;
    original_color = 0x00050003u;
    begin_picker_run(no_color);
    EXPECT_EQ(selected_color, 0u);

    const std::vector<data_row> rows = read_data_table("native_picker_stored_state.csv");
    ASSERT_EQ(rows.size(), 7u);
    for (const data_row& s : rows) {
        reset_picker_for_test();
        color_type = uint32_t(data_number(s[0]));
        selected_color = colorid(data_number(s[1]));
        first_colorid_displayed = colorid(data_number(s[2]));
        sanitize_persisted_picker_state();
        EXPECT_EQ((std::vector<uint32_t>{color_type, selected_color, first_colorid_displayed}),
                  (std::vector<uint32_t>{uint32_t(data_number(s[3])), uint32_t(data_number(s[4])), uint32_t(data_number(s[5]))}))
            << s[1] << " " << s[2];
    }
    // A stored colour type out of range never reaches the solid page.
    reset_picker_for_test();
    color_type = 9;
    selected_color = color_of(3, 4);
    begin_picker_run(no_color);
    open_view_for_test(0, solid_page);
    enter_color_page(solid_page);
    EXPECT_EQ(solid_view.pub, 0);
    EXPECT_EQ(selected_color, nearest_color_in_pub(color_of(3, 4), 0));
    EXPECT_EQ(colorid_pub(first_colorid_displayed), 0u);
}

TEST(PickerHitTest, swatch_cells_patches_the_label_line_and_the_strip)
{
    reset_picker_for_test();
    swatch_view& v = open_view_for_test(0, solid_page);
    first_colorid_displayed = color_of(0, 70);
    colorid c = 0xdeadbeef;
    // Cells are 86 x 33 from (10, 20), gaps included.
    const struct { int32_t x, y; uint32_t index; } hits[] = {
        {10, 20, 70}, {10 + 2 * 86 + 3, 20 + 4 * 33 + 1, 70 + 14 + 4}, {10 + 4 * 86 + 85, 20 + 6 * 33 + 32, 70 + 28 + 6}};
    for (const auto& h : hits) {
        EXPECT_TRUE(hit_swatch(h.x, h.y, &c, v)) << h.x << "," << h.y;
        EXPECT_EQ(c, color_of(0, h.index));
    }
    c = 0xdeadbeef;
    // The page-label line, right of the last column, left and below the cells.
    const std::pair<int32_t, int32_t> misses[] = {{100, v.label_y + 2}, {10 + 5 * 86 + 2, 30}, {9, 30}, {100, 270}};
    for (const auto& miss : misses)
        EXPECT_FALSE(hit_swatch(miss.first, miss.second, &c, v)) << miss.first << "," << miss.second;
    EXPECT_EQ(c, 0xdeadbeefu);
    v.original_patch = pixel_rect{20, 300, 60, 330};
    v.new_patch = pixel_rect{60, 300, 100, 330};
    EXPECT_EQ((std::vector<bool>{hit_original_patch(20, 300, v), hit_original_patch(60, 300, v), hit_new_patch(60, 329, v),
                                 hit_new_patch(100, 310, v)}), (std::vector<bool>{true, false, true, false}));
    // The last screen of the guide is full; nothing past the end is drawn.
    first_colorid_displayed = color_of(0, 917);
    EXPECT_TRUE(grid_position_holds_color(v, 34));
    EXPECT_FALSE(grid_position_holds_color(v, 35));
    current_page = settings_page;
    EXPECT_FALSE(hit_original_patch(20, 300, v));
    EXPECT_FALSE(hit_swatch(10, 20, &c, v));

    // The strip is a map of the whole guide.
    swatch_view& p = open_view_for_test(3, process_page);
    const strip_extent s = strip_geometry(p);
    EXPECT_EQ((std::vector<int32_t>{s.pad, s.n, strip_left(p)}), (std::vector<int32_t>{2, 440 - 34 - 2, 10 + 17 + 2}));
    const int32_t x0 = strip_left(p);
    ASSERT_TRUE(hit_strip(10, 275, &c, p));
    EXPECT_EQ(c, color_of(3, 4)) << "left of the track: the middle of the first page";
    EXPECT_EQ(scroll_mode, scroll_centre);
    ASSERT_TRUE(hit_strip(x0 + 100, 275, &c, p));
    EXPECT_EQ(c, color_of(3, 82 * 9 + 4)) << "100 of 404 pixels along: page 83 of 334";
    for (int32_t x : {x0 + s.n - 1, x0 + s.n, x0 + s.n + 1, 449}) {
        ASSERT_TRUE(hit_strip(x, 281, &c, p));
        EXPECT_EQ(c, color_of(3, 333 * 9 + 4)) << x;
    }
    EXPECT_FALSE(hit_strip(100, 282, &c, p) || hit_strip(100, 269, &c, p)) << "the scroll bar and the label line are not the strip";
    palette_device = 1;
    EXPECT_FALSE(hit_strip(100, 275, &c, p));
}

TEST(PickerFindByName, finds_the_first_colour_of_the_name_in_the_guide_shown)
{
    reset_picker_for_test();
    swatch_view& v = open_view_for_test(3, process_page);
    std::string name = short_name(color_of(3, 3005));
    for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    EXPECT_EQ(find_color_by_name(name.c_str(), &v), color_of(3, 3005));
    for (uint32_t k = 0; k < 3006; k += 97) {
        const colorid c = find_color_by_name(short_name(color_of(3, k)).c_str(), &v);
        EXPECT_LE(colorid_index(c), k);
        EXPECT_EQ(short_name(c), short_name(color_of(3, k)));
    }
    name = short_name(color_of(0, 5));
    EXPECT_EQ(find_color_by_name(name.c_str(), &open_view_for_test(1, solid_page)), color_of(1, 5));
    swatch_view& s = open_view_for_test(0, solid_page);
    EXPECT_NE(find_color_by_name(name.substr(0, name.size() - 1).c_str(), &s), color_of(0, 5));
    const colorid none[] = {find_color_by_name("", &s), find_color_by_name((name + "x").c_str(), &s), find_color_by_name(name.c_str(), nullptr),
                            (current_page = settings_page, find_color_by_name(name.c_str(), &s))};
    EXPECT_EQ(std::vector<colorid>(none, none + 4), std::vector<colorid>(4, no_color));

    // Typed text against the shown name.
    reset_picker_for_test();
    open_view_for_test(3, process_page);
    std::strcpy(find_text, short_name(color_of(3, 42)).c_str());
    selected_color = color_of(3, 42);
    EXPECT_EQ(resolve_typed_name(find_text), find_outcome::unchanged);
    std::string typed = short_name(color_of(3, 2000));
    typed[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(typed[0])));
    EXPECT_EQ(resolve_typed_name(typed.c_str()), find_outcome::found);
    EXPECT_TRUE(selected_color == color_of(3, 2000) && scroll_mode == scroll_centre);
    scroll_mode = scroll_minimal;
    EXPECT_EQ(resolve_typed_name("zzzzzz"), find_outcome::not_found);
    EXPECT_TRUE(selected_color == color_of(3, 2000) && scroll_mode == scroll_minimal);
}

TEST(PickerFindByName, case_folding_and_accelerator_letters)
{
    EXPECT_TRUE(names_equal_ignoring_case("Warm Red 2", "wARM rED 2"));
    EXPECT_TRUE(names_equal_ignoring_case("\xC9\x63ru", "\xE9\x43RU"));
    EXPECT_FALSE(names_equal_ignoring_case("\xD7", "\xF7"));  // times and divide are not letters
    EXPECT_FALSE(names_equal_ignoring_case("[", "{"));
    const struct { const char* text; char letter; } texts[] = {
        {"Display Color &Names", 'N'}, {"a & b &c", ' '}, {"Description", 0}, {"trailing&", 0}};
    for (const auto& t : texts) EXPECT_EQ(accelerator_char(t.text), t.letter) << t.text;
}
