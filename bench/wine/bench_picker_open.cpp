// Timed loop under Wine: from the call that opens the picker to its first
// complete paint, against the system colour dialog (ChooseColorA) opened the
// same way over the same host, and the costs of the parts of an opening:
// fonts, controls, the 35 brushes of a grid paint and the strip's pens.
// Prints milliseconds (best and median round) and the ratios picker / system
// dialog. Run by hand
// (make bench); not a test.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_clock.h"
#include "huex.h"
#include "wine_test_support.h"

namespace {

// A timer of the host fires only when the thread's queue holds nothing to
// post and nothing to paint: its first WM_TIMER marks the first complete
// paint of whatever modal window the thread is running.
constexpr UINT_PTR painted_timer = 77;
double opened_at = 0, painted_at = 0;
bool picker_run = true;

BOOL CALLBACK find_dialog(HWND w, LPARAM out)
{
    char cls[16];
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(w)) {
        *reinterpret_cast<HWND*>(out) = w;
        return FALSE;
    }
    return TRUE;
}

LRESULT CALLBACK host_proc(HWND w, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message != WM_TIMER || wparam != painted_timer) return DefWindowProcA(w, message, wparam, lparam);
    KillTimer(w, painted_timer);
    HWND open = nullptr;
    if (picker_run) open = FindWindowA("VerihuePickerClass", nullptr);
    else EnumThreadWindows(GetCurrentThreadId(), find_dialog, reinterpret_cast<LPARAM>(&open));
    // A modal dialog shows itself only when its loop first runs out of
    // messages, which is when this timer first fires: wait for its paint.
    if (open == nullptr) {
        SetTimer(w, painted_timer, USER_TIMER_MINIMUM, nullptr);
        return 0;
    }
    painted_at = microseconds_now();
    PostMessageA(open, WM_COMMAND, IDCANCEL, 0);
    return 0;
}

template <typename F>
double ms_per_round(int rounds, F f)
{
    const double start = microseconds_now();
    for (int i = 0; i < rounds; ++i) f();
    return (microseconds_now() - start) / 1000.0 / rounds;
}

HFONT font(HDC dc, int points, const char* face)
{
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    lf.lfWeight = FW_NORMAL;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectA(&lf);
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = host_proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "bench_host";
    RegisterClassA(&wc);
    HWND host = CreateWindowExA(0, "bench_host", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200, nullptr,
                                nullptr, wc.hInstance, nullptr);
    HMODULE comdlg = LoadLibraryA("comdlg32.dll");
    auto choose = reinterpret_cast<BOOL(WINAPI*)(CHOOSECOLORA*)>(
        reinterpret_cast<void*>(GetProcAddress(comdlg, "ChooseColorA")));
    if (choose == nullptr) {
        std::printf("ChooseColorA: not available\n");
        return 1;
    }

    std::vector<double> picker, system;
    for (int i = 0; i < rounds + 1; ++i) {   // the first round of each warms caches up
        picker_run = true;
        extended_color record = {0, 0, 0, 0};
        SetTimer(host, painted_timer, USER_TIMER_MINIMUM, nullptr);
        opened_at = microseconds_now();
        HUEX_PickColor(host, &record, nullptr);
        if (i > 0) picker.push_back((painted_at - opened_at) / 1000.0);

        picker_run = false;
        COLORREF custom[16] = {};
        CHOOSECOLORA cc = {};
        cc.lStructSize = sizeof cc;
        cc.hwndOwner = host;
        cc.lpCustColors = custom;
        cc.Flags = CC_RGBINIT;
        SetTimer(host, painted_timer, USER_TIMER_MINIMUM, nullptr);
        opened_at = microseconds_now();
        choose(&cc);
        if (i > 0) system.push_back((painted_at - opened_at) / 1000.0);
    }
    const round_figures p = figures_of(picker), s = figures_of(system);
    std::printf("rounds: %d                                best   median (ms)\n", rounds);
    std::printf("picker open -> first complete paint   %8.2f %8.2f\n", p.best, p.median);
    std::printf("ChooseColorA open -> complete paint   %8.2f %8.2f\n", s.best, s.median);
    std::printf("ratio picker open / ChooseColorA      %8.3f best %8.3f median\n", p.best / s.best, p.median / s.median);

    // Where an opening's time goes.
    HDC screen = GetDC(nullptr);
    const double fonts = ms_per_round(200, [&] {
        HFONT a = font(screen, 8, "MS Sans Serif"), b = font(screen, 7, "Courier New");
        HGDIOBJ old = SelectObject(screen, a);
        SIZE sz;
        for (int k = 0; k < 7; ++k) GetTextExtentPoint32A(screen, "ABCDEFG", 7, &sz);
        SelectObject(screen, old);
        DeleteObject(a);
        DeleteObject(b);
    });
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 480, 320);
    HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
    const double brushes = ms_per_round(200, [&] {
        for (int k = 0; k < 35; ++k) {
            HBRUSH b = CreateSolidBrush(RGB(k * 7, 255 - k * 7, 128));
            RECT r = {(k / 7) * 90, (k % 7) * 30, (k / 7) * 90 + 80, (k % 7) * 30 + 25};
            FillRect(memory, &r, b);
            DeleteObject(b);
        }
    });
    const double pens = ms_per_round(50, [&] {
        for (int x = 0; x < 400; ++x) {
            HPEN pen = CreatePen(PS_SOLID, 1, RGB(x & 255, 0, 0));
            HGDIOBJ old = SelectObject(memory, pen);
            MoveToEx(memory, x, 0, nullptr);
            LineTo(memory, x, 12);
            SelectObject(memory, old);
            DeleteObject(pen);
        }
    });
    SelectObject(memory, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const double controls = ms_per_round(50, [&] {
        HWND w = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 500, 480, nullptr, nullptr, nullptr, nullptr);
        CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE, 10, 10, 480, 400, w, nullptr, nullptr, nullptr);
        const char* classes[] = {"BUTTON", "BUTTON", "BUTTON", "COMBOBOX", "SCROLLBAR", "SCROLLBAR", "EDIT", "EDIT"};
        for (const char* cls : classes)
            CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE, 20, 20, 80, 20, w, nullptr, nullptr, nullptr);
        DestroyWindow(w);
    });
    const double top_level = ms_per_round(50, [&] {
        HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_DISABLED, 0, 0, 0, 0, host, nullptr, nullptr, nullptr);
        DestroyWindow(w);
    });
    std::printf("invisible top-level window made        %8.3f ms\n", top_level);
    std::printf("two fonts made, seven texts measured   %8.3f ms\n", fonts);
    std::printf("tab control and 8 controls made        %8.3f ms\n", controls);
    std::printf("35 swatch brushes (one grid paint)     %8.3f ms\n", brushes);
    std::printf("400 strip pens (one strip paint)       %8.3f ms\n", pens);
    DestroyWindow(host);
    return 0;
}
