// Add-on publications through the real DLL: every case is a folder of its own
// holding the probe host, the library and that case's add-ons, run as a fresh
// process (the scan happens once, at attach). Colours read back are compared
// with the tables the add-ons were built from.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "addon_fixture.h"
#include "huex.h"
#include "wine_test_support.h"

namespace {

const char pastel[] = "addons\\huex_pastel.dll";

std::string fixture(const char* name) { return std::string("addon_fixtures\\") + name; }

// The library, its colour-matching module when the build has one, the probe
// host and the given add-ons (paths below bin, copied under their own names).
std::string addon_case(const std::string& name, std::initializer_list<std::string> addons)
{
    // Recipes are what the built-in printer prints: no stored printer profile.
    delete_settings_key();
    std::string dir = fresh_case_dir(name);
    EXPECT_TRUE(copy_into("huex_probe.exe", dir));
    EXPECT_TRUE(copy_into("huex.dll", dir));
    if (GetFileAttributesA((bin_dir() + "LgICC.dll").c_str()) != INVALID_FILE_ATTRIBUTES) {
        EXPECT_TRUE(copy_into("LgICC.dll", dir));
    }
    for (const std::string& a : addons) EXPECT_TRUE(copy_into(a, dir)) << a;
    return dir;
}

std::string probe(const std::string& dir, const std::string& commands, const std::string& cwd = "")
{
    std::string out;
    int rc = run_process("\"" + dir + "huex_probe.exe\" \"" + dir + "huex.dll\" " + commands, cwd.empty() ? dir : cwd, &out);
    EXPECT_EQ(rc, 0) << out;
    return out;
}

std::vector<std::string> lines_starting(const std::string& out, const std::string& prefix)
{
    std::vector<std::string> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
    }
    return lines;
}

std::string line_for(const std::string& out, const std::string& prefix)
{
    std::vector<std::string> lines = lines_starting(out, prefix);
    return lines.empty() ? "(no line " + prefix + ")" : lines[0];
}

// The add-on files of a folder in the order in which its listing gives them,
// which is the order the library scans them in.
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

const std::vector<std::string> builtin_lines = {
    "pub 37 0 Solid Guide/Coated",
    "pub 37 1 Solid Guide/Uncoated",
    "pub 37 2 Process Simulation Guide",
    "pub 293 0 Process Guide - Press Edition",
};

// What the list shows for each add-on file of these tests.
const std::map<std::string, std::string> listed_as = {
    {"huex_pastel.dll", "pub 549 0 Pastel Guide/Coated"},
    {"huex_2085a.dll", "pub 2085 0 Pastel Variant A"},
    {"huex_2085b.dll", "pub 2085 1 Pastel Variant B"},
    {"huex_2341.dll", "pub 2341 0 Pastel Variant C"},
    {"huex_805.dll", "pub 805 0 Process Copy"},
    {"huex_pub5.dll", "pub 549 0 Pastel Numbered Five"},
    {"huex_refusing.dll", "pub 1317 0 Pastel That Refuses"},
};

// The list the library must show for a folder: the built-in publications,
// then the add-ons in listing order, passing over every file that is none.
std::vector<std::string> expected_list(const std::string& dir)
{
    std::vector<std::string> lines = builtin_lines;
    for (const std::string& file : listing(dir)) {
        auto it = listed_as.find(file);
        if (it != listed_as.end()) lines.push_back(it->second);
    }
    return lines;
}

std::vector<uint8_t> source_bytes(const std::string& relative)
{
    std::vector<uint8_t> bytes = file_bytes(std::string("Z:") + HUEX_SOURCE_DIR + "/" + relative);
    EXPECT_FALSE(bytes.empty()) << relative;
    return bytes;
}

// A publication's tables as committed, to compare the exports' answers with.
struct source_tables {
    std::vector<uint8_t> names, cie50, cie65, cmyk;
    size_t width;

