// Look-ups from several threads at once while the host's thread switches the printer profile and replaces a
// profile's file, and while a picker runs on another thread: every answer is one the library gives on one thread,
// every name whole, terminated and the asked colour's, every text handed out by pointer the thread's own. Bounded
// by counts of calls, not by time.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstring>
#include <string>
#include <vector>

#include "huex.h"
#include "lgicc/lgicc_module.h"
#include "picker_driver.h"
#include "wine_test_support.h"

namespace {

using words = std::array<WORD, 4>;
const std::string folder = fresh_case_dir("threads");
const std::string press[2] = {reference_profile_path("data:press_cmyk.icc"), source_path("tests/profiles/huex_press_cmyk.icc")};
const std::string replaced = folder + "printer.icc";   // rewritten with one press's bytes or the other's

// What one colour answers on one thread: the same whatever runs beside, but its CMYK, which is that of one of the
// printers the test switches between.
struct expected_colour {
    extended_color record;
    words rgb[2], xyz[2];   // D65, D50
    std::string name, short_name;
    std::vector<words> cmyk;
};

words cmyk_now(const extended_color& r)
{
    words w = {};
    EXPECT_EQ(HUEX_GetColorCMYK(&r, w.data(), 1), HUEX_OK);
    return w;
}

std::vector<expected_colour> expected_colours()
{
    std::vector<expected_colour> all;
    const struct { short system, flag, index; } colours[] = {{37, 0, 0}, {37, 0, 500}, {37, 1, 951}, {37, 2, 42}, {293, 0, 1500}, {293, 0, 3005}};
    for (const auto& c : colours) {
        expected_colour e = {};
        EXPECT_EQ(HUEX_EncodeColor(c.system, c.flag, c.index, &e.record), HUEX_OK);
        char name[HUEX_COLOR_NAME_SIZE] = "", short_name[HUEX_SHORT_NAME_SIZE] = "";
        for (short d50 = 0; d50 < 2; ++d50)
            EXPECT_TRUE(HUEX_GetColorRGB(&e.record, e.rgb[d50].data(), d50) == HUEX_OK && HUEX_GetColorXYZ(&e.record, e.xyz[d50].data(), d50) == HUEX_OK);
        EXPECT_TRUE(HUEX_GetColorName(&e.record, name) > 0 && HUEX_GetShortColorName(&e.record, short_name) > 0);
        e.name = name, e.short_name = short_name;
        for (const std::string& printer : {press[0], press[1], std::string()}) {
            HUEX_SetPrinterProfile(printer.empty() ? nullptr : printer.c_str());
            e.cmyk.push_back(cmyk_now(e.record));
        }
        EXPECT_TRUE(e.cmyk[0] != e.cmyk[1] && e.cmyk[1] != e.cmyk[2]) << e.name;
        all.push_back(e);
    }
    return all;
}

// A name the library wrote into a buffer of its documented size, checked for its terminator inside the buffer.
template <size_t size>
bool whole_name(short (WINAPI* lookup)(const extended_color*, char*), const extended_color& r, const std::string& expected)
{
    char buffer[size];
    std::memset(buffer, 0xCC, size);
    return lookup(&r, buffer) == short(expected.size()) && std::memchr(buffer, 0, size) != nullptr && expected == buffer;
}

struct lookup_run {
    const std::vector<expected_colour>& colours;
    int rounds;
    bool names_only;   // nothing but names: the copy out of a name is then most often beside another's making
    std::atomic<int> wrong{0};
    std::atomic<int> running{0};
};

DWORD WINAPI look_up(void* param)
{
    lookup_run& run = *static_cast<lookup_run*>(param);
    // A signature text of this thread's own, which no other thread's call may change while it is read.
    const DWORD letter = 'A' + GetCurrentThreadId() % 26;
    const char own[] = {'\'', 'T', 'H', 'R', char(letter), '\'', 0};
    for (int i = 0; i < run.rounds; ++i)
        for (const expected_colour& e : run.colours) {
            const short d50 = static_cast<short>(i & 1);
            words rgb = {}, xyz = {}, cmyk = {};
            if (run.names_only) {
                if (!whole_name<HUEX_COLOR_NAME_SIZE>(HUEX_GetColorName, e.record, e.name) ||
                    !whole_name<HUEX_SHORT_NAME_SIZE>(HUEX_GetShortColorName, e.record, e.short_name))
                    ++run.wrong;
                continue;
            }
            const char* signature = sz_signature(0x54485200 | letter);
            const bool right = HUEX_GetColorRGB(&e.record, rgb.data(), d50) == HUEX_OK && rgb == e.rgb[d50] &&
                               HUEX_GetColorXYZ(&e.record, xyz.data(), d50) == HUEX_OK && xyz == e.xyz[d50] &&
                               whole_name<HUEX_COLOR_NAME_SIZE>(HUEX_GetColorName, e.record, e.name) &&
                               whole_name<HUEX_SHORT_NAME_SIZE>(HUEX_GetShortColorName, e.record, e.short_name) &&
                               HUEX_GetColorCMYK(&e.record, cmyk.data(), 1) == HUEX_OK &&
                               (cmyk == e.cmyk[0] || cmyk == e.cmyk[1] || cmyk == e.cmyk[2]) && std::strcmp(signature, own) == 0;
            if (!right) ++run.wrong;
        }
    --run.running;
    return 0;
}

std::vector<HANDLE> start_lookups(lookup_run& run, int threads)
{
    std::vector<HANDLE> started;
    run.running = threads;
    for (int t = 0; t < threads; ++t) started.push_back(CreateThread(nullptr, 0, look_up, &run, 0, nullptr));
    return started;
}

void finish(std::vector<HANDLE>& threads)
{
    for (HANDLE t : threads) EXPECT_EQ(WaitForSingleObject(t, 600000), WAIT_OBJECT_0), CloseHandle(t);
}

// The printers in turn (the two presses, the file rewritten under the library, the recipe's built-in one), and
// the rewritten file replaced in one step as a program saving a profile does.
void change_printers(const lookup_run& run)
{
    const std::vector<uint8_t> bytes[2] = {read_file_bytes(press[0]), read_file_bytes(press[1])};
    for (int step = 0; run.running > 0 && step < 400; ++step) {
        const std::string printer = step % 4 < 2 ? press[step % 4] : step % 4 == 2 ? replaced : "";
        HUEX_SetPrinterProfile(printer.empty() ? nullptr : printer.c_str());
        const std::string fresh = folder + "fresh.icc";
        if (write_file_bytes(fresh, bytes[step % 3 == 0])) MoveFileExA(fresh.c_str(), replaced.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
}

struct printer_put_back {
    ~printer_put_back() { HUEX_SetPrinterProfile(nullptr); }
};

}  // namespace

TEST(Threads, LookupsWhileTheHostSwitchesAndReplacesPrinterProfiles)
{
    installed_xyz_profile xyz(reference_profile_path("icc:LCMSXYZI.ICM"));
    const printer_put_back put_back;
    ASSERT_TRUE(write_file_bytes(replaced, read_file_bytes(press[0])));
    const std::vector<expected_colour> colours = expected_colours();
    for (int threads : {1, 2, 8}) {
        lookup_run run{colours, 960 / threads, false};
        std::vector<HANDLE> started = start_lookups(run, threads);
        change_printers(run);
        finish(started);
        EXPECT_EQ(run.wrong, 0) << threads << " threads";
    }
    for (int threads : {2, 8}) {
        lookup_run run{colours, 16000 / threads, true};
        std::vector<HANDLE> started = start_lookups(run, threads);
        finish(started);
        EXPECT_EQ(run.wrong, 0) << threads << " threads, names only";
    }
}

// Look-ups on other threads while the picker runs and the user goes from tab to tab (each page built, painted and
// its selection carried over from the other guide).
TEST(Threads, LookupsWhileAPickerRunsOnAnotherThread)
{
    HUEX_SetPrinterProfile(nullptr);
    const std::vector<expected_colour> colours = expected_colours();
    lookup_run run{colours, 400, false};
    pick_and_drive([&](const open_picker& p) {
        std::vector<HANDLE> started = start_lookups(run, 4);
        for (int i = 0; run.running > 0 && i < 40; ++i) press_key(p.tab, i / 2 % 2 == 0 ? VK_RIGHT : VK_LEFT);
        finish(started);
        click_button(p.cancel);
    });
    EXPECT_EQ(run.wrong, 0);
}
