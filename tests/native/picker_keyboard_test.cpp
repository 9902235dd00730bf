// The keyboard hook's decisions, the Tab orders and the display-profile keys.
#include <gtest/gtest.h>

#include "picker/key_decision.h"
#include "picker/picker_keys.h"
#include "picker/profile_stepping.h"
#include "picker/tab_order.h"
#include "picker_test_views.h"

using r = control_role;
using a = hook_action;

namespace {

hook_decision press(uint32_t key, int32_t page, r focus) { return decide_hook_key(0, key, 0, page, focus); }

}  // namespace

TEST(PickerHook, ShiftIsTrackedAndEveryReleaseSwallowed)
{
    reset_picker_for_test();
    EXPECT_EQ(decide_hook_key(-1, 'A', 0, solid_page, r::other).action, a::call_next);
    EXPECT_EQ(decide_hook_key(0, key_shift, 0, solid_page, r::other).action, a::swallow);
    EXPECT_EQ(shift_down, 1u);
    EXPECT_EQ(decide_hook_key(0, key_shift, key_released_flag, solid_page, r::other).action, a::swallow);
    EXPECT_EQ(shift_down, 0u);
    for (uint32_t key : {key_tab, key_return, key_escape, key_left, key_f5, uint32_t('F')}) {
        const hook_decision d = decide_hook_key(0, key, key_released_flag | 1, solid_page, r::scroll_bar);
        EXPECT_EQ(d.action, a::swallow) << key;
        EXPECT_EQ(d.result, 1);
    }
}

TEST(PickerHook, EnterEscapeAndSpaceByFocusedControl)
{
    reset_picker_for_test();
    struct row {
        uint32_t key;
        int32_t page;
        r focus;
        a action;
        int32_t command, result;
    };
    const row rows[] = {
        {key_return, solid_page, r::cancel, a::post_to_picker, 2, 1},
        {key_return, solid_page, r::about, a::post_to_picker, 3, 1},
        {key_return, process_page, r::name_edit, a::find_name, 0, 1},
        {key_return, settings_page, r::display_change, a::post_to_settings, 8, 1},
        {key_return, settings_page, r::printer_change, a::post_to_settings, 9, 1},
        {key_return, solid_page, r::scroll_bar, a::post_to_picker, 1, 1},
        {key_return, settings_page, r::names_check, a::post_to_picker, 1, 1},
        {key_escape, settings_page, r::d50_radio, a::post_to_picker, 2, 1},
        {key_space, settings_page, r::names_check, a::post_to_settings, 4, 1},
        {key_space, settings_page, r::profile_name_check, a::post_to_settings, 5, 1},
        {key_space, solid_page, r::name_edit, a::pass, 0, 0},
        {key_space, settings_page, r::d65_radio, a::pass, 0, 0},
        {key_space, settings_page, r::ok, a::pass, 0, 0},
        {key_space, solid_page, r::scroll_bar, a::swallow, 0, 1},
        {key_f5, solid_page, r::other, a::step_profile, 0, 1},
        {key_f7, settings_page, r::ok, a::step_profile, 0, 1},
        {'F', solid_page, r::scroll_bar, a::accelerator, 0, 1},
    };
    for (const row& x : rows) {
        const hook_decision d = press(x.key, x.page, x.focus);
        EXPECT_EQ(d.action, x.action) << x.key << " on " << int(x.focus);
        EXPECT_EQ(d.command, x.command) << x.key << " on " << int(x.focus);
        EXPECT_EQ(d.result, x.result) << x.key << " on " << int(x.focus);
    }
}

TEST(PickerHook, NavigationKeysByPageAndFocus)
{
    reset_picker_for_test();
    for (uint32_t key = key_prior; key <= key_down; ++key) {
        EXPECT_EQ(press(key, solid_page, r::tab_control).action, a::call_next);
        for (r f : {r::name_edit, r::type_combo, r::combo_edit}) EXPECT_EQ(press(key, solid_page, f).action, a::pass);
        hook_decision d = press(key, solid_page, r::scroll_bar);
        EXPECT_EQ(d.action, a::navigate);
        EXPECT_EQ(d.page, solid_page);
        EXPECT_EQ(press(key, process_page, r::name_edit).action, a::pass);
        d = press(key, process_page, r::ok);
        EXPECT_EQ(d.action, a::navigate);
        EXPECT_EQ(d.page, process_page);
        EXPECT_EQ(press(key, 5, r::other).action, a::call_next);
        // Radio buttons swap the focus and still get the key.
        d = press(key, settings_page, r::d65_radio);
        EXPECT_EQ(d.action, a::focus);
        EXPECT_EQ(d.target, r::d50_radio);
        EXPECT_EQ(d.result, 0);
        d = press(key, settings_page, r::d50_radio);
        EXPECT_EQ(d.target, r::d65_radio);
        EXPECT_EQ(press(key, settings_page, r::names_check).action, a::pass);
    }
}

