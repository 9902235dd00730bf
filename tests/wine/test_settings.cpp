// The settings store: what a load of the library reads from the registry at
// start-up and writes back at process end. Each case runs the settings host
// in fresh processes with HKEY_CURRENT_USER pointed at a key of the case's
// own, so no other test program's start or end can touch what it checks.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "wine_test_support.h"

namespace {

const char default_display[] = "Default Display";
const char default_printer[] = "150-line Imagesetter";

std::string case_root(const std::string& name)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\HUEXTests\\" + name).c_str());
    return name;
}

std::string settings_key(const std::string& root)
{
    return "Software\\HUEXTests\\" + root + "\\Software\\VERIHUE\\HUEX";
}

std::string host(const std::string& root, const std::string& commands, const std::string& library = bin_dir() + "huex.dll")
{
    std::string out;
    int rc = run_process("\"" + bin_dir() + "settings_host.exe\" \"" + library + "\" " + root + " " + commands,
                         bin_dir(), &out);
    EXPECT_EQ(rc, 0) << out;
    out.erase(std::remove(out.begin(), out.end(), '\r'), out.end());
    return out;
}

bool has_line(const std::string& out, const std::string& line)
{
    return ("\n" + out).find("\n" + line + "\n") != std::string::npos;
}

struct stored {
    bool present = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};

stored read_stored(const std::string& root, const char* value)
{
    stored s;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settings_key(root).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return s;
    DWORD size = 0;
    if (RegQueryValueExA(key, value, nullptr, &s.type, nullptr, &size) == ERROR_SUCCESS) {
        s.data.resize(size);
        s.present = RegQueryValueExA(key, value, nullptr, &s.type, s.data.data(), &size) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return s;
}

bool stored_dword_is(const std::string& root, const char* value, DWORD expected)
{
    stored s = read_stored(root, value);
    return s.present && s.type == REG_DWORD && s.data.size() == 4 &&
           *reinterpret_cast<DWORD*>(s.data.data()) == expected;
}

bool stored_text_is(const std::string& root, const char* value, const std::string& expected)
{
    stored s = read_stored(root, value);
    return s.present && s.type == REG_SZ && s.data.size() == expected.size() + 1 &&
           std::string(reinterpret_cast<char*>(s.data.data())) == expected;
}

void store(const std::string& root, const char* value, DWORD type, const void* data, DWORD size)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, settings_key(root).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, value, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

void store_dword(const std::string& root, const char* value, DWORD v)
{
    store(root, value, REG_DWORD, &v, 4);
}

void store_text(const std::string& root, const char* value, const std::string& text)
{
    store(root, value, REG_SZ, text.c_str(), DWORD(text.size() + 1));
}

std::string test_profile(const std::string& name)
{
    std::string dir = fresh_case_dir("settings_" + name);
    std::string source = std::string("Z:") + HUEX_SOURCE_DIR + "/tests/profiles/" + name;
    std::replace(source.begin(), source.end(), '/', '\\');
    EXPECT_TRUE(copy_into(source, dir));
    return dir + name;
}

const char* const dword_values[] = {"selected_color", "first_colorid_displayed",
                                    "OPTION_DISPLAY_COLOR_NAMES", "OPTION_SHOW_PROFILE_NAME",
                                    "color_type", "window_xpos", "window_ypos", "D50FLAG"};

}  // namespace

TEST(Settings, FirstLoadCreatesTheKeyAndKeepsTheInitialValues)
{
    const std::string root = case_root("first_load");
    const std::string out = host(root, "load monitor printer free");
    EXPECT_TRUE(has_line(out, std::string("monitor ") + default_display)) << out;
    EXPECT_TRUE(has_line(out, std::string("printer ") + default_printer)) << out;

    // Nothing was selected: the selection values are not written at all.
    EXPECT_FALSE(read_stored(root, "selected_color").present);
    EXPECT_FALSE(read_stored(root, "first_colorid_displayed").present);
    EXPECT_TRUE(stored_dword_is(root, "OPTION_DISPLAY_COLOR_NAMES", 1));
    for (const char* v : {"OPTION_SHOW_PROFILE_NAME", "color_type", "window_xpos", "window_ypos", "D50FLAG"})
        EXPECT_TRUE(stored_dword_is(root, v, 0)) << v;
    EXPECT_TRUE(stored_text_is(root, "DISPLAY_PROFILE_PATH", default_display));
    EXPECT_TRUE(stored_text_is(root, "PRINTER_PROFILE_PATH", default_printer));
}

TEST(Settings, StoredValuesAreReadAndWrittenBackUnchanged)
{
    const std::string root = case_root("round_trip");
    DWORD v = 0x00010029;
    for (const char* name : dword_values) store_dword(root, name, v++);
    store_dword(root, "window_xpos", DWORD(-40));
    host(root, "load free");
    v = 0x00010029;
    for (const char* name : dword_values) {
        const DWORD expected = std::string(name) == "window_xpos" ? DWORD(-40) : v;
        EXPECT_TRUE(stored_dword_is(root, name, expected)) << name;
        ++v;
    }
}

