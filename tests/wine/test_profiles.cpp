// Monitor and printer profiles, their queries and the enumeration by class,
// through the real DLL. The profiles are the generated test set
// (tests/profiles), copied into a folder of this test's own because the
// reader opens files without sharing.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "huex.h"
#include "wine_test_support.h"

namespace {

const char default_display[] = "Default Display";
const char default_printer[] = "150-line Imagesetter";
std::string profiles_dir;  // the test's copies, with a trailing backslash

std::string profile(const std::string& name) { return profiles_dir + name; }

std::string taken(short (WINAPI* getter)(char**))
{
    char* text = nullptr;
    EXPECT_EQ(getter(&text), HUEX_OK);
    std::string s = text ? text : "(null)";
    EXPECT_EQ(HUEX_DisposeProfile(text), HUEX_OK);
    return s;
}

// Each refused path, set over a good one, leaves the default in force; so
// does no path at all.
void expect_refusals_restore_the_default(short (WINAPI* set)(const char*), short (WINAPI* get)(char**),
                                         const std::string& good, const char* fallback,
                                         std::initializer_list<std::string> refused)
{
    for (const std::string& bad : refused) {
        EXPECT_EQ(set(good.c_str()), HUEX_OK);
        EXPECT_EQ(set(bad.c_str()), HUEX_DEFAULT_IN_FORCE) << bad;
        EXPECT_EQ(taken(get), fallback);
    }
}

std::string name_of(const std::string& path)
{
    char name[260];
    short n = HUEX_GetProfileName(path.c_str(), name);
    EXPECT_EQ(n, short(std::strlen(name)));
    return name;
}

// A header-only profile of the given class and spaces, without any tag.
std::vector<uint8_t> bare_profile(const char* device_class, const char* space, const char* pcs)
{
    std::vector<uint8_t> v(132, 0);
    v[3] = 132;
    std::memcpy(&v[12], device_class, 4);
    std::memcpy(&v[16], space, 4);
    std::memcpy(&v[20], pcs, 4);
    std::memcpy(&v[36], "acsp", 4);
    v[67] = 3;  // rendering intent: absolute colorimetric
    return v;
}

class profiles_environment : public ::testing::Environment {
public:
    void SetUp() override
    {
        profiles_dir = fresh_case_dir("profiles");
        for (const char* name : {"huex_display_gamma.icc", "huex_display_table.icm",
                                 "huex_display_identity.icc", "huex_display_two_entry.icc",
                                 "huex_display_desc_only.icc", "huex_press_cmyk.icc", "xyzprof.pf",
                                 "huex_lab_space.icc", "huex_scanner.icc"})
            ASSERT_TRUE(copy_into(source_path(std::string("tests/profiles/") + name), profiles_dir)) << name;
        ASSERT_TRUE(copy_into("Z:\\usr\\share\\color\\icc\\colord\\sRGB.icc", profiles_dir, "colord_srgb_v4.icc"));
        ASSERT_TRUE(write_file_bytes(profile("bare.icc"), bare_profile("mntr", "Lab ", "Lab ")));
    }
    // The process saves its profiles at exit; leave the defaults for the
    // test programs that come after.
    void TearDown() override
    {
        HUEX_SetMonitorProfile(default_display);
        HUEX_SetPrinterProfile(default_printer);
    }
};
const auto* environment = ::testing::AddGlobalTestEnvironment(new profiles_environment);

}  // namespace

TEST(ProfileStrings, HandedOutCopiesAreExactBlocks)
{
    char* p = reinterpret_cast<char*>(0x1);
    ASSERT_EQ(HUEX_CreateProfile("", &p), HUEX_OK);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(LocalSize(p), 1u);
    EXPECT_EQ(p[0], 0);
    EXPECT_EQ(HUEX_DisposeProfile(p), HUEX_OK);

    ASSERT_EQ(HUEX_CreateProfile("C:\\x\\y.icm", &p), HUEX_OK);
    EXPECT_EQ(LocalSize(p), 11u);
    EXPECT_STREQ(p, "C:\\x\\y.icm");
    EXPECT_EQ(HUEX_DisposeProfile(p), HUEX_OK);

    EXPECT_EQ(taken(HUEX_GetDefaultPrinterProfile), default_printer);
}

TEST(PrinterProfile, SetAndGetIncludingFailures)
{
    EXPECT_EQ(HUEX_SetPrinterProfile(default_printer), HUEX_OK);
    EXPECT_EQ(taken(HUEX_GetPrinterProfile), default_printer);

    const std::string press = profile("huex_press_cmyk.icc");
    EXPECT_EQ(HUEX_SetPrinterProfile(press.c_str()), HUEX_OK);
    EXPECT_EQ(taken(HUEX_GetPrinterProfile), press);

    expect_refusals_restore_the_default(HUEX_SetPrinterProfile, HUEX_GetPrinterProfile, press, default_printer,
                                        {profile("missing.icm"), profile("huex_press_cmyk.ICC"),
                                         profiles_dir + std::string(260, 'p') + ".icc"});
}

