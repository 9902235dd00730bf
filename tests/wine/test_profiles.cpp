// Profile choice, header queries and the colour directory walk, on copies of the test profiles.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "huex.h"
#include "test_data.h"
#include "wine_test_support.h"

namespace {

const char default_display[] = "Default Display", default_printer[] = "150-line Imagesetter";
std::string dir;  // the test's copies

std::string taken(short(WINAPI* getter)(char**))
{
    char* text = nullptr;
    EXPECT_EQ(getter(&text), HUEX_OK);
    std::string s = text ? text : "(null)";
    HUEX_DisposeProfile(text);
    return s;
}

class profiles_environment : public ::testing::Environment {
    void SetUp() override
    {
        dir = fresh_case_dir("profiles");
        for (const char* name : {"huex_display_gamma.icc", "huex_press_cmyk.icc", "xyzprof.pf", "huex_lab_space.icc", "huex_scanner.icc"})
            ASSERT_TRUE(copy_into(source_path(std::string("tests/profiles/") + name), dir)) << name;
        ASSERT_TRUE(copy_into("Z:\\usr\\share\\color\\icc\\colord\\sRGB.icc", dir, "colord_srgb_v4.icc"));
        std::vector<uint8_t> bare(132, 0);
        bare[3] = 132, bare[67] = 3;
        std::memcpy(&bare[12], "mntrLab Lab ", 12);
        std::memcpy(&bare[36], "acsp", 4);
        ASSERT_TRUE(write_file_bytes(dir + "bare.icc", bare));
    }
    void TearDown() override
    {
        HUEX_SetMonitorProfile(default_display);
        HUEX_SetPrinterProfile(default_printer);
    }
};
const auto* environment = ::testing::AddGlobalTestEnvironment(new profiles_environment);

}  // namespace

TEST(Profiles, HandedOutCopiesAreExactLocalBlocks)
{
    for (const char* text : {"", "C:\\x\\y.icm"}) {
        char* p = nullptr;
        ASSERT_EQ(HUEX_CreateProfile(text, &p), HUEX_OK);
        EXPECT_EQ(LocalSize(p), std::strlen(text) + 1);
        EXPECT_STREQ(p, text);
        EXPECT_EQ(HUEX_DisposeProfile(p), HUEX_OK);
    }
    EXPECT_EQ(taken(HUEX_GetDefaultPrinterProfile), default_printer);
}

// Each refused path, set over a good one, leaves the default in force; 259 characters is the longest path.
TEST(Profiles, SetAndGetIncludingRefusals)
{
    std::string longest = dir + std::string(259 - dir.size() - 4, 'm') + ".icc";
    ASSERT_TRUE(CopyFileA((dir + "huex_display_gamma.icc").c_str(), longest.c_str(), FALSE));
    const struct {
        short(WINAPI* set)(const char*);
        short(WINAPI* get)(char**);
        const char* fallback;
        std::vector<std::string> good, refused;
    } kinds[] = {
        {HUEX_SetMonitorProfile, HUEX_GetMonitorProfile, default_display, {dir + "huex_display_gamma.icc", longest, default_display},
         {dir + "missing.icc", longest + "x.icc"}},
        {HUEX_SetPrinterProfile, HUEX_GetPrinterProfile, default_printer, {dir + "huex_press_cmyk.icc", default_printer},
         {dir + "missing.icm", dir + std::string(260, 'p') + ".icc"}},
    };
    for (const auto& k : kinds) {
        for (const std::string& good : k.good) {
            EXPECT_EQ(k.set(good.c_str()), HUEX_OK) << good;
            EXPECT_EQ(taken(k.get), good);
        }
        for (const std::string& bad : k.refused) {
            EXPECT_EQ(k.set(k.good[0].c_str()), HUEX_OK);
            EXPECT_EQ(k.set(bad.c_str()), HUEX_DEFAULT_IN_FORCE) << bad;
            EXPECT_EQ(taken(k.get), k.fallback);
        }
    }
}