TEST(Settings, LoadWithoutSelectionKeepsTheStoredSelection)
{
    const std::string root = case_root("keep_selection");
    store_dword(root, "first_colorid_displayed", 0x00020005);
    store_dword(root, "selected_color", 0xFFFFFFFF);
    store_dword(root, "OPTION_DISPLAY_COLOR_NAMES", 0);
    host(root, "load free");
    EXPECT_TRUE(stored_dword_is(root, "selected_color", 0xFFFFFFFF));
    EXPECT_TRUE(stored_dword_is(root, "first_colorid_displayed", 0x00020005));
    EXPECT_TRUE(stored_dword_is(root, "OPTION_DISPLAY_COLOR_NAMES", 0));

    const std::string fresh = case_root("keep_selection_absent");
    store_dword(fresh, "first_colorid_displayed", 0x00030007);
    host(fresh, "load free");
    EXPECT_FALSE(read_stored(fresh, "selected_color").present);
    EXPECT_TRUE(stored_dword_is(fresh, "first_colorid_displayed", 0x00030007));
}

TEST(Settings, ProfilesSurviveInANewProcess)
{
    const std::string root = case_root("profiles");
    const std::string display = test_profile("huex_display_table.icm");
    const std::string press = test_profile("huex_press_cmyk.icc");

    const std::string first =
        host(root, "load rgb 500 setmonitor " + display + " setprinter " + press + " rgb 500 free");
    EXPECT_TRUE(has_line(first, "setmonitor 0")) << first;
    EXPECT_TRUE(has_line(first, "setprinter 0")) << first;
    EXPECT_TRUE(stored_text_is(root, "DISPLAY_PROFILE_PATH", display));
    EXPECT_TRUE(stored_text_is(root, "PRINTER_PROFILE_PATH", press));
    std::vector<std::string> rgb;
    for (size_t at = first.find("rgb "); at != std::string::npos; at = first.find("rgb ", at + 1))
        rgb.push_back(first.substr(at, first.find('\n', at) - at));
    ASSERT_EQ(rgb.size(), 2u) << first;
    EXPECT_NE(rgb[0], rgb[1]);

    // The stored display profile is current from the start: the screen
    // colour is the one the profile gave, not the default display's.
    const std::string second = host(root, "load monitor printer rgb 500");
    EXPECT_TRUE(has_line(second, "monitor " + display)) << second;
    EXPECT_TRUE(has_line(second, "printer " + press)) << second;
    EXPECT_TRUE(has_line(second, rgb[1])) << second;
}

// A second load in the same process must register the window classes again
// and read back what the first one stored at unload.
TEST(Settings, ProfilesSurviveFreeLibraryAndLoadLibrary)
{
    const std::string root = case_root("reload");
    const std::string display = test_profile("huex_display_gamma.icc");
    const std::string out = host(root, "load setmonitor " + display + " free load monitor free");
    EXPECT_TRUE(has_line(out, "load 0") == false) << out;
    EXPECT_TRUE(has_line(out, "monitor " + display)) << out;
}

// A stored profile that cannot be used at start-up (gone, or held by another
// program without sharing) stands aside for that process only: the stored
// path stays unless a profile is chosen while the process runs.
TEST(Settings, StoredPathsThatCannotBeUsedAreKeptUnlessAnotherIsChosen)
{
    const std::string root = case_root("gone");
    const std::string dir = fresh_case_dir("settings_gone");
    const std::string held = test_profile("huex_press_cmyk.icc");
    store_text(root, "DISPLAY_PROFILE_PATH", dir + "gone.icc");
    store_text(root, "PRINTER_PROFILE_PATH", held);
    HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    std::string out = host(root, "load monitor printer free");
    CloseHandle(holder);
    EXPECT_TRUE(has_line(out, std::string("monitor ") + default_display)) << out;
    EXPECT_TRUE(has_line(out, std::string("printer ") + default_printer)) << out;
    EXPECT_TRUE(stored_text_is(root, "DISPLAY_PROFILE_PATH", dir + "gone.icc"));
    EXPECT_TRUE(stored_text_is(root, "PRINTER_PROFILE_PATH", held));
    EXPECT_TRUE(has_line(host(root, "load printer"), "printer " + held));

    host(root, "load setmonitor " + std::string(default_display) + " setprinter " + dir + "gone.icm free");
    EXPECT_TRUE(stored_text_is(root, "DISPLAY_PROFILE_PATH", default_display));
    EXPECT_TRUE(stored_text_is(root, "PRINTER_PROFILE_PATH", default_printer));

    // The default name stored as a path selects the default.
    out = host(root, "load monitor");
    EXPECT_TRUE(has_line(out, std::string("monitor ") + default_display)) << out;
}

