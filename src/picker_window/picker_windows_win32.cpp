// The window handles of one run, and which page record belongs to a page
// index or a page child.
#include "picker_window/picker_windows_win32.h"

#include "picker/picker_state.h"

picker_windows picker_ui;

page_windows& page_windows_of(int page)
{
    if (page == solid_page) return picker_ui.solid;
    if (page == process_page) return picker_ui.process;
    return picker_ui.settings;
}

page_windows* page_of_child(HWND child) { return reinterpret_cast<page_windows*>(GetWindowLongPtrA(child, GWLP_USERDATA)); }

page_windows* current_color_page()
{
    if (current_view == nullptr || current_page == settings_page) return nullptr;
    return &page_windows_of(current_page);
}
