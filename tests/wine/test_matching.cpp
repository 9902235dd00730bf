// Matching sessions and the CMYK look-up through huex.dll and LgICC.dll against Little CMS; fresh-library cases in matching_host.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "addon_fixture.h"
#include "huex.h"
#include "lgicc/lgicc_module.h"
#include "lgicc/lgicc_reference_table.h"
#include "matching/cmyk_reference_table.h"
#include "wine_test_support.h"

namespace {

using element = std::array<WORD, 4>;
const WORD sentinel = 0xBEEF;
const int tolerance = 655;  // agreement with Little CMS: 1 % of full scale per channel

const std::string folder = fresh_case_dir("matching");

// A reference profile copied under a lower-case name: the library takes only lower-case extensions.
std::string profile(const std::string& reference_name)
{
    std::string name = reference_name.substr(reference_name.find_last_of(":/") + 1);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(GetFileAttributesA((folder + name).c_str()) != INVALID_FILE_ATTRIBUTES ||
                copy_into(reference_profile_path(reference_name), folder, name)) << reference_name;
    return folder + name;
}

element cmyk_of(short system, short flag, short index, short selector)
{
    extended_color r = {0, 0, 0, 0};
    element e = {sentinel, sentinel, sentinel, sentinel};
    EXPECT_TRUE(HUEX_EncodeColor(system, flag, index, &r) == HUEX_OK && HUEX_GetColorCMYK(&r, e.data(), selector) == HUEX_OK) << index;
    return e;
}

void expect_near(const element& got, const uint16_t* expected, const std::string& what)
{
    for (int c = 0; c < 4; ++c) EXPECT_LE(std::abs(int(got[c]) - int(expected[c])), tolerance) << what << " channel " << c;
}

bool make_fixture_addon(const std::string& path)
{
    addon_tables t;
    t.pub = "// [desc] pub_no colors_per_page number_of_pages //\r\n[Matching Fixture] 4 4 2\r\n"
            "// [display_suffix][printer_suffix]\r\n[DMF][PMF]\r\n// [CMYK Description] //\r\n[Fixture]\r\n"
            "// COLOR_NAME_SIZE //\r\n8\r\n";
    t.names = std::string(64, 'n');
    t.cie50 = table_words({10000, 10000, 10000, 9999, 9999, 9999, 9998, 9999, 9999, 5000, 5000, 5000, 3000, 2000, 1000});
    t.cie65 = table_words({10000, 10000, 10000, 9999, 9999, 9999, 9998, 9999, 9999, 2000, 2000, 2000, 3000, 2000, 1000});
    t.cmyk = table_words({0, 0, 0, 0, 1000, 0, 500, 0, 200, 300, 400, 100, 1000, 0, 500, 0, 1000, 0, 500, 0, 100, 100, 100, 100});
    t.code = "549", t.flag = "0";
    return build_addon(path, t);
}

void run_host(const std::string& test_case, const std::string& module_path)
{
    installed_xyz_profile xyz(profile("icc:LCMSXYZI.ICM"));
    for (const char* name : {"icc:sRGB.icc", "icc:LCMSXYZI.ICM", "data:press_cmyk.icc"}) profile(name);
    ASSERT_TRUE(copy_into("matching_host.exe", folder) && copy_into("huex.dll", folder) &&
                copy_into(module_path, folder, "LgICC.dll") && make_fixture_addon(folder + "huex_matchfix.dll"));
    delete_settings_key();
    std::string out;
    const int rc = run_process("\"" + folder + "matching_host.exe\" --gtest_filter=FreshLibrary." + test_case, folder, &out);
    delete_settings_key();
    EXPECT_TRUE(rc == 0 && out.find("[  PASSED  ] 1 test") != std::string::npos) << out;
}

// Waits (with a generous limit) until the file system reports a change in folder or a folder name beside it or
// beside its parent: the library learns of changes the same way, so its next call must follow.
struct reported_change {
    HANDLE watches[3];
    explicit reported_change(const std::string& folder)
        : watches{FindFirstChangeNotificationA(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE |
                                                                      FILE_NOTIFY_CHANGE_LAST_WRITE),
                  FindFirstChangeNotificationA((folder + "..").c_str(), FALSE, FILE_NOTIFY_CHANGE_DIR_NAME),
                  FindFirstChangeNotificationA((folder + "..\\..").c_str(), FALSE, FILE_NOTIFY_CHANGE_DIR_NAME)} {}
    bool seen() const { return WaitForMultipleObjects(3, watches, FALSE, 60000) < WAIT_OBJECT_0 + 3; }
    ~reported_change() { for (HANDLE w : watches) FindCloseChangeNotification(w); }
};

// A folder another program holds open for itself alone: it cannot be watched.
struct held_folder {
    const HANDLE handle;
    ~held_folder() { if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle); }
};

}  // namespace

