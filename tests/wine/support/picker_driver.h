// Driving an open picker from a second thread while the test's own thread
// sits in the picker's modal wait, as a host's would.
#pragma once
#include <windows.h>

#include <functional>

// The parts of an open picker window.
struct open_picker {
    HWND window = nullptr, tab = nullptr, ok = nullptr, cancel = nullptr, about = nullptr;
    HWND pages[3] = {};   // page children in creation order: solid, process, settings
    int tab_count = 0;
};

// Waits up to ten seconds for a shown picker window of this process, then until
// it and its children have nothing left to paint and (when settle) the screen
// holds still. window is null on time-out.
open_picker wait_for_picker(bool settle = true);

// Waits until the open picker's windows are painted and (when settle) the
// screen holds still.
void wait_until_painted(HWND window, bool settle = true);

// Runs drive on a thread of its own while open runs here; returns when both
// have finished. open is what blocks in the picker.
void run_with_driver(const std::function<void()>& open, const std::function<void()>& drive);

// A click on tab `index` of the tab control, through the control's own
// mouse handling (so the picker sees a real TCN_SELCHANGE).
void click_tab(const open_picker& p, int index);

// Posts a click to a button (the picker acts on it in its own thread).
void click_button(HWND button);

// A plain visible top-level window of this thread for the picker to open over.
HWND make_host_window(const char* title);
