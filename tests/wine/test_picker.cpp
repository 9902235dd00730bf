// The picker through its exports, on the real window: a host window on this
// thread, a driver thread that finds the picker, reads what is on screen and
// presses its buttons.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "huex.h"
#include "picker_driver.h"
#include "screen_capture.h"
#include "wine_test_support.h"

TEST(PickerSmoke, OpensAndCloses)
{
    HWND host = make_host_window("host");
    extended_color record = {0, 0, 0, 0};
    BYTE chosen = 9;
    run_with_driver([&] { chosen = HUEX_PickColor(host, &record, nullptr); },
                    [&] {
                        open_picker p = wait_for_picker();
                        ASSERT_NE(p.window, nullptr);
                        write_png(bin_dir() + "picker_smoke.png", capture_window(p.window));
                        click_button(p.ok);
                    });
    EXPECT_EQ(chosen, 1);
    DestroyWindow(host);
}
