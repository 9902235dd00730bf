// Driving an open picker from a second thread while the test's own thread
// sits in the picker's modal wait, as a host's would.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "huex.h"
#include "real_input.h"
#include "screen_capture.h"

// The parts of an open picker window.
struct open_picker {
    HWND window = nullptr, tab = nullptr, ok = nullptr, cancel = nullptr, about = nullptr;
    HWND pages[3] = {};   // page children in creation order: solid, process, settings
    int tab_count = 0;
};

// Waits for a shown picker window of this process, then until it is painted
// and (when settle) holds still; window is null on time-out.
open_picker wait_for_picker(bool settle = true);

// Runs open (which blocks in the picker) here while drive works the open
// picker from a thread of its own; closes the picker when drive leaves it open.
// With ready, drive starts once the picker has given its tab control the focus
// (a moment after opening), so that keys go where a user's would.
void drive_picker(const std::function<void()>& open, const std::function<void(const open_picker&)>& drive,
                  bool ready = false);

// HUEX_PickColor over a host window of this thread, driven when ready.
BYTE pick_and_drive(const std::function<void(const open_picker&)>& drive, extended_color* record = nullptr,
                    short* d50 = nullptr);

// A click on tab `index` through the control's own mouse handling (so the
// picker sees a real TCN_SELCHANGE).
void click_tab(const open_picker& p, int index);
void click_button(HWND button);
// A plain visible top-level window of this thread for the picker to open over.
HWND make_host_window(const char* title);

std::string window_text(HWND w);
// The window with the keyboard focus in window's thread.
HWND focus_of(HWND window);
extended_color color_record(short system, short flag, int index);
std::string short_name(short system, short flag, int index);
