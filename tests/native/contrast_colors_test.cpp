// Whether the picker paints for high contrast: the system's word, unless the test seam says one digit.
#include <gtest/gtest.h>

#include "picker/contrast_colors.h"

TEST(ContrastColors, the_seam_overrides_only_with_one_digit) {
    const struct { bool system; const char* seam; bool on; } rows[] = {
        {false, nullptr, false}, {true, nullptr, true}, {false, "1", true}, {true, "0", false},
        {true, "", true},        {false, "2", false},   {false, "11", false}, {true, "01", true}};
    for (const auto& r : rows) EXPECT_EQ(high_contrast_wanted(r.system, r.seam), r.on) << r.system << " " << (r.seam ? r.seam : "null");
}
