// The settings store as loads read it at start-up and write it back at exit: the probe in processes with a registry root of their own.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lgicc/lgicc_module.h"
#include "wine_test_support.h"

namespace {

const std::string display_default = "Default Display", printer_default = "150-line Imagesetter";
const char* const dword_values[] = {"selected_color", "first_colorid_displayed", "OPTION_DISPLAY_COLOR_NAMES",
                                    "OPTION_SHOW_PROFILE_NAME", "color_type", "window_xpos", "window_ypos", "D50FLAG"};

std::string case_root(const std::string& name)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\HUEXTests\\" + name).c_str());
    return name;
}

std::string settings_key(const std::string& root) { return "Software\\HUEXTests\\" + root + "\\Software\\VERIHUE\\HUEX"; }

// The probe's output with "\n" around every line.
std::string host(const std::string& root, const std::string& commands, const std::string& library = bin_dir() + "huex.dll")
{
    std::string out;
    EXPECT_EQ(run_process("\"" + bin_dir() + "huex_probe.exe\" \"" + library + "\" root " + root + " " + commands, bin_dir(), &out), 0) << out;
    out.erase(std::remove(out.begin(), out.end(), '\r'), out.end());
    return "\n" + out;
}

bool has_line(const std::string& out, const std::string& line) { return out.find("\n" + line + "\n") != std::string::npos; }

// A stored value's type and bytes; no bytes when absent.
std::pair<DWORD, std::vector<BYTE>> stored(const std::string& root, const char* value)
{
    DWORD type = 0, size = 512;
    std::vector<BYTE> data(size);
    if (RegGetValueA(HKEY_CURRENT_USER, settings_key(root).c_str(), value, RRF_RT_ANY | RRF_NOEXPAND, &type, data.data(), &size)) size = 0;
    data.resize(size);
    return {type, data};
}

bool stored_dword_is(const std::string& root, const char* value, DWORD v)
{
    return stored(root, value) == std::make_pair(DWORD(REG_DWORD), std::vector<BYTE>(reinterpret_cast<BYTE*>(&v), reinterpret_cast<BYTE*>(&v) + 4));
}

bool stored_paths_are(const std::string& root, const std::string& display, const std::string& printer)
{
    auto text = [](const std::string& s) { return std::make_pair(DWORD(REG_SZ), std::vector<BYTE>(s.c_str(), s.c_str() + s.size() + 1)); };
    return stored(root, "DISPLAY_PROFILE_PATH") == text(display) && stored(root, "PRINTER_PROFILE_PATH") == text(printer);
}

void store(const std::string& root, const char* value, DWORD type, const void* data, DWORD size)
{ ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, settings_key(root).c_str(), value, type, data, size), ERROR_SUCCESS); }
void store_dword(const std::string& root, const char* value, DWORD v) { store(root, value, REG_DWORD, &v, 4); }
void store_text(const std::string& root, const char* value, const std::string& s) { store(root, value, REG_SZ, s.c_str(), DWORD(s.size() + 1)); }

std::string test_profile(const std::string& name)
{
    std::string dir = fresh_case_dir("settings_" + name);
    EXPECT_TRUE(copy_into(source_path("tests/profiles/" + name), dir));
    return dir + name;
}

}  // namespace

// From nothing, and from stored values of the wrong type or size (counted as missing): the initial values, stored at exit.
TEST(Settings, FirstLoadAndMalformedValuesGiveTheInitialValues)
{
    for (const bool malformed : {false, true}) {
        const std::string root = case_root(malformed ? "malformed" : "first_load"), unterminated(300, 'a');
        if (malformed) {
            store(root, "window_xpos", REG_BINARY, "\7\7", 2);
            store(root, "D50FLAG", REG_BINARY, "\1\2\3\4\5\6\7\10", 8);
            store(root, "DISPLAY_PROFILE_PATH", REG_BINARY, unterminated.data(), 300);
            store(root, "PRINTER_PROFILE_PATH", REG_BINARY, unterminated.data(), 260);
        }
        const std::string out = host(root, "load monitor printer unload");
        EXPECT_TRUE(has_line(out, "monitor " + display_default) && has_line(out, "printer " + printer_default)) << out;
        EXPECT_TRUE(stored(root, "selected_color").second.empty() && stored(root, "first_colorid_displayed").second.empty());
        EXPECT_TRUE(stored_dword_is(root, "OPTION_DISPLAY_COLOR_NAMES", 1));
        for (int k = 3; k < 8; ++k) EXPECT_TRUE(stored_dword_is(root, dword_values[k], 0)) << dword_values[k];
        EXPECT_TRUE(stored_paths_are(root, display_default, printer_default)) << malformed;
    }
}