// Every pair the library supports, one session each; sRGB to the press at intent 3 by matching to the printer.
TEST(MatchingSession, EveryPairAgreesWithLittleCms)
{
    std::map<std::string, std::vector<const lgicc_reference_row*>> groups;
    for (const lgicc_reference_row& row : lgicc_reference_rows())
        if (row.destination != "icc:LCMSXYZI.ICM")
            groups[row.source + " > " + row.destination + " " + std::to_string(row.intent)].push_back(&row);
    ASSERT_EQ(groups.size(), 8u);
    for (const auto& group : groups) {
        const std::string source = profile(group.second[0]->source), destination = profile(group.second[0]->destination);
        std::vector<element> colors;
        for (const lgicc_reference_row* row : group.second) {
            element e = {row->in[0], row->in[1], row->in[2], row->source_channels == 4 ? row->in[3] : sentinel};
            // Hosts send XYZ with 65535 for 100; the module gets half of it, the odd bit dropped.
            if (row->source == "icc:LCMSXYZI.ICM")
                for (int c = 0; c < 3; ++c) e[c] = WORD(std::min(65535, 2 * row->in[c] + int(colors.size() & 1)));
            colors.push_back(e);
        }
        HUEX_SetRenderingIntent(group.second[0]->intent);
        if (group.second[0]->intent == 3) {
            ASSERT_TRUE(HUEX_SetMonitorProfile(source.c_str()) == HUEX_OK && HUEX_SetPrinterProfile(destination.c_str()) == HUEX_OK);
            ASSERT_EQ(HUEX_MatchToPrinterProfile(LONG(colors.size()), colors.data()), HUEX_OK);
            element e = {1, 2, 3, 4};
            EXPECT_EQ(HUEX_Match(1, e.data()), HUEX_NOT_SUPPORTED) << "its session ended";
            HUEX_SetMonitorProfile(nullptr), HUEX_SetPrinterProfile(nullptr);
        } else {
            ASSERT_TRUE(HUEX_BeginMatchingSession(source.c_str(), destination.c_str()) == HUEX_OK &&
                        HUEX_Match(LONG(colors.size()), colors.data()) == HUEX_OK && HUEX_EndMatching() == HUEX_OK) << group.first;
        }
        // A three-channel result clears the fourth value (0 in the table).
        for (size_t i = 0; i < colors.size(); ++i) expect_near(colors[i], group.second[i]->out, group.first);
    }
    HUEX_SetRenderingIntent(0);
}

// A refused begin leaves no session; the next match fails with the colours untouched.
TEST(MatchingSession, RefusedAndReplacedSessionsLeaveNothing)
{
    const std::string srgb = profile("icc:sRGB.icc"), press = profile("data:press_cmyk.icc");
    const std::string missing = folder + "missing.icc", text = folder + "not_a_profile.icc";
    ASSERT_TRUE(write_file_bytes(text, std::vector<uint8_t>(300, 'x')));
    const struct { const char* what; std::string source, destination; LONG intent; } refusals[] = {
        {"XYZ destination", srgb, profile("icc:LCMSXYZI.ICM"), 0}, {"missing source", missing, press, 0}, {"text file", text, press, 0},
        {"default display", "Default Display", press, 0},
        {"intent outside the ICC numbering, refused by the module", srgb, press, 7}};
    for (const auto& r : refusals) {
        HUEX_SetRenderingIntent(r.intent);
        EXPECT_EQ(HUEX_BeginMatchingSession(r.source.c_str(), r.destination.c_str()), HUEX_NOT_SUPPORTED) << r.what;
        element e[2] = {{1, 2, 3, 4}, {5, 6, 7, 8}};
        EXPECT_TRUE(HUEX_Match(2, e) == HUEX_NOT_SUPPORTED && e[0] == element({1, 2, 3, 4}) && e[1] == element({5, 6, 7, 8})) << r.what;
        EXPECT_EQ(HUEX_EndMatching(), HUEX_OK);
    }
    EXPECT_TRUE(HUEX_Match(0, nullptr) == HUEX_OK && HUEX_Match(-1, nullptr) == HUEX_OK);
    HUEX_SetRenderingIntent(0);
    // Each begin releases the session it replaces, and so does a begin that fails.
    for (int i = 0; i < 20; ++i) HUEX_BeginMatchingSession(srgb.c_str(), press.c_str());
    const process_counts before = current_process_counts();
    for (int i = 0; i < 400; ++i) {
        ASSERT_EQ(HUEX_BeginMatchingSession(srgb.c_str(), press.c_str()), HUEX_OK);
        ASSERT_EQ(HUEX_BeginMatchingSession(srgb.c_str(), refusals[0].destination.c_str()), HUEX_NOT_SUPPORTED);
    }
    HUEX_EndMatching();
    expect_no_growth(before, current_process_counts(), 256 * 1024, 2 * 1024 * 1024);
}