TEST(MonitorProfile, SetAndGetIncludingFailures)
{
    const std::string display = profile("huex_display_gamma.icc");
    EXPECT_EQ(HUEX_SetMonitorProfile(display.c_str()), HUEX_OK);
    EXPECT_EQ(taken(HUEX_GetMonitorProfile), display);
    EXPECT_EQ(HUEX_SetMonitorProfile(default_display), HUEX_OK);
    EXPECT_EQ(taken(HUEX_GetMonitorProfile), default_display);

    // An exact fit (259 characters) is a path like any other; one more is refused.
    std::string longest = profiles_dir;
    longest += std::string(259 - longest.size() - 4, 'm') + ".icc";
    ASSERT_EQ(longest.size(), 259u);
    ASSERT_TRUE(CopyFileA(display.c_str(), longest.c_str(), FALSE));
    EXPECT_EQ(HUEX_SetMonitorProfile(longest.c_str()), HUEX_OK);
    EXPECT_EQ(taken(HUEX_GetMonitorProfile), longest);
    DeleteFileA(longest.c_str());

    const std::string upper = profile("UPPER.ICM");
    ASSERT_TRUE(CopyFileA(display.c_str(), upper.c_str(), FALSE));
    expect_refusals_restore_the_default(HUEX_SetMonitorProfile, HUEX_GetMonitorProfile, display, default_display,
                                        {upper, profile("missing.icc"), longest + "x.icc"});
}

TEST(ProfileQueries, HeaderCodesAndNames)
{
    struct { const char* name; short type, pcs; const char* description; } cases[] = {
        {"huex_display_gamma.icc", 1, 0, "HUEX Test Display Gamma 2.2"},
        {"huex_press_cmyk.icc", 0, 1, "HUEX Test Press CMYK"},
        {"xyzprof.pf", 2, 0, "HUEX XYZ Data"},
        {"huex_lab_space.icc", -1, 1, "HUEX Lab Data"},
        {"colord_srgb_v4.icc", 1, 0, "sRGB"},
        {"bare.icc", -1, 1, "???"},
    };
    for (const auto& c : cases) {
        const std::string path = profile(c.name);
        EXPECT_EQ(HUEX_GetProfileType(path.c_str()), c.type) << c.name;
        EXPECT_EQ(HUEX_GetProfilePcs(path.c_str()), c.pcs) << c.name;
        EXPECT_EQ(name_of(path), c.description) << c.name;
    }
    EXPECT_EQ(HUEX_GetProfileIntent(profile("huex_press_cmyk.icc").c_str()), 0);
    EXPECT_EQ(HUEX_GetProfileIntent(profile("bare.icc").c_str()), 3);

    for (const std::string& none : {profile("missing.icc"), std::string(default_display),
                                    std::string(default_printer)}) {
        EXPECT_EQ(HUEX_GetProfileType(none.c_str()), -1) << none;
        EXPECT_EQ(HUEX_GetProfilePcs(none.c_str()), -1) << none;
        EXPECT_EQ(HUEX_GetProfileIntent(none.c_str()), -1) << none;
    }
    EXPECT_EQ(name_of(default_display), default_display);
    EXPECT_EQ(HUEX_GetProfileName(default_display, std::vector<char>(260).data()), 15);
    EXPECT_EQ(name_of(default_printer), default_printer);

    char untouched[260];
    std::memset(untouched, 0x5A, sizeof untouched);
    EXPECT_EQ(HUEX_GetProfileName(profile("missing.icc").c_str(), untouched), 0);
    EXPECT_EQ(untouched[0], 0x5A);
}

namespace {

std::string lower(std::string s)
{
    CharLowerA(&s[0]);
    return s;
}

// One whole walk of a class: (path, description) in the order delivered.
std::vector<std::pair<std::string, std::string>> walk(LONG classification, HANDLE* state,
                                                      WIN32_FIND_DATAA* find_data)
{
    std::vector<std::pair<std::string, std::string>> found;
    char path[260], description[256];
    LONG n;
    while ((n = enum_profiles_by_classification(classification, state, find_data, path,
                                                description, sizeof description)) > 0) {
        EXPECT_EQ(n, LONG(std::strlen(path)));
        found.emplace_back(path, description);
        if (found.size() > 10000) break;
    }
    EXPECT_EQ(n, 0);
    EXPECT_EQ(*state, nullptr);
    return found;
}

// Whether the walk delivered path, with that description when one is given.
bool holds(const std::vector<std::pair<std::string, std::string>>& list, const std::string& path,
           const char* description = nullptr)
{
    return std::any_of(list.begin(), list.end(),
                       [&](const auto& e) { return e.first == path && (!description || e.second == description); });
}

}  // namespace

