// The picker's window-free logic on the real guides: keys, layout, paging, selection, find-by-name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "colorlib/color_tables.h"
#include "colorlib/colorid.h"
#include "colorlib/publication_catalogue.h"
#include "picker/control_ids.h"
#include "picker/find_by_name.h"
#include "picker/key_decision.h"
#include "picker/nearest_color.h"
#include "picker/page_switch.h"
#include "picker/paint_geometry.h"
#include "picker/picker_keys.h"
#include "picker/picker_layout.h"
#include "picker/picker_run.h"
#include "picker/profile_stepping.h"
#include "picker/settings_layout.h"
#include "picker/swatch_hits.h"
#include "picker/swatch_paging.h"
#include "picker/swatch_view.h"
#include "picker/tab_order.h"
#include "test_data.h"

// The 440 x 250 swatch area of the layout examples, room for the strip below, 96 dpi metrics.
inline swatch_view& open_view_for_test(picker_run& run, uint32_t pub, int32_t page) {
    run.picker_metrics.cx_border = 1, run.picker_metrics.cx_hscroll = 17, run.picker_metrics.cy_hscroll = 17;
    swatch_view& v = pub == process_pub ? run.process_view : run.solid_view;
    v.swatch_area = pixel_rect{10, 20, 450, 270}, v.scroll_y = 282, v.columns = 5, v.label_height = 10;
    setup_view(run, pub, v);
    run.current_page = page;
    return v;
}

// A picker run on a library of its own, as each case starts.
struct fresh_run : library_context, picker_run {
    fresh_run() : picker_run(static_cast<library_context&>(*this)) {}
};

// The built-in guides read apart from the run under test, for the expected colours, names and distances.
inline publication_catalogue& guides() { static publication_catalogue c; return c; }
inline colorid color_of(uint32_t pub, uint32_t index) { return make_colorid(guides(), pub, index); }

using r = control_role;
using a = hook_action;

static hook_decision press(picker_run& run, uint32_t key, int32_t page, r focus) { return decide_hook_key(run, 0, key, 0, page, focus); }

// A name's position in a list of names in enum order.
static int named(const std::string& name, const std::string& names) {
    const size_t at = (" " + names + " ").find(" " + name + " ");
    return at == std::string::npos ? -1 : int(std::count(names.begin(), names.begin() + at, ' '));
}
static const char* roles = "other tab_control ok cancel about type_combo combo_edit scroll_bar name_edit names_check profile_name_check"
                           " d65_radio d50_radio display_change";
static const char* actions = "call_next pass swallow focus post_to_picker post_to_settings find_name navigate step_profile accelerator";

TEST(PickerHook, decision_by_key_page_and_focus) {
    fresh_run run;
    EXPECT_EQ(decide_hook_key(run, -1, 'A', 0, solid_page, r::other).action, a::call_next);
    EXPECT_EQ(decide_hook_key(run, 0, key_shift, 0, solid_page, r::other).action, a::swallow);
    EXPECT_EQ(run.shift_down, 1u);
    EXPECT_EQ(decide_hook_key(run, 0, key_shift, key_released_flag, solid_page, r::other).action, a::swallow);
    EXPECT_EQ(run.shift_down, 0u);
    EXPECT_EQ(decide_hook_key(run, 0, key_return, key_released_flag, solid_page, r::ok).action, a::swallow);
    const std::vector<data_row> rows = read_data_table("native_picker_hook.csv");
    ASSERT_EQ(rows.size(), 17u);
    for (const data_row& x : rows) {
        const hook_decision d = press(run, uint32_t(data_number(x[0])), int32_t(data_number(x[1])), r(named(x[2], roles)));
        EXPECT_EQ((std::vector<int>{int(d.action), d.command, d.result, int(d.target)}),
                  (std::vector<int>{named(x[3], actions), int(data_number(x[4])), int(data_number(x[5])), named(x[6], roles)})) << x[0];
    }
    EXPECT_EQ(press(run, key_left, solid_page, r::scroll_bar).page, solid_page);
}

TEST(PickerHook, accelerators_by_page) {
    accelerator_matches find_and_about, type, letters;
    find_and_about.find_name = find_and_about.about = type.color_type = letters.display_profile = letters.display_names = true;
    const accelerator_decision d = decide_accelerator(solid_page, false, find_and_about);
    EXPECT_TRUE(d.post_about && d.then.target == r::name_edit);
    EXPECT_EQ(decide_accelerator(solid_page, true, find_and_about).result, 0);  // typing into the name box
    EXPECT_EQ(decide_accelerator(solid_page, false, type).then.target, r::type_combo);
    EXPECT_EQ(decide_accelerator(process_page, false, type).then.action, a::swallow);  // no combo box there
    EXPECT_EQ(decide_accelerator(settings_page, false, letters).then.command, IDC_DISPLAY_CHANGE);
    letters.display_profile = false;
    EXPECT_EQ(decide_accelerator(settings_page, false, letters).then.target, r::names_check);
    const std::vector<data_row> keys = read_data_table("native_picker_letters.csv");
    ASSERT_EQ(keys.size(), 9u);
    for (const data_row& k : keys)
        EXPECT_EQ(accelerator_key_matches(uint32_t(data_number(k[0])), char(data_number(k[1]))), data_number(k[2]) != 0) << k[0];
    // The hook comes back with the application only while no nested dialog is open.
    fresh_run run;
    run.nested_dialogs_open = 1;
    EXPECT_TRUE(!hook_may_return(run, true) && !hook_may_return(run, false) && (run.nested_dialogs_open = 0, hook_may_return(run, true)) && !hook_may_return(run, false));
}

