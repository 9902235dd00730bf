#include "other_process_windows.h"

#include <commctrl.h>

namespace {

struct window_search {
    DWORD process;
    const char* cls;
    HWND found;
};

BOOL CALLBACK match_window(HWND w, LPARAM param)
{
    window_search* s = reinterpret_cast<window_search*>(param);
    DWORD process = 0;
    char cls[64] = "";
    GetWindowThreadProcessId(w, &process);
    GetClassNameA(w, cls, sizeof cls);
    if (process != s->process || !IsWindowVisible(w) || lstrcmpA(cls, s->cls) != 0) return TRUE;
    s->found = w;
    return FALSE;
}

}  // namespace

HWND find_process_window(DWORD process, const char* cls)
{
    window_search s = {process, cls, nullptr};
    EnumWindows(match_window, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

std::string text_of(HWND window)
{
    char text[1024] = "";
    DWORD_PTR n = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &n);
    return text;
}

HWND focus_in_thread_of(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

bool tab_item_rect(HWND tab, int index, RECT* screen_rect)
{
    // TCM_GETITEMRECT writes through its pointer in the control's own process.
    DWORD process = 0;
    GetWindowThreadProcessId(tab, &process);
    HANDLE other = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
    if (other == nullptr) return false;
    void* remote = VirtualAllocEx(other, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    bool ok = remote != nullptr &&
              SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote)) != 0 &&
              ReadProcessMemory(other, remote, screen_rect, sizeof(RECT), nullptr);
    if (remote != nullptr) VirtualFreeEx(other, remote, 0, MEM_RELEASE);
    CloseHandle(other);
    if (ok) MapWindowPoints(tab, nullptr, reinterpret_cast<POINT*>(screen_rect), 2);
    return ok;
}

int picker_pages(HWND picker, HWND pages[3])
{
    int n = 0;
    for (HWND c = GetWindow(picker, GW_CHILD); c != nullptr && n < 3; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[64] = "";
        GetClassNameA(c, cls, sizeof cls);
        if (lstrcmpA(cls, "VerihueCHILDPickerClass") == 0) pages[n++] = c;
    }
    return n;
}
