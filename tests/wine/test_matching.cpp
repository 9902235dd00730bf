// Matching sessions, matching to the printer and the CMYK look-up through the
// real huex.dll and LgICC.dll. Conversions are compared with Little CMS doing
// the same transforms natively on the same files (tables written by
// tools/lgicc_reference and tools/matching_reference). A fresh library with
// an add-on built here (white and near-white measurements, the recipe
// C 100 % Y 50 %, tables cut short) runs the rest in child processes, once
// beside the real module and once beside the recording build, whose log shows
// what reached the module.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "huex.h"
#include "lgicc/lgicc_module.h"
#include "lgicc/lgicc_reference_table.h"
#include "matching/cmyk_reference_generated.h"
#include "matching/cmyk_reference_table.h"
#include "addon_fixture.h"
#include "wine_test_support.h"

namespace {

const WORD sentinel = 0xBEEF;
// Agreement with Little CMS: 1 % of full scale per channel.
const int tolerance = 655;
const char* const child_variable = "HUEX_MATCHING_CHILD";
const char* const profiles_variable = "HUEX_MATCHING_PROFILES";

std::string child_mode()
{
    char mode[32] = "";
    GetEnvironmentVariableA(child_variable, mode, sizeof mode);
    return mode;
}

// The test profiles go under lower-case names: the library accepts ".icc",
// ".icm" and ".pf" only as written.
std::string lower_file_name(const std::string& reference_name)
{
    std::string lower = reference_name.substr(reference_name.find_last_of(":/") + 1);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// One folder of test profiles that the child processes share with the parent.
std::string profiles_dir()
{
    static std::string dir;
    if (!dir.empty()) return dir;
    char given[MAX_PATH] = "";
    if (GetEnvironmentVariableA(profiles_variable, given, sizeof given) != 0) return dir = given;
    dir = fresh_case_dir("matching_profiles");
    for (const char* name : {"icc:sRGB.icc", "icc:compatibleWithAdobeRGB1998.icc", "icc:colord/ProPhotoRGB.icc",
                             "icc:LCMSXYZI.ICM", "data:press_cmyk.icc"})
        EXPECT_TRUE(copy_into(reference_profile_path(name), dir, lower_file_name(name))) << name;
    std::ofstream(dir + "not_a_profile.icc") << "plain text, no ICC header";
    return dir;
}

std::string profile(const std::string& reference_name) { return profiles_dir() + lower_file_name(reference_name); }

// A file of the generated test profile set (tests/profiles).
std::string generated_profile(const std::string& name) { return source_tree_path("tests/profiles/" + name); }

// "xyzprof.pf" in the colour directory is the given XYZ profile (by default
// the Debian one) while the object lives, as the references were made with
// it; whatever lay there before comes back afterwards.
struct installed_xyz_profile {
    std::string path = colour_directory() + "xyzprof.pf";
    std::string saved = bin_dir() + "cases\\xyzprof.pf.saved";
    bool had_one = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;

    explicit installed_xyz_profile(const std::string& source = profile("icc:LCMSXYZI.ICM"))
    {
        CreateDirectoryA(colour_directory().c_str(), nullptr);
        if (had_one) CopyFileA(path.c_str(), saved.c_str(), FALSE);
        EXPECT_TRUE(CopyFileA(source.c_str(), path.c_str(), FALSE)) << source;
    }
    void remove() { DeleteFileA(path.c_str()); }
    ~installed_xyz_profile()
    {
        if (had_one) CopyFileA(saved.c_str(), path.c_str(), FALSE);
        else DeleteFileA(path.c_str());
    }
};

std::string default_printer()
{
    char* name = nullptr;
    EXPECT_EQ(HUEX_GetDefaultPrinterProfile(&name), HUEX_OK);
    std::string s = name ? name : "";
    HUEX_DisposeProfile(name);
    return s;
}

extended_color record(short system, short flag, short index)
{
    extended_color r = {0x1100, 0x2200, 0x3300, 0};
    EXPECT_EQ(HUEX_EncodeColor(system, flag, index, &r), HUEX_OK);
    return r;
}

struct element {
    WORD v[4];
};

// The CMYK of a reference row's colour through the current printer profile.
element cmyk_of(const cmyk_reference_entry& row, short selector)
{
    extended_color r = record(row.system, row.flag, row.index);
    element e = {{sentinel, sentinel, sentinel, sentinel}};
    EXPECT_EQ(HUEX_GetColorCMYK(&r, e.v, selector), HUEX_OK) << row.system << "/" << row.flag << "/" << row.index;
    return e;
}

// Blocks in use on the process heap, where LocalAlloc takes the printer
// profile copies from.
size_t busy_heap_blocks()
{
    size_t busy = 0;
    PROCESS_HEAP_ENTRY entry = {};
    HeapLock(GetProcessHeap());
    while (HeapWalk(GetProcessHeap(), &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ++busy;
    HeapUnlock(GetProcessHeap());
    return busy;
}

bool is_cmyk(const char* reference_name) { return std::strstr(reference_name, "cmyk") != nullptr; }
bool is_xyz(const char* reference_name) { return std::strstr(reference_name, "XYZ") != nullptr; }

}  // namespace

// Every pair the library supports, on shipped and generated profiles, one
// array per pair, against the Little CMS results of the module's own table.
TEST(MatchingSession, EveryPairAgreesWithLittleCms)
{
    if (!child_mode().empty()) GTEST_SKIP();
    std::map<std::string, std::vector<const lgicc_reference_row*>> groups;
    for (const lgicc_reference_row& row : lgicc_reference_rows) {
        if (is_xyz(row.destination)) continue;
        groups[std::string(row.source) + ">" + row.destination + ">" + std::to_string(row.intent)].push_back(&row);
    }
    ASSERT_EQ(groups.size(), 8u);
    const LONG intent_before = HUEX_GetRenderingIntent();
    int worst = 0;
    for (const auto& group : groups) {
        const lgicc_reference_row& first = *group.second.front();
        HUEX_SetRenderingIntent(first.intent);
        ASSERT_EQ(HUEX_BeginMatchingSession(profile(first.source).c_str(), profile(first.destination).c_str()), HUEX_OK)
            << group.first;
        std::vector<element> colors;
        for (size_t i = 0; i < group.second.size(); ++i) {
            const lgicc_reference_row& row = *group.second[i];
            element e = {{row.in[0], row.in[1], row.in[2], row.source_channels == 4 ? row.in[3] : sentinel}};
            // Hosts send XYZ with 65535 for 100; the module gets half of it,
            // the odd bit dropped.
            if (is_xyz(row.source))
                for (int c = 0; c < 3; ++c) e.v[c] = static_cast<WORD>(std::min(65535, 2 * row.in[c] + int(i & 1)));
            colors.push_back(e);
        }
        ASSERT_EQ(HUEX_Match(static_cast<LONG>(colors.size()), colors.data()), HUEX_OK) << group.first;
        for (size_t i = 0; i < colors.size(); ++i) {
            const lgicc_reference_row& row = *group.second[i];
            for (int c = 0; c < row.destination_channels; ++c) {
                const int diff = std::abs(int(colors[i].v[c]) - int(row.out[c]));
                worst = std::max(worst, diff);
                EXPECT_LE(diff, tolerance) << group.first << " colour " << i << " channel " << c;
            }
            if (row.destination_channels == 3) {
                EXPECT_EQ(colors[i].v[3], 0) << group.first;
            }
        }
        EXPECT_EQ(HUEX_EndMatching(), HUEX_OK);
    }
    HUEX_SetRenderingIntent(intent_before);
    std::printf("largest difference from Little CMS: %d of 65535\n", worst);
    RecordProperty("largest_difference", worst);
}

// Refusals leave no session behind: a following match fails without touching
// the colours, and ending is harmless.
TEST(MatchingSession, RefusedProfilesLeaveNoSession)
{
    if (!child_mode().empty()) GTEST_SKIP();
    const std::string srgb = profile("icc:sRGB.icc");
    const std::string press = profile("data:press_cmyk.icc");
    const std::string missing = profiles_dir() + "missing.icc";
    const std::string text = profiles_dir() + "not_a_profile.icc";
    struct refusal {
        const char* what;
        std::string source, destination;
    } refusals[] = {
        {"XYZ destination", srgb, profile("icc:LCMSXYZI.ICM")},
        {"missing source", missing, press},
        {"missing destination", srgb, missing},
        {"text file", text, press},
        {"extension in upper case", reference_profile_path("icc:LCMSXYZI.ICM"), press},
        {"default display", "Default Display", press},
    };
    for (const refusal& r : refusals) {
        EXPECT_EQ(HUEX_BeginMatchingSession(r.source.c_str(), r.destination.c_str()), HUEX_NOT_SUPPORTED) << r.what;
        element e = {{1, 2, 3, 4}};
        EXPECT_EQ(HUEX_Match(1, &e), HUEX_NOT_SUPPORTED) << r.what;
        EXPECT_EQ(e.v[0] + e.v[1] + e.v[2] + e.v[3], 10) << r.what;
        EXPECT_EQ(HUEX_EndMatching(), HUEX_OK);
    }
    EXPECT_EQ(HUEX_BeginMatchingSession(nullptr, press.c_str()), HUEX_NOT_SUPPORTED);
    EXPECT_EQ(HUEX_BeginMatchingSession(srgb.c_str(), nullptr), HUEX_NOT_SUPPORTED);

    // The built-in display as the monitor profile is no file to match from.
    EXPECT_EQ(HUEX_SetMonitorProfile(nullptr), HUEX_DEFAULT_IN_FORCE);
    EXPECT_EQ(HUEX_BeginMatching(press.c_str()), HUEX_NOT_SUPPORTED);
    ASSERT_EQ(HUEX_SetMonitorProfile(srgb.c_str()), HUEX_OK);
    EXPECT_EQ(HUEX_BeginMatching(press.c_str()), HUEX_OK);
    EXPECT_EQ(HUEX_EndMatching(), HUEX_OK);
    EXPECT_EQ(HUEX_EndMatching(), HUEX_OK);
}

TEST(MatchingSession, CountsBelowOneAndColoursWithoutSession)
{
    if (!child_mode().empty()) GTEST_SKIP();
    element e[2] = {{{100, 200, 300, 400}}, {{500, 600, 700, 800}}};
    ASSERT_EQ(HUEX_BeginMatchingSession(profile("icc:sRGB.icc").c_str(), profile("data:press_cmyk.icc").c_str()),
              HUEX_OK);
    EXPECT_EQ(HUEX_Match(0, e), HUEX_OK);
    EXPECT_EQ(HUEX_Match(-1, e), HUEX_OK);
    EXPECT_EQ(HUEX_Match(0, nullptr), HUEX_OK);
    EXPECT_EQ(HUEX_Match(1, nullptr), HUEX_NOT_SUPPORTED);
    EXPECT_EQ(e[0].v[0], 100);
    EXPECT_EQ(e[1].v[3], 800);
    EXPECT_EQ(HUEX_EndMatching(), HUEX_OK);
    // The first element fails: it and all after it stay as they were.
    EXPECT_EQ(HUEX_Match(2, e), HUEX_NOT_SUPPORTED);
    EXPECT_EQ(e[0].v[0] + e[0].v[1] + e[0].v[2] + e[0].v[3], 1000);
    EXPECT_EQ(e[1].v[0] + e[1].v[1] + e[1].v[2] + e[1].v[3], 2600);

    const LONG before = HUEX_SetRenderingIntent(3);
    EXPECT_EQ(HUEX_GetRenderingIntent(), 3);
    EXPECT_EQ(HUEX_SetRenderingIntent(before), 3);
    // An intent outside the ICC numbering reaches the module, which refuses it.
    HUEX_SetRenderingIntent(7);
    EXPECT_EQ(HUEX_BeginMatchingSession(profile("icc:sRGB.icc").c_str(), profile("data:press_cmyk.icc").c_str()),
              HUEX_NOT_SUPPORTED);
    HUEX_SetRenderingIntent(before);
}

// A host that begins session after session without ending them leaks
// nothing: each begin releases the session it replaces, and so does a begin
// that fails.
TEST(MatchingSession, ReplacedAndRefusedSessionsAreReleased)
{
    if (!child_mode().empty()) GTEST_SKIP();
    const std::string srgb = profile("icc:sRGB.icc");
    const std::string press = profile("data:press_cmyk.icc");
    const std::string xyz = profile("icc:LCMSXYZI.ICM");
    for (int i = 0; i < 20; ++i) HUEX_BeginMatchingSession(srgb.c_str(), press.c_str());
    const process_counts before = current_process_counts();
    for (int i = 0; i < 400; ++i) {
        ASSERT_EQ(HUEX_BeginMatchingSession(srgb.c_str(), press.c_str()), HUEX_OK);
        ASSERT_EQ(HUEX_BeginMatchingSession(srgb.c_str(), xyz.c_str()), HUEX_NOT_SUPPORTED);
    }
    HUEX_EndMatching();
    const process_counts after = current_process_counts();
    expect_no_growth(before, after, 256 * 1024, 2 * 1024 * 1024);
}

// The CMYK of every row of a Little CMS table through the current printer
// profile; the largest difference seen.
template <size_t n>
int expect_agreement(const cmyk_reference_entry (&table)[n], const char* what)
{
    int worst = 0;
    for (const cmyk_reference_entry& row : table) {
        const element cmyk = cmyk_of(row, row.d50);
        for (int c = 0; c < 4; ++c) {
            const int diff = std::abs(int(cmyk.v[c]) - int(row.cmyk[c]));
            worst = std::max(worst, diff);
            EXPECT_LE(diff, tolerance) << what << " " << row.system << "/" << row.flag << "/" << row.index;
        }
        if (row.d50 == 0) {
            EXPECT_EQ(std::memcmp(cmyk_of(row, 2).v, cmyk.v, sizeof cmyk), 0) << "selector 2 reads D65 like 0";
        }
    }
    std::printf("largest difference from Little CMS, %s: %d of 65535\n", what, worst);
    return worst;
}

// The matching route: the colour's measurement from "xyzprof.pf" to the
// printer profile, as Little CMS does it from the same measurement, with the
// Debian and with the generated profiles; without "xyzprof.pf" the recipe,
// as with the built-in printer.
TEST(GetColorCMYK, MatchingRouteAgreesWithLittleCmsAndFallsBackToTheRecipe)
{
    if (!child_mode().empty()) GTEST_SKIP();
    const std::string builtin = default_printer();
    std::vector<element> recipes;
    ASSERT_EQ(HUEX_SetPrinterProfile(builtin.c_str()), HUEX_OK);
    for (const cmyk_reference_entry& row : cmyk_reference_table) recipes.push_back(cmyk_of(row, row.d50));
    const LONG intent_before = HUEX_SetRenderingIntent(0);
    {
        installed_xyz_profile generated(generated_profile("xyzprof.pf"));
        ASSERT_EQ(HUEX_SetPrinterProfile(generated_profile("huex_press_cmyk.icc").c_str()), HUEX_OK);
        expect_agreement(cmyk_reference_generated, "generated profiles");
    }
    installed_xyz_profile xyz;
    ASSERT_EQ(HUEX_SetPrinterProfile(profile("data:press_cmyk.icc").c_str()), HUEX_OK);
    expect_agreement(cmyk_reference_table, "Debian XYZ profile");

    // A session the host held is replaced and gone afterwards.
    ASSERT_EQ(HUEX_BeginMatchingSession(profile("icc:sRGB.icc").c_str(), profile("icc:sRGB.icc").c_str()), HUEX_OK);
    extended_color r = record(37, 0, 100);
    WORD cmyk[4];
    ASSERT_EQ(HUEX_GetColorCMYK(&r, cmyk, 0), HUEX_OK);
    element e = {{1, 2, 3, 4}};
    EXPECT_EQ(HUEX_Match(1, &e), HUEX_NOT_SUPPORTED);

    xyz.remove();
    for (size_t i = 0; i < recipes.size(); ++i) {
        const cmyk_reference_entry& row = cmyk_reference_table[i];
        EXPECT_EQ(std::memcmp(cmyk_of(row, row.d50).v, recipes[i].v, 8), 0) << "no xyzprof.pf: the recipe, row " << i;
    }

    // A record that names no colour is refused before any profile is read.
    extended_color none = {0, 0, 0, 0};
    WORD untouched[4] = {sentinel, sentinel, sentinel, sentinel};
    EXPECT_EQ(HUEX_GetColorCMYK(&none, untouched, 1), HUEX_NO_COLOR);
    EXPECT_EQ(untouched[0], sentinel);
    EXPECT_EQ(HUEX_GetColorCMYK(nullptr, untouched, 1), HUEX_NO_COLOR);
    EXPECT_EQ(HUEX_GetColorCMYK(&r, nullptr, 1), HUEX_NO_COLOR);
    HUEX_SetRenderingIntent(intent_before);
    HUEX_SetPrinterProfile(builtin.c_str());
}

// The printer profile named relative to the current directory or to the root
// of the current drive gives what its absolute path gives.
TEST(GetColorCMYK, RelativePrinterPathsMatchLikeTheAbsolutePath)
{
    if (!child_mode().empty()) GTEST_SKIP();
    installed_xyz_profile xyz;
    const std::string press = profile("data:press_cmyk.icc");
    char saved[MAX_PATH];
    GetCurrentDirectoryA(sizeof saved, saved);
    ASSERT_TRUE(SetCurrentDirectoryA(profiles_dir().c_str()));
    extended_color r = record(37, 0, 100);
    WORD absolute[4], cmyk[4];
    ASSERT_EQ(HUEX_SetPrinterProfile(press.c_str()), HUEX_OK);
    ASSERT_EQ(HUEX_GetColorCMYK(&r, absolute, 1), HUEX_OK);
    for (const std::string& path : {std::string("press_cmyk.icc"), press.substr(2)}) {
        EXPECT_EQ(HUEX_SetPrinterProfile(path.c_str()), HUEX_OK) << path;
        EXPECT_EQ(HUEX_GetColorCMYK(&r, cmyk, 1), HUEX_OK) << path;
        EXPECT_EQ(std::memcmp(cmyk, absolute, 8), 0) << path;
        EXPECT_EQ(HUEX_BeginMatchingSession(profile("icc:sRGB.icc").substr(2).c_str(), path.c_str()), HUEX_OK) << path;
    }
    HUEX_EndMatching();
    SetCurrentDirectoryA(saved);
    HUEX_SetPrinterProfile(default_printer().c_str());
}

// No file is held between look-ups: the printer profile rewritten in place
// gives the new answer at the next call, and deleted, the recipe.
TEST(GetColorCMYK, PrinterProfileRewrittenOrDeletedBetweenCalls)
{
    if (!child_mode().empty()) GTEST_SKIP();
    installed_xyz_profile xyz;
    const std::string printer = fresh_case_dir("matching_rewritten") + "printer.icc";
    const std::string sources[] = {profile("data:press_cmyk.icc"), generated_profile("huex_press_cmyk.icc"),
                                   default_printer()};
    extended_color r = record(37, 0, 100);
    WORD expected[3][4], got[4];
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(HUEX_SetPrinterProfile(sources[i].c_str()), HUEX_OK);
        ASSERT_EQ(HUEX_GetColorCMYK(&r, expected[i], 1), HUEX_OK);
    }
    ASSERT_TRUE(std::memcmp(expected[0], expected[1], 8) && std::memcmp(expected[1], expected[2], 8));
    ASSERT_TRUE(write_file(printer, file_bytes(sources[0])));
    ASSERT_EQ(HUEX_SetPrinterProfile(printer.c_str()), HUEX_OK);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(HUEX_GetColorCMYK(&r, got, 1), HUEX_OK);
        EXPECT_EQ(std::memcmp(got, expected[i], 8), 0) << i;
        if (i == 0) ASSERT_TRUE(write_file(printer, file_bytes(sources[1])));
        if (i == 1) ASSERT_TRUE(DeleteFileA(printer.c_str()));
    }
    HUEX_SetPrinterProfile(default_printer().c_str());
}

TEST(MatchToPrinterProfile, IccPrinterMatchesFromTheMonitorProfile)
{
    if (!child_mode().empty()) GTEST_SKIP();
    ASSERT_EQ(HUEX_SetMonitorProfile(profile("icc:sRGB.icc").c_str()), HUEX_OK);
    ASSERT_EQ(HUEX_SetPrinterProfile(profile("data:press_cmyk.icc").c_str()), HUEX_OK);
    const LONG intent_before = HUEX_SetRenderingIntent(3);
    std::vector<element> colors;
    std::vector<const lgicc_reference_row*> rows;
    for (const lgicc_reference_row& row : lgicc_reference_rows)
        if (std::strcmp(row.source, "icc:sRGB.icc") == 0 && is_cmyk(row.destination) && row.intent == 3) {
            colors.push_back({{row.in[0], row.in[1], row.in[2], sentinel}});
            rows.push_back(&row);
        }
    ASSERT_EQ(rows.size(), 10u);
    ASSERT_EQ(HUEX_MatchToPrinterProfile(static_cast<LONG>(colors.size()), colors.data()), HUEX_OK);
    for (size_t i = 0; i < rows.size(); ++i)
        for (int c = 0; c < 4; ++c) EXPECT_LE(std::abs(int(colors[i].v[c]) - int(rows[i]->out[c])), tolerance) << i;
    // It ended its session.
    element e = {{1, 2, 3, 4}};
    EXPECT_EQ(HUEX_Match(1, &e), HUEX_NOT_SUPPORTED);

    EXPECT_EQ(HUEX_MatchToPrinterProfile(0, nullptr), HUEX_OK);
    EXPECT_EQ(HUEX_SetMonitorProfile(nullptr), HUEX_DEFAULT_IN_FORCE);
    EXPECT_EQ(HUEX_MatchToPrinterProfile(1, &e), HUEX_NOT_SUPPORTED);
    EXPECT_EQ(e.v[0], 1);
    HUEX_SetRenderingIntent(intent_before);
    HUEX_SetPrinterProfile(default_printer().c_str());
}

TEST(MatchToPrinterProfile, BuiltInPrinterGivesRecipesUpToTheFirstFailure)
{
    if (!child_mode().empty()) GTEST_SKIP();
    ASSERT_EQ(HUEX_SetPrinterProfile(default_printer().c_str()), HUEX_OK);
    extended_color colors[4] = {record(37, 0, 10), record(293, 0, 2000), {0, 0, 0, 0}, record(37, 1, 5)};
    const extended_color original[4] = {colors[0], colors[1], colors[2], colors[3]};
    WORD expected[2][4];
    for (int i = 0; i < 2; ++i) ASSERT_EQ(HUEX_GetColorCMYK(&colors[i], expected[i], 0), HUEX_OK);

    EXPECT_EQ(HUEX_MatchToPrinterProfile(4, colors), HUEX_NO_COLOR);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(std::memcmp(&colors[i], expected[i], 8), 0) << i;
    for (int i = 2; i < 4; ++i) EXPECT_EQ(std::memcmp(&colors[i], &original[i], 8), 0) << i;
}

// ---- A fresh library with an add-on built for these cases ----------------

namespace {

// Code 549, eight colours: 0 white, 1 at the white threshold with the recipe
// C 100 % Y 50 %, 2 just below it, 3 X = Y = Z = 50 under D50, 4 an ordinary
// colour with that recipe, 5 without measurements, 6 and 7 without either.
bool make_fixture_addon(const std::string& path)
{
    addon_tables t;
    t.pub = "// [desc] pub_no colors_per_page number_of_pages //\r\n[Matching Fixture] 4 4 2\r\n"
            "// [display_suffix][printer_suffix]\r\n[DMF][PMF]\r\n// [CMYK Description] //\r\n[Fixture]\r\n"
            "// COLOR_NAME_SIZE //\r\n8\r\n";
    t.names = std::string(64, 'n');
    t.cie50 = table_words({10000, 10000, 10000, 9999, 9999, 9999, 9998, 9999, 9999, 5000, 5000, 5000, 3000, 2000, 1000});
    t.cie65 = table_words({10000, 10000, 10000, 9999, 9999, 9999, 9998, 9999, 9999, 2000, 2000, 2000, 3000, 2000, 1000});
    t.cmyk = table_words({0, 0, 0, 0, 1000, 0, 500, 0, 200, 300, 400, 100,
                          1000, 0, 500, 0, 1000, 0, 500, 0, 100, 100, 100, 100});
    t.code = "549";
    t.flag = "0";
    return build_addon(path, t);
}

// Runs this program's Child cases for mode in a folder with the library, the
// module of module_path and the fixture add-on; the child must pass.
void run_child(const std::string& mode, const std::string& module_path, const std::string& log = "")
{
    profiles_dir();
    const std::string dir = fresh_case_dir("matching_" + mode);
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    EXPECT_TRUE(copy_into(self, dir, "test_matching.exe"));
    EXPECT_TRUE(copy_into("huex.dll", dir));
    EXPECT_TRUE(copy_into(module_path, dir, "LgICC.dll"));
    EXPECT_TRUE(make_fixture_addon(dir + "huex_matchfix.dll"));
    delete_settings_key();
    SetEnvironmentVariableA(child_variable, mode.c_str());
    SetEnvironmentVariableA(profiles_variable, profiles_dir().c_str());
    if (!log.empty()) SetEnvironmentVariableA("LGICC_CALL_LOG", log.c_str());
    std::string out;
    const int rc = run_process("\"" + dir + "test_matching.exe\" --gtest_filter=Child*", dir, &out);
    SetEnvironmentVariableA(child_variable, nullptr);
    SetEnvironmentVariableA(profiles_variable, nullptr);
    SetEnvironmentVariableA("LGICC_CALL_LOG", nullptr);
    delete_settings_key();
    EXPECT_EQ(rc, 0) << out;
    EXPECT_NE(out.find("[  PASSED  ] 1 test"), std::string::npos) << out;
}

std::vector<std::string> read_lines(const std::string& path)
{
    std::ifstream file(path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Converted values depend on the engine, not on the library.
        const size_t out = line.find(" out=");
        if (out != std::string::npos) line.erase(out, line.find(" status=") - out);
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

TEST(FreshLibrary, RecipesWhitesAndMissingData)
{
    if (!child_mode().empty()) GTEST_SKIP();
    installed_xyz_profile xyz;
    run_child("module", "LgICC.dll");
}

TEST(FreshLibrary, WhatReachesTheModule)
{
    if (!child_mode().empty()) GTEST_SKIP();
    installed_xyz_profile xyz;
    const std::string log = bin_dir() + "cases\\matching_calls.log";
    DeleteFileA(log.c_str());
    run_child("recording", bin_dir() + "..\\recording_lgicc\\LgICC.dll", log);

    const std::string xyz_source = profile("icc:LCMSXYZI.ICM");
    const std::string srgb = profile("icc:sRGB.icc");
    const std::string press = profile("data:press_cmyk.icc");
    auto begin = [](int serial, const std::string& source, const std::string& destination) {
        const std::string t = "T" + std::to_string(serial);
        return std::vector<std::string>{
            "SetOptions options=0x00000000 option=0 value=2 result=0x00000002",
            "SetOptions options=0x00000002 option=2 value=0 result=0x00000002",
            "LgoNewTransformPtr result=" + t,
            "LgoCreateMatchTransformation t=" + t + " source=\"" + source + "\" destination=\"" + destination +
                "\" arg4=0 options=0x00000002 arg6=0 arg7=0 arg8=2 arg9=0 status=0"};
    };
    auto match = [](int serial, int source_channels, int destination_channels, const std::string& in) {
        return "LgoICCMatchColors t=T" + std::to_string(serial) + " options=0x00000002 count=1 source_channels=" +
               std::to_string(source_channels) + " destination_channels=" + std::to_string(destination_channels) +
               " arg8=0 arg9=0 arg10=2 arg11=0 in=" + in + " status=0";
    };
    auto end = [](int serial) { return "LgoDeleteMatchTransformation t=T" + std::to_string(serial) + " status=0"; };

    std::vector<std::string> expected;
    auto add = [&expected](const std::vector<std::string>& lines) {
        expected.insert(expected.end(), lines.begin(), lines.end());
    };
    // XYZ to CMYK: each value halved, the odd bit dropped.
    add(begin(1, xyz_source, press));
    add({match(1, 3, 4, "32767,16384,0"), match(1, 3, 4, "1,0,32767"), end(1)});
    // RGB to RGB, and CMYK to RGB: the fourth value goes only from a CMYK source.
    add(begin(2, srgb, srgb));
    add({match(2, 3, 3, "65535,32768,1"), end(2)});
    add(begin(3, press, srgb));
    add({match(3, 4, 3, "100,200,300,400"), end(3)});
    // A refused kind: the object is made and released at once, never prepared.
    const std::vector<std::string> refused = begin(4, srgb, xyz_source);
    add({refused[0], refused[1], refused[2], end(4)});
    // The look-up: the white colour never reaches the module; X = Y = Z = 50
    // is 32767 before halving.
    // The look-up keeps its transformation for the next call.
    add(begin(5, colour_directory() + "xyzprof.pf", press));
    add({match(5, 3, 4, "16383,16383,16383")});
    EXPECT_EQ(read_lines(log), expected);
}

TEST(Child, RecipesWhitesAndMissingData)
{
    if (child_mode() != "module") GTEST_SKIP();
    EXPECT_EQ(HUEX_GetRenderingIntent(), 0) << "after load";
    extended_color fixture[8];
    for (short i = 0; i < 8; ++i) fixture[i] = record(549, 0, i);
    const std::string builtin = default_printer();
    const element recipe = {{65535, 0, 32767, 0}};  // C 100 %, Y 50 %: the half is truncated

    ASSERT_EQ(HUEX_SetPrinterProfile(builtin.c_str()), HUEX_OK);
    WORD cmyk[4];
    ASSERT_EQ(HUEX_GetColorCMYK(&fixture[4], cmyk, 1), HUEX_OK);
    EXPECT_EQ(std::memcmp(cmyk, recipe.v, 8), 0);
    ASSERT_EQ(HUEX_GetColorCMYK(&fixture[5], cmyk, 1), HUEX_OK) << "the built-in printer needs no measurement";
    EXPECT_EQ(cmyk[0], 6553);
    WORD untouched[4] = {sentinel, sentinel, sentinel, sentinel};
    EXPECT_EQ(HUEX_GetColorCMYK(&fixture[6], untouched, 1), HUEX_NO_DATA);
    EXPECT_EQ(untouched[0], sentinel);

    // Matching to the built-in printer stops at the first colour without a
    // recipe; those before it hold their values, it and the rest are unchanged.
    extended_color colors[3] = {fixture[4], fixture[6], fixture[1]};
    EXPECT_EQ(HUEX_MatchToPrinterProfile(3, colors), HUEX_NO_DATA);
    EXPECT_EQ(std::memcmp(&colors[0], recipe.v, 8), 0);
    EXPECT_EQ(std::memcmp(&colors[1], &fixture[6], 8), 0);
    EXPECT_EQ(std::memcmp(&colors[2], &fixture[1], 8), 0);

    ASSERT_EQ(HUEX_SetPrinterProfile(profile("data:press_cmyk.icc").c_str()), HUEX_OK);
    // Paper white, under either illuminant and at the threshold itself, is its recipe.
    ASSERT_EQ(HUEX_GetColorCMYK(&fixture[0], cmyk, 1), HUEX_OK);
    EXPECT_EQ(cmyk[0] + cmyk[1] + cmyk[2] + cmyk[3], 0);
    for (short d50 : {1, 0}) {
        ASSERT_EQ(HUEX_GetColorCMYK(&fixture[1], cmyk, d50), HUEX_OK);
        EXPECT_EQ(std::memcmp(cmyk, recipe.v, 8), 0) << d50;
    }
    // Just below it the measurement is matched, not the recipe (13107, 19660, ...).
    ASSERT_EQ(HUEX_GetColorCMYK(&fixture[2], cmyk, 1), HUEX_OK);
    const WORD near_white_recipe[4] = {13107, 19660, 26214, 6553};
    EXPECT_NE(std::memcmp(cmyk, near_white_recipe, 8), 0);
    ASSERT_EQ(HUEX_GetColorCMYK(&fixture[4], cmyk, 1), HUEX_OK);
    EXPECT_NE(std::memcmp(cmyk, recipe.v, 8), 0);
    // No measurement on the matching route: 3, even with a recipe.
    EXPECT_EQ(HUEX_GetColorCMYK(&fixture[5], untouched, 1), HUEX_NO_DATA);
    EXPECT_EQ(untouched[0], sentinel);

    // Every way out gives the printer profile copy back: 20000 look-ups on
    // the paths that need no module (white, no measurement, recipe, no recipe).
    const size_t before = busy_heap_blocks();
    for (int printer = 0; printer < 2; ++printer) {
        ASSERT_EQ(HUEX_SetPrinterProfile(printer ? builtin.c_str() : profile("data:press_cmyk.icc").c_str()), HUEX_OK);
        for (int i = 0; i < 10000; ++i) HUEX_GetColorCMYK(&fixture[printer ? 4 + (i & 2) : 5 * (i & 1)], cmyk, 1);
    }
    EXPECT_LT(busy_heap_blocks(), before + 100);
}

TEST(Child, WhatReachesTheModule)
{
    if (child_mode() != "recording") GTEST_SKIP();
    const std::string xyz = profile("icc:LCMSXYZI.ICM");
    const std::string srgb = profile("icc:sRGB.icc");
    const std::string press = profile("data:press_cmyk.icc");
    EXPECT_EQ(HUEX_SetRenderingIntent(2), 0);

    struct session {
        const std::string& source;
        const std::string& destination;
        LONG count;
        element colors[2];
    } sessions[] = {
        {xyz, press, 2, {{{65535, 32768, 0, sentinel}}, {{3, 1, 65535, sentinel}}}},
        {srgb, srgb, 1, {{{65535, 32768, 1, sentinel}}}},
        {press, srgb, 1, {{{100, 200, 300, 400}}}},
    };
    for (session& s : sessions) {
        ASSERT_EQ(HUEX_BeginMatchingSession(s.source.c_str(), s.destination.c_str()), HUEX_OK);
        ASSERT_EQ(HUEX_Match(s.count, s.colors), HUEX_OK);
        HUEX_EndMatching();
    }

    EXPECT_EQ(HUEX_BeginMatchingSession(srgb.c_str(), xyz.c_str()), HUEX_NOT_SUPPORTED);
    HUEX_EndMatching();

    ASSERT_EQ(HUEX_SetPrinterProfile(press.c_str()), HUEX_OK);
    extended_color white = record(549, 0, 0), fifty = record(549, 0, 3);
    WORD out[4];
    ASSERT_EQ(HUEX_GetColorCMYK(&white, out, 1), HUEX_OK);
    ASSERT_EQ(HUEX_GetColorCMYK(&fifty, out, 1), HUEX_OK);
}

// huexinfo color NAME shows the CMYK for the printer profile stored in the
// settings: the recipe for the built-in printer, a match for an ICC printer.
TEST(Huexinfo, ColorShowsTheCmykForTheCurrentPrinter)
{
    if (!child_mode().empty()) GTEST_SKIP();
    auto cmyk_line = []() {
        std::string out;
        EXPECT_EQ(run_process("\"" + bin_dir() + "huexinfo.exe\" color \"Rosehip 1\"", bin_dir(), &out), 0) << out;
        const size_t at = out.find("CMYK ");
        return at == std::string::npos ? out : out.substr(at, out.find_first_of("\r\n", at) - at);
    };
    delete_settings_key();
    EXPECT_EQ(cmyk_line(), "CMYK          0.0 13.0 2.2 0.0 % (D50, printer: 150-line Imagesetter)");

    installed_xyz_profile xyz;
    const std::string press = profile("data:press_cmyk.icc");
    char description[260] = "";
    ASSERT_GT(HUEX_GetProfileName(press.c_str(), description), 0);
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\VERIHUE\\HUEX", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "PRINTER_PROFILE_PATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(press.c_str()),
                   static_cast<DWORD>(press.size() + 1));
    RegCloseKey(key);
    const std::string matched = cmyk_line();
    delete_settings_key();
    EXPECT_NE(matched.find(std::string("(D50, printer: ") + description + ")"), std::string::npos) << matched;
    EXPECT_EQ(matched.find("0.0 13.0 2.2 0.0"), std::string::npos) << matched;
}
