// Selection across guides and pages, hit tests, and the checks on values that
// come back from the registry.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "colorlib/color_tables.h"
#include "picker/page_switch.h"
#include "picker/swatch_hits.h"
#include "picker/swatch_paging.h"
#include "picker_test_views.h"

namespace {

double distance(colorid a, colorid b, int d50)
{
    double x1, y1, z1, x2, y2, z2;
    EXPECT_EQ(get_color_xyz(a, d50, &x1, &y1, &z1), 1);
    EXPECT_EQ(get_color_xyz(b, d50, &x2, &y2, &z2), 1);
    return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2) + (z1 - z2) * (z1 - z2));
}

}  // namespace

TEST(PickerNearestColor, FindsTheNearestProcessColourOnceAndRemembersIt)
{
    reset_picker_for_test();
    const colorid solid = color_of(0, 100);
    const colorid found = nearest_color_in_pub(solid, 3);
    ASSERT_NE(found, no_color);
    EXPECT_EQ(colorid_pub(found), 3u);
    const double best = distance(solid, found, 0);
    for (uint32_t k = 0; k < 3006; ++k) ASSERT_LE(best, distance(solid, color_of(3, k), 0)) << k;
    EXPECT_EQ(nearest_color_searches, 1u);

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
}

TEST(PickerNearestColor, TheTargetsFirstColourCanBeTheNearest)
{
    reset_picker_for_test();
    auto measurements = [](uint32_t pub, uint32_t count) {
        std::vector<std::array<double, 3>> m(count);
        for (uint32_t k = 0; k < count; ++k) get_color_xyz(color_of(pub, k), 0, &m[k][0], &m[k][1], &m[k][2]);
        return m;
    };
    const auto solid = measurements(0, 952), process = measurements(3, 3006);
    auto nearest_by_brute_force = [&](const std::array<double, 3>& from) {
        uint32_t best = 0;
        double best_d = 1e300;
        for (uint32_t k = 0; k < solid.size(); ++k) {
            const double d = std::hypot(from[0] - solid[k][0], from[1] - solid[k][1], from[2] - solid[k][2]);
            if (d < best_d) best_d = d, best = k;
        }
        return best;
    };
    int checked = 0;
    for (uint32_t k = 0; k < process.size(); ++k) {
        if (nearest_by_brute_force(process[k]) != 0) continue;
        EXPECT_EQ(nearest_color_in_pub(color_of(3, k), 0), color_of(0, 0)) << "process colour " << k;
        ++checked;
    }
    EXPECT_GT(checked, 0) << "the guides hold a process colour whose nearest solid colour is the first";
    for (uint32_t k : {0u, 1u, 777u, 3005u})
        EXPECT_EQ(nearest_color_in_pub(color_of(3, k), 0), color_of(0, nearest_by_brute_force(process[k])));
}

TEST(PickerPageSwitch, SolidToProcessSelectsTheNearestAndCentresIt)
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
    EXPECT_EQ(v, &process_view);
    EXPECT_EQ(current_page, process_page);
    EXPECT_EQ(selected_color, expected);
    int32_t row, column;
    EXPECT_EQ(locate_on_screen(selected_color, &row, &column, *v), on_screen);

    // Back to the solid page: the nearest solid colour of the process colour.
    v = enter_color_page(solid_page);
    EXPECT_EQ(colorid_pub(selected_color), 0u);
    EXPECT_EQ(colorid_pub(first_colorid_displayed), 0u);

    // One solid guide to another keeps the indexes.
    selected_color = color_of(0, 300);
    first_colorid_displayed = color_of(0, 280);
    const colorid c = change_solid_guide(1);
    EXPECT_EQ(c, color_of(1, 300));
    EXPECT_EQ(switch_page_for_selection(c, *v), solid_page);
    v = enter_color_page(solid_page);
    EXPECT_EQ(v->pub, 1);
    EXPECT_EQ(color_type, 1u);
    EXPECT_EQ(first_colorid_displayed, color_of(1, 280));
    EXPECT_EQ(switch_page_for_selection(color_of(1, 5), *v), -1);
    EXPECT_EQ(switch_page_for_selection(color_of(3, 5), *v), process_page);

    // A choice the combo box cannot mean (CB_ERR) leaves the selection alone.
    EXPECT_EQ(change_solid_guide(-1), no_color);
    EXPECT_EQ(change_solid_guide(3), no_color);
    EXPECT_EQ(selected_color, color_of(1, 300));
    EXPECT_EQ(solid_pub_choice, 1u);

    // Add-on colours have no page: selecting one changes nothing.
    EXPECT_EQ(page_of_pub(4), settings_page);
    EXPECT_EQ(switch_page_for_selection(0x00040001u, *v), page_refused);
    EXPECT_EQ(switch_page_for_selection(no_color, *v), page_refused);

    enter_settings_page();
    EXPECT_EQ(current_view, nullptr);
}

