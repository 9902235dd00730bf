// The library as hosts load it: the probe, the library and the case's add-ons in a folder of their own.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "addon_fixture.h"
#include "picker/control_ids.h"
#include "picker_driver.h"
#include "display/display_state.h"
#include "huex.h"
#include "test_data.h"
#include "wine_test_support.h"

namespace {

const char pastel[] = "addons\\huex_pastel.dll";
std::string fixture(const char* name) { return std::string("addon_fixtures\\") + name; }
std::string ase_fixture()
{
    const std::vector<uint8_t> bytes = read_file_bytes(source_path("tests/data/native_two_colour.ase"));
    return std::string(bytes.begin(), bytes.end());
}

std::string addon_case(const std::string& name, std::initializer_list<std::string> addons)
{
    delete_settings_key();
    std::string dir = fresh_case_dir(name);
    EXPECT_TRUE(copy_into("huex_probe.exe", dir) && copy_library_into(dir));
    for (const std::string& a : addons) EXPECT_TRUE(copy_into(a, dir)) << a;
    return dir;
}

std::string probe(const std::string& dir, const std::string& commands)
{
    std::string out;
    EXPECT_EQ(run_process("\"" + dir + "huex_probe.exe\" \"" + dir + "huex.dll\" " + commands, dir, &out), 0) << out;
    return out;
}

std::string color_prefix(int system, int flag, int index)
{
    return "color " + std::to_string(system) + " " + std::to_string(flag) + " " + std::to_string(index) + " ";
}

std::vector<std::string> listing(const std::string& dir)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((dir + "huex_*.dll").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return names;
    do names.push_back(found.cFileName);
    while (FindNextFileA(h, &found));
    FindClose(h);
    return names;
}

const std::vector<std::string> builtin_lines = {"pub 37 0 Solid Guide/Coated", "pub 37 1 Solid Guide/Uncoated",
                                                "pub 37 2 Process Simulation Guide", "pub 293 0 Process Guide - Press Edition"};
const std::map<std::string, std::string> listed_as = {
    {"huex_pastel.dll", "pub 549 0 Pastel Guide/Coated"}, {"huex_2085a.dll", "pub 2085 0 Pastel Variant A"},
    {"huex_2085b.dll", "pub 2085 1 Pastel Variant B"},    {"huex_2341.dll", "pub 2341 0 Pastel Variant C"},
    {"huex_805.dll", "pub 805 0 Process Copy"},           {"huex_pub5.dll", "pub 549 0 Pastel Numbered Five"},
    {"huex_refusing.dll", "pub 1317 0 Pastel That Refuses"},
};

std::vector<std::string> expected_list(const std::string& dir)
{
    std::vector<std::string> lines = builtin_lines;
    for (const std::string& file : listing(dir))
        if (listed_as.count(file)) lines.push_back(listed_as.at(file));
    return lines;
}

const std::string nothing = "index 1 0 short 0 [] full 0 [] xyz1 1 0 0 0 xyz0 1 0 0 0 xyz2 1 0 0 0 rgb1 1 0 0 0 "
                            "rgb0 1 0 0 0 rgb2 1 0 0 0 cmyk 1 0 0 0 0";

struct source_tables {
    std::vector<uint8_t> names, cie50, cie65, cmyk;
    size_t width;