TEST(PickerPaint, swatch_names_readable_on_pale_and_dark_colours) {
    const std::vector<data_row> rows = read_data_table("native_picker_name_colours.csv");
    ASSERT_EQ(rows.size(), 6u);
    for (const data_row& x : rows)
        EXPECT_EQ(swatch_name_color(data_number(x[0]), data_number(x[1]), data_number(x[2]), data_number(x[3])), uint32_t(data_number(x[4]))) << x[0];
}

TEST(PickerTabOrder, tab_and_shift_tab_walk_each_page_in_a_circle) {
    fresh_run run;
    const std::vector<r> rings[] = {
        {r::tab_control, r::type_combo, r::scroll_bar, r::name_edit, r::ok, r::cancel, r::about},
        {r::tab_control, r::scroll_bar, r::name_edit, r::ok, r::cancel, r::about},
        {r::tab_control, r::display_change, r::profile_name_check, r::printer_change, r::names_check, r::d65_radio, r::ok, r::cancel, r::about},
    };
    for (int32_t page = 0; page < 3; ++page)
        for (size_t i = 0, n = rings[page].size(); i < n; ++i) {
            const r here = rings[page][i], next = rings[page][(i + 1) % n];
            EXPECT_TRUE(tab_target(page, here, false, 0) == next && tab_target(page, next, true, 0) == here) << page << ":" << i;
        }
    EXPECT_EQ((std::vector<r>{tab_target(solid_page, r::combo_edit, true, 0), tab_target(solid_page, r::d50_radio, false, 0),
                              tab_target(settings_page, r::other, false, 0), tab_target(settings_page, r::ok, true, 1)}),
              (std::vector<r>{r::tab_control, r::name_edit, r::cancel, r::d50_radio}));

    decide_hook_key(run, 0, key_shift, 0, solid_page, r::other);
    EXPECT_EQ(press(run, key_tab, solid_page, r::ok).target, r::name_edit);
    decide_hook_key(run, 0, key_shift, key_released_flag, solid_page, r::other);
    run.picker.D50FLAG = 1;
    EXPECT_EQ(press(run, key_tab, settings_page, r::names_check).target, r::d50_radio);
}

TEST(PickerProfileKeys, step_through_the_sorted_display_profiles) {
    const char* four[] = {"Default Display", "Alpha", "Beta", "Gamma"};
    const struct { uint32_t key; int count; const char* current; int expected; } steps[] = {
        {key_f5, 1, "Default Display", 0}, {key_f6, 1, "Default Display", 0}, {key_f5, 4, "beta", 3}, {key_f5, 4, "Gamma", 0},
        {key_f6, 4, "Default Display", 3}, {key_f6, 4, "Beta", 1}, {key_f5, 4, "Removed Profile", 0},
        {key_f6, 4, "Removed Profile", 0}, {key_f7, 4, "Beta", -1}, {key_f5, 0, "Beta", -1},
    };
    for (const auto& s : steps)
        EXPECT_EQ(step_profile_choice(s.key, four, s.count, s.current), s.expected) << s.key << " " << s.current;
}

TEST(PickerLayout, frame_window_and_line_height_of_the_worked_examples) {
    const frame_layout f = layout_frame(512, 499, 18);
    EXPECT_EQ(f.tab, (pixel_rect{13, 9, 499, 418}));
    EXPECT_EQ((std::vector<int>{f.mx, f.my, f.button_width, f.button_height, f.button_y, f.about_x, f.cancel_x, f.ok_x}),
              (std::vector<int>{12, 16, 97, 31, 434, 402, 296, 190}));
    EXPECT_EQ(page_child_rect(f, pixel_rect{2, 22, 482, 405}), (pixel_rect{15, 31, 495, 414}));
    // Sized from the screen, centred unless placed.
    const picker_screen xga{1024, 768, {}, 0}, vga{640, 480, {}, 1};
    EXPECT_EQ(picker_window_rect(xga, 0, 0), (pixel_rect{256, 134, 768, 633}));
    EXPECT_EQ(picker_window_rect(vga, 0, 0), (pixel_rect{112, 60, 528, 420}));
    EXPECT_EQ(picker_window_rect(xga, 40, 0), (pixel_rect{40, 0, 552, 499}));
    // A saved place moved into the work area of its monitor: grown at 144 dpi, on a smaller screen, fitting (up to the
    // edge), before the top left, on a second monitor lower than the window (the top edge stays inside).
    const struct { pixel_rect saved, work, placed; } places[] = {
        {{256, 134, 1024, 883}, {0, 0, 1024, 768}, {256, 19, 1024, 768}}, {{256, 134, 672, 494}, {0, 0, 640, 480}, {224, 120, 640, 480}},
        {{40, 0, 552, 499}, {0, 0, 1024, 768}, {40, 0, 552, 499}}, {{512, 239, 1024, 738}, {0, 0, 1024, 738}, {512, 239, 1024, 738}},
        {{-300, -20, 212, 479}, {0, 0, 1024, 738}, {0, 0, 512, 499}}, {{1200, 100, 1712, 599}, {1024, 0, 1664, 450}, {1152, 0, 1664, 499}}};
    for (const auto& p : places) EXPECT_EQ(moved_into_work_area(p.saved, p.work), p.placed) << p.saved.left << "," << p.saved.top;
    for (const auto& c : {std::make_pair(0, 0), std::make_pair(-3, 0), std::make_pair(1, 32), std::make_pair(2, 45)})
        EXPECT_EQ(line_height(c.first, 13), c.second) << c.first << " lines";
}

