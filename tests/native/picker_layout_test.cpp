// Layout arithmetic of the picker window and its colour pages.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "colorlib/publications.h"
#include "picker/picker_layout.h"
#include "picker_test_views.h"

TEST(PickerLayout, frame_window_and_line_height_of_the_worked_examples)
{
    const frame_layout f = layout_frame(512, 499, 18);
    EXPECT_EQ(f.tab, (pixel_rect{13, 9, 13 + 486, 9 + 409}));
    EXPECT_EQ((std::vector<int>{f.mx, f.my, f.button_width, f.button_height, f.button_y, f.about_x, f.cancel_x, f.ok_x}),
              (std::vector<int>{12, 16, 97, 31, 434, 402, 296, 190}));
    // The page child covers the tab control's display area.
    EXPECT_EQ(page_child_rect(f, pixel_rect{2, 22, 482, 405}), (pixel_rect{15, 31, 495, 414}));
    // Sized from the screen and centred unless placed; 640 x 480 gets 416 x 360.
    EXPECT_EQ(picker_window_rect(1024, 768, 0, 0, 0), (pixel_rect{256, 134, 768, 633}));
    EXPECT_EQ(picker_window_rect(640, 480, 1, 0, 0), (pixel_rect{112, 60, 528, 420}));
    EXPECT_EQ(picker_window_rect(1024, 768, 0, 40, 0), (pixel_rect{40, 0, 552, 499}));
    // A line and a half per line.
    for (const auto& c : {std::make_pair(0, 0), std::make_pair(-3, 0), std::make_pair(1, 32), std::make_pair(2, 45)})
        EXPECT_EQ(line_height(c.first, 13), c.second) << c.first << " lines";
}

TEST(PickerLayout, swatch_geometry_of_the_worked_example_and_of_the_real_guides)
{
    swatch_view v;
    v.swatch_area = pixel_rect{10, 20, 450, 270};
    v.label_height = 10;
    v.rows = 7;
    compute_swatch_geometry(v);
    EXPECT_EQ((std::vector<int>{v.swatch_width, v.gap_x, v.swatch_height, v.gap_y, v.label_y}),
              (std::vector<int>{79, 7, 26, 7, 270 - 12}));

    v.rows = 9;
    compute_swatch_geometry(v);
    EXPECT_EQ(v.swatch_height, 238 / 11);

    // Gaps absorb the remainders: the columns and rows always fit the area.
    for (int w = 50; w < 900; w += 37)
        for (int rows : {1, 7, 9, 30}) {
            v.swatch_area = pixel_rect{0, 0, w, w / 2 + 40};
            v.rows = rows;
            compute_swatch_geometry(v);
            EXPECT_LE(v.columns * v.swatch_width + (v.columns + 1) * v.gap_x, w);
            EXPECT_LE(rows * v.swatch_height + (rows + 1) * v.gap_y, v.label_y - v.swatch_area.top);
        }
    reset_picker_for_test();
    swatch_view& s = open_view_for_test(0, solid_page);
    EXPECT_EQ(current_view, &s);
    EXPECT_EQ((std::vector<uint32_t>{uint32_t(picker_view_pub), find_name_max}), (std::vector<uint32_t>{0, 15}));
    swatch_view& p = open_view_for_test(3, process_page);
    EXPECT_EQ((std::vector<uint32_t>{uint32_t(p.total), uint32_t(p.per_screen), find_name_max}), (std::vector<uint32_t>{3006, 45, 6}));
    EXPECT_LT(p.swatch_height, s.swatch_height);
}

TEST(PickerLayout, pages_of_the_512_by_499_window_fit_their_display_area)
{
    const frame_layout f = layout_frame(512, 499, 18);
    const pixel_rect D{2, 22, 484, 407};
    picker_system_metrics sm;
    sm.cx_border = 1, sm.cx_frame = 4, sm.cx_vscroll = 17, sm.cx_hscroll = 17, sm.cy_hscroll = 17, sm.cy_menu = 19;
    page_text_metrics m;
    m.text_height = 13, m.widest_type_text = 95, m.find_label_cx = 86, m.find_label_cy = 13;
    m.comparison_label_height = 12, m.label_height = 10;

    page_layout solid, process;
    swatch_view sv, pv;
    layout_solid_page(D, f, m, sm, 0, solid, sv);
    layout_process_page(D, f, m, sm, 0, process, pv);

    EXPECT_EQ(solid.type_group, (pixel_rect{12, 16, 12 + 95 + 24 + 17 + 8, 16 + 45}));
    EXPECT_EQ(sv.name_line, (pixel_rect{484 - 313 - 12, 407 - 32 - 32, 484 - 12, 407 - 32}));
    EXPECT_EQ(solid.find_label, (pixel_rect{159, 343 - 16 - 13, 159 + 94, 343 - 16}));
    EXPECT_EQ(sv.swatch_area, (pixel_rect{12, 16 + 45 + 8, 472, 314 - 8 - 25}));
    EXPECT_EQ(solid.name_edit, (pixel_rect{253, 314, 472, 314 + 19}));
    // The process page has no colour-type group: its swatches start higher.
    EXPECT_TRUE(process.type_group.empty());
    EXPECT_EQ(process.description_group, (pixel_rect{12, 16, 472, 16 + 32}));
    EXPECT_LT(pv.swatch_area.top, sv.swatch_area.top);
    EXPECT_EQ(pv.swatch_area.bottom, sv.swatch_area.bottom);

    for (const swatch_view* v : {&sv, &pv}) {
        EXPECT_LE(v->original_patch.right, v->new_patch.left);
        EXPECT_LT(v->new_patch.right, v->name_line.left);
        EXPECT_EQ(v->scroll_y, v->swatch_area.bottom + 12) << "room for the strip on true colour";
    }

    // A palette display has no strip and gets a page palette.
    swatch_view pal;
    layout_solid_page(D, f, m, sm, 1, solid, pal);
    EXPECT_EQ(pal.scroll_y, pal.swatch_area.bottom);
    reset_picker_for_test();
    palette_device = 1;
    pal.label_height = 10;
    setup_view(0, pal);
    EXPECT_EQ(pal.palette_count, 35);
    EXPECT_EQ(page_palette_entries(pal), 36);
}
