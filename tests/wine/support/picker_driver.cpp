#include "picker_driver.h"

#include <commctrl.h>

#include <vector>

#include "screen_capture.h"

namespace {

BOOL CALLBACK collect_child(HWND child, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

bool nothing_to_paint(HWND window)
{
    std::vector<HWND> all = {window};
    EnumChildWindows(window, collect_child, reinterpret_cast<LPARAM>(&all));
    for (HWND w : all)
        if (IsWindowVisible(w) && GetUpdateRect(w, nullptr, FALSE)) return false;
    return true;
}

struct driver_call {
    const std::function<void()>* drive;
};

DWORD WINAPI driver_thread(void* param)
{
    (*static_cast<driver_call*>(param)->drive)();
    return 0;
}

}  // namespace

void wait_until_painted(HWND window, bool settle)
{
    for (int i = 0; i < 200 && !nothing_to_paint(window); ++i) Sleep(20);
    if (!settle) return;
    // What is painted reaches the X server a little later: wait for two equal
    // copies of the window in a row.
    screen_image last = capture_window(window);
    for (int i = 0; i < 50; ++i) {
        Sleep(60);
        screen_image now = capture_window(window);
        if (now.pixels == last.pixels) return;
        last = now;
    }
}

open_picker wait_for_picker(bool settle)
{
    open_picker p;
    for (int i = 0; i < 500 && p.window == nullptr; ++i) {
        HWND w = FindWindowA("VerihuePickerClass", nullptr);
        DWORD process = 0;
        if (w != nullptr && IsWindowVisible(w) && GetWindowThreadProcessId(w, &process) && process == GetCurrentProcessId())
            p.window = w;
        else
            Sleep(20);
    }
    if (p.window == nullptr) return p;
    wait_until_painted(p.window, settle);
    p.tab = GetDlgItem(p.window, 93);
    p.ok = GetDlgItem(p.window, IDOK);
    p.cancel = GetDlgItem(p.window, IDCANCEL);
    p.about = GetDlgItem(p.window, 3);
    p.tab_count = static_cast<int>(SendMessageA(p.tab, TCM_GETITEMCOUNT, 0, 0));
    int n = 0;
    for (HWND c = GetWindow(p.window, GW_CHILD); c != nullptr && n < 3; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[64];
        GetClassNameA(c, cls, sizeof cls);
        if (lstrcmpA(cls, "VerihueCHILDPickerClass") == 0) p.pages[n++] = c;
    }
    return p;
}

void run_with_driver(const std::function<void()>& open, const std::function<void()>& drive)
{
    driver_call call = {&drive};
    HANDLE thread = CreateThread(nullptr, 0, driver_thread, &call, 0, nullptr);
    open();
    // The driver may still be checking what the run left behind; keep this
    // thread's windows answering while it does.
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    CloseHandle(thread);
}

void click_tab(const open_picker& p, int index)
{
    RECT r;
    SendMessageA(p.tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageA(p.tab, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(p.tab, WM_LBUTTONUP, 0, at);
}

void click_button(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

HWND make_host_window(const char* title)
{
    return CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}
