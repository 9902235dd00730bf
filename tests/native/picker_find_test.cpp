// Find-by-name on the real guides, and the accelerator letters of texts.
#include <gtest/gtest.h>

#include <cstring>

#include "colorlib/color_tables.h"
#include "picker/find_by_name.h"
#include "picker_test_views.h"

TEST(PickerFindByName, FindsAnyColourByItsShortNameIgnoringCase)
{
    reset_picker_for_test();
    swatch_view& v = open_view_for_test(3, process_page);
    char name[40];
    ASSERT_GT(get_color_name(color_of(3, 3005), name, 39, -1), 0);
    EXPECT_EQ(find_color_by_name(name, &v), color_of(3, 3005));
    for (char* p = name; *p; ++p) *p = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
    EXPECT_EQ(find_color_by_name(name, &v), color_of(3, 3005));

    // Every name finds its own colour or an earlier one of the same name.
    for (uint32_t k = 0; k < 3006; k += 97) {
        get_color_name(color_of(3, k), name, 39, -1);
        const colorid c = find_color_by_name(name, &v);
        ASSERT_NE(c, no_color) << name;
        char found[40];
        get_color_name(c, found, 39, -1);
        EXPECT_LE(colorid_index(c), k);
        EXPECT_STREQ(found, name);
    }

    swatch_view& s = open_view_for_test(0, solid_page);
    get_color_name(color_of(0, 951), name, 39, -1);
    EXPECT_EQ(find_color_by_name(name, &s), color_of(0, 951));
    // The solid page finds in the guide it shows.
    swatch_view& u = open_view_for_test(1, solid_page);
    EXPECT_EQ(find_color_by_name(name, &u), color_of(1, 951));
}

TEST(PickerFindByName, NamesNothingFindsNothing)
{
    reset_picker_for_test();
    swatch_view& v = open_view_for_test(0, solid_page);
    char name[40];
    get_color_name(color_of(0, 5), name, 39, -1);
    EXPECT_EQ(find_color_by_name("", &v), no_color);
    EXPECT_EQ(find_color_by_name("no such colour", &v), no_color);
    std::string longer = std::string(name) + "x";
    EXPECT_EQ(find_color_by_name(longer.c_str(), &v), no_color);
    std::string shorter(name, std::strlen(name) - 1);
    EXPECT_NE(find_color_by_name(shorter.c_str(), &v), color_of(0, 5));
    EXPECT_EQ(find_color_by_name(name, nullptr), no_color);
    current_page = settings_page;
    EXPECT_EQ(find_color_by_name(name, &v), no_color);
}

TEST(PickerFindByName, TypedTextAgainstTheShownName)
{
    reset_picker_for_test();
    swatch_view& v = open_view_for_test(3, process_page);
    char name[40];
    get_color_name(color_of(3, 42), name, 39, -1);
    std::strcpy(find_text, name);
    selected_color = color_of(3, 42);
    EXPECT_EQ(resolve_typed_name(name), find_outcome::unchanged);

    get_color_name(color_of(3, 2000), name, 39, -1);
    name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    EXPECT_EQ(resolve_typed_name(name), find_outcome::found);
    EXPECT_EQ(selected_color, color_of(3, 2000));
    EXPECT_EQ(scroll_mode, scroll_centre);

    scroll_mode = scroll_minimal;
    EXPECT_EQ(resolve_typed_name("zzzzzz"), find_outcome::not_found);
    EXPECT_EQ(selected_color, color_of(3, 2000));
    EXPECT_EQ(scroll_mode, scroll_minimal);
    (void)v;
}

TEST(PickerFindByName, CaseFoldingCoversTheWesternLetters)
{
    EXPECT_TRUE(names_equal_ignoring_case("Warm Red 2", "wARM rED 2"));
    EXPECT_TRUE(names_equal_ignoring_case("\xC9\x63ru", "\xE9\x43RU"));   // E acute
    EXPECT_TRUE(names_equal_ignoring_case("\x8A", "\x9A"));
    EXPECT_FALSE(names_equal_ignoring_case("\xD7", "\xF7"));   // times and divide are not letters
    EXPECT_FALSE(names_equal_ignoring_case("abc", "abcd"));
    EXPECT_FALSE(names_equal_ignoring_case("[", "{"));
}

TEST(PickerAccelerators, TheLetterAfterTheFirstAmpersand)
{
    EXPECT_EQ(accelerator_char("&About..."), 'A');
    EXPECT_EQ(accelerator_char("Display Color &Names"), 'N');
    EXPECT_EQ(accelerator_char("a & b &c"), ' ');
    EXPECT_EQ(accelerator_char("Description"), 0);
    EXPECT_EQ(accelerator_char("trailing&"), 0);
    EXPECT_EQ(accelerator_char(nullptr), 0);
}
