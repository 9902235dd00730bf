// Find-by-name on the real guides, and the accelerator letters of texts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "colorlib/color_tables.h"
#include "picker/find_by_name.h"
#include "picker_test_views.h"

static std::string short_name(colorid c)
{
    char name[40];
    get_color_name(c, name, 39, -1);
    return name;
}

TEST(PickerFindByName, FindsTheFirstColourOfTheNameInTheGuideShown)
{
    reset_picker_for_test();
    swatch_view& v = open_view_for_test(3, process_page);
    std::string name = short_name(color_of(3, 3005));
    EXPECT_EQ(find_color_by_name(name.c_str(), &v), color_of(3, 3005));
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
    EXPECT_EQ(find_color_by_name("", &s), no_color);
    EXPECT_EQ(find_color_by_name((name + "x").c_str(), &s), no_color);
    EXPECT_NE(find_color_by_name(name.substr(0, name.size() - 1).c_str(), &s), color_of(0, 5));
    EXPECT_EQ(find_color_by_name(name.c_str(), nullptr), no_color);
    current_page = settings_page;
    EXPECT_EQ(find_color_by_name(name.c_str(), &s), no_color);
}

TEST(PickerFindByName, TypedTextAgainstTheShownName)
{
    reset_picker_for_test();
    open_view_for_test(3, process_page);
    std::strcpy(find_text, short_name(color_of(3, 42)).c_str());
    selected_color = color_of(3, 42);
    EXPECT_EQ(resolve_typed_name(find_text), find_outcome::unchanged);

    std::string typed = short_name(color_of(3, 2000));
    typed[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(typed[0])));
    EXPECT_EQ(resolve_typed_name(typed.c_str()), find_outcome::found);
    EXPECT_EQ(selected_color, color_of(3, 2000));
    EXPECT_EQ(scroll_mode, scroll_centre);

    scroll_mode = scroll_minimal;
    EXPECT_EQ(resolve_typed_name("zzzzzz"), find_outcome::not_found);
    EXPECT_EQ(selected_color, color_of(3, 2000));
    EXPECT_EQ(scroll_mode, scroll_minimal);
}

TEST(PickerFindByName, CaseFoldingAndAcceleratorLetters)
{
    EXPECT_TRUE(names_equal_ignoring_case("Warm Red 2", "wARM rED 2"));
    EXPECT_TRUE(names_equal_ignoring_case("\xC9\x63ru", "\xE9\x43RU"));
    EXPECT_FALSE(names_equal_ignoring_case("\xD7", "\xF7"));   // times and divide are not letters
    EXPECT_FALSE(names_equal_ignoring_case("[", "{"));
    EXPECT_EQ(accelerator_char("Display Color &Names"), 'N');
    EXPECT_EQ(accelerator_char("a & b &c"), ' ');
    EXPECT_EQ(accelerator_char("Description"), 0);
    EXPECT_EQ(accelerator_char("trailing&"), 0);
}