TEST(Profiles, HeaderCodesAndNames)
{
    const std::vector<data_row> cases = read_data_table("core_profile_headers.csv");
    ASSERT_EQ(cases.size(), 9u);
    for (const data_row& c : cases) {
        const std::string path = c[0].find('.') == std::string::npos ? c[0] : dir + c[0];
        char name[260];
        std::memset(name, 'Z', sizeof name);
        name[1] = 0;
        const short n = HUEX_GetProfileName(path.c_str(), name);
        EXPECT_EQ((std::vector<long>{HUEX_GetProfileType(path.c_str()), HUEX_GetProfilePcs(path.c_str()), HUEX_GetProfileIntent(path.c_str()), n}),
                  (std::vector<long>{data_number(c[1]), data_number(c[2]), data_number(c[3]), data_number(c[4])})) << path;
        EXPECT_STREQ(name, c[5].c_str()) << path;
    }
}

namespace {

using walk_list = std::vector<std::pair<std::string, std::string>>;  // path, description

walk_list walk(LONG classification, HANDLE* state, WIN32_FIND_DATAA* find_data)
{
    walk_list found;
    char path[260], description[256];
    LONG n;
    while (found.size() < 10000 && (n = enum_profiles_by_classification(classification, state, find_data, path, description,
                                                                         sizeof description)) > 0) {
        EXPECT_EQ(n, LONG(std::strlen(path)));
        found.emplace_back(path, description);
    }
    EXPECT_EQ(n, 0);
    EXPECT_EQ(*state, nullptr);
    return found;
}

bool holds(const walk_list& list, const std::string& path, const char* description = nullptr)
{
    return std::any_of(list.begin(), list.end(), [&](const auto& e) { return e.first == path && (!description || e.second == description); });
}

}  // namespace

// Shared folders as a case leaves them, restored on every path: files it put there go, folders it moved aside come back.
struct folder_guard {
    std::vector<std::string> placed, moved;
    bool place(const std::string& from, const std::string& to) { return placed.push_back(to), CopyFileA(from.c_str(), to.c_str(), FALSE); }
    void move_aside(std::string dir) { dir.pop_back(), MoveFileA(dir.c_str(), (dir + ".huexcase_away").c_str()) && (moved.push_back(dir), true); }
    ~folder_guard()
    {
        for (auto p = placed.rbegin(); p != placed.rend(); ++p) DeleteFileA(p->c_str()) || RemoveDirectoryA(p->c_str());
        for (const std::string& d : moved) MoveFileA((d + ".huexcase_away").c_str(), d.c_str());
    }
};

