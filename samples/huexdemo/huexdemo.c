/* huexdemo: a small Win32 host of huex.dll. It uses only huex.h and the
 * import library: "Pick colour..." opens the library's picker, and the window
 * shows what the library tells about the chosen colour; the two profile
 * buttons choose the display and printer profiles the library works with. */
#include <windows.h>

#include "chosen_colour.h"
#include "profile_menu.h"

enum { id_pick = 101, id_display = 102, id_printer = 103, id_report = 200, id_profiles = 201 };

static extended_color chosen;   /* the host's document colour: all zero, then the last pick */
static short chosen_d50;
static COLORREF patch_rgb;
static const RECT patch = {16, 60, 136, 180};

static HWND control(HWND parent, const wchar_t *cls, const wchar_t *text, DWORD style, int id, int x, int y, int w,
                    int h)
{
    HWND c = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, (HMENU)(INT_PTR)id,
                             GetModuleHandleW(NULL), NULL);
    SendMessageW(c, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), 0);
    return c;
}

static void show_profiles(HWND window)
{
    char display[260], printer[260], text[600];
    current_profile_name(display_profile, display);
    current_profile_name(printer_profile, printer);
    wsprintfA(text, "Display profile: %s\r\nPrinter profile: %s", display, printer);
    SetDlgItemTextA(window, id_profiles, text);
}

/* The report follows the profiles: screen RGB through the display profile,
 * CMYK through the printer profile. */
static void show_colour(HWND window)
{
    char text[1024] = "No colour chosen yet.";
    if (HUEX_ColorIsExtended(&chosen)) describe_colour(&chosen, chosen_d50, text, sizeof text, &patch_rgb);
    SetDlgItemTextA(window, id_report, text);
    InvalidateRect(window, &patch, TRUE);
}

static void paint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (HUEX_ColorIsExtended(&chosen)) {
        HBRUSH brush = CreateSolidBrush(patch_rgb);
        FillRect(dc, &patch, brush);
        DeleteObject(brush);
    }
    FrameRect(dc, &patch, (HBRUSH)GetStockObject(BLACK_BRUSH));
    EndPaint(window, &ps);
}

static void command(HWND window, int id)
{
    switch (id) {
    case id_pick:
        if (pick_colour(window, &chosen, &chosen_d50)) show_colour(window);
        break;
    case id_display:
    case id_printer:
        if (choose_profile(window, GetDlgItem(window, id), id == id_display ? display_profile : printer_profile)) {
            show_profiles(window);
            show_colour(window);
        }
        break;
    }
}

static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_CREATE:
        control(window, L"BUTTON", L"Pick colour\u2026", BS_PUSHBUTTON | WS_TABSTOP, id_pick, 16, 16, 130, 28);
        control(window, L"BUTTON", L"Display profile\u2026", BS_PUSHBUTTON | WS_TABSTOP, id_display, 156, 16, 130, 28);
        control(window, L"BUTTON", L"Printer profile\u2026", BS_PUSHBUTTON | WS_TABSTOP, id_printer, 296, 16, 130, 28);
        control(window, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, id_report, 152, 60, 430, 120);
        control(window, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, id_profiles, 16, 196, 566, 36);
        show_profiles(window);
        show_colour(window);
        return 0;
    case WM_COMMAND: command(window, LOWORD(wparam)); return 0;
    case WM_PAINT: paint(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show)
{
    WNDCLASSW wc = {0};
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"HuexDemoWindow";
    if (!RegisterClassW(&wc)) return 1;

    RECT r = {0, 0, 600, 244};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"HUEX demo host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                  CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, NULL, NULL,
                                  instance, NULL);
    if (window == NULL) return 1;
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
        if (IsDialogMessageW(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return (int)msg.wParam;
}