TEST(PickerHook, AcceleratorsByPage)
{
    accelerator_matches none;
    accelerator_matches m;
    m.find_name = true;
    m.about = true;
    accelerator_decision d = decide_accelerator(solid_page, false, m);
    EXPECT_TRUE(d.post_about);
    EXPECT_EQ(d.then.action, a::focus);
    EXPECT_EQ(d.then.target, r::name_edit);
    EXPECT_EQ(d.result, 1);

    d = decide_accelerator(solid_page, true, m);   // typing a name
    EXPECT_EQ(d.result, 0);
    EXPECT_FALSE(d.post_about);

    accelerator_matches type;
    type.color_type = true;
    EXPECT_EQ(decide_accelerator(solid_page, false, type).then.target, r::type_combo);
    EXPECT_EQ(decide_accelerator(process_page, false, type).then.action, a::swallow);

    accelerator_matches s;
    s.display_profile = s.display_names = true;
    d = decide_accelerator(settings_page, false, s);
    EXPECT_EQ(d.then.action, a::post_to_settings);
    EXPECT_EQ(d.then.command, 8);
    s.display_profile = false;
    EXPECT_EQ(decide_accelerator(settings_page, false, s).then.target, r::names_check);
    s = none;
    s.printer_profile = true;
    EXPECT_EQ(decide_accelerator(settings_page, false, s).then.command, 9);
    s = none;
    s.show_profile = true;
    EXPECT_EQ(decide_accelerator(settings_page, false, s).then.target, r::profile_name_check);
    // Letters of the colour pages do nothing on the settings page, and back.
    EXPECT_EQ(decide_accelerator(settings_page, false, m).then.action, a::swallow);
    EXPECT_EQ(decide_accelerator(solid_page, false, s).then.action, a::swallow);
    EXPECT_EQ(decide_accelerator(solid_page, false, none).result, 1);
}

TEST(PickerTabOrder, TabAndShiftTabWalkEachPageInACircle)
{
    reset_picker_for_test();
    struct page_walk {
        int32_t page;
        std::vector<r> ring;
    };
    const page_walk walks[] = {
        {solid_page, {r::tab_control, r::type_combo, r::scroll_bar, r::name_edit, r::ok, r::cancel, r::about}},
        {process_page, {r::tab_control, r::scroll_bar, r::name_edit, r::ok, r::cancel, r::about}},
        {settings_page,
         {r::tab_control, r::display_change, r::profile_name_check, r::printer_change, r::names_check, r::d65_radio,
          r::ok, r::cancel, r::about}},
    };
    for (const page_walk& w : walks) {
        const size_t n = w.ring.size();
        for (size_t i = 0; i < n; ++i) {
            EXPECT_EQ(tab_target(w.page, w.ring[i], false, 0), w.ring[(i + 1) % n]) << w.page << ":" << i;
            EXPECT_EQ(tab_target(w.page, w.ring[(i + 1) % n], true, 0), w.ring[i]) << w.page << ":" << i;
        }
    }
    EXPECT_EQ(tab_target(solid_page, r::combo_edit, false, 0), r::scroll_bar);
    EXPECT_EQ(tab_target(solid_page, r::combo_edit, true, 0), r::tab_control);
    EXPECT_EQ(tab_target(solid_page, r::d50_radio, false, 0), r::name_edit);
    EXPECT_EQ(tab_target(process_page, r::type_combo, true, 0), r::name_edit);
    EXPECT_EQ(tab_target(settings_page, r::other, false, 0), r::cancel);
    EXPECT_EQ(tab_target(settings_page, r::names_check, false, 1), r::d50_radio);
    EXPECT_EQ(tab_target(settings_page, r::ok, true, 1), r::d50_radio);
    EXPECT_EQ(tab_target(settings_page, r::d50_radio, false, 1), r::ok);
    EXPECT_EQ(tab_target(7, r::ok, false, 0), r::other);

    // Through the hook: Shift held walks backwards.
    decide_hook_key(0, key_shift, 0, solid_page, r::other);
    hook_decision d = press(key_tab, solid_page, r::ok);
    EXPECT_EQ(d.action, a::focus);
    EXPECT_EQ(d.target, r::name_edit);
    EXPECT_EQ(d.result, 1);
    decide_hook_key(0, key_shift, key_released_flag, solid_page, r::other);
    D50FLAG = 1;
    EXPECT_EQ(press(key_tab, settings_page, r::names_check).target, r::d50_radio);
}

TEST(PickerProfileKeys, StepThroughTheSortedDisplayProfiles)
{
    const char* one[] = {"Default Display"};
    EXPECT_EQ(step_profile_choice(key_f5, one, 1, "Default Display"), 0);
    EXPECT_EQ(step_profile_choice(key_f6, one, 1, "Default Display"), 0);

    const char* four[] = {"Default Display", "Alpha", "Beta", "Gamma"};
    EXPECT_EQ(step_profile_choice(key_f5, four, 4, "Default Display"), 1);
    EXPECT_EQ(step_profile_choice(key_f5, four, 4, "beta"), 3);
    EXPECT_EQ(step_profile_choice(key_f5, four, 4, "Gamma"), 0);   // the last wraps to the default
    EXPECT_EQ(step_profile_choice(key_f6, four, 4, "Default Display"), 3);
    EXPECT_EQ(step_profile_choice(key_f6, four, 4, "Beta"), 1);
    EXPECT_EQ(step_profile_choice(key_f5, four, 4, "Removed Profile"), 0);
    EXPECT_EQ(step_profile_choice(key_f6, four, 4, "Removed Profile"), 0);
    EXPECT_EQ(step_profile_choice(key_f6, four, 4, "Gam"), 0);
    EXPECT_EQ(step_profile_choice(key_f7, four, 4, "Beta"), -1);
    EXPECT_EQ(step_profile_choice(key_f5, four, 0, "Beta"), -1);
    EXPECT_EQ(step_profile_choice(key_f5, nullptr, 4, "Beta"), -1);
}