// A colour selected, "nothing selected", and no selection stored (not written either).
TEST(Settings, StoredValuesAreReadAndWrittenBackUnchanged)
{
    for (int c = 0; c < 3; ++c) {
        const std::string root = case_root("round_trip_" + std::to_string(c));
        const DWORD selection = c == 0 ? 0x00010029 : 0xFFFFFFFF;
        for (DWORD k = 1; k < 8; ++k) store_dword(root, dword_values[k], k == 5 ? DWORD(-40) : 0x00010029 + k);
        if (c < 2) store_dword(root, "selected_color", selection);
        host(root, "load unload");
        for (DWORD k = 1; k < 8; ++k) EXPECT_TRUE(stored_dword_is(root, dword_values[k], k == 5 ? DWORD(-40) : 0x00010029 + k)) << k;
        EXPECT_TRUE(c < 2 ? stored_dword_is(root, "selected_color", selection) : stored(root, "selected_color").second.empty());
    }
}

// A second load in one process reads what the first stored; a new process starts with the stored display model.
TEST(Settings, ProfilesSurviveFreeLibraryAndANewProcess)
{
    const std::string root = case_root("profiles");
    const std::string display = test_profile("huex_display_table.icm"), press = test_profile("huex_press_cmyk.icc");
    const std::string first = host(root, "load color 37 0 500 setmonitor " + display + " setprinter " + press +
                                             " color 37 0 500 unload load monitor unload");
    EXPECT_TRUE(has_line(first, "setmonitor 0") && has_line(first, "setprinter 0") && has_line(first, "monitor " + display)) << first;
    EXPECT_TRUE(stored_paths_are(root, display, press));
    const std::vector<std::string> colours = lines_starting(first, "color ");
    ASSERT_EQ(colours.size(), 2u) << first;
    const std::string after = colours[1];
    auto rgb = [](const std::string& l) { return l.substr(l.find(" rgb1"), l.find(" cmyk") - l.find(" rgb1")); };
    EXPECT_NE(rgb(colours[0]), rgb(after));
    const std::string second = host(root, "load monitor printer color 37 0 500");
    EXPECT_TRUE(has_line(second, "monitor " + display) && has_line(second, "printer " + press) && has_line(second, after)) << second;
}

// A stored profile unusable at start-up (gone, or held unshared) stands aside for that process only: it stays stored unless another is chosen.
TEST(Settings, StoredPathsThatCannotBeUsedAreKeptUnlessAnotherIsChosen)
{
    const std::string root = case_root("gone"), gone = fresh_case_dir("settings_gone") + "gone.icc";
    const std::string held = test_profile("huex_press_cmyk.icc");
    store_text(root, "DISPLAY_PROFILE_PATH", gone);
    store_text(root, "PRINTER_PROFILE_PATH", held);
    HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    std::string out = host(root, "load monitor printer unload");
    CloseHandle(holder);
    EXPECT_TRUE(has_line(out, "monitor " + display_default) && has_line(out, "printer " + printer_default)) << out;
    EXPECT_TRUE(stored_paths_are(root, gone, held));
    EXPECT_TRUE(has_line(host(root, "load printer"), "printer " + held));
    // A host that switched away and cannot put the stored one back (its file gone meanwhile) leaves it stored.
    out = host(root, "load setprinter \"" + printer_default + "\" rename " + held + " " + held + ".away setprinter " + held + " rename " +
                         held + ".away " + held + " unload");
    EXPECT_TRUE(has_line(out, "setprinter 6") && stored_paths_are(root, gone, held)) << out;
    host(root, "load setmonitor " + display_default + " setprinter " + gone + ".icm unload");
    EXPECT_TRUE(stored_paths_are(root, display_default, printer_default));
    EXPECT_TRUE(has_line(host(root, "load monitor"), "monitor " + display_default));
}

