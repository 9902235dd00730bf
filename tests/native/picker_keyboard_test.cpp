// The keyboard hook's decisions, the Tab orders and the display-profile keys.
#include <gtest/gtest.h>

#include <vector>

#include "picker/key_decision.h"
#include "picker/picker_keys.h"
#include "picker/profile_stepping.h"
#include "picker/tab_order.h"
#include "picker_test_views.h"

using r = control_role;
using a = hook_action;

static hook_decision press(uint32_t key, int32_t page, r focus) { return decide_hook_key(0, key, 0, page, focus); }

TEST(PickerHook, decision_by_key_page_and_focus)
{
    reset_picker_for_test();
    EXPECT_EQ(decide_hook_key(-1, 'A', 0, solid_page, r::other).action, a::call_next);
    EXPECT_EQ(decide_hook_key(0, key_shift, 0, solid_page, r::other).action, a::swallow);
    EXPECT_EQ(shift_down, 1u);
    EXPECT_EQ(decide_hook_key(0, key_shift, key_released_flag, solid_page, r::other).action, a::swallow);
    EXPECT_EQ(shift_down, 0u);
    EXPECT_EQ(decide_hook_key(0, key_return, key_released_flag, solid_page, r::ok).action, a::swallow);

    // Key, page, focus: action, command, result, target.
    const struct { uint32_t key; int32_t page; r focus; a action; int32_t command, result; r target; } rows[] = {
        {key_return, solid_page, r::cancel, a::post_to_picker, 2, 1, r::other},
        {key_return, process_page, r::name_edit, a::find_name, 0, 1, r::other},
        {key_return, settings_page, r::display_change, a::post_to_settings, 8, 1, r::other},
        {key_return, solid_page, r::scroll_bar, a::post_to_picker, 1, 1, r::other},
        {key_escape, settings_page, r::d50_radio, a::post_to_picker, 2, 1, r::other},
        {key_space, settings_page, r::names_check, a::post_to_settings, 4, 1, r::other},
        {key_space, solid_page, r::name_edit, a::pass, 0, 0, r::other}, {key_space, settings_page, r::d65_radio, a::pass, 0, 0, r::other},
        {key_space, solid_page, r::scroll_bar, a::swallow, 0, 1, r::other}, {key_f6, settings_page, r::ok, a::step_profile, 0, 1, r::other},
        {'F', solid_page, r::scroll_bar, a::accelerator, 0, 1, r::other}, {key_left, solid_page, r::tab_control, a::call_next, 0, 1, r::other},
        {key_home, solid_page, r::combo_edit, a::pass, 0, 0, r::other}, {key_down, process_page, r::name_edit, a::pass, 0, 0, r::other},
        {key_next, process_page, r::ok, a::navigate, 0, 1, r::other}, {key_right, settings_page, r::d65_radio, a::focus, 0, 0, r::d50_radio},
        {key_up, settings_page, r::names_check, a::pass, 0, 0, r::other},
    };
    for (const auto& x : rows) {
        const hook_decision d = press(x.key, x.page, x.focus);
        EXPECT_EQ((std::vector<int>{int(d.action), d.command, d.result, int(d.target)}),
                  (std::vector<int>{int(x.action), x.command, x.result, int(x.target)}))
            << x.key << " on " << int(x.focus);
    }
    EXPECT_EQ(press(key_left, solid_page, r::scroll_bar).page, solid_page);
}

TEST(PickerHook, accelerators_by_page)
{
    accelerator_matches find_and_about, type, settings_letters;
    find_and_about.find_name = find_and_about.about = true;
    type.color_type = true;
    settings_letters.display_profile = settings_letters.display_names = true;

    accelerator_decision d = decide_accelerator(solid_page, false, find_and_about);
    EXPECT_TRUE(d.post_about);
    EXPECT_EQ(d.then.target, r::name_edit);
    EXPECT_EQ(decide_accelerator(solid_page, true, find_and_about).result, 0) << "typing into the name box";
    EXPECT_EQ(decide_accelerator(solid_page, false, type).then.target, r::type_combo);
    EXPECT_EQ(decide_accelerator(process_page, false, type).then.action, a::swallow) << "the combo box is hidden there";
    EXPECT_EQ(decide_accelerator(settings_page, false, settings_letters).then.command, 8);
    settings_letters.display_profile = false;
    EXPECT_EQ(decide_accelerator(settings_page, false, settings_letters).then.target, r::names_check);
    EXPECT_EQ(decide_accelerator(settings_page, false, find_and_about).then.action, a::swallow);
    EXPECT_EQ(decide_accelerator(solid_page, false, accelerator_matches{}).result, 1);
}

TEST(PickerTabOrder, tab_and_shift_tab_walk_each_page_in_a_circle)
{
    reset_picker_for_test();
    const std::vector<r> rings[] = {
        {r::tab_control, r::type_combo, r::scroll_bar, r::name_edit, r::ok, r::cancel, r::about},
        {r::tab_control, r::scroll_bar, r::name_edit, r::ok, r::cancel, r::about},
        {r::tab_control, r::display_change, r::profile_name_check, r::printer_change, r::names_check, r::d65_radio,
         r::ok, r::cancel, r::about},
    };
    for (int32_t page = 0; page < 3; ++page) {
        const std::vector<r>& ring = rings[page];
        for (size_t i = 0; i < ring.size(); ++i) {
            const r next = ring[(i + 1) % ring.size()];
            EXPECT_EQ(tab_target(page, ring[i], false, 0), next) << page << ":" << i;
            EXPECT_EQ(tab_target(page, next, true, 0), ring[i]) << page << ":" << i;
        }
    }
    EXPECT_EQ(tab_target(solid_page, r::combo_edit, true, 0), r::tab_control);
    EXPECT_EQ(tab_target(solid_page, r::d50_radio, false, 0), r::name_edit);
    EXPECT_EQ(tab_target(settings_page, r::other, false, 0), r::cancel);
    EXPECT_EQ(tab_target(settings_page, r::ok, true, 1), r::d50_radio);

    decide_hook_key(0, key_shift, 0, solid_page, r::other);
    EXPECT_EQ(press(key_tab, solid_page, r::ok).target, r::name_edit);
    decide_hook_key(0, key_shift, key_released_flag, solid_page, r::other);
    D50FLAG = 1;
    EXPECT_EQ(press(key_tab, settings_page, r::names_check).target, r::d50_radio);
}

TEST(PickerProfileKeys, step_through_the_sorted_display_profiles)
{
    const char* four[] = {"Default Display", "Alpha", "Beta", "Gamma"};
    const struct { uint32_t key; int count; const char* current; int expected; } steps[] = {
        {key_f5, 1, "Default Display", 0}, {key_f6, 1, "Default Display", 0}, {key_f5, 4, "beta", 3}, {key_f5, 4, "Gamma", 0},
        {key_f6, 4, "Default Display", 3}, {key_f6, 4, "Beta", 1}, {key_f5, 4, "Removed Profile", 0},
        {key_f6, 4, "Removed Profile", 0}, {key_f7, 4, "Beta", -1}, {key_f5, 0, "Beta", -1},
    };
    for (const auto& s : steps)
        EXPECT_EQ(step_profile_choice(s.key, four, s.count, s.current), s.expected) << s.key << " " << s.current;
}