TEST(PickerLayout, swatch_geometry_of_the_worked_example_and_of_the_real_guides) {
    swatch_view v;
    v.swatch_area = pixel_rect{10, 20, 450, 270}, v.label_height = 10, v.rows = 7;
    compute_swatch_geometry(v);
    EXPECT_EQ((std::vector<int>{v.swatch_width, v.gap_x, v.swatch_height, v.gap_y, v.label_y}), (std::vector<int>{79, 7, 26, 7, 270 - 12}));

    // Gaps absorb the remainders.
    for (int w = 50; w < 900; w += 37)
        for (int rows : {1, 7, 9, 30}) {
            v.swatch_area = pixel_rect{0, 0, w, w / 2 + 40}, v.rows = rows;
            compute_swatch_geometry(v);
            EXPECT_LE(v.columns * v.swatch_width + (v.columns + 1) * v.gap_x, w);
            EXPECT_LE(rows * v.swatch_height + (rows + 1) * v.gap_y, v.label_y - v.swatch_area.top);
        }
    fresh_run run;
    swatch_view& s = open_view_for_test(run, 0, solid_page);
    EXPECT_TRUE(run.current_view == &s && s.pub == 0 && run.find_name_max == 15);
    swatch_view& p = open_view_for_test(run, 3, process_page);
    EXPECT_EQ((std::vector<uint32_t>{uint32_t(p.total), uint32_t(p.per_screen), run.find_name_max}), (std::vector<uint32_t>{3006, 45, 6}));
    EXPECT_LT(p.swatch_height, s.swatch_height);
}

// The solid page of the 512 x 499 window; a palette display has no strip and gets a page palette.
TEST(PickerLayout, solid_page_and_palette_display) {
    picker_system_metrics sm;
    sm.cx_border = 1, sm.cx_frame = 4, sm.cx_vscroll = 17, sm.cx_hscroll = 17, sm.cy_hscroll = 17, sm.cy_menu = 19;
    page_text_metrics m;
    m.text_height = 13, m.widest_type_text = 95, m.find_label_cx = 86, m.find_label_cy = 13, m.comparison_label_height = 12, m.label_height = 10;
    page_layout solid;
    swatch_view sv, pal;
    layout_solid_page(pixel_rect{2, 22, 484, 407}, layout_frame(512, 499, 18), m, sm, 0, solid, sv);
    EXPECT_TRUE(sv.swatch_area == (pixel_rect{12, 69, 472, 281}) && solid.name_edit == (pixel_rect{253, 314, 472, 333}) && sv.scroll_y == 281 + 12);
    layout_solid_page(pixel_rect{2, 22, 484, 407}, layout_frame(512, 499, 18), m, sm, 1, solid, pal);
    EXPECT_EQ(pal.scroll_y, pal.swatch_area.bottom);
    fresh_run run;
    run.palette_device = 1, pal.label_height = 10;
    setup_view(run, 0, pal);
    EXPECT_EQ(pal.palette_count * 100 + page_palette_entries(pal), 3536);
}