// Files of this case go into the real colour folders under names of their own; the old folder's are listed after the
// colour system's, a name in both once.
TEST(Enumeration, EachClassInTheColourDirectory)
{
    const std::string cd = colour_directory(), old = old_colour_directory();
    const std::pair<const char*, const char*> files[] = {
        {"huex_display_gamma.icc", "HuexCase_Display.ICM"}, {"huex_press_cmyk.icc", "huexcase_printer.icc"}, {"huex_scanner.icc", "huexcase_scanner.icc"},
        {"xyzprof.pf", "huexcase_xyz.pf"}, {"huex_lab_space.icc", "huexcase_lab.icc"}, {"huex_display_gamma.icc", "huexcase_display.txt"},
        {"colord_srgb_v4.icc", "huexcase_v4.icc"}};
    folder_guard guard;
    guard.placed = {cd + "huexcase_folder.icc"};
    CreateDirectoryA((cd + "huexcase_folder.icc").c_str(), nullptr);
    for (const auto& f : files) ASSERT_TRUE(guard.place(dir + f.first, cd + f.second)) << f.second;
    if (CreateDirectoryA(old.c_str(), nullptr)) guard.placed.push_back(old);
    ASSERT_TRUE(guard.place(dir + "huex_display_gamma.icc", old + "huexcase_old.icc") && guard.place(dir + "huex_press_cmyk.icc", old + "huexcase_display.icm"));

    HANDLE state = nullptr;
    WIN32_FIND_DATAA find_data = {};
    std::string d = cd;
    CharLowerA(&d[0]);
    ASSERT_EQ(HUEX_BeginMatchingSession((cd + "huexcase_xyz.pf").c_str(), (cd + "huexcase_printer.icc").c_str()), 0);
    EXPECT_EQ(HUEX_GetProfileType((cd + "huexcase_printer.icc").c_str()), 0);
    const walk_list displays = walk(0, &state, &find_data), inputs = walk(1, &state, &find_data),
                    outputs = walk(2, &state, &find_data), spaces = walk(3, &state, &find_data);
    HUEX_EndMatching();
    std::string o = old;
    CharLowerA(&o[0]);
    EXPECT_TRUE(holds(displays, d + "huexcase_display.icm", "HUEX Test Display Gamma 2.2") && holds(displays, o + "huexcase_old.icc") &&
                holds(displays, d + "huex_display_gamma.icc"));
    EXPECT_FALSE(holds(outputs, o + "huexcase_display.icm"));
    EXPECT_TRUE(holds(displays, d + "huexcase_v4.icc", "sRGB"));
    EXPECT_TRUE(holds(inputs, d + "huexcase_scanner.icc", "HUEX Test Scanner"));
    EXPECT_TRUE(holds(outputs, d + "huexcase_printer.icc", "HUEX Test Press CMYK"));
    EXPECT_TRUE(holds(spaces, d + "huexcase_xyz.pf", "HUEX XYZ Data"));
    for (const char* not_listed : {"huexcase_printer.icc", "huexcase_display.txt"})
        EXPECT_FALSE(holds(displays, d + not_listed)) << not_listed;
    EXPECT_FALSE(holds(outputs, d + "huexcase_display.icm"));
    EXPECT_FALSE(holds(spaces, d + "huexcase_lab.icc"));
    EXPECT_EQ(walk(0, &state, &find_data), displays);
    const process_counts before = current_process_counts();  // each whole walk gives its search handle back
    for (int i = 0; i < 300; ++i) walk(0, &state, &find_data);
    expect_no_growth(before, current_process_counts());

    char path[260] = "x", description[256];
    for (LONG unknown : {4, -1}) EXPECT_EQ(enum_profiles_by_classification(unknown, &state, &find_data, path, description, 256), -1);
    EXPECT_EQ(state, nullptr);
    EXPECT_STREQ(path, "x");
    ASSERT_GT(enum_profiles_by_classification(3, &state, &find_data, path, description, 5), 0);
    EXPECT_EQ(std::strlen(description), 4u);
    EXPECT_EQ(walk(3, &state, &find_data).size() + 1, spaces.size());
}

// A walk that fails (no colour folder, a profile too short for its header) ends with -1, the search closed and the
// state NULL again, so the same variables walk afresh once the cause is gone.
TEST(Enumeration, FailedWalkEndsAndStartsAgain)
{
    const std::string cd = colour_directory(), shortened = cd + "huexcase_short.icc";
    folder_guard listed;
    ASSERT_TRUE(listed.place(dir + "huex_display_gamma.icc", cd + "huexcase_restart.icc"));
    const struct { const char* what; std::function<bool(folder_guard&)> cause; } rows[] = {
        {"no colour folder", [](folder_guard& g) { return g.move_aside(colour_directory()), g.move_aside(old_colour_directory()), !g.moved.empty(); }},
        {"a profile cut short", [&](folder_guard& g) { return g.placed.push_back(shortened), write_file_bytes(shortened, std::vector<uint8_t>(13, 7)); }}};
    HANDLE state = nullptr;
    WIN32_FIND_DATAA find_data = {};
    const walk_list whole = walk(0, &state, &find_data);
    std::string d = cd;
    CharLowerA(&d[0]);
    ASSERT_TRUE(holds(whole, d + "huexcase_restart.icc"));
    for (const auto& row : rows) {
        {
            folder_guard guard;
            ASSERT_TRUE(row.cause(guard)) << row.what;
            char path[260], description[256];
            LONG n = 1;
            for (int i = 0; i < 10000 && n > 0; ++i) n = enum_profiles_by_classification(0, &state, &find_data, path, description, 256);
            EXPECT_TRUE(n == -1 && state == nullptr) << row.what << ": " << n;
        }
        EXPECT_EQ(walk(0, &state, &find_data), whole) << row.what;
    }
}
