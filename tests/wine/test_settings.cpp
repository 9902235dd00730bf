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

// A stored value's type and bytes; empty bytes when absent.
std::pair<DWORD, std::vector<BYTE>> read_stored(const std::string& root, const char* value)
{
    DWORD type = 0, size = 512;
    std::vector<BYTE> data(size);
    if (RegGetValueA(HKEY_CURRENT_USER, settings_key(root).c_str(), value, RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(), &size) != ERROR_SUCCESS)
        size = 0;
    data.resize(size);
    return {type, data};
}

bool stored_dword_is(const std::string& root, const char* value, DWORD expected)
{
    return read_stored(root, value) == std::make_pair(DWORD(REG_DWORD), std::vector<BYTE>(reinterpret_cast<BYTE*>(&expected), reinterpret_cast<BYTE*>(&expected) + 4));
}

bool stored_text_is(const std::string& root, const char* value, const std::string& expected)
{
    return read_stored(root, value) == std::make_pair(DWORD(REG_SZ), std::vector<BYTE>(expected.c_str(), expected.c_str() + expected.size() + 1));
}

void store(const std::string& root, const char* value, DWORD type, const void* data, DWORD size)
{
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, settings_key(root).c_str(), value, type, data, size), ERROR_SUCCESS);
}

void store_dword(const std::string& root, const char* value, DWORD v) { store(root, value, REG_DWORD, &v, 4); }
void store_text(const std::string& root, const char* value, const std::string& text) { store(root, value, REG_SZ, text.c_str(), DWORD(text.size() + 1)); }

std::string test_profile(const std::string& name)
{
    std::string dir = fresh_case_dir("settings_" + name);
    EXPECT_TRUE(copy_into(source_path("tests/profiles/" + name), dir));
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
    EXPECT_TRUE(read_stored(root, "selected_color").second.empty());
    EXPECT_TRUE(read_stored(root, "first_colorid_displayed").second.empty());
    EXPECT_TRUE(stored_dword_is(root, "OPTION_DISPLAY_COLOR_NAMES", 1));
    for (const char* v : {"OPTION_SHOW_PROFILE_NAME", "color_type", "window_xpos", "window_ypos", "D50FLAG"})
        EXPECT_TRUE(stored_dword_is(root, v, 0)) << v;
    EXPECT_TRUE(stored_text_is(root, "DISPLAY_PROFILE_PATH", default_display));
    EXPECT_TRUE(stored_text_is(root, "PRINTER_PROFILE_PATH", default_printer));
}

// Stored values come back unchanged, "nothing selected" included; a selection
// that was never stored is not written either.
TEST(Settings, StoredValuesAreReadAndWrittenBackUnchanged)
{
    for (const bool with_selection : {true, false}) {
        const std::string root = case_root(with_selection ? "round_trip" : "round_trip_no_selection");
        DWORD v = 0x00010029;
        for (const char* name : dword_values) store_dword(root, name, v++);
        store_dword(root, "window_xpos", DWORD(-40));
        if (with_selection) store_dword(root, "selected_color", 0xFFFFFFFF);
        else RegDeleteKeyValueA(HKEY_CURRENT_USER, settings_key(root).c_str(), "selected_color");
        host(root, "load free");
        v = 0x00010029;
        for (const char* name : dword_values) {
            const std::string n = name;
            const DWORD expected = n == "window_xpos" ? DWORD(-40) : n == "selected_color" ? 0xFFFFFFFF : v;
            ++v;
            if (n == "selected_color" && !with_selection) EXPECT_TRUE(read_stored(root, name).second.empty());
            else EXPECT_TRUE(stored_dword_is(root, name, expected)) << name;
        }
    }
}

TEST(Settings, ProfilesSurviveFreeLibraryAndANewProcess)
{
    const std::string root = case_root("profiles");
    const std::string display = test_profile("huex_display_table.icm");
    const std::string press = test_profile("huex_press_cmyk.icc");

    const std::string first =
        host(root, "load rgb 500 setmonitor " + display + " setprinter " + press + " rgb 500 free load monitor free");
    EXPECT_TRUE(has_line(first, "setmonitor 0")) << first;
    EXPECT_TRUE(has_line(first, "setprinter 0")) << first;
    // A second load in the same process registers the window classes again and reads what the first stored.
    EXPECT_TRUE(has_line(first, "monitor " + display)) << first;
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
        for (const char* name : dword_values) values.push_back(read_stored(root, name).second);
        for (const char* name : {"DISPLAY_PROFILE_PATH", "PRINTER_PROFILE_PATH"}) values.push_back(read_stored(root, name).second);
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