    std::string line(int system, int flag, int decoded_flag, size_t i, const char* suffix) const
    {
        std::string name(reinterpret_cast<const char*>(&names[i * width]), width);
        name = name.substr(0, name.find('\0'));
        const std::string full = "VERIHUE " + name + " " + suffix;
        char s[600];
        int n = std::snprintf(s, sizeof s, "color %d %d %zu encode 0 decode 0 %d %d %zu index 0 %zu short %zu [%s] full %zu [%s]",
                              system, flag, i, system, decoded_flag, i, i, name.size(), name.c_str(), full.size(), full.c_str());
        double v[2][3];  // D50, D65 on the 0-100 scale
        for (int k = 0; k < 6; ++k) v[k / 3][k % 3] = u16(k < 3 ? cie50 : cie65, i * 6 + k % 3 * 2) / 100.0;
        for (int k = 0; k < 6; ++k) {  // selectors 1 (D50), 0 and 2 (D65): first XYZ, then screen colours, where paper white stays white
            const int selector = (4 - k % 3) % 3;
            const double* x = v[selector == 1 ? 0 : 1];
            rgb8 c = {255, 255, 255};
            display_state display;   // the built-in display model
            if (k >= 3 && (x[0] < 99.99 || x[1] < 99.99 || x[2] < 99.99)) c = xyz_to_display_rgb(display, x[0], x[1], x[2]);
            const int32_t r = c.r, g = c.g, b = c.b;
            n += k < 3 ? std::snprintf(s + n, sizeof s - n, " xyz%d 0 %u %u %u", selector, word(x[0]), word(x[1]), word(x[2]))
                       : std::snprintf(s + n, sizeof s - n, " rgb%d 0 %d %d %d", selector, r << 8, g << 8, b << 8);
        }
        n += std::snprintf(s + n, sizeof s - n, " cmyk 0");
        for (int k = 0; k < 4; ++k) {  // the recipe, as the built-in printer prints it
            const float fraction = static_cast<float>(u16(cmyk, i * 8 + k * 2) / 1000.0);
            n += std::snprintf(s + n, sizeof s - n, " %u", unsigned(static_cast<WORD>(double(fraction) * 65535.0)));
        }
        return s;
    }
    static int u16(const std::vector<uint8_t>& t, size_t at) { return t[at] | t[at + 1] << 8; }
    static unsigned word(double v) { return static_cast<WORD>((v > 100.0 ? 100.0 : v) / 100.0 * 65535.0); }
};

source_tables tables(const std::string& folder, const std::string& names, const std::string& measured,
                     const std::string& cmyk, size_t width)
{
    auto bytes = [&](const std::string& file) { return read_file_bytes(source_path(folder + file)); };
    return {bytes(names), bytes(measured + ".cie50"), bytes(measured + ".cie65"), bytes(cmyk), width};
}
const source_tables pastel_tables = tables("addons/pastel/", "addon.names", "addon", "addon.cmyk", 16);
const source_tables process_tables = tables("src/resources/data/", "process.names", "process", "process.cmyk", 6);

}  // namespace

