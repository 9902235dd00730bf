// Which colours the picker paints its own parts with, normally and in high contrast.
#include <gtest/gtest.h>

#include <vector>

#include "picker/contrast_colors.h"

TEST(ContrastColors, the_seam_overrides_only_with_one_digit) {
    const struct { bool system; const char* seam; bool on; } rows[] = {
        {false, nullptr, false}, {true, nullptr, true}, {false, "1", true}, {true, "0", false},
        {true, "", true},        {false, "2", false},   {false, "11", false}, {true, "01", true}};
    for (const auto& r : rows) EXPECT_EQ(high_contrast_wanted(r.system, r.seam), r.on) << r.system << " " << (r.seam ? r.seam : "null");
}

TEST(ContrastColors, high_contrast_takes_each_part_from_its_system_colour) {
    const system_colors s{0x100000, 0x000020, 0x000300, 0x004000};
    const paint_colors normal = choose_paint_colors(false, s), hc = choose_paint_colors(true, s);
    EXPECT_TRUE(!normal.high_contrast && !normal.name_box && normal.ground == 0xFFFFFFu && normal.mark == 0 && normal.page_text == 0);
    EXPECT_TRUE(hc.high_contrast && hc.name_box);
    EXPECT_EQ((std::vector<uint32_t>{hc.ground, hc.label_text, hc.page_text, hc.mark}),
              (std::vector<uint32_t>{0x100000, 0x000020, 0x000300, 0x004000}));
}