// 100, 125, 150 and 200 % on the screens of today, with the metrics and text extents Wine gives at each dpi: the window
// stays on the screen, and (but on the 640 x 480 screen, whose small layout has a font of its own) every part lies in
// its page apart from the others, and every text the layout measures fits its box.
TEST(PickerLayout, every_dpi_and_screen_keeps_the_window_on_the_screen_and_the_texts_in_their_boxes) {
    // The window on 1024 x 768 and the radio buttons' x pin the rounding: 499 at 120 dpi is 624, at 144 dpi 749, 250 at 120 dpi 313.
    const struct { int32_t dpi, tab_top; picker_system_metrics sm; page_text_metrics m; settings_text_metrics s; pixel_rect xga; int32_t radio_x; } rows[] = {
        {96, 22, {19, 1, 4, 17, 17, 17, 19, 3}, {13, 108, 107, 13, 10, 9}, {13, {127, 13}, {116, 13}, {22, 13}, {55, 13}, 17, 3, 96}, {256, 134, 768, 633}, 250},
        {120, 24, {24, 1, 4, 21, 21, 21, 24, 3}, {15, 122, 122, 15, 14, 11}, {15, {147, 15}, {134, 15}, {26, 15}, {61, 15}, 21, 3, 120}, {192, 72, 832, 696}, 313},
        {144, 28, {28, 1, 5, 26, 26, 26, 28, 3}, {19, 151, 150, 19, 16, 14}, {19, {177, 19}, {164, 19}, {32, 19}, {76, 19}, 26, 3, 144}, {128, 9, 896, 758}, 375},
        {192, 33, {37, 1, 5, 34, 34, 34, 37, 3}, {24, 200, 199, 24, 22, 19}, {24, {236, 24}, {215, 24}, {42, 24}, {101, 24}, 34, 3, 192}, {0, 0, 1024, 768}, 500}};
    auto in = [](const pixel_rect& a, const pixel_rect& b) { return a.left >= b.left && a.top >= b.top && a.right <= b.right && a.bottom <= b.bottom; };
    auto apart = [](const std::vector<pixel_rect>& parts) {
        for (size_t i = 0; i < parts.size(); ++i)
            for (size_t j = i + 1; j < parts.size(); ++j)
                if (!(parts[i].right <= parts[j].left || parts[j].right <= parts[i].left || parts[i].bottom <= parts[j].top || parts[j].bottom <= parts[i].top)) return false;
        return true;
    };
    for (const auto& r : rows)
        for (const pixel_rect& screen : {pixel_rect{0, 0, 640, 480}, {0, 0, 1024, 768}, {0, 0, 1366, 768}, {0, 0, 1920, 1080}, {0, 0, 3840, 2160}}) {
            const pixel_rect w = picker_window_rect(picker_screen{screen.right, screen.bottom, {}, screen.right == 640, r.dpi}, 0, 0);
            SCOPED_TRACE(testing::Message() << r.dpi << " dpi on " << screen.right << " x " << screen.bottom);
            EXPECT_TRUE(in(w, screen) && w.width() * 100 / screen.right >= (screen.right == 640 ? 65 : 50));
            EXPECT_TRUE(screen.right != 1024 || w == r.xga);
            if (screen.right == 640) continue;
            const frame_layout f = layout_frame(w.width(), w.height(), r.sm.cy_caption);
            const pixel_rect D{4, r.tab_top, f.tab.width() - 4, f.tab.height() - 4}, page{0, 0, D.width(), D.height()};
            page_layout l;
            swatch_view v;
            layout_solid_page(D, f, r.m, r.sm, 0, l, v);
            v.rows = 7;
            compute_swatch_geometry(v);
            const pixel_rect open_frame{v.swatch_area.left, v.swatch_area.top, v.swatch_area.right, l.scroll_bar.bottom};
            const std::vector<pixel_rect> parts = {l.type_group, l.description_group, open_frame, l.comparison_area, l.find_label, l.name_edit, v.name_line};
            EXPECT_TRUE(apart(parts) && std::all_of(parts.begin(), parts.end(), [&](const pixel_rect& p) { return in(p, page); }));
            EXPECT_TRUE(l.type_combo.width() >= r.m.widest_type_text + r.sm.cx_vscroll + 4 && l.type_group.height() >= 2 * r.sm.cy_menu);
            EXPECT_TRUE(l.name_edit.height() >= r.m.text_height + 4 && v.swatch_height >= r.m.label_height && v.swatch_area.bottom - v.label_y >= r.m.label_height);
            EXPECT_TRUE(in(l.original_label, l.comparison_area) && v.original_patch.height() >= r.m.label_height);
            EXPECT_TRUE(f.button_height >= r.m.text_height * 3 / 2 && f.button_y + f.button_height <= w.height() - r.sm.cy_caption);
            const settings_layout s = layout_settings_page(f, D, r.s);
            const std::vector<pixel_rect> options = {s.names_check, s.d65_radio, s.d50_radio}, profiles = {s.display_edit, s.display_change, s.profile_name_check, s.printer_edit, s.printer_change};
            EXPECT_TRUE(apart(options) && apart(profiles) && apart({s.options_group, s.profiles_group}) && in(s.options_group, page));
            // The radio buttons stand on their own line, where no overlap test sees the grown check box reach their x.
            EXPECT_TRUE(s.d65_radio.left == r.radio_x && s.d65_radio.left >= s.names_check.right) << s.names_check.right;
            EXPECT_TRUE(std::all_of(options.begin(), options.end(), [&](const pixel_rect& p) { return in(p, s.options_group); }) &&
                        std::all_of(profiles.begin(), profiles.end(), [&](const pixel_rect& p) { return in(p, s.profiles_group); }));
        }
}

namespace {

struct guide_case { uint32_t pub; int32_t page, rows, pages; };

// What the page's child window does with a picked colour: select and scroll.
void select_like_the_page(picker_run& run, colorid c, swatch_view& v) { if (c != no_color) place_selection(run, c, v, true); }

class PickerPaging : public ::testing::TestWithParam<guide_case> {
protected:
    void SetUp() override { g = GetParam(), v = &open_view_for_test(run, g.pub, g.page); }
    colorid at(int32_t index) const { return color_of(g.pub, static_cast<uint32_t>(index)); }
    int32_t index_of(colorid c) const { return static_cast<int32_t>(colorid_index(c)); }
    void start(int32_t selected) { run.picker.selected_color = at(selected), run.picker.first_colorid_displayed = at(0), run.selected_row = selected % g.rows; }
    void press(uint32_t key) { select_like_the_page(run, navigation_target(run, key, *v), *v); }
    void scroll(int32_t code, int32_t position = 0) { select_like_the_page(run, scroll_command_target(run, code, position, *v), *v); }
    fresh_run run;
    guide_case g;
    swatch_view* v = nullptr;
};

}  // namespace