// An open matching session holds neither of its files: the chosen profiles
// are made current and are what the registry keeps.
TEST(Settings, ProfilesOfAnOpenSessionCanBeChosenAndAreStored)
{
    const std::string root = case_root("session");
    const std::string display = test_profile("huex_display_gamma.icc");
    const std::string press = test_profile("huex_press_cmyk.icc");
    const std::string out = host(root, "load begin " + display + " " + press + " setmonitor " + display +
                                           " setprinter " + press + " name " + press + " free");
    EXPECT_TRUE(has_line(out, "begin 0") && has_line(out, "setmonitor 0") && has_line(out, "setprinter 0")) << out;
    EXPECT_TRUE(has_line(out, "name 20 HUEX Test Press CMYK")) << out;
    EXPECT_TRUE(stored_text_is(root, "DISPLAY_PROFILE_PATH", display));
    EXPECT_TRUE(stored_text_is(root, "PRINTER_PROFILE_PATH", press));
}

// The display model depends on the current profile alone: a profile without
// model tags gives the same screen colour after different profiles, after a
// restart, and as a profile that cannot be loaded.
TEST(Settings, ScreenColoursOfAProfileDoNotDependOnWhatCameBefore)
{
    const std::string root = case_root("history");
    const std::string partial = test_profile("huex_display_desc_only.icc");
    const std::string out = host(root, "load setmonitor " + test_profile("huex_display_gamma.icc") + " setmonitor " +
                                           partial + " rgb 500 setmonitor " + test_profile("huex_display_table.icm") +
                                           " setmonitor " + partial + " rgb 500 free load rgb 500 setmonitor " +
                                           partial + ".gone.icc rgb 500");
    const size_t first = out.find("rgb ");
    ASSERT_NE(first, std::string::npos) << out;
    const std::string line = out.substr(first, out.find('\n', first) - first);
    size_t count = 0;
    for (size_t at = out.find(line + "\n"); at != std::string::npos; at = out.find(line + "\n", at + 1)) ++count;
    EXPECT_EQ(count, 4u) << out;
}

TEST(Settings, MalformedStoredValuesCountAsMissing)
{
    const std::string root = case_root("malformed");
    const BYTE two[2] = {7, 7};
    const BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    store(root, "window_xpos", REG_BINARY, two, sizeof two);
    store(root, "D50FLAG", REG_BINARY, eight, sizeof eight);
    std::string unterminated(300, 'a');
    store(root, "DISPLAY_PROFILE_PATH", REG_BINARY, unterminated.data(), 300);
    store(root, "PRINTER_PROFILE_PATH", REG_BINARY, unterminated.data(), 260);
    const std::string out = host(root, "load monitor printer free");
    EXPECT_TRUE(has_line(out, std::string("monitor ") + default_display)) << out;
    EXPECT_TRUE(has_line(out, std::string("printer ") + default_printer)) << out;
    EXPECT_TRUE(stored_dword_is(root, "window_xpos", 0));
    EXPECT_TRUE(stored_dword_is(root, "D50FLAG", 0));
}

// A load refused at the class step still gets its detach call; what the user
// stored must come through it untouched.
TEST(Settings, LoadRefusedAtTheClassStepLeavesTheStoredSettingsAlone)
{
    const std::string root = case_root("refused_load");
    DWORD v = 0x00010029;
    for (const char* name : dword_values) store_dword(root, name, v++);
    store_text(root, "DISPLAY_PROFILE_PATH", "Z:\\kept\\display.icm");
    store_text(root, "PRINTER_PROFILE_PATH", "Z:\\kept\\printer.icm");
    auto all_stored = [&] {
        std::vector<std::vector<BYTE>> values;
        for (const char* name : dword_values) values.push_back(read_stored(root, name).data);
        for (const char* name : {"DISPLAY_PROFILE_PATH", "PRINTER_PROFILE_PATH"}) values.push_back(read_stored(root, name).data);
        return values;
    };
    const auto before = all_stored();
    const std::string out = host(root, "classtaken load");
    ASSERT_TRUE(has_line(out, "classtaken 1")) << out;
    ASSERT_TRUE(has_line(out, "load 0")) << out;
    EXPECT_EQ(all_stored(), before);
}

// The two default profile names are texts of the language module, also of one
// whose entry point refuses to load: it is read, never run.
TEST(Settings, DefaultProfileNamesComeFromTheGermanModule)
{
    for (const char* module : {"lang\\HUEXLANG.DLL", "addon_fixtures\\refusing_lang\\HUEXLANG.DLL"}) {
        const std::string dir = fresh_case_dir("settings_german");
        ASSERT_TRUE(copy_library_into(dir));
        ASSERT_TRUE(copy_into(module, dir));
        const std::string out = host(case_root("german_names"), "load monitor printer free", dir + "huex.dll");
        EXPECT_TRUE(has_line(out, "monitor Standardbildschirm")) << module << "\n" << out;
        EXPECT_TRUE(has_line(out, "printer 150er-Raster Belichter")) << module << "\n" << out;
    }
}
