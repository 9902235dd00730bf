// Selection moves and screen paging on the real solid (7 x 136) and process
// (9 x 334) guides, as the window layer drives them: a target colour from a
// key, a scroll command or a click, then place_selection with scrolling.
#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <utility>
#include <vector>

#include "picker/picker_keys.h"
#include "picker/swatch_hits.h"
#include "picker/swatch_paging.h"
#include "picker_test_views.h"

namespace {

struct guide_case { uint32_t pub; int32_t page, rows, pages; };

// What the page's child window does with a colour a key, a scroll command or
// a click picked: select and scroll, then set the thumb.
void select_like_the_page(colorid c, swatch_view& v)
{
    if (c != no_color) place_selection(c, v, true);
}

class PickerPaging : public ::testing::TestWithParam<guide_case> {
protected:
    void SetUp() override { reset_picker_for_test(), g = GetParam(), v = &open_view_for_test(g.pub, g.page); }
    colorid at(int32_t index) const { return color_of(g.pub, static_cast<uint32_t>(index)); }
    int32_t index_of(colorid c) const { return static_cast<int32_t>(colorid_index(c)); }
    void start(int32_t selected) { selected_color = at(selected), first_colorid_displayed = at(0), selected_row = selected % g.rows; }
    void press(uint32_t key) { select_like_the_page(navigation_target(key, *v), *v); }
    void scroll(int32_t code, int32_t position = 0) { select_like_the_page(scroll_command_target(code, position, *v), *v); }

    guide_case g;
    swatch_view* v = nullptr;
};

}  // namespace

TEST(PickerPagingExamples, solid_guide_scrolls_minimally_and_centres_and_the_thumb_follows)
{
    reset_picker_for_test();
    swatch_view& v = open_view_for_test(0, solid_page);
    int32_t row = -1, column = -1;
    first_colorid_displayed = color_of(0, 0);
    EXPECT_EQ(locate_on_screen(color_of(0, 40), &row, &column, v), after_screen);
    EXPECT_EQ(column, 1);
    selection_outcome s = place_selection(color_of(0, 40), v, true);
    EXPECT_EQ(first_colorid_displayed, color_of(0, 7));
    EXPECT_EQ((std::vector<int>{s.place.scrolled, s.place.column, s.place.row, selected_row}), (std::vector<int>{1, 4, 5, 5}));
    // The frame is one pixel outside the 79 x 26 swatch, two to the sides.
    EXPECT_EQ(s.frame, (pixel_rect{10 + 4 * 86 + 7 - 2, 20 + 5 * 33 + 7 - 1, 10 + 4 * 86 + 7 + 81, 20 + 5 * 33 + 7 + 29}));
    first_colorid_displayed = color_of(0, 21);
    EXPECT_EQ(locate_on_screen(color_of(0, 3), &row, &column, v), before_screen);
    EXPECT_EQ(column, 3);
    place_selection(color_of(0, 3), v, true);
    EXPECT_EQ(first_colorid_displayed, color_of(0, 0));

    // Guide page 10 (indexes 63..69) becomes the middle of pages 8 to 12;
    // near either end the screen stops at the guide's first or last page.
    for (const auto& c : std::initializer_list<std::pair<uint32_t, uint32_t>>{{65, 49}, {951, 917}, {2, 0}}) {
        center_on_color(color_of(0, c.first), v);
        EXPECT_EQ(first_colorid_displayed, color_of(0, c.second)) << c.first;
    }
    // A centring request is answered once, then scrolling is minimal again.
    first_colorid_displayed = color_of(0, 0);
    scroll_mode = scroll_centre;
    EXPECT_EQ(locate_on_screen(color_of(0, 65), &row, &column, v), centre_requested);
    s = place_selection(color_of(0, 65), v, true);
    EXPECT_EQ(first_colorid_displayed, color_of(0, 49));
    EXPECT_EQ(s.place.column, 2);
    EXPECT_EQ(scroll_mode, scroll_minimal);
    // Without scrolling nothing moves and no frame is placed off the screen.
    first_colorid_displayed = color_of(0, 0);
    s = place_selection(color_of(0, 500), v, false);
    EXPECT_EQ(first_colorid_displayed, color_of(0, 0));
    EXPECT_FALSE(s.place.visible);
    EXPECT_EQ(selected_row, 500 % 7);

    // The first screen's thumb is at 1; then at the last of five pages shown.
    EXPECT_EQ(scroll_thumb(v), 1);
    for (int k = 2; k <= 132; ++k) {
        first_colorid_displayed = color_of(0, 7 * (k - 1));
        EXPECT_EQ(scroll_thumb(v), k + 4) << k;
    }
}