TEST(PickerRun, OpeningKeepsTheLastSelectionAndShowsTheCallersColourAsOriginal)
{
    reset_picker_for_test();
    selected_color = color_of(3, 500);
    begin_picker_run(color_of(0, 10));
    EXPECT_EQ(selected_color, color_of(3, 500));
    EXPECT_EQ(original_color, color_of(0, 10));
    EXPECT_EQ(current_page, process_page);
    EXPECT_EQ(previous_page, process_page);

    // After a cancel the selection falls back to the last original colour.
    selected_color = no_color;
    begin_picker_run(no_color);
    EXPECT_EQ(selected_color, color_of(0, 10));
    EXPECT_EQ(original_color, color_of(0, 10));
    EXPECT_EQ(current_page, solid_page);

    // An add-on colour can be the original but not the selection.
    selected_color = no_color;
    original_color = 0x00050003u;
    begin_picker_run(no_color);
    EXPECT_EQ(selected_color, 0u);
}

TEST(PickerRun, ValuesFromTheRegistryAreCheckedBeforeUse)
{
    struct stored {
        uint32_t type;
        colorid selected, first;
        uint32_t type_after;
        colorid selected_after, first_after;
    };
    const stored cases[] = {
        {1, 0x00010005u, 0x00010000u, 1, 0x00010005u, 0x00010000u},       // all good
        {7, 0x000003B7u, 0x00000395u, 0, 0x000003B7u, 0x00000395u},       // colour type out of range; 951 and 917 fine
        {0xFFFFFFFFu, 0x000003B8u, 0x0000039Cu, 0, no_color, no_color},   // 952 beyond, 924 past the last full screen
        {2, 0x00040001u, 0x00040000u, 2, no_color, no_color},             // no publication 4
        {0, 0xFF000005u, 0x00000005u, 0, no_color, no_color},             // junk high bits; first not at a page
        {0, 0x00030BBDu, 0x00030B88u, 0, 0x00030BBDu, 0x00030B88u},       // process 3005 and 2952 (page 329)
        {0, 0x00030BBEu, 0x00030B9Au, 0, no_color, no_color},             // 3006 beyond; 2970 past the last screen
    };
    for (const stored& s : cases) {
        reset_picker_for_test();
        color_type = s.type;
        selected_color = s.selected;
        first_colorid_displayed = s.first;
        sanitize_persisted_picker_state();
        EXPECT_EQ(color_type, s.type_after) << std::hex << s.selected;
        EXPECT_EQ(selected_color, s.selected_after) << std::hex << s.selected;
        EXPECT_EQ(first_colorid_displayed, s.first_after) << std::hex << s.first;
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

TEST(PickerHitTest, SwatchCellsPatchesAndTheLabelLine)
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
    EXPECT_FALSE(hit_swatch(100, v.label_y + 2, &c, v)) << "the page-label line selects nothing";
    EXPECT_FALSE(hit_swatch(10 + 5 * 86 + 2, 30, &c, v)) << "right of the last column";
    EXPECT_FALSE(hit_swatch(9, 30, &c, v));
    EXPECT_FALSE(hit_swatch(100, 270, &c, v));
    EXPECT_EQ(c, 0xdeadbeefu);

    v.original_patch = pixel_rect{20, 300, 60, 330};
    v.new_patch = pixel_rect{60, 300, 100, 330};
    EXPECT_TRUE(hit_original_patch(20, 300, v));
    EXPECT_FALSE(hit_original_patch(60, 300, v));
    EXPECT_TRUE(hit_new_patch(60, 329, v));
    EXPECT_FALSE(hit_new_patch(100, 310, v));
    current_page = settings_page;
    EXPECT_FALSE(hit_original_patch(20, 300, v));
    EXPECT_FALSE(hit_swatch(10, 20, &c, v));

    // The last screen of the guide is full; nothing past the end is drawn.
    first_colorid_displayed = color_of(0, 917);
    EXPECT_TRUE(grid_position_holds_color(v, 34));
    EXPECT_FALSE(grid_position_holds_color(v, 35));
}

TEST(PickerHitTest, TheStripIsAMapOfTheWholeGuide)
{
    reset_picker_for_test();
    swatch_view& v = open_view_for_test(3, process_page);
    const strip_extent s = strip_geometry(v);
    EXPECT_EQ(s.pad, 2);
    EXPECT_EQ(s.n, 440 - 34 - 2);
    const int32_t x0 = strip_left(v);
    EXPECT_EQ(x0, 10 + 17 + 2);

    colorid c = no_color;
    ASSERT_TRUE(hit_strip(10, 275, &c, v));
    EXPECT_EQ(c, color_of(3, 4)) << "left of the track: the middle of the first page";
    EXPECT_EQ(scroll_mode, scroll_centre);
    ASSERT_TRUE(hit_strip(x0 + 100, 275, &c, v));
    EXPECT_EQ(c, color_of(3, 82 * 9 + 4)) << "100 of 404 pixels along: page 83 of 334";
    for (int32_t x : {x0 + s.n - 1, x0 + s.n, x0 + s.n + 1, 449}) {
        ASSERT_TRUE(hit_strip(x, 281, &c, v));
        EXPECT_EQ(c, color_of(3, 333 * 9 + 4)) << x;
    }
    EXPECT_FALSE(hit_strip(100, 282, &c, v)) << "the scroll bar is not the strip";
    EXPECT_FALSE(hit_strip(100, 269, &c, v)) << "the label line is not the strip";
    palette_device = 1;
    EXPECT_FALSE(hit_strip(100, 275, &c, v));
}