    std::string name(size_t i) const
    {
        std::string s;
        for (size_t k = 0; k < width && names[i * width + k] != 0; ++k) s += static_cast<char>(names[i * width + k]);
        return s;
    }
    // As HUEX_GetColorXYZ scales a stored value.
    static unsigned word(const std::vector<uint8_t>& t, size_t i, int k)
    {
        double v = (t[i * 6 + k * 2] | t[i * 6 + k * 2 + 1] << 8) / 100.0;
        if (v > 100.0) v = 100.0;
        return static_cast<WORD>(v / 100.0 * 65535.0);
    }
    std::string xyz(const std::vector<uint8_t>& t, size_t i) const
    {
        char s[64];
        std::snprintf(s, sizeof s, "%u %u %u", word(t, i, 0), word(t, i, 1), word(t, i, 2));
        return s;
    }
    // As HUEX_GetColorCMYK gives a recipe with the built-in printer chosen.
    std::string recipe(size_t i) const
    {
        std::string s;
        for (int k = 0; k < 4; ++k) {
            float fraction = static_cast<float>((cmyk[i * 8 + k * 2] | cmyk[i * 8 + k * 2 + 1] << 8) / 1000.0);
            s += " " + std::to_string(static_cast<WORD>(static_cast<double>(fraction) * 65535.0));
        }
        return s;
    }
};

source_tables pastel_tables()
{
    return {source_bytes("addons/pastel/addon.names"), source_bytes("addons/pastel/addon.cie50"),
            source_bytes("addons/pastel/addon.cie65"), source_bytes("addons/pastel/addon.cmyk"), 16};
}

// The probe's line for a colour that every look-up finds.
std::string found_line(short system, short flag, short decoded_flag, int index, const source_tables& t, const char* suffix)
{
    std::string name = t.name(static_cast<size_t>(index));
    std::string full = "VERIHUE " + name + " " + suffix;
    char head[128];
    std::snprintf(head, sizeof head, "color %d %d %d encode 0 decode 0 %d %d %d index 0 %d", system, flag, index, system,
                  decoded_flag, index, index);
    return std::string(head) + " short " + std::to_string(name.size()) + " [" + name + "] full " +
           std::to_string(full.size()) + " [" + full + "] xyz50 0 " + t.xyz(t.cie50, static_cast<size_t>(index)) +
           " xyz65 0 " + t.xyz(t.cie65, static_cast<size_t>(index)) + " cmyk 0" + t.recipe(static_cast<size_t>(index));
}

std::string color_prefix(short system, short flag, int index)
{
    return "color " + std::to_string(system) + " " + std::to_string(flag) + " " + std::to_string(index) + " ";
}

}  // namespace

// The library the tests link against lies in bin/, where no add-on may be:
// the project's add-ons are built into folders of their own.
TEST(AddOns, NoneBesideTheTestedLibrary)
{
    EXPECT_TRUE(listing(bin_dir()).empty());
    extended_color record = {};
    EXPECT_EQ(HUEX_EncodeColor(549, 0, 0, &record), 2);
    EXPECT_EQ(HUEX_PubColors(549, 0), -1);
}

TEST(AddOns, ListedAfterTheBuiltInOnesInDirectoryOrder)
{
    std::string dir = addon_case("addons_two", {pastel, fixture("huex_2085a.dll")});
    ASSERT_EQ(expected_list(dir).size(), 6u);
    EXPECT_EQ(lines_starting(probe(dir, "pubs"), "pub "), expected_list(dir));
}

TEST(AddOns, PastelColoursReadBackThroughTheExports)
{
    std::string dir = addon_case("addons_pastel", {pastel});
    const source_tables t = pastel_tables();
    ASSERT_EQ(t.names.size(), 288u * 16);
    std::string out = probe(dir,
                            "pubsize 549 0 pubsize 549 15 color 549 0 0 color 549 0 7 color 549 0 255 color 549 0 256 "
                            "color 549 0 287 color 549 0 288 color 549 0 -1");
    EXPECT_EQ(line_for(out, "pubsize 549 0 "), "pubsize 549 0 8 36");
    EXPECT_EQ(line_for(out, "pubsize 549 15 "), "pubsize 549 15 8 36") << "549 takes any flag";
    for (int i : {0, 7, 255, 256, 287}) EXPECT_EQ(line_for(out, color_prefix(549, 0, i)), found_line(549, 0, 0, i, t, "DPC"));
    // Beyond the colours, or negative: refused, and the record names nothing.
    EXPECT_EQ(line_for(out, color_prefix(549, 0, 288)),
              "color 549 0 288 encode 1 decode 1 0 0 0 index 1 0 short 0 [] full 0 [] xyz50 1 0 0 0 xyz65 1 0 0 0 "
              "cmyk 1 0 0 0 0");
    EXPECT_NE(line_for(out, color_prefix(549, 0, -1)).find(" encode 1 decode 1 0 "), std::string::npos);
}