TEST(PickerPagingExamples, solid_guide_scrolls_minimally_and_centres_and_the_thumb_follows) {
    fresh_run run;
    swatch_view& v = open_view_for_test(run, 0, solid_page);
    int32_t row = -1, column = -1;
    run.picker.first_colorid_displayed = color_of(0, 0);
    EXPECT_EQ((std::vector<int>{locate_on_screen(run, color_of(0, 40), &row, &column, v), column}), (std::vector<int>{after_screen, 1}));
    selection_outcome s = place_selection(run, color_of(0, 40), v, true);
    EXPECT_EQ((std::vector<uint32_t>{run.picker.first_colorid_displayed, uint32_t(s.place.scrolled), uint32_t(s.place.column), uint32_t(s.place.row),
                                     uint32_t(run.selected_row)}), (std::vector<uint32_t>{color_of(0, 7), 1, 4, 5, 5}));
    // The frame is one pixel outside the 79 x 26 swatch, two to the sides.
    EXPECT_EQ(s.frame, (pixel_rect{10 + 4 * 86 + 7 - 2, 20 + 5 * 33 + 7 - 1, 10 + 4 * 86 + 7 + 81, 20 + 5 * 33 + 7 + 29}));
    run.picker.first_colorid_displayed = color_of(0, 21);
    EXPECT_EQ((std::vector<int>{locate_on_screen(run, color_of(0, 3), &row, &column, v), column}), (std::vector<int>{before_screen, 3}));
    place_selection(run, color_of(0, 3), v, true);
    EXPECT_EQ(run.picker.first_colorid_displayed, color_of(0, 0));
    // A centring request is answered once.
    run.picker.first_colorid_displayed = color_of(0, 0);
    run.scroll_mode = scroll_centre;
    EXPECT_EQ(locate_on_screen(run, color_of(0, 65), &row, &column, v), centre_requested);
    s = place_selection(run, color_of(0, 65), v, true);
    EXPECT_TRUE(run.picker.first_colorid_displayed == color_of(0, 49) && s.place.column == 2 && run.scroll_mode == scroll_minimal);
    run.picker.first_colorid_displayed = color_of(0, 0);
    s = place_selection(run, color_of(0, 500), v, false);
    EXPECT_TRUE(run.picker.first_colorid_displayed == color_of(0, 0) && !s.place.visible && run.selected_row == 500 % 7);
    // The thumb: 1 on the run.picker.first_colorid_displayed screen, then the last of the five pages shown.
    EXPECT_EQ(scroll_thumb(run, v), 1);
    for (int k = 2; k <= 132; ++k) {
        run.picker.first_colorid_displayed = color_of(0, 7 * (k - 1));
        EXPECT_EQ(scroll_thumb(run, v), k + 4) << k;
    }
}

// From `from` (or where the last step left off), a key or command lands on `expected`, the screen at `first`.
TEST_P(PickerPaging, keys_wrap_inside_the_guide_page_and_scroll_commands_move_by_their_step) {
    const int32_t R = g.rows, total = g.rows * g.pages, last = total - 1;
    const struct { bool key; int32_t from, command, position, expected, first; } steps[] = {
        {1, 3 * R, key_up, 0, 3 * R + R - 1, -1}, {1, -1, key_down, 0, 3 * R, -1}, {1, -1, key_down, 0, 3 * R + 1, -1},
        {1, 2, key_left, 0, 2, -1},  // the first guide page: nowhere further left
        {1, -1, key_right, 0, 2 + R, -1}, {1, -1, key_home, 0, 0, -1}, {1, -1, key_end, 0, last, (g.pages - 5) * R},
        {1, -1, key_right, 0, last, -1},  // the last guide page: stays on the same row
        {1, -1, key_next, 0, last, -1}, {1, -1, key_prior, 0, last - 5 * R, -1}, {1, total - 5 * R, key_next, 0, total - R, -1},  // also from one past
        {0, 4 * R + 2, scroll_top, 0, 2, -1},  // the selection's row on the first guide page
        {0, -1, scroll_bottom, 0, last, -1}, {0, R + 1, scroll_page_right, 0, R + 1 + 5 * R, 5 * R},  // a screen further, and the screen follows
        {0, -1, scroll_page_left, 0, R + 1, 0}, {0, -1, scroll_line_left, 0, 1, -1},  // the same row of the first page
        {0, -1, scroll_line_right, 0, R + 1, -1}, {0, -1, scroll_thumb_track, 50, 49 * R + 1, -1},
        {0, -1, scroll_thumb_position, g.pages + 7, total - R + 1, -1},  // past the end: the same row of the last page
    };
    for (const auto& s : steps) {
        if (s.from >= 0) start(s.from);
        s.key ? press(static_cast<uint32_t>(s.command)) : scroll(s.command, s.position);
        EXPECT_EQ(run.picker.selected_color, at(s.expected)) << (s.key ? "key " : "command ") << s.command << " to " << s.expected;
        EXPECT_TRUE(s.first < 0 || index_of(run.picker.first_colorid_displayed) == s.first) << "screen at " << s.first;
    }
    EXPECT_EQ(scroll_command_target(run, scroll_end, 0, *v), run.picker.selected_color);
    EXPECT_EQ(navigation_target(run, key_tab, *v), no_color);
}