// Files of this case go into the real colour directory under names of their
// own and are removed afterwards; the installed profiles stay as they are.
TEST(Enumeration, EachClassInTheColourDirectory)
{
    const std::string dir = colour_directory();
    struct { const char* source; const char* name; } files[] = {
        {"huex_display_gamma.icc", "HuexCase_Display.ICM"},
        {"huex_press_cmyk.icc", "huexcase_printer.icc"},
        {"huex_scanner.icc", "huexcase_scanner.icc"},
        {"xyzprof.pf", "huexcase_xyz.pf"},
        {"huex_lab_space.icc", "huexcase_lab.icc"},
        {"huex_display_gamma.icc", "huexcase_display.txt"},
        {"colord_srgb_v4.icc", "huexcase_v4.icc"},
    };
    for (const auto& f : files) ASSERT_TRUE(copy_into(profile(f.source), dir, f.name)) << f.name;
    ASSERT_TRUE(write_file_bytes(dir + "huexcase_short.icc", std::vector<uint8_t>(60, 7)));
    CreateDirectoryA((dir + "huexcase_folder.icc").c_str(), nullptr);

    HANDLE state = nullptr;
    WIN32_FIND_DATAA find_data;
    std::memset(&find_data, 0, sizeof find_data);
    const std::string d = lower(dir);
    // An open matching session hides none of its profiles from the walk.
    ASSERT_EQ(HUEX_BeginMatchingSession((dir + "huexcase_xyz.pf").c_str(), (dir + "huexcase_printer.icc").c_str()), 0);
    EXPECT_EQ(HUEX_GetProfileType((dir + "huexcase_printer.icc").c_str()), 0);
    const auto displays = walk(0, &state, &find_data);
    EXPECT_TRUE(holds(displays, d + "huexcase_display.icm", "HUEX Test Display Gamma 2.2"));
    EXPECT_TRUE(holds(displays, d + "huexcase_v4.icc", "sRGB"));
    EXPECT_FALSE(holds(displays, d + "huexcase_printer.icc"));
    EXPECT_FALSE(holds(displays, d + "huexcase_display.txt"));
    for (const auto& e : displays) EXPECT_EQ(e.first, lower(e.first));

    const auto inputs = walk(1, &state, &find_data);
    EXPECT_TRUE(holds(inputs, d + "huexcase_scanner.icc", "HUEX Test Scanner"));
    const auto outputs = walk(2, &state, &find_data);
    EXPECT_TRUE(holds(outputs, d + "huexcase_printer.icc", "HUEX Test Press CMYK"));
    EXPECT_FALSE(holds(outputs, d + "huexcase_display.icm"));
    const auto spaces = walk(3, &state, &find_data);
    EXPECT_TRUE(holds(spaces, d + "huexcase_xyz.pf", "HUEX XYZ Data"));
    HUEX_EndMatching();
    EXPECT_FALSE(holds(spaces, d + "huexcase_lab.icc"));
    // The short file is passed over, not the end of the walk: every class
    // lists what lies in the directory whatever order the search takes.
    EXPECT_FALSE(holds(displays, d + "huexcase_short.icc"));

    // After the end the same state starts afresh and finds the same profiles.
    EXPECT_EQ(walk(0, &state, &find_data), displays);

    // An unknown class: -1 at once, the state untouched.
    char path[260] = "x", description[256] = "y";
    EXPECT_EQ(enum_profiles_by_classification(4, &state, &find_data, path, description, 256), -1);
    EXPECT_EQ(enum_profiles_by_classification(-1, &state, &find_data, path, description, 256), -1);
    EXPECT_EQ(state, nullptr);
    EXPECT_STREQ(path, "x");

    // A short description buffer cuts the text.
    ASSERT_GT(enum_profiles_by_classification(3, &state, &find_data, path, description, 5), 0);
    EXPECT_EQ(std::strlen(description), 4u);
    // Ending early leaves the search open for the caller to carry on.
    const auto rest = walk(3, &state, &find_data);
    EXPECT_EQ(rest.size() + 1, spaces.size());

    for (const auto& f : files) DeleteFileA((dir + f.name).c_str());
    DeleteFileA((dir + "huexcase_short.icc").c_str());
    RemoveDirectoryA((dir + "huexcase_folder.icc").c_str());
}

// Without a colour directory the walk fails once and then ends, so a host
// that calls until 0 stops.
TEST(Enumeration, NoColourDirectoryFailsThenEnds)
{
    std::string dir = colour_directory();
    dir.pop_back();
    const std::string away = dir + ".huexcase_away";
    ASSERT_TRUE(MoveFileA(dir.c_str(), away.c_str()));
    HANDLE state = nullptr;
    WIN32_FIND_DATAA find_data = {};
    char path[260], description[256];
    const LONG first = enum_profiles_by_classification(0, &state, &find_data, path, description, 256);
    const LONG second = enum_profiles_by_classification(0, &state, &find_data, path, description, 256);
    MoveFileA(away.c_str(), dir.c_str());
    EXPECT_EQ(first, -1);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(state, nullptr);
}