// An open matching session holds neither of its files, and the unload ends it (the recording module's last call).
TEST(Settings, ProfilesOfAnOpenSessionCanBeChosenAndAreStored)
{
    const std::string root = case_root("session"), dir = fresh_case_dir("settings_session");
    const std::string display = test_profile("huex_display_gamma.icc"), press = test_profile("huex_press_cmyk.icc");
    ASSERT_TRUE(copy_into("huex.dll", dir) && copy_into(bin_dir() + "..\\recording_lgicc\\LgICC.dll", dir));
    const std::string out = host(root, "load begin " + display + " " + press + " setmonitor " + display + " setprinter " + press +
                                           " name " + press + " unload", dir + "huex.dll");
    EXPECT_TRUE(has_line(out, "begin 0") && has_line(out, "setmonitor 0") && has_line(out, "setprinter 0")) << out;
    EXPECT_TRUE(has_line(out, "name 20 HUEX Test Press CMYK")) << out;
    EXPECT_TRUE(stored_paths_are(root, display, press));
    const std::vector<std::string> calls = call_log_lines(dir + "lgicc_calls.log");
    EXPECT_TRUE(calls.size() == 5 && calls.back() == "LgoDeleteMatchTransformation t=T1 status=0") << calls.size();
}

// A profile without model tags gives one screen colour whatever came before, after a restart and after a failed load.
TEST(Settings, ScreenColoursOfAProfileDoNotDependOnWhatCameBefore)
{
    const std::string root = case_root("history"), partial = test_profile("huex_display_desc_only.icc");
    const std::string out = host(root, "load setmonitor " + test_profile("huex_display_gamma.icc") + " setmonitor " + partial +
                                           " color 37 0 500 setmonitor " + test_profile("huex_display_table.icm") + " setmonitor " +
                                           partial + " color 37 0 500 unload load color 37 0 500 setmonitor " + partial + ".gone.icc color 37 0 500");
    const std::vector<std::string> colours = lines_starting(out, "color ");
    EXPECT_EQ(colours, std::vector<std::string>(4, line_for(out, "color "))) << out;
}

// A load refused at the class step still gets its detach call, which must leave the stored settings alone.
TEST(Settings, LoadRefusedAtTheClassStepLeavesTheStoredSettingsAlone)
{
    const std::string root = case_root("refused_load");
    for (DWORD k = 0; k < 8; ++k) store_dword(root, dword_values[k], 0x00010029 + k);
    store_text(root, "DISPLAY_PROFILE_PATH", "Z:\\kept\\display.icm");
    store_text(root, "PRINTER_PROFILE_PATH", "Z:\\kept\\printer.icm");
    ASSERT_TRUE(has_line(host(root, "classtaken load"), "load 0"));
    for (DWORD k = 0; k < 8; ++k) EXPECT_TRUE(stored_dword_is(root, dword_values[k], 0x00010029 + k)) << dword_values[k];
    EXPECT_TRUE(stored_paths_are(root, "Z:\\kept\\display.icm", "Z:\\kept\\printer.icm"));
}

// The default profile names come from the language module, also one whose entry point refuses to load or one built
// for the other machine (mapped as an image either way).
TEST(Settings, DefaultProfileNamesComeFromTheGermanModule)
{
    for (const char* module : {"lang\\HUEXLANG.DLL", "addon_fixtures\\refusing_lang\\HUEXLANG.DLL", "other_machine\\HUEXLANG.DLL"}) {
        const std::string dir = fresh_case_dir("settings_german");
        ASSERT_TRUE(copy_library_into(dir) && copy_into(module, dir));
        const std::string out = host(case_root("german_names"), "load monitor printer unload", dir + "huex.dll");
        EXPECT_TRUE(has_line(out, "monitor Standardbildschirm") && has_line(out, "printer 150er-Raster Belichter")) << module << out;
    }
}