TEST_P(PickerPaging, any_sequence_of_keys_scrolls_and_clicks_stays_inside_the_guide) {
    std::mt19937 rng(20261206u + g.pub);
    const int32_t R = g.rows, total = g.rows * g.pages;
    const uint32_t keys[] = {key_prior, key_next, key_end, key_home, key_left, key_up, key_right, key_down};
    for (int round = 0; round < 60; ++round) {
        start(static_cast<int32_t>(rng() % total));
        run.picker.first_colorid_displayed = no_color;
        center_on_color(run, run.picker.selected_color, *v);
        run.scroll_mode = scroll_minimal;
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
                if (hit_strip(run, x, y, &c, *v) || hit_swatch(run, x, y, &c, *v)) select_like_the_page(run, c, *v);
            }
            const int32_t s = index_of(run.picker.selected_color), f = index_of(run.picker.first_colorid_displayed), thumb = scroll_thumb(run, *v);
            ASSERT_TRUE(run.picker.selected_color != no_color && colorid_pub(run.picker.selected_color) == g.pub && s < total) << s;
            ASSERT_TRUE(colorid_pub(run.picker.first_colorid_displayed) == g.pub && f % R == 0 && f <= total - 5 * R && f <= s && s < f + 5 * R) << f;
            ASSERT_TRUE(run.selected_row == s % R && thumb >= 1 && thumb <= g.pages && run.scroll_mode == scroll_minimal) << thumb;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Guides, PickerPaging, ::testing::Values(guide_case{0, solid_page, 7, 136}, guide_case{3, process_page, 9, 334}),
                         [](const ::testing::TestParamInfo<guide_case>& i) { return i.param.pub == 3 ? "Process" : "Solid"; });

TEST(PickerPagingExamples, a_view_without_colours_moves_nothing) {
    fresh_run run;
    swatch_view v;
    v.swatch_area = pixel_rect{0, 0, 440, 250};
    compute_swatch_geometry(v);
    run.picker.selected_color = color_of(0, 3), run.picker.first_colorid_displayed = color_of(0, 0);
    for (uint32_t key = key_prior; key <= key_down; ++key) EXPECT_EQ(navigation_target(run, key, v), no_color);
    for (int32_t code = 0; code <= scroll_end; ++code) EXPECT_EQ(scroll_command_target(run, code, 3, v), run.picker.selected_color);
    EXPECT_FALSE(place_selection(run, color_of(0, 3), v, true).place.visible);
    center_on_color(run, color_of(0, 3), v);
    EXPECT_EQ(run.picker.first_colorid_displayed, color_of(0, 0));
    colorid c = no_color;
    v.scroll_y = 260, v.swatch_area.right = 20;  // narrower than the strip's margins
    EXPECT_FALSE(hit_swatch(run, 10, 10, &c, v) || hit_strip(run, 5, 255, &c, v) || grid_position_holds_color(run, v, 0));
}

namespace {

double distance(colorid a, colorid b, int d50) {
    const measured_xyz none{NAN, NAN, NAN}, p = get_color_xyz(guides(), a, d50).value_or(none), q = get_color_xyz(guides(), b, d50).value_or(none);
    return std::hypot(p.X - q.X, p.Y - q.Y, p.Z - q.Z);  // without a measurement no number, which no comparison passes
}

std::string short_name(colorid c) {
    char name[40];
    return get_color_name(guides(), c, name, 39, -1), name;
}

}  // namespace

TEST(PickerNearestColor, finds_the_nearest_colour_once_and_remembers_it) {
    fresh_run run;
    const colorid solid = color_of(0, 100), found = nearest_color_in_pub(run, solid, 3);
    for (uint32_t k = 0; k < 3006; ++k) ASSERT_LE(distance(solid, found, 0), distance(solid, color_of(3, k), 0)) << k;
    EXPECT_EQ(nearest_color_in_pub(run, solid, 3), found);
    const colorid d65 = nearest_color_in_pub(run, color_of(0, 101), 3);
    run.picker.D50FLAG = 1;
    EXPECT_LE(distance(color_of(0, 101), nearest_color_in_pub(run, color_of(0, 101), 3), 1), distance(color_of(0, 101), d65, 1));
    EXPECT_EQ(run.nearest_color_searches, 3u);  // source and measurement set key the memory
    EXPECT_EQ((std::vector<colorid>{nearest_color_in_pub(run, color_of(3, 7), 3), nearest_color_in_pub(run, no_color, 3),
                                    nearest_color_in_pub(run, solid, 0x7FFFFFFF), nearest_color_in_pub(run, color_of(3, 703), 0)}),
              (std::vector<colorid>{color_of(3, 7), no_color, no_color, color_of(0, 0)}));  // the last: index 0 is a candidate
}

TEST(PickerPageSwitch, solid_to_process_selects_the_nearest_and_centres_it) {
    fresh_run run;
    begin_picker_run(run, color_of(0, 100));
    EXPECT_EQ(run.picker.selected_color, 0u);
    run.picker.selected_color = color_of(0, 100), run.solid_pub_choice = 0;
    open_view_for_test(run, 0, solid_page);
    swatch_view* v = enter_color_page(run, solid_page);
    EXPECT_EQ(run.picker.first_colorid_displayed, color_of(0, 84));
    const colorid expected = nearest_color_in_pub(run, color_of(0, 100), 3);
    v = enter_color_page(run, process_page);
    int32_t row, column;
    EXPECT_TRUE(v == &run.process_view && run.current_page == process_page && run.picker.selected_color == expected);
    EXPECT_EQ(locate_on_screen(run, run.picker.selected_color, &row, &column, *v), on_screen);
    v = enter_color_page(run, solid_page);
    EXPECT_EQ(colorid_pub(run.picker.selected_color) + colorid_pub(run.picker.first_colorid_displayed), 0u);

    run.picker.selected_color = color_of(0, 300), run.picker.first_colorid_displayed = color_of(0, 280);
    EXPECT_EQ(switch_page_for_selection(run, change_solid_guide(run, 1), *v), solid_page);
    v = enter_color_page(run, solid_page);
    EXPECT_EQ((std::vector<uint32_t>{uint32_t(v->pub), run.picker.color_type, run.picker.selected_color, run.picker.first_colorid_displayed,
                                     change_solid_guide(run, -1), change_solid_guide(run, 3), run.solid_pub_choice}),
              (std::vector<uint32_t>{1, 1, color_of(1, 300), color_of(1, 280), no_color, no_color, 1}));
    EXPECT_EQ((std::vector<int32_t>{switch_page_for_selection(run, color_of(1, 5), *v), switch_page_for_selection(run, color_of(3, 5), *v),
                                    page_of_pub(4), switch_page_for_selection(run, 0x00040001u, *v), switch_page_for_selection(run, no_color, *v)}),
              (std::vector<int32_t>{-1, process_page, settings_page, page_refused, page_refused}));
    enter_settings_page(run);
    EXPECT_EQ(run.current_view, nullptr);
}