// The measurement from "xyzprof.pf" to the printer, with the Debian and the generated profiles: the colour system's
// folder first (a display profile of that name in the old folder is not read), else the old one.
TEST(GetColorCMYK, MatchingRouteAgreesWithLittleCms)
{
    const LONG intent_before = HUEX_SetRenderingIntent(0);
    const struct { const char* table; std::string xyz, old_xyz, printer; } routes[] = {
        {"matching_cmyk_generated.csv", source_path("tests/profiles/xyzprof.pf"), profile("icc:sRGB.icc"), source_path("tests/profiles/huex_press_cmyk.icc")},
        {"matching_cmyk_press.csv", "", profile("icc:LCMSXYZI.ICM"), profile("data:press_cmyk.icc")}};
    for (const auto& route : routes) {
        const std::vector<cmyk_reference_entry> table = read_cmyk_reference(route.table);
        ASSERT_EQ(table.size(), 12u) << route.table;
        installed_xyz_profile xyz(route.xyz), old_xyz(route.old_xyz, old_colour_directory());
        ASSERT_EQ(HUEX_SetPrinterProfile(route.printer.c_str()), HUEX_OK);
        for (const cmyk_reference_entry& row : table) {
            const element cmyk = cmyk_of(row.system, row.flag, row.index, row.d50);
            expect_near(cmyk, row.cmyk, route.table + (" " + std::to_string(row.system) + "/" + std::to_string(row.index)));
            EXPECT_TRUE(row.d50 || cmyk_of(row.system, row.flag, row.index, 2) == cmyk) << "selector 2 is D65";
        }
    }
    // A session the host held is ended by a look-up.
    ASSERT_EQ(HUEX_BeginMatchingSession(profile("icc:sRGB.icc").c_str(), profile("icc:sRGB.icc").c_str()), HUEX_OK);
    cmyk_of(37, 0, 100, 0);
    element e = {1, 2, 3, 4};
    EXPECT_EQ(HUEX_Match(1, e.data()), HUEX_NOT_SUPPORTED);
    // A record that names no colour is refused before any profile is read.
    extended_color none = {0, 0, 0, 0};
    EXPECT_EQ(HUEX_GetColorCMYK(&none, e.data(), 1), HUEX_NO_COLOR);
    HUEX_SetRenderingIntent(intent_before);
    HUEX_SetPrinterProfile(nullptr);
}