// The tables the library and the sample add-on carry are the committed files, byte for byte; what the look-ups make of
// them is the native tests' business.
TEST(Resources, LibraryAndSampleAddOnCarryTheCommittedTables)
{
    const char* const data = "src/resources/data/";
    const struct { const char *module, *name, *folder; std::vector<const char*> types; } tables[] = {
        {"huex.dll", "spot", data, {"NAMES", "CMYK", "PAGE"}}, {"huex.dll", "process", data, {"NAMES", "CMYK", "PAGE", "CIE50", "CIE65", "PUB"}},
        {"huex.dll", "solidc", data, {"CIE50", "CIE65", "PUB"}}, {"huex.dll", "solidu", data, {"CIE50", "CIE65", "PUB"}},
        {"huex.dll", "simprc", data, {"CIE50", "CIE65", "PUB"}}, {pastel, "addon", "addons/pastel/", {"PUB", "NAMES", "CIE50", "CIE65", "CMYK"}}};
    for (const auto& t : tables) {
        HMODULE m = LoadLibraryExA((bin_dir() + t.module).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(m, nullptr) << t.module;
        for (std::string type : t.types) {
            HRSRC r = FindResourceA(m, t.name, type.c_str());
            const BYTE* bytes = r ? static_cast<const BYTE*>(LockResource(LoadResource(m, r))) : nullptr;
            CharLowerA(&type[0]);
            const std::vector<uint8_t> committed = read_file_bytes(source_path(t.folder + std::string(t.name) + "." + type));
            EXPECT_TRUE(bytes && committed == std::vector<uint8_t>(bytes, bytes + SizeofResource(m, r))) << t.name << " " << type;
        }
        FreeLibrary(m);
    }
}

// The scan lets each add-on go; the first look-up that needs it maps it for good, also one built for the other machine.
TEST(AddOns, ModuleIsMappedByTheFirstLookUpAndKept)
{
    for (const char* addon : {pastel, "other_machine\\huex_pastel.dll"}) {
        std::string dir = addon_case("addons_module", {addon});
        std::string out = probe(dir, "modules pubsize 549 0 modules colors 549 0 0 20 pubsize 37 0 modules");
        const std::string mapped = "module " + dir + "huex_pastel.dll";
        std::vector<std::string> seen;  // in the order printed
        for (const std::string& line : lines_starting(out, "")) if (line.rfind("pubsize ", 0) == 0 || line == mapped) seen.push_back(line);
        EXPECT_EQ(seen, (std::vector<std::string>{"pubsize 549 0 8 36", mapped, "pubsize 37 0 7 136", mapped})) << addon << out;
        EXPECT_EQ(line_for(out, color_prefix(549, 0, 20)), pastel_tables.line(549, 0, 0, 20, "DPC"));
    }
}

// Reloaded without the add-on's file: its colours are gone, also for a record the host kept.
TEST(AddOns, GoneAfterAReloadWithoutItsFile)
{
    std::string dir = addon_case("addons_removed", {pastel});
    std::string out = probe(dir, "color 549 0 7 unload rename " + dir + "huex_pastel.dll " + dir +
                                     "pastel.removed load pubs color 549 0 7 held color 37 0 7");
    const std::vector<std::string> colours = lines_starting(out, color_prefix(549, 0, 7));
    ASSERT_EQ(colours.size(), 2u) << out;
    EXPECT_EQ(colours[0], pastel_tables.line(549, 0, 0, 7, "DPC"));
    EXPECT_EQ(line_for(out, "rename ") + line_for(out, "load "), "rename 1load 1");
    EXPECT_EQ(lines_starting(out, "pub "), builtin_lines);
    EXPECT_EQ(colours[1], "color 549 0 7 encode 2 decode 1 0 0 0 " + nothing);
    EXPECT_EQ(line_for(out, "held"), "held decode 1 0 0 0 " + nothing);
    EXPECT_EQ(line_for(out, color_prefix(37, 0, 7)), tables("src/resources/data/", "spot.names", "solidc", "spot.cmyk", 15).line(37, 0, 0, 7, "DSC"));
}

// Resources missing (strings, measurements) or shorter than the descriptor says: what reads past them is decided natively,
// that the module's resource sizes are the ones honoured is the platform's.
TEST(AddOns, IncompleteAddOnsFailLookUpsWithoutReadingPastTheirTables)
{
    std::string dir = addon_case("addons_incomplete", {fixture("huex_nostrings.dll"), fixture("huex_nocie.dll"), fixture("huex_short.dll")});
    ASSERT_TRUE(copy_into(fixture("huex_nostrings.dll"), dir, "huex_nostrings2.dll"));
    std::string out = probe(dir, "pubs pubsize 0 0 pubsize 1317 0 color 1317 0 0 color 1317 0 1 color 1061 0 9");
    EXPECT_EQ(lines_starting(out, "pub ").size(), 6u) << out;
    EXPECT_EQ(line_for(out, "pubsize 0 0 "), "pubsize 0 0 -1 -1");
    EXPECT_EQ(line_for(out, "pubsize 1317 0 "), "pubsize 1317 0 8 36");
    const std::string found = " xyz1 0 32767 39321 45874 xyz0 0 33422 39976 46529 xyz2 0 33422 39976 46529 rgb1 0 ";
    EXPECT_NE(line_for(out, color_prefix(1317, 0, 0)).find("short 9 [Short One] full 21 [VERIHUE Short One DST]" + found), std::string::npos);
    EXPECT_NE(line_for(out, color_prefix(1317, 0, 1)).find("short 9 [Short Two] full 21 [VERIHUE Short Two DST] xyz1 1 0 0 0 "
                                                           "xyz0 1 0 0 0 xyz2 1 0 0 0 rgb1 1 0 0 0"), std::string::npos);
    const std::string no_cie = line_for(out, color_prefix(1061, 0, 9)), whole = pastel_tables.line(1061, 0, 0, 9, "");
    EXPECT_EQ(no_cie.substr(0, no_cie.find(" full")), whole.substr(0, whole.find(" full")));
    EXPECT_NE(no_cie.find(" xyz2 1 0 0 0 rgb1 1 0 0 0 rgb0 1 0 0 0 rgb2 1 0 0 0" + whole.substr(whole.find(" cmyk"))), std::string::npos) << no_cie;
}

// 2085 and 2341 with flag variants; 805 has a second index field above 1023; a file that is no DLL is passed over;
// pub5's descriptor number is not the one its code selects, so it is listed but names nothing.
TEST(AddOns, CodesWithFlagVariantsTheWideLayoutAndMisfits)
{
    std::string dir = addon_case("addons_variants", {pastel, fixture("huex_2085a.dll"), fixture("huex_2085b.dll"), fixture("huex_2341.dll"),
                                                    fixture("huex_805.dll"), fixture("huex_x.dll")});
    std::string out = probe(dir, "pubs color 2085 0 5 color 2085 1 287 color 2341 0 3 color 2341 1 0 color 2085 2 0 color 805 0 1023 "
                                 "color 805 0 1024 color 805 0 3005 color 805 0 3006 color 805 1 0 pubsize 805 0 pubsize 2085 0");
    EXPECT_EQ(lines_starting(out, "pub "), expected_list(dir));
    EXPECT_EQ(line_for(out, color_prefix(2085, 0, 5)), pastel_tables.line(2085, 0, 0, 5, "DVA"));
    EXPECT_EQ(line_for(out, color_prefix(2085, 1, 287)), pastel_tables.line(2085, 1, 1, 287, "DVB"));
    EXPECT_EQ(line_for(out, color_prefix(2341, 0, 3)), pastel_tables.line(2341, 0, 0, 3, "DVC"));
    for (int i : {1023, 1024, 3005}) EXPECT_EQ(line_for(out, color_prefix(805, 0, i)), process_tables.line(805, 0, 0, i, "DPX"));
    for (const char* refused : {"color 2341 1 0 encode 2", "color 2085 2 0 encode 2", "color 805 1 0 encode 2", "color 805 0 3006 encode 1"})
        EXPECT_NE(out.find(refused), std::string::npos) << refused;
    EXPECT_EQ(line_for(out, "pubsize 805 0 ") + line_for(out, "pubsize 2085 0 "), "pubsize 805 0 9 334pubsize 2085 0 8 36");
    dir = addon_case("addons_pub5", {fixture("huex_pub5.dll")});
    out = probe(dir, "pubs pubsize 549 0 pubsize 1573 0 color 549 0 0");
    EXPECT_EQ(lines_starting(out, "pub "), expected_list(dir));
    EXPECT_EQ(line_for(out, "pubsize 549 0 ") + line_for(out, "pubsize 1573 0 "), "pubsize 549 0 -1 -1pubsize 1573 0 8 36");
    EXPECT_EQ(line_for(out, color_prefix(549, 0, 0)), "color 549 0 0 encode 2 decode 1 0 0 0 " + nothing);
}

// A pair that selects no add-on publication would loop or end a host's walk: passed over. The refusing add-on is read, never run.
TEST(AddOns, PairsThatSelectNoAddOnArePassedOver)
{
    const source_tables& t = pastel_tables;
    addon_tables bad = {"[Misnumbered] 4 8 36\r\n[DMX][PMX]\r\n[Process]\r\n16\r\n", std::string(t.names.begin(), t.names.end()),
                        std::string(t.cie50.begin(), t.cie50.end()), std::string(t.cie65.begin(), t.cie65.end()),
                        std::string(t.cmyk.begin(), t.cmyk.end()), "", ""};
    for (const auto& p : {std::make_pair("293", "5"), {"37", "0"}, {"37", "2"}, {"-1", "0"}, {"65573", "1"}, {"37", "3"}}) {
        const std::string dir = addon_case(std::string("addons_pair_") + p.first + "_" + p.second,
                                           {fixture("huex_refusing.dll"), fixture("huex_2085a.dll")});
        bad.code = p.first;
        bad.flag = p.second;
        ASSERT_TRUE(build_addon(dir + "huex_misnumbered.dll", bad));
        ASSERT_NE(listing(dir).back(), "huex_misnumbered.dll");
        std::string out = probe(dir, "pubs color 1317 0 7");
        EXPECT_EQ(lines_starting(out, "pub "), expected_list(dir)) << p.first << " " << p.second;
        EXPECT_EQ(line_for(out, color_prefix(1317, 0, 7)), t.line(1317, 0, 0, 7, "DRP"));
    }
}

// Each unload gives back the records, handles and mapped modules of its load.
TEST(Loader, RepeatedLoadsLeaveNoRecordsHandlesOrMappedModules)
{
    std::string dir = addon_case("addons_reload", {pastel, fixture("huex_2085a.dll"), "lang\\HUEXLANG.DLL"});
    std::string out = probe(dir, "reload 10 reload 100 pubs");
    size_t at = out.rfind("reload ");
    ASSERT_NE(at, std::string::npos) << out;
    int loaded = 0;
    size_t heap[2], handle[2], views[2];
    ASSERT_EQ(std::sscanf(out.c_str() + at, "reload %d heap %zu %zu handle %zu %zu views %zu %zu", &loaded, &heap[0], &heap[1],
                          &handle[0], &handle[1], &views[0], &views[1]), 7) << out;
    EXPECT_EQ(loaded, 100);
    EXPECT_LT(heap[1], heap[0] + 4096);
    EXPECT_TRUE(handle[1] == handle[0] && views[0] + views[1] == 0) << out;
    EXPECT_EQ(lines_starting(out, "pub ").size(), 6u) << out;
}

// Loaded by path from B with planted modules in the current directory C: nothing of C is loaded.
TEST(Loader, NothingComesFromTheCurrentDirectory)
{
    std::string a = fresh_case_dir("safe_a"), b = addon_case("safe_b", {}), c = fresh_case_dir("safe_c");
    ASSERT_TRUE(copy_into("huex_probe.exe", a) && copy_into(pastel, b, "huex_b.dll") && copy_into("huex.dll", c) &&
                copy_into("..\\recording_lgicc\\LgICC.dll", c) && copy_into("lang\\HUEXLANG.DLL", c) &&
                copy_into(fixture("huex_2085a.dll"), c, "huex_c.dll"));
    auto run = [&] {
        std::string out;
        EXPECT_EQ(run_process("\"" + a + "huex_probe.exe\" \"" + b + "huex.dll\" modules setname pubs pubsize 2085 0", c, &out), 0) << out;
        EXPECT_EQ(out.find(c), std::string::npos) << out;
        EXPECT_NE(out.find("module " + b + "huex.dll"), std::string::npos) << out;
        std::vector<std::string> expected = builtin_lines;
        expected.push_back("pub 549 0 Pastel Guide/Coated");
        EXPECT_EQ(lines_starting(out, "pub "), expected);
        EXPECT_EQ(line_for(out, "pubsize 2085 0 "), "pubsize 2085 0 -1 -1");
        return line_for(out, "setname");
    };
    EXPECT_EQ(run(), "setname 21 VERIHUE\xAE COLOR SYSTEM");
    ASSERT_TRUE(copy_into("lang\\HUEXLANG.DLL", b));
    EXPECT_EQ(run(), "setname 19 VERIHUE\xAE FARBSYSTEM");
}

// Palettes: swatch files beside the library (palettes\\) and in the user's folder, listed after the add-ons by name,
// the user's file over the library's of the same name, codes from 16 (0x1025) on that outlast the file.
TEST(Palettes, BothFoldersListedUserFileWinsCodesLastARemovedOneStaysReserved)
{
    palette_folders folders;
    const std::string dir = addon_case("palettes_listed", {pastel}), library = dir + "palettes\\";
        ASSERT_TRUE(folders.put(library, "Brand.gpl", gpl_palette({"200 16 46 Brand Red"})) &&
                folders.put(library, "Shared.gpl", gpl_palette({"1 2 3 Library Blue"})) &&
                folders.put(folders.user, "SHARED.GPL", gpl_palette({"0 0 255 User Blue", "0 0 200 User Blue"})) &&
                folders.put(folders.user, "Team.ase", ase_fixture()));
    std::vector<std::string> expected = expected_list(dir);
    for (const char* line : {"pub 4133 0 Brand", "pub 4389 0 SHARED", "pub 4645 0 Team"}) expected.push_back(line);
    std::string out = probe(dir, "pubs color 4389 0 0 color 4645 0 1");
    EXPECT_EQ(lines_starting(out, "pub "), expected) << out;
    EXPECT_NE(line_for(out, color_prefix(4389, 0, 0)).find("short 9 [User Blue] full 9 [User Blue]"), std::string::npos) << out;
    EXPECT_NE(line_for(out, color_prefix(4645, 0, 1)).find("full 16 [VERIHUE Caf\xE9 DTG]"), std::string::npos) << out;

    ASSERT_TRUE(DeleteFileA((library + "Brand.gpl").c_str()) && folders.put(library, "Added.gpl", gpl_palette({"9 9 9 Grey"})));
    out = probe(dir, "pubs color 4133 0 0");
    expected.resize(expected.size() - 3);
    for (const char* line : {"pub 4901 0 Added", "pub 4389 0 SHARED", "pub 4645 0 Team"}) expected.push_back(line);
    EXPECT_EQ(lines_starting(out, "pub "), expected) << out;
    EXPECT_EQ(line_for(out, color_prefix(4133, 0, 0)), "color 4133 0 0 encode 2 decode 1 0 0 0 " + nothing);
}

// Run as a child of the next case, once the palettes are in place: they are read when the library loads.
TEST(PalettePicker, DISABLED_TypeBoxListsThePalettesAndOneIsPicked)
{
    extended_color record = {};
    const BYTE chosen = pick_and_drive([&](const open_picker& p) {
        click_tab(p, 0);
        ASSERT_TRUE(wait_for([&] { return IsWindowVisible(p.pages[0]) != 0; }));
        HWND combo = GetDlgItem(p.pages[0], IDC_TYPE_COMBO);
        int team = -1;
        for (int k = 3; k < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++k) {
            char text[256] = "";
            SendMessageA(combo, CB_GETLBTEXT, k, reinterpret_cast<LPARAM>(text));
            std::printf("typebox %s\n", text);
            if (std::string(text) == "Team") team = k;
        }
        ASSERT_GE(team, 0);
        SendMessageA(combo, CB_SETCURSEL, team, 0), SendMessageA(p.pages[0], WM_COMMAND, MAKEWPARAM(IDC_TYPE_COMBO, CBN_SELCHANGE), LPARAM(combo));
        EXPECT_TRUE(wait_for([&] { return text_of(GetDlgItem(p.pages[0], IDC_NAME_EDIT)).rfind("VERIHUE ", 0) == 0; }));
        click_button(p.ok);
    }, &record);
    char name[HUEX_COLOR_NAME_SIZE] = "";
    HUEX_GetColorName(&record, name);
    short system = 0, flag = 0, index = -1;
    HUEX_DecodeColor(&system, &flag, &index, &record);
    std::printf("picked %d %d %d %d %s\n", chosen, system, flag, index, name);
}

TEST(Palettes, ColourPickedFromAPaletteIsKnownInTheNextProcess)
{
    palette_folders folders;
    ASSERT_TRUE(folders.put(bin_dir() + "palettes\\", "Brand.gpl", gpl_palette({"200 16 46 Brand Red"})) &&
                folders.put(folders.user, "Team.ase", ase_fixture()));
    std::string out;
    ASSERT_EQ(run_process("\"" + bin_dir() + "test_addons.exe\" --gtest_also_run_disabled_tests --gtest_filter=PalettePicker.*", bin_dir(), &out), 0) << out;
    EXPECT_EQ(lines_starting(out, "typebox "), (std::vector<std::string>{"typebox Brand", "typebox Team"})) << out;
    int chosen = 0, system = 0, flag = -1, index = -1;
    char name[HUEX_COLOR_NAME_SIZE] = "";
    ASSERT_EQ(std::sscanf(line_for(out, "picked ").c_str(), "picked %d %d %d %d %75[^\n]", &chosen, &system, &flag, &index, name), 5) << out;
    EXPECT_TRUE(chosen == 1 && system == 4389 && flag == 0 && index >= 0 && index < 2) << out;
    // Another library folder (the user's palette only), the stored codes kept.
    const std::string dir = fresh_case_dir("palettes_picked");
    ASSERT_TRUE(copy_into("huex_probe.exe", dir) && copy_library_into(dir));
    out = probe(dir, "color 4389 0 " + std::to_string(index));
    EXPECT_NE(line_for(out, color_prefix(4389, 0, index)).find("full " + std::to_string(std::strlen(name)) + " [" + name + "]"), std::string::npos) << out;
}

TEST(AddonCheck, AcceptsSoundAddOnsAndNamesEachFault)
{
    const std::vector<data_row> verdicts = read_data_table("core_addon_check.csv");
    ASSERT_EQ(verdicts.size(), 16u);
    for (const data_row& v : verdicts) {
        std::string says = v[2];
        for (size_t k = 3; k < v.size(); ++k) says += ", " + v[k];
        const std::string file = bin_dir() + v[0];
        std::string out;
        EXPECT_EQ(run_process("\"" + bin_dir() + "huexinfo.exe\" addon-check \"" + file + "\"", bin_dir(), &out), data_number(v[1])) << out;
        EXPECT_NE(out.find(says), std::string::npos) << file << "\n" << out;
    }
    std::string dir = addon_case("addons_huexinfo", {pastel, "huexinfo.exe"});
    std::string out;
    EXPECT_EQ(run_process("\"" + dir + "huexinfo.exe\" pubs", dir, &out), 0) << out;
    EXPECT_NE(out.find("Pastel Guide/Coated"), std::string::npos) << out;
}