// Each step starts from `from` (or where the previous step left off, if
// negative), presses a key or gives a scroll command, and lands on
// `expected`, with the screen at `first` when that is given.
TEST_P(PickerPaging, keys_wrap_inside_the_guide_page_and_scroll_commands_move_by_their_step)
{
    const int32_t R = g.rows, total = g.rows * g.pages, last = total - 1;
    const struct { bool key; int32_t from, command, position, expected, first; } steps[] = {
        {1, 3 * R, key_up, 0, 3 * R + R - 1, -1}, {1, -1, key_down, 0, 3 * R, -1}, {1, -1, key_down, 0, 3 * R + 1, -1},
        {1, 2, key_left, 0, 2, -1},  // the first guide page: nowhere further left
        {1, -1, key_right, 0, 2 + R, -1}, {1, -1, key_home, 0, 0, -1}, {1, -1, key_end, 0, last, (g.pages - 5) * R},
        {1, -1, key_right, 0, last, -1},  // the last guide page: stays on the same row
        {1, -1, key_next, 0, last, -1}, {1, -1, key_prior, 0, last - 5 * R, -1},
        {0, 4 * R + 2, scroll_top, 0, 2, -1},  // the selection's row on the first guide page
        {0, -1, scroll_bottom, 0, last, -1},
        {0, R + 1, scroll_page_right, 0, R + 1 + 5 * R, 5 * R},  // a screen further, and the screen follows
        {0, -1, scroll_page_left, 0, R + 1, 0}, {0, -1, scroll_line_left, 0, 1, -1},  // the same row of the first page
        {0, -1, scroll_line_right, 0, R + 1, -1}, {0, -1, scroll_thumb_track, 50, 49 * R + 1, -1},
        {0, -1, scroll_thumb_position, g.pages + 7, total - R + 1, -1},  // past the end: the same row of the last page
    };
    for (const auto& s : steps) {
        if (s.from >= 0) start(s.from);
        s.key ? press(static_cast<uint32_t>(s.command)) : scroll(s.command, s.position);
        EXPECT_EQ(selected_color, at(s.expected)) << (s.key ? "key " : "command ") << s.command << " to " << s.expected;
        EXPECT_TRUE(s.first < 0 || index_of(first_colorid_displayed) == s.first) << "screen at " << s.first;
    }
    EXPECT_EQ(scroll_command_target(scroll_end, 0, *v), selected_color);
    EXPECT_EQ(navigation_target(key_tab, *v), no_color);
}

TEST_P(PickerPaging, any_sequence_of_keys_scrolls_and_clicks_stays_inside_the_guide)
{
    std::mt19937 rng(20261206u + g.pub);
    const int32_t R = g.rows, total = g.rows * g.pages;
    const uint32_t keys[] = {key_prior, key_next, key_end, key_home, key_left, key_up, key_right, key_down};
    for (int run = 0; run < 60; ++run) {
        start(static_cast<int32_t>(rng() % total));
        first_colorid_displayed = no_color;
        center_on_color(selected_color, *v);
        scroll_mode = scroll_minimal;
        for (int step = 0; step < 80; ++step) {
            const unsigned what = rng() % 3;
            if (what == 0) {
                press(keys[rng() % 8]);
            } else if (what == 1) {
                scroll(static_cast<int32_t>(rng() % 9), static_cast<int32_t>(rng() % (g.pages + 10)) - 5);
            } else {
                colorid c = no_color;
                const int32_t x = v->swatch_area.left + static_cast<int32_t>(rng() % v->swatch_area.width());
                const int32_t y = v->swatch_area.top + static_cast<int32_t>(rng() % (v->scroll_y - v->swatch_area.top));
                if (hit_strip(x, y, &c, *v) || hit_swatch(x, y, &c, *v)) select_like_the_page(c, *v);
            }
            const int32_t s = index_of(selected_color), f = index_of(first_colorid_displayed), thumb = scroll_thumb(*v);
            ASSERT_TRUE(selected_color != no_color && colorid_pub(selected_color) == g.pub && s < total) << s;
            ASSERT_TRUE(colorid_pub(first_colorid_displayed) == g.pub && f % R == 0 && f <= total - 5 * R)
                << "screen not at a guide page: " << f;
            ASSERT_TRUE(f <= s && s < f + 5 * R) << "selection off the screen";
            ASSERT_EQ(selected_row, s % R);
            ASSERT_TRUE(thumb >= 1 && thumb <= g.pages && scroll_mode == scroll_minimal) << thumb;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Guides, PickerPaging, ::testing::Values(guide_case{0, solid_page, 7, 136}, guide_case{3, process_page, 9, 334}),
                         [](const ::testing::TestParamInfo<guide_case>& i) { return i.param.pub == 3 ? "Process" : "Solid"; });

TEST(PickerPagingExamples, a_view_without_colours_moves_nothing)
{
    // A guide whose descriptor holds no pages: nothing may divide by its rows
    // or name a colour in it.
    reset_picker_for_test();
    swatch_view v;
    v.swatch_area = pixel_rect{0, 0, 440, 250};
    compute_swatch_geometry(v);
    selected_color = color_of(0, 3);
    first_colorid_displayed = color_of(0, 0);
    for (uint32_t key = key_prior; key <= key_down; ++key) EXPECT_EQ(navigation_target(key, v), no_color);
    for (int32_t code = 0; code <= scroll_end; ++code) EXPECT_EQ(scroll_command_target(code, 3, v), selected_color);
    const selection_outcome s = place_selection(color_of(0, 3), v, true);
    EXPECT_FALSE(s.place.visible);
    EXPECT_EQ(first_colorid_displayed, color_of(0, 0));
    center_on_color(color_of(0, 3), v);
    EXPECT_EQ(first_colorid_displayed, color_of(0, 0));
    colorid c = no_color;
    EXPECT_FALSE(hit_swatch(10, 10, &c, v));
    v.scroll_y = 260;
    v.swatch_area.right = 20;   // narrower than the strip's margins
    EXPECT_FALSE(hit_strip(5, 255, &c, v));
    EXPECT_FALSE(grid_position_holds_color(v, 0));
}