TEST(PickerRun, opening_keeps_the_last_selection_and_checks_what_the_registry_gave) {
    fresh_run run;
    run.picker.selected_color = color_of(3, 500);
    begin_picker_run(run, color_of(0, 10));
    EXPECT_EQ((std::vector<uint32_t>{run.picker.selected_color, run.picker.original_color, uint32_t(run.current_page), uint32_t(run.previous_page)}),
              (std::vector<uint32_t>{color_of(3, 500), color_of(0, 10), process_page, process_page}));
    run.picker.selected_color = no_color;  // after a cancel: the last original colour
    begin_picker_run(run, no_color);
    EXPECT_EQ((std::vector<uint32_t>{run.picker.selected_color, uint32_t(run.current_page)}), (std::vector<uint32_t>{color_of(0, 10), solid_page}));
    run.picker.selected_color = no_color, run.picker.original_color = 0x00050003u;  // an add-on original is no selection
    begin_picker_run(run, no_color);
    EXPECT_EQ(run.picker.selected_color, 0u);

    const std::vector<data_row> rows = read_data_table("native_picker_stored_state.csv");
    ASSERT_EQ(rows.size(), 7u);
    for (const data_row& s : rows) {
        picker_settings stored;
        stored.color_type = uint32_t(data_number(s[0])), stored.selected_color = colorid(data_number(s[1])), stored.first_colorid_displayed = colorid(data_number(s[2]));
        sanitize_picker_settings(stored, run.catalogue);
        EXPECT_EQ((std::vector<long>{stored.color_type, stored.selected_color, stored.first_colorid_displayed}),
                  (std::vector<long>{uint32_t(data_number(s[3])), uint32_t(data_number(s[4])), uint32_t(data_number(s[5]))}))
            << s[1];
    }
    // A stored colour type out of range never reaches the solid page.
    run.picker = picker_settings{}, run.picker.color_type = 9, run.picker.selected_color = color_of(3, 4);
    begin_picker_run(run, no_color);
    open_view_for_test(run, 0, solid_page);
    enter_color_page(run, solid_page);
    EXPECT_TRUE(run.solid_view.pub == 0 && run.picker.selected_color == nearest_color_in_pub(run, color_of(3, 4), 0) && colorid_pub(run.picker.first_colorid_displayed) == 0);
}

TEST(PickerHitTest, swatch_cells_patches_the_label_line_and_the_strip) {
    fresh_run run;
    swatch_view& v = open_view_for_test(run, 0, solid_page);
    run.picker.first_colorid_displayed = color_of(0, 70);
    colorid c = 0xdeadbeef;
    // Cells of 86 x 33 from (10, 20); index 0 is a miss.
    const struct { int32_t x, y; uint32_t index; } hits[] = {
        {10, 20, 70}, {10 + 2 * 86 + 3, 20 + 4 * 33 + 1, 88}, {10 + 4 * 86 + 85, 20 + 6 * 33 + 32, 104},
        {100, v.label_y + 2, 0}, {10 + 5 * 86 + 2, 30, 0}, {9, 30, 0}, {100, 270, 0}};
    for (const auto& h : hits) {
        c = 0xdeadbeef;
        EXPECT_EQ(hit_swatch(run, h.x, h.y, &c, v), h.index != 0) << h.x << "," << h.y;
        EXPECT_EQ(c, h.index ? color_of(0, h.index) : 0xdeadbeef);
    }
    v.original_patch = pixel_rect{20, 300, 60, 330}, v.new_patch = pixel_rect{60, 300, 100, 330};
    EXPECT_EQ((std::vector<bool>{hit_original_patch(run, 20, 300, v), hit_original_patch(run, 60, 300, v), hit_new_patch(run, 60, 329, v),
                                 hit_new_patch(run, 100, 310, v)}), (std::vector<bool>{true, false, true, false}));
    run.picker.first_colorid_displayed = color_of(0, 917);  // the last screen is full, nothing past it
    EXPECT_TRUE(grid_position_holds_color(run, v, 34) && !grid_position_holds_color(run, v, 35));
    run.current_page = settings_page;
    EXPECT_FALSE(hit_original_patch(run, 20, 300, v) || hit_swatch(run, 10, 20, &c, v));

    // The strip maps the whole guide: left of the track the first page, 100 of 404 pixels page 83.
    swatch_view& p = open_view_for_test(run, 3, process_page);
    const strip_extent s = strip_geometry(run.picker_metrics, p);
    const int32_t x0 = strip_left(run.picker_metrics, p);
    EXPECT_EQ((std::vector<int32_t>{s.pad, s.n, x0}), (std::vector<int32_t>{2, 440 - 34 - 2, 10 + 17 + 2}));
    const std::pair<int32_t, uint32_t> strip[] = {{10, 4}, {x0 + 100, 82 * 9 + 4}, {x0 + s.n - 1, 333 * 9 + 4}, {x0 + s.n, 333 * 9 + 4}, {449, 333 * 9 + 4}};
    for (const auto& h : strip) {
        ASSERT_TRUE(hit_strip(run, h.first, 275, &c, p));
        EXPECT_EQ(c, color_of(3, h.second)) << h.first;
    }
    EXPECT_EQ(run.scroll_mode, scroll_centre);
    EXPECT_FALSE(hit_strip(run, 100, 282, &c, p) || hit_strip(run, 100, 269, &c, p));
    run.palette_device = 1;
    EXPECT_FALSE(hit_strip(run, 100, 275, &c, p));
}

