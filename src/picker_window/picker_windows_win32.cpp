// The window handles of one run, and which page record belongs to a page
// index or a page child.
#include "picker_window/picker_windows_win32.h"

#include "picker/picker_run.h"

picker_run* run_of_window(HWND window) { return reinterpret_cast<picker_run*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

page_windows* page_of_child(HWND child) { return reinterpret_cast<page_windows*>(GetWindowLongPtrA(child, GWLP_USERDATA)); }

page_windows& page_windows_of(picker_run& run, int page)
{
    picker_windows& ui = *run.ui;
    if (page == solid_page) return ui.solid;
    if (page == process_page) return ui.process;
    return ui.settings;
}

page_windows* current_color_page(picker_run& run)
{
    if (run.current_view == nullptr || run.current_page == settings_page) return nullptr;
    return &page_windows_of(run, run.current_page);
}