// The scan reads each add-on and lets it go; the first look-up that needs one
// of its tables maps it and keeps it, however many look-ups follow.
TEST(AddOns, ModuleIsMappedByTheFirstLookUpAndKept)
{
    std::string dir = addon_case("addons_module", {pastel});
    std::string out = probe(dir, "addon_modules pubsize 549 0 addon_modules time 549 0 3 2000 addon_modules");
    const std::string mapped = "addon_module " + dir + "huex_pastel.dll";
    const std::vector<std::string> expected = {"addon_modules end", mapped, "addon_modules end", mapped, "addon_modules end"};
    EXPECT_EQ(lines_starting(out, "addon_module"), expected) << out;
}

// The host unloads the library, the add-on is taken away, and the library is
// loaded again: its colours are gone, also for a record the host kept, and
// nothing reaches for the tables of the add-on the first load used.
TEST(AddOns, GoneAfterAReloadWithoutItsFile)
{
    std::string dir = addon_case("addons_removed", {pastel});
    const source_tables t = pastel_tables();
    std::string out = probe(dir, "color 549 0 7 unload rename " + dir + "huex_pastel.dll " + dir +
                                     "pastel.removed load pubs color 549 0 7 held color 37 0 7");
    const std::vector<std::string> colours = lines_starting(out, color_prefix(549, 0, 7));
    ASSERT_EQ(colours.size(), 2u) << out;
    EXPECT_EQ(colours[0], found_line(549, 0, 0, 7, t, "DPC"));
    EXPECT_EQ(line_for(out, "rename "), "rename 1");
    EXPECT_EQ(line_for(out, "load "), "load 1");
    EXPECT_EQ(lines_starting(out, "pub "), builtin_lines);
    const std::string nothing = "index 1 0 short 0 [] full 0 [] xyz50 1 0 0 0 xyz65 1 0 0 0 cmyk 1 0 0 0 0";
    EXPECT_EQ(colours[1], "color 549 0 7 encode 2 decode 1 0 0 0 " + nothing);
    EXPECT_EQ(line_for(out, "held"), "held decode 1 0 0 0 " + nothing);
    EXPECT_NE(line_for(out, color_prefix(37, 0, 7)).find(" encode 0 "), std::string::npos) << out;
}

TEST(AddOns, DescriptorNumberOtherThanItsCodeSelectsIsListedButNamesNothing)
{
    std::string dir = addon_case("addons_pub5", {fixture("huex_pub5.dll")});
    std::string out = probe(dir, "pubs pubsize 549 0 pubsize 1573 0 color 549 0 0 color 1573 0 0");
    EXPECT_EQ(lines_starting(out, "pub "), expected_list(dir));
    EXPECT_EQ(line_for(out, "pubsize 549 0 "), "pubsize 549 0 -1 -1") << "publication 4 does not exist";
    // Code 1573 selects publication 5, which the add-on holds; code 549 does not.
    EXPECT_EQ(line_for(out, "pubsize 1573 0 "), "pubsize 1573 0 8 36");
    EXPECT_NE(line_for(out, color_prefix(549, 0, 0)).find("encode 2 "), std::string::npos);
    EXPECT_NE(line_for(out, color_prefix(549, 0, 0)).find("index 1 0 short 0 []"), std::string::npos);
}

TEST(AddOns, FileThatIsNoDllIsPassedOverAndHarmsNothing)
{
    std::string dir = addon_case("addons_not_a_dll",
                                 {pastel, fixture("huex_2085a.dll"), fixture("huex_2341.dll"), "addon_fixtures\\huex_x.dll"});
    std::string out = probe(dir, "pubs pubsize 549 0 pubsize 2085 0 pubsize 2341 0 color 2341 0 3");
    EXPECT_EQ(lines_starting(out, "pub "), expected_list(dir));
    for (std::string code : {"549", "2085", "2341"})
        EXPECT_EQ(line_for(out, "pubsize " + code + " 0 "), "pubsize " + code + " 0 8 36");
    EXPECT_EQ(line_for(out, color_prefix(2341, 0, 3)), found_line(2341, 0, 0, 3, pastel_tables(), "DVC"));
}