TEST(PickerFindByName, finds_the_first_colour_of_the_name_in_the_guide_shown) {
    fresh_run run;
    swatch_view& v = open_view_for_test(run, 3, process_page);
    std::string name = short_name(color_of(3, 3005));
    for (char& ch : name) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    EXPECT_EQ(find_color_by_name(run, name.c_str(), &v), color_of(3, 3005));
    for (uint32_t k = 0; k < 3006; k += 97) {
        const colorid c = find_color_by_name(run, short_name(color_of(3, k)).c_str(), &v);
        EXPECT_TRUE(colorid_index(c) <= k && short_name(c) == short_name(color_of(3, k))) << k;
    }
    name = short_name(color_of(0, 5));
    EXPECT_EQ(find_color_by_name(run, name.c_str(), &open_view_for_test(run, 1, solid_page)), color_of(1, 5));
    swatch_view& s = open_view_for_test(run, 0, solid_page);
    const colorid none[] = {find_color_by_name(run, name.substr(0, name.size() - 1).c_str(), &s), find_color_by_name(run, "", &s),
                            find_color_by_name(run, (name + "x").c_str(), &s), find_color_by_name(run, name.c_str(), nullptr),
                            (run.current_page = settings_page, find_color_by_name(run, name.c_str(), &s))};
    EXPECT_EQ(std::vector<colorid>(none, none + 5), std::vector<colorid>(5, no_color));

    open_view_for_test(run, 3, process_page);
    std::strcpy(run.find_text, short_name(color_of(3, 42)).c_str()), run.picker.selected_color = color_of(3, 42);
    EXPECT_EQ(resolve_typed_name(run, run.find_text), find_outcome::unchanged);
    std::string typed = short_name(color_of(3, 2000));
    typed[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(typed[0])));
    EXPECT_EQ(resolve_typed_name(run, typed.c_str()), find_outcome::found);
    EXPECT_TRUE(run.picker.selected_color == color_of(3, 2000) && run.scroll_mode == scroll_centre);
    run.scroll_mode = scroll_minimal;
    EXPECT_EQ(resolve_typed_name(run, "zzzzzz"), find_outcome::not_found);
    EXPECT_TRUE(run.picker.selected_color == color_of(3, 2000) && run.scroll_mode == scroll_minimal);
    // Blanks around a value or a name, to one short of the name box's 80-character buffer, to it and past it.
    const std::string value = "lab 50, 10, 10", named = short_name(color_of(3, 1000)), shown = run.find_text;
    const colorid by_value = find_color_by_value(run, value.c_str(), run.current_view), by_name = find_color_by_name(run, named.c_str(), run.current_view);
    const struct { std::string text; size_t length; find_outcome outcome; colorid selected; } padded[] = {
        {value, 79, find_outcome::found, by_value}, {value, find_text_size, find_outcome::found, by_value}, {value, 81, find_outcome::found, by_value},
        {named, find_text_size, find_outcome::found, by_name}, {named, 81, find_outcome::found, by_name}, {shown, 81, find_outcome::unchanged, color_of(3, 7)},
        {value + std::string(70, ' ') + "x", 90, find_outcome::not_found, color_of(3, 7)}};
    for (const auto& p : padded) {
        std::string text = " \t" + p.text;
        text.resize(p.length, ' ');
        run.picker.selected_color = color_of(3, 7);
        EXPECT_TRUE(resolve_typed_name(run, text.c_str()) == p.outcome && run.picker.selected_color == p.selected) << p.text << " to " << p.length;
    }

    EXPECT_TRUE(names_equal_ignoring_case("Warm Red 2", "wARM rED 2") && names_equal_ignoring_case("\xC9\x63ru", "\xE9\x43RU"));
    EXPECT_FALSE(names_equal_ignoring_case("\xD7", "\xF7") || names_equal_ignoring_case("[", "{"));  // times/divide are no letters
    const struct { const char* text; char letter; } texts[] = {{"Display Color &Names", 'N'}, {"a & b &c", ' '}, {"Description", 0}, {"trailing&", 0}};
    for (const auto& t : texts) EXPECT_EQ(accelerator_char(t.text), t.letter) << t.text;
}
