// The scripted tour of the demo host: starts huexdemo (beside this program)
// and drives it and the library's picker with real input, the way a user
// would: open the picker, find a colour by name, switch guide, open the
// settings page, change an option, confirm. Prints each step and the chosen
// colour, and writes a screenshot of each step into OUT_DIR. Exits non-zero
// as soon as a step does not reach its window.
//
// usage: huexdemo_tour OUT_DIR
#include <windows.h>

#include <cstdio>
#include <string>

#include "other_process_windows.h"
#include "picker/control_ids.h"
#include "real_input.h"
#include "screen_capture.h"

namespace {

const char* const wanted_name = "Lagoon 3";
// Controls of the demo host, by their ids (the picker's are in control_ids.h).
const int id_host_pick = 101, id_host_report = 200;
const int total_steps = 8;

struct tour {
    std::string out_dir;
    PROCESS_INFORMATION host = {};
    HWND host_window = nullptr, picker = nullptr;
    HWND pages[3] = {};
    int step = 0;
};

// Windows paths for what the Wine build tree names the Unix way.
std::string windows_path(std::string p)
{
    if (!p.empty() && p[0] == '/') p = "Z:" + p;
    for (char& c : p)
        if (c == '/') c = '\\';
    return p;
}

void begin(tour& t, const char* what)
{
    std::printf("[%d/%d] %s\n", ++t.step, total_steps, what);
    std::fflush(stdout);
}

void screenshot(tour& t, HWND window, const char* name)
{
    wait_until_painted(window);
    const std::string path = t.out_dir + "\\" + std::to_string(t.step) + "-" + name + ".png";
    if (write_png(path, capture_window(window)))
        std::printf("      screenshot %d-%s.png\n", t.step, name);
    else
        std::printf("      (no screenshot: %s could not be written)\n", path.c_str());
    std::fflush(stdout);
}

[[noreturn]] void fail(tour& t, const char* what)
{
    std::printf("      FAILED: %s\n", what);
    std::printf("tour: step %d of %d failed\n", t.step, total_steps);
    std::fflush(stdout);
    if (t.host.hProcess != nullptr) {
        TerminateProcess(t.host.hProcess, 3);
        WaitForSingleObject(t.host.hProcess, 5000);
    }
    std::exit(1);
}

void check(tour& t, bool reached, const char* what)
{
    if (!reached) fail(t, what);
}

bool visible(HWND w) { return IsWindow(w) && IsWindowVisible(w); }

// The settings live in the current user's registry: start from none, so the
// picker opens as on a fresh installation, and leave none behind.
void forget_settings() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VERIHUE\\HUEX"); }

void start_host(tour& t)
{
    begin(t, "Start the demo host huexdemo");
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    path = path.substr(0, path.find_last_of('\\') + 1) + "huexdemo.exe";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string command = "\"" + path + "\"";
    check(t, CreateProcessA(path.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &t.host) != 0,
          "huexdemo.exe could not be started");
    check(t, wait_for([&] { return (t.host_window = find_process_window(t.host.dwProcessId, "HuexDemoWindow")); }),
          "the host window did not appear");
    screenshot(t, t.host_window, "host");
}

void open_the_picker(tour& t)
{
    begin(t, "Open the picker: a click on \"Pick colour...\"");
    click_window(GetDlgItem(t.host_window, id_host_pick));
    check(t, wait_for([&] { return (t.picker = find_process_window(t.host.dwProcessId, "VerihuePickerClass")); }),
          "the picker window did not open");
    check(t, picker_pages(t.picker, t.pages) == 3, "the picker has not its three pages (solid, process, settings)");
    check(t, wait_for([&] { return visible(t.pages[0]); }), "the solid guide page is not shown");
    screenshot(t, t.picker, "picker");
}

void find_by_name(tour& t)
{
    begin(t, ("Find a colour by name: F, then \"" + std::string(wanted_name) + "\" and Enter").c_str());
    const HWND edit = GetDlgItem(t.pages[0], IDC_NAME_EDIT);
    // The picker moves the focus to its tab control a moment after it opens.
    wait_for([&] { return focus_in_thread_of(t.picker) == GetDlgItem(t.picker, IDC_TAB_CONTROL); });
    press_key(t.picker, 'F');
    check(t, wait_for([&] { return focus_in_thread_of(t.picker) == edit; }), "F did not move the focus to the name box");
    type_text(t.picker, wanted_name);
    press_key(t.picker, VK_RETURN);
    // A found colour moves the focus on to OK; a name not found keeps it in the box.
    check(t, wait_for([&] { return focus_in_thread_of(t.picker) == GetDlgItem(t.picker, IDOK); }),
          "the name was not found (the focus stayed in the name box)");
    check(t, lstrcmpiA(text_of(edit).c_str(), wanted_name) == 0, "the name box does not show the colour found");
    std::printf("      selected: %s\n", text_of(edit).c_str());
    screenshot(t, t.picker, "find-by-name");
}

void click_picker_tab(tour& t, int index)
{
    RECT r;
    check(t, tab_item_rect(GetDlgItem(t.picker, IDC_TAB_CONTROL), index, &r), "the tab control did not give its tabs");
    click_at(t.picker, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void switch_guide(tour& t)
{
    begin(t, "Switch guide: a click on the process guide's tab");
    click_picker_tab(t, 1);
    check(t, wait_for([&] { return visible(t.pages[1]) && !visible(t.pages[0]); }), "the process guide page is not shown");
    const HWND edit = GetDlgItem(t.pages[1], IDC_NAME_EDIT);
    // The page shows its selection when it paints.
    std::string nearest;
    check(t, wait_for([&] { return !(nearest = text_of(edit)).empty() && nearest != " "; }),
          "the process page shows no selected colour");
    std::printf("      nearest process colour: %s\n", nearest.c_str());
    screenshot(t, t.picker, "process-guide");
}

void open_settings(tour& t)
{
    begin(t, "Open the settings page: a click on its tab");
    click_picker_tab(t, 2);
    check(t, wait_for([&] { return visible(t.pages[2]) && !visible(t.pages[1]); }), "the settings page is not shown");
    screenshot(t, t.picker, "settings");
}

void change_option(tour& t)
{
    begin(t, "Change an option: a click on D50");
    const HWND d50 = GetDlgItem(t.pages[2], IDC_D50_RADIO);
    check(t, d50 != nullptr, "the settings page has no D50 button");
    click_window(d50);
    check(t, wait_for([&] { return SendMessageA(d50, BM_GETCHECK, 0, 0) == BST_CHECKED; }), "D50 did not become checked");
    screenshot(t, t.picker, "option-d50");
}

void confirm(tour& t)
{
    begin(t, "Confirm: OK on the settings page, then OK on the guide page");
    const std::string before = text_of(GetDlgItem(t.host_window, id_host_report));
    click_window(GetDlgItem(t.picker, IDOK));
    check(t, wait_for([&] { return visible(t.pages[1]); }), "OK on the settings page did not return to the guide");
    wait_until_painted(t.picker);
    click_window(GetDlgItem(t.picker, IDOK));
    check(t, wait_for([&] { return !IsWindow(t.picker); }), "OK did not close the picker");
    const HWND report = GetDlgItem(t.host_window, id_host_report);
    check(t, wait_for([&] { return text_of(report) != before; }), "the host shows no chosen colour");
    std::printf("      the host shows the chosen colour:\n");
    std::string text = text_of(report);
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find("\r\n", at);
        if (end == std::string::npos) end = text.size();
        std::printf("        %s\n", text.substr(at, end - at).c_str());
        at = end + 2;
    }
    check(t, text.find("VERIHUE ") == 0, "the chosen colour has no name");
    check(t, text.find("D50 measurements") != std::string::npos, "the option D50 did not come back to the host");
    screenshot(t, t.host_window, "chosen-colour");
}

void close_host(tour& t)
{
    begin(t, "Close the host");
    PostMessageA(t.host_window, WM_CLOSE, 0, 0);
    check(t, WaitForSingleObject(t.host.hProcess, 10000) == WAIT_OBJECT_0, "the host did not end");
    DWORD code = 1;
    GetExitCodeProcess(t.host.hProcess, &code);
    check(t, code == 0, "the host ended with an error");
    CloseHandle(t.host.hProcess);
    CloseHandle(t.host.hThread);
    t.host = {};
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: huexdemo_tour OUT_DIR\n");
        return 2;
    }
    tour t;
    t.out_dir = windows_path(argv[1]);
    CreateDirectoryA(t.out_dir.c_str(), nullptr);
    forget_settings();
    start_host(t);
    open_the_picker(t);
    find_by_name(t);
    switch_guide(t);
    open_settings(t);
    change_option(t);
    confirm(t);
    close_host(t);
    forget_settings();
    std::printf("tour: all %d steps reached their windows; screenshots in %s\n", total_steps, argv[1]);
    return 0;
}