TEST(AddOns, IncompleteAddOnsFailLookUpsWithoutReadingPastTheirTables)
{
    std::string dir = addon_case("addons_incomplete",
                                 {fixture("huex_nostrings.dll"), fixture("huex_nocie.dll"), fixture("huex_short.dll")});
    // Without strings 2 and 3 the pair is (0, 0), which selects nothing: such
    // files are passed over, a second copy as well.
    ASSERT_TRUE(copy_into(fixture("huex_nostrings.dll"), dir, "huex_nostrings2.dll"));
    std::string out = probe(dir,
                            "pubs pubsize 0 0 pubsize 1061 0 pubsize 1317 0 "
                            "color 1317 0 0 color 1317 0 1 color 1317 0 2 color 1317 0 3 color 1317 0 287");
    // The no-measurement add-on holds publication 6 too, and the first in
    // the listing wins.
    EXPECT_EQ(lines_starting(out, "pub ").size(), 6u) << out;
    EXPECT_EQ(line_for(out, "pubsize 0 0 "), "pubsize 0 0 -1 -1");
    for (std::string code : {"1061", "1317"})
        EXPECT_EQ(line_for(out, "pubsize " + code + " 0 "), "pubsize " + code + " 0 8 36");

    // Tables shorter than the descriptor: three names, one whole measurement
    // and a cut one, a cut recipe. What lies beyond reads as not available.
    EXPECT_EQ(line_for(out, color_prefix(1317, 0, 0)),
              "color 1317 0 0 encode 0 decode 0 1317 0 0 index 0 0 short 9 [Short One] full 21 [VERIHUE Short One DST] "
              "xyz50 0 32767 39321 45874 xyz65 0 33422 39976 46529 cmyk 3 0 0 0 0");
    EXPECT_EQ(line_for(out, color_prefix(1317, 0, 1)),
              "color 1317 0 1 encode 0 decode 0 1317 0 1 index 0 1 short 9 [Short Two] full 21 [VERIHUE Short Two DST] "
              "xyz50 1 0 0 0 xyz65 1 0 0 0 cmyk 3 0 0 0 0");
    EXPECT_NE(line_for(out, color_prefix(1317, 0, 2)).find("short 11 [Short Three]"), std::string::npos);
    EXPECT_NE(line_for(out, color_prefix(1317, 0, 3)).find("index 0 3 short 0 [] full 0 [] xyz50 1 0 0 0"), std::string::npos);
    EXPECT_NE(line_for(out, color_prefix(1317, 0, 287)).find("index 0 287 short 0 [] full 0 [] xyz50 1"), std::string::npos);
}

TEST(AddOns, MeasurementsMissingFromAnAddOn)
{
    std::string dir = addon_case("addons_no_cie", {fixture("huex_nocie.dll")});
    const source_tables t = pastel_tables();
    std::string line = line_for(probe(dir, "color 1061 0 9"), color_prefix(1061, 0, 9));
    EXPECT_NE(line.find("short " + std::to_string(t.name(9).size()) + " [" + t.name(9) + "] full"), std::string::npos) << line;
    EXPECT_NE(line.find("xyz50 1 0 0 0 xyz65 1 0 0 0 cmyk 0" + t.recipe(9)), std::string::npos) << line;
}

// Codes of the one-field layout (2085, 2341: indexes up to 1023) and of the
// two-field layout (805: up to 32767, so above 1023 the second field counts).
TEST(AddOns, CodesWithFlagVariantsAndTheWideLayout)
{
    std::string dir = addon_case("addons_variants", {fixture("huex_2085a.dll"), fixture("huex_2085b.dll"),
                                                    fixture("huex_2341.dll"), fixture("huex_805.dll")});
    const source_tables p = pastel_tables();
    const source_tables process = {source_bytes("src/resources/data/process.names"),
                                   source_bytes("src/resources/data/process.cie50"),
                                   source_bytes("src/resources/data/process.cie65"),
                                   source_bytes("src/resources/data/process.cmyk"), 6};
    std::string out = probe(dir,
                            "pubs color 2085 0 5 color 2085 1 287 color 2341 0 100 color 2341 1 0 color 2085 2 0 "
                            "color 805 0 0 color 805 0 1023 color 805 0 1024 color 805 0 3005 color 805 0 3006 "
                            "color 805 1 0 pubsize 805 0");
    EXPECT_EQ(lines_starting(out, "pub "), expected_list(dir));
    EXPECT_EQ(line_for(out, color_prefix(2085, 0, 5)), found_line(2085, 0, 0, 5, p, "DVA"));
    EXPECT_EQ(line_for(out, color_prefix(2085, 1, 287)), found_line(2085, 1, 1, 287, p, "DVB"));
    EXPECT_EQ(line_for(out, color_prefix(2341, 0, 100)), found_line(2341, 0, 0, 100, p, "DVC"));
    EXPECT_NE(line_for(out, color_prefix(2341, 1, 0)).find("encode 2 "), std::string::npos) << "no publication 11";
    EXPECT_NE(line_for(out, color_prefix(2085, 2, 0)).find("encode 2 "), std::string::npos);
    for (int i : {0, 1023, 1024, 3005})
        EXPECT_EQ(line_for(out, color_prefix(805, 0, i)), found_line(805, 0, 0, i, process, "DPX"));
    EXPECT_NE(line_for(out, color_prefix(805, 0, 3006)).find("encode 1 "), std::string::npos);
    EXPECT_NE(line_for(out, color_prefix(805, 1, 0)).find("encode 2 "), std::string::npos) << "no publication 13";
    EXPECT_EQ(line_for(out, "pubsize 805 0 "), "pubsize 805 0 9 334");
}