// Relative names match like the absolute path; without the XYZ profile, the recipe.
TEST(GetColorCMYK, KeptTransformationFollowsThePrinterProfile)
{
    installed_xyz_profile xyz(profile("icc:LCMSXYZI.ICM"));
    const std::string printer = folder + "printer.icc";
    const std::string sources[] = {profile("data:press_cmyk.icc"), source_path("tests/profiles/huex_press_cmyk.icc")};
    element expected[3];
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(HUEX_SetPrinterProfile(i < 2 ? sources[i].c_str() : nullptr), i < 2 ? HUEX_OK : HUEX_DEFAULT_IN_FORCE);
        expected[i] = cmyk_of(37, 0, 100, 1);
    }
    ASSERT_TRUE(expected[0] != expected[1] && expected[1] != expected[2] && write_file_bytes(printer, read_file_bytes(sources[0])));
    char saved[MAX_PATH];
    GetCurrentDirectoryA(sizeof saved, saved);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    for (const std::string& path : {std::string("printer.icc"), printer.substr(2), printer}) {
        EXPECT_EQ(HUEX_SetPrinterProfile(path.c_str()), HUEX_OK) << path;
        EXPECT_TRUE(cmyk_of(37, 0, 100, 1) == expected[0]) << path;
        EXPECT_EQ(HUEX_BeginMatchingSession(profile("icc:sRGB.icc").substr(2).c_str(), path.c_str()), HUEX_OK) << path;
    }
    HUEX_EndMatching();
    SetCurrentDirectoryA(saved);
    const reported_change change(colour_directory());
    EXPECT_TRUE(DeleteFileA(xyz.path.c_str()) && change.seen() && cmyk_of(37, 0, 100, 1) == expected[2]);   // no xyzprof.pf: the recipe
    HUEX_SetPrinterProfile(nullptr);
}

