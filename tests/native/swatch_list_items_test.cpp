// What a colour page tells a screen reader, on the real solid and process guides.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "colorlib/color_tables.h"
#include "colorlib/color_value.h"
#include "colorlib/ciede2000.h"
#include "colorlib/publication_catalogue.h"
#include "picker/paint_geometry.h"
#include "picker/picker_run.h"
#include "picker/swatch_list_items.h"
#include "picker/swatch_paging.h"

namespace {

struct list_run : library_context, picker_run {
    list_run() : picker_run(static_cast<library_context&>(*this)) {}
};

swatch_view& open_view(picker_run& run, uint32_t pub, int32_t page)
{
    run.picker_metrics.cx_border = 1, run.picker_metrics.cx_hscroll = 17, run.picker_metrics.cy_hscroll = 17;
    swatch_view& v = pub == process_pub ? run.process_view : run.solid_view;
    v.swatch_area = pixel_rect{10, 20, 450, 270}, v.scroll_y = 282, v.columns = 5, v.label_height = 10;
    v.original_patch = pixel_rect{20, 300, 60, 330}, v.new_patch = pixel_rect{60, 300, 100, 330};
    setup_view(run, pub, v);
    run.current_page = page;
    return v;
}

std::string name_of(picker_run& run, const swatch_view& v, int32_t id, const char* caption = "", int size = 128)
{
    char text[128];
    list_item_name(run, v, list_item_of_id(v, id), caption, text, size);
    return text;
}

}  // namespace

TEST(SwatchListItems, ids_places_and_hits_agree_on_every_position) {
    list_run run;
    swatch_view& v = open_view(run, 0, solid_page);
    run.picker.first_colorid_displayed = make_colorid(run.catalogue, 0, 70);
    const int32_t n = v.per_screen;
    ASSERT_EQ(list_item_count(v), n + 3);
    const list_item_kind after[] = {list_item_kind::original_patch, list_item_kind::new_patch, list_item_kind::value_map, list_item_kind::none};
    for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(list_item_of_id(v, n + 1 + i).kind, after[i]) << i;
    EXPECT_TRUE(list_item_of_id(v, 0).kind == list_item_kind::page && list_item_of_id(v, -1).kind == list_item_kind::none);
    // Each item answers a hit at its centre, and each swatch names the colour painted there.
    for (int32_t id = 1; id <= n + 3; ++id) {
        const pixel_rect r = list_item_rect(run, v, list_item_of_id(v, id));
        EXPECT_EQ(list_item_id_at(run, v, (r.left + r.right) / 2, (r.top + r.bottom) / 2), id);
        if (id > n) continue;
        const colorid c = make_colorid(run.catalogue, 0, 70 + id - 1);
        EXPECT_TRUE(list_item_color(run, v, list_item_of_id(v, id)) == c && list_item_id_of_color(run, v, c) == id && r == swatch_rect(v, id - 1));
    }
    EXPECT_TRUE(list_item_id_at(run, v, 100, v.label_y + 2) == 0 && list_item_id_of_color(run, v, make_colorid(run.catalogue, 0, 69)) == 0 &&
                list_item_id_of_color(run, v, make_colorid(run.catalogue, 3, 70)) == 0);
}

TEST(SwatchListItems, states_names_and_values) {
    list_run run;
    swatch_view& v = open_view(run, 0, solid_page);
    run.picker.first_colorid_displayed = make_colorid(run.catalogue, 0, 70);
    run.picker.selected_color = make_colorid(run.catalogue, 0, 72);
    run.picker.original_color = make_colorid(run.catalogue, 0, 5);
    const uint32_t pick = item_selectable | item_focusable;
    const struct { int32_t id; bool focus; uint32_t states; } states[] = {
        {0, true, item_focusable}, {3, true, pick | item_selected | item_focused}, {3, false, pick | item_selected},
        {4, true, pick}, {v.per_screen + 1, true, 0}, {v.per_screen + 3, true, 0}};
    for (const auto& row : states) EXPECT_EQ(list_item_states(run, v, list_item_of_id(v, row.id), row.focus), row.states) << row.id;

    char full[full_color_name_size + 1];
    const int len = get_color_name(run.catalogue, run.picker.selected_color, full, full_color_name_size, 0);
    EXPECT_EQ(name_of(run, v, 3), full);
    EXPECT_EQ(name_of(run, v, v.per_screen + 2, "New"), std::string("New: ") + full);
    EXPECT_EQ(name_of(run, v, v.per_screen + 3, "Value map"), "Value map");
    // The exact fit, and one byte short of it.
    EXPECT_EQ(name_of(run, v, 3, "", len + 1), full);
    EXPECT_EQ(name_of(run, v, 3, "", len), std::string(full, static_cast<size_t>(len - 1)));

    // The value's sRGB and Lab describe the same colour: the hex read back as a value lies near the Lab given.
    char value[128];
    list_item_value(run, v, list_item_of_id(v, 3), value, sizeof value);
    char page[16] = "", hex[8] = "";
    double L = 0, a = 0, b = 0;
    ASSERT_EQ(std::sscanf(value, "%15[^,], #%6[0-9A-F], Lab %lf %lf %lf", page, hex, &L, &a, &b), 5) << value;
    cie_lab from_hex{}, given{L, a, b};
    ASSERT_TRUE(parse_color_value((std::string("#") + hex).c_str(), &from_hex));
    EXPECT_LT(ciede2000(from_hex, given), 2.0) << value;
    EXPECT_STREQ(page, "Page 11");   // the guide's label
    list_item_value(run, v, list_item_of_id(v, v.per_screen + 3), value, sizeof value);
    EXPECT_EQ(std::string(value), "Page 11 of " + std::to_string(v.pages));
}

TEST(SwatchListItems, positions_past_the_guide_are_invisible_and_changes_are_told) {
    list_run run;
    swatch_view& v = open_view(run, process_pub, process_page);
    const int32_t last_first = (v.total - 1) / v.rows * v.rows, shown = v.total - last_first;   // the last guide page in column 1
    const colorid first = run.picker.first_colorid_displayed = make_colorid(run.catalogue, process_pub, static_cast<uint32_t>(last_first));
    EXPECT_TRUE(list_item_states(run, v, list_item_of_id(v, shown), false) != item_invisible &&
                list_item_states(run, v, list_item_of_id(v, shown + 1), false) == item_invisible);
    run.picker.selected_color = make_colorid(run.catalogue, process_pub, static_cast<uint32_t>(last_first + 1));
    const list_change moved = describe_list_change(run, v, make_colorid(run.catalogue, process_pub, 0), first);
    const list_change same = describe_list_change(run, v, run.picker.selected_color, make_colorid(run.catalogue, process_pub, 0));
    EXPECT_TRUE(moved.selection_moved && !moved.reordered && moved.selected_id == 2);
    EXPECT_TRUE(!same.selection_moved && same.reordered && same.selected_id == 2);
}