// A host in folder A loads the library from folder B by path while its
// current directory C holds planted copies of the library and an add-on:
// only B's add-on is scanned.
TEST(SafeLoading, AddOnsComeOnlyFromTheLibrarysFolder)
{
    std::string a = fresh_case_dir("addons_safe_a");
    std::string b = addon_case("addons_safe_b", {});
    std::string c = fresh_case_dir("addons_safe_c");
    ASSERT_TRUE(copy_into("huex_probe.exe", a));
    ASSERT_TRUE(copy_into(pastel, b, "huex_b.dll"));
    ASSERT_TRUE(copy_into("huex.dll", c));
    ASSERT_TRUE(copy_into(fixture("huex_2085a.dll"), c, "huex_c.dll"));
    std::string out;
    ASSERT_EQ(run_process("\"" + a + "huex_probe.exe\" \"" + b + "huex.dll\" pubs pubsize 2085 0", c, &out), 0) << out;
    std::vector<std::string> expected = builtin_lines;
    expected.push_back("pub 549 0 Pastel Guide/Coated");
    EXPECT_EQ(lines_starting(out, "pub "), expected);
    EXPECT_EQ(line_for(out, "pubsize 2085 0 "), "pubsize 2085 0 -1 -1");
}

// A pair that selects no add-on publication would send a host's walk of the
// list back to its start or into the built-in guides for ever, or end it
// early: each such file is passed over like one that cannot be loaded. The
// add-on whose entry point refuses to load is read, never run: its colours
// are there all the same.
TEST(AddOns, PairsThatSelectNoAddOnArePassedOver)
{
    const struct { const char *code, *flag; } pairs[] = {
        {"293", "5"}, {"37", "0"}, {"37", "2"}, {"-1", "0"}, {"65573", "1"}, {"37", "3"},
    };
    const source_tables t = pastel_tables();
    addon_tables bad = {"[Misnumbered] 4 8 36\r\n[DMX][PMX]\r\n[Process]\r\n16\r\n",
                        std::string(t.names.begin(), t.names.end()), std::string(t.cie50.begin(), t.cie50.end()),
                        std::string(t.cie65.begin(), t.cie65.end()), std::string(t.cmyk.begin(), t.cmyk.end()), "", ""};
    for (const auto& p : pairs) {
        std::string dir = addon_case(std::string("addons_pair_") + p.code + "_" + p.flag,
                                     {fixture("huex_refusing.dll"), fixture("huex_2085a.dll")});
        bad.code = p.code;
        bad.flag = p.flag;
        ASSERT_TRUE(build_addon(dir + "huex_misnumbered.dll", bad));
        ASSERT_NE(listing(dir).back(), "huex_misnumbered.dll") << "a sound add-on must follow it";
        std::string out = probe(dir, "pubs color 1317 0 7");
        EXPECT_EQ(lines_starting(out, "pub "), expected_list(dir)) << p.code << " " << p.flag;
        EXPECT_EQ(line_for(out, color_prefix(1317, 0, 7)), found_line(1317, 0, 0, 7, t, "DRP"));
    }
}

