#include "picker_driver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

open_picker wait_for_picker(bool settle)
{
    open_picker p;
    wait_for([&] {
        HWND w = FindWindowA("VerihuePickerClass", nullptr);
        DWORD process = 0;
        if (w != nullptr && IsWindowVisible(w) && GetWindowThreadProcessId(w, &process) && process == GetCurrentProcessId())
            p.window = w;
        return p.window != nullptr;
    });
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

namespace {

struct driver_call {
    const std::function<void(const open_picker&)>* drive;
    bool ready;
};

DWORD WINAPI driver_thread(void* param)
{
    const driver_call& call = *static_cast<driver_call*>(param);
    const open_picker p = wait_for_picker(call.ready);
    if (p.window == nullptr) {
        ADD_FAILURE() << "no picker opened";
        return 0;
    }
    if (call.ready) wait_for([&] { return focus_of(p.window) == p.tab; });
    (*call.drive)(p);
    for (int i = 1; IsWindow(p.window); ++i, Sleep(20))
        if (i % 25 == 0) PostMessageA(p.window, WM_CLOSE, 0, 0);
    return 0;
}

}  // namespace

void drive_picker(const std::function<void()>& open, const std::function<void(const open_picker&)>& drive, bool ready)
{
    driver_call call = {&drive, ready};
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

BYTE pick_and_drive(const std::function<void(const open_picker&)>& drive, extended_color* record, short* d50)
{
    HWND host = make_host_window("host");
    extended_color unused = {};
    BYTE result = 0;
    drive_picker([&] { result = HUEX_PickColor(host, record != nullptr ? record : &unused, d50); }, drive, true);
    DestroyWindow(host);
    return result;
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

std::string window_text(HWND w)
{
    char text[256] = "";
    GetWindowTextA(w, text, sizeof text);
    return text;
}

HWND focus_of(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

extended_color color_record(short system, short flag, int index)
{
    extended_color c = {};
    HUEX_EncodeColor(system, flag, static_cast<short>(index), &c);
    return c;
}

std::string short_name(short system, short flag, int index)
{
    const extended_color c = color_record(system, flag, index);
    char name[64] = "";
    HUEX_GetShortColorName(&c, name);
    return name;
}