// Each change to the printer profile, its folder or a folder above it counts at the first call after the file system
// reported it, a same-size rewrite with its old times put back included; a folder that cannot be watched is looked at
// every call. Another profile or intent counts at once. A colour asked before a change is matched again after it.
TEST(GetColorCMYK, KeptTransformationFollowsItsFolder)
{
    struct intent_put_back {
        const LONG before;
        ~intent_put_back() { HUEX_SetRenderingIntent(before); }
    } intent{HUEX_SetRenderingIntent(0)};
    installed_xyz_profile xyz(profile("icc:LCMSXYZI.ICM"));
    const std::string outer = folder + "outer", dir = outer + "\\watched", printer = dir + "\\printer.icc", fresh = dir + "\\new.tmp";
    std::vector<uint8_t> press[2] = {read_file_bytes(profile("data:press_cmyk.icc")), read_file_bytes(source_path("tests/profiles/huex_press_cmyk.icc"))};
    const size_t size = std::max(press[0].size(), press[1].size());
    element expected[4];   // each press padded past its declared size to one length, the recipe, the first at another intent
    for (int i = 0; i < 4; ++i) {
        if (i < 2) press[i].resize(size);
        ASSERT_TRUE(i == 2 || write_file_bytes(folder + "press.icc", press[i % 3]));
        HUEX_SetRenderingIntent(i == 3 ? 3 : 0);
        HUEX_SetPrinterProfile(i != 2 ? (folder + "press.icc").c_str() : nullptr);
        expected[i] = cmyk_of(37, 0, 100, 1);
    }
    HUEX_SetRenderingIntent(0);
    ASSERT_TRUE(expected[0] != expected[1] && expected[1] != expected[2] && expected[3] != expected[0] &&
                write_file_bytes(folder + "press1.icc", press[1]));
    const auto put = [&](const std::string& path) { return write_file_bytes(path, press[1]); };
    const auto rewrite_in_one_tick = [&] {
        FILETIME t[3];
        HANDLE f = CreateFileA(printer.c_str(), FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        const bool ok = GetFileTime(f, &t[0], &t[1], &t[2]) && put(printer) && SetFileTime(f, &t[0], &t[1], &t[2]);
        return CloseHandle(f) && ok;
    };
    // A folder deleted while a watch holds it stays until the watch goes (the next call): only then can it be made again.
    enum { kept, held, none, chosen };
    const struct { const char* what; int start; std::function<bool()> change; int expected; } rows[] = {
        {"same size, old times put back", kept, rewrite_in_one_tick, 1},
        {"replaced by rename", kept, [&] { return put(fresh) && MoveFileExA(fresh.c_str(), printer.c_str(), MOVEFILE_REPLACE_EXISTING); }, 1},
        {"deleted", kept, [&] { return DeleteFileA(printer.c_str()) != 0; }, 2},
        {"folder renamed, another in its place", kept,
         [&] { return MoveFileA(dir.c_str(), (folder + "moved").c_str()) && CreateDirectoryA(dir.c_str(), nullptr) && put(printer); }, 1},
        {"folder two levels up renamed, another in its place", kept, [&] {
             return MoveFileA(outer.c_str(), (folder + "outer.moved").c_str()) && CreateDirectoryA(outer.c_str(), nullptr) &&
                    CreateDirectoryA(dir.c_str(), nullptr) && put(printer); }, 1},
        {"folder removed", kept, [&] { return DeleteFileA(printer.c_str()) && RemoveDirectoryA(dir.c_str()); }, 2},
        {"folder made again", none, [&] { return CreateDirectoryA(dir.c_str(), nullptr) && put(printer); }, 1},
        {"held folder, rewritten", held, [&] { return put(printer); }, 1},
        {"held folder, deleted", held, [&] { return DeleteFileA(printer.c_str()) != 0; }, 2},
        {"another profile chosen", chosen, [&] { return HUEX_SetPrinterProfile((folder + "press1.icc").c_str()) == HUEX_OK; }, 1},
        {"intent changed", chosen, [&] { return HUEX_SetRenderingIntent(3) == 0; }, 3}};
    CreateDirectoryA(outer.c_str(), nullptr);
    for (const auto& row : rows) {
        if (row.start != none) CreateDirectoryA(dir.c_str(), nullptr);
        ASSERT_TRUE(row.start == none || write_file_bytes(printer, press[0]));
        if (row.start == held) HUEX_SetPrinterProfile(nullptr);   // the last watch lets go of the folder
        const held_folder hold{row.start == held ? CreateFileA(dir.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)
                                                 : INVALID_HANDLE_VALUE};
        ASSERT_TRUE(row.start != held || hold.handle != INVALID_HANDLE_VALUE);
        if (row.start != none) {
            ASSERT_EQ(HUEX_SetPrinterProfile(printer.c_str()), HUEX_OK);
            EXPECT_TRUE(cmyk_of(37, 0, 100, 1) == expected[0]) << row.what;
        }
        const reported_change change(dir + "\\");
        ASSERT_TRUE(row.change() && (row.start != kept || change.seen())) << row.what;
        EXPECT_TRUE(cmyk_of(37, 0, 100, 1) == expected[row.expected]) << row.what;
    }
    HUEX_SetPrinterProfile(nullptr);
}

TEST(FreshLibrary, RecipesWhitesAndMissingData) { run_host("RecipesWhitesAndMissingData", "LgICC.dll"); }

TEST(FreshLibrary, WhatReachesTheModule)
{
    DeleteFileA((folder + "lgicc_calls.log").c_str());
    run_host("WhatReachesTheModule", bin_dir() + "..\\recording_lgicc\\LgICC.dll");
    EXPECT_EQ(call_log_lines(folder + "lgicc_calls.log"),
              call_log_lines(source_path("tests/data/matching_module_calls.txt"), {{"{folder}", folder}, {"{colour}", colour_directory()}}));
}

// huexinfo color shows the recipe for the built-in printer and a match for a stored ICC printer.
TEST(Huexinfo, ColorShowsTheCmykForTheCurrentPrinter)
{
    auto cmyk_line = []() {
        std::string out;
        EXPECT_EQ(run_process("\"" + bin_dir() + "huexinfo.exe\" color \"Rosehip 1\"", bin_dir(), &out), 0) << out;
        const size_t at = out.find("CMYK ");
        return at == std::string::npos ? out : out.substr(at, out.find_first_of("\r\n", at) - at);
    };
    delete_settings_key();
    EXPECT_EQ(cmyk_line(), "CMYK          0.0 13.0 2.2 0.0 % (D50, printer: 150-line Imagesetter)");
    installed_xyz_profile xyz(profile("icc:LCMSXYZI.ICM"));
    const std::string press = profile("data:press_cmyk.icc");
    char description[260] = "";
    ASSERT_GT(HUEX_GetProfileName(press.c_str(), description), 0);
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\VERIHUE\\HUEX", "PRINTER_PROFILE_PATH", REG_SZ, press.c_str(),
                              DWORD(press.size() + 1)), ERROR_SUCCESS);
    const std::string matched = cmyk_line();
    delete_settings_key();
    EXPECT_TRUE(matched.find(std::string("(D50, printer: ") + description + ")") != std::string::npos &&
                matched.find("0.0 13.0 2.2 0.0") == std::string::npos) << matched;
}