// Each load maps the add-ons and the language module and allocates every
// record after the first; each unload by the host must give all of it back.
TEST(AddOns, LoadsAndUnloadsLeaveNoRecordsOrMappedModules)
{
    std::string dir = addon_case("addons_reload", {pastel, fixture("huex_2085a.dll"), "lang\\HUEXLANG.DLL"});
    std::string out = probe(dir, "reload 10 reload 100");
    size_t at = out.rfind("reload ");
    ASSERT_NE(at, std::string::npos) << out;
    int loaded = 0;
    size_t heap_before = 0, heap_after = 0, handle_before = 0, handle_after = 0, views_before = 0, views_after = 0;
    ASSERT_EQ(std::sscanf(out.c_str() + at, "reload %d heap %zu %zu handle %zu %zu views %zu %zu", &loaded, &heap_before,
                          &heap_after, &handle_before, &handle_after, &views_before, &views_after), 7) << out;
    EXPECT_EQ(loaded, 100);
    // A record left behind by each load would come to 100 * 400 bytes.
    EXPECT_LT(heap_after, heap_before + 4096) << out;
    EXPECT_EQ(views_before, 0u) << out;
    EXPECT_EQ(views_after, 0u) << out;
}

// huexinfo addon-check: the sample and the well-formed fixtures pass, each
// broken fixture is refused with its fault named; and the sample shows up in
// huexinfo pubs once it lies beside the library.
TEST(AddonCheck, AcceptsSoundAddOnsAndNamesEachFault)
{
    // The sample relabelled as built for 32-bit x86: it reads as data, but
    // this 64-bit library could never load it.
    const std::string other = fresh_case_dir("addons_other_machine");
    ASSERT_TRUE(copy_into(pastel, other, "huex_i386.dll"));
    HANDLE h = CreateFileA((other + "huex_i386.dll").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD pe = 0, done = 0;
    SetFilePointer(h, 0x3C, nullptr, FILE_BEGIN);
    ASSERT_TRUE(ReadFile(h, &pe, 4, &done, nullptr));
    const WORD i386 = IMAGE_FILE_MACHINE_I386;
    SetFilePointer(h, static_cast<LONG>(pe + 4), nullptr, FILE_BEGIN);
    ASSERT_TRUE(WriteFile(h, &i386, 2, &done, nullptr));
    CloseHandle(h);

    struct verdict {
        std::string file;
        int status;
        std::string says;
    };
    const verdict verdicts[] = {
        {pastel, 0, "sound add-on (code 549, flag 0)"},
        {fixture("huex_805.dll"), 0, "sound add-on (code 805, flag 0)"},
        {fixture("huex_2085b.dll"), 0, "sound add-on (code 2085, flag 1)"},
        {fixture("huex_pub5.dll"), 1, "code 549 with flag 0 selects publication 4, the descriptor says 5"},
        {fixture("huex_nostrings.dll"), 1, "string 3 is missing"},
        {fixture("huex_nostrings.dll"), 1, "string 2 is missing"},
        {fixture("huex_nocie.dll"), 1, "resource CIE65 \"addon\" is missing"},
        {fixture("huex_short.dll"), 1, "CMYK holds 6 bytes, the descriptor promises 288 records of 8"},
        {fixture("huex_badcode.dll"), 1, "code 999 with flag 0 selects no publication"},
        {fixture("huex_baddesc.dll"), 1, "descriptor has 3 data lines, needs 4"},
        {fixture("huex_dupnames.dll"), 1, "colour 1 repeats the name \"twin\""},
        {"addon_fixtures\\huex_x.dll", 2, "not a loadable module"},
        {other.substr(bin_dir().size()) + "huex_i386.dll", 1, "built for processor 0x014C"},
    };
    for (const verdict& v : verdicts) {
        std::string out;
        int rc = run_process("\"" + bin_dir() + "huexinfo.exe\" addon-check \"" + bin_dir() + v.file + "\"", bin_dir(), &out);
        EXPECT_EQ(rc, v.status) << v.file << "\n" << out;
        EXPECT_NE(out.find(v.says), std::string::npos) << v.file << "\n" << out;
    }

    std::string dir = addon_case("addons_huexinfo", {pastel});
    ASSERT_TRUE(copy_into("huexinfo.exe", dir));
    std::string out;
    EXPECT_EQ(run_process("\"" + dir + "huexinfo.exe\" pubs", dir, &out), 0) << out;
    EXPECT_NE(out.find("Pastel Guide/Coated"), std::string::npos) << out;
}
