// huexinfo export under Wine: every format for a solid guide, the process
// guide and the sample add-on, each file equal to what the writers make of
// the committed tables (so the gathering through the exports loses nothing),
// with an ICC printer profile stored so that recipes must come from the
// built-in printer; and bad input refused with one line and no file left.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "color_book_from_tables.h"
#include "exchange/ase_writer.h"
#include "exchange/gpl_writer.h"
#include "exchange/icc_named_color_writer.h"
#include "huex.h"
#include "wine_test_support.h"

namespace {

const char settings_key[] = "Software\\VERIHUE\\HUEX";

std::string source(const std::string& relative) { return std::string("Z:") + HUEX_SOURCE_DIR + "/" + relative; }

std::string stored_printer()
{
    char value[MAX_PATH] = "";
    DWORD size = sizeof value;
    RegGetValueA(HKEY_CURRENT_USER, settings_key, "PRINTER_PROFILE_PATH", RRF_RT_REG_SZ, nullptr, value, &size);
    return value;
}

// A folder with the library, the sample host and the sample add-on (the
// fifth publication), and an XYZ profile in the colour directory, so that a
// CMYK look-up matches once an ICC printer is stored in the settings.
struct export_case {
    std::string dir;
    std::string printer = source("tests/profiles/huex_press_cmyk.icc");
    std::string xyz = colour_directory() + "xyzprof.pf";
    std::string saved_xyz = bin_dir() + "cases\\xyzprof.pf.export.saved";
    bool had_xyz = GetFileAttributesA(xyz.c_str()) != INVALID_FILE_ATTRIBUTES;

    explicit export_case(const char* addon = "addons\\huex_pastel.dll") : dir(fresh_case_dir("export"))
    {
        delete_settings_key();
        EXPECT_TRUE(copy_library_into(dir));
        EXPECT_TRUE(copy_into("huexinfo.exe", dir));
        EXPECT_TRUE(copy_into(addon, dir));
        if (had_xyz) CopyFileA(xyz.c_str(), saved_xyz.c_str(), FALSE);
        EXPECT_TRUE(CopyFileA(source("tests/profiles/xyzprof.pf").c_str(), xyz.c_str(), FALSE));
    }
    // Not for `huexinfo dump`, which would match every colour through it.
    void store_icc_printer() const
    {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, settings_key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, "PRINTER_PROFILE_PATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(printer.c_str()),
                       static_cast<DWORD>(printer.size() + 1));
        RegCloseKey(key);
    }
    ~export_case()
    {
        if (had_xyz) CopyFileA(saved_xyz.c_str(), xyz.c_str(), FALSE);
        else DeleteFileA(xyz.c_str());
        delete_settings_key();
    }
    int huexinfo(const std::string& args, std::string* out) const
    {
        out->clear();
        return run_process("\"" + dir + "huexinfo.exe\" " + args, dir, out);
    }
};

// The screen RGB of every colour, as `huexinfo dump` shows it (index 0, R G B at 10 to 12).
std::vector<std::vector<int>> dumped_rgb(const export_case& c, int pub)
{
    std::string out;
    EXPECT_EQ(c.huexinfo("dump " + std::to_string(pub), &out), 0) << out;
    std::vector<std::vector<int>> rgb;
    std::istringstream lines(out);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::vector<std::string> field;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');) field.push_back(cell);
        if (field.size() > 12) rgb.push_back({std::stoi(field[10]), std::stoi(field[11]), std::stoi(field[12])});
    }
    return rgb;
}

}  // namespace

TEST(Export, EveryFormatEqualsTheWritersOverTheCommittedTables)
{
    export_case c;
    char set_name[256] = "";
    ASSERT_GT(HUEX_GetColorSetName(0, set_name), 0);
    const struct {
        int pub;
        table_files files;
    } pubs[] = {
        // The sample add-on takes the solid guides' path (spot Lab); the
        // process guide the recipes' (process CMYK).
        {3, builtin_table_files(source("src/resources/data"), 3)},
        {4, addon_table_files(source("addons/pastel"))},
    };
    std::vector<color_book> books;
    for (const auto& p : pubs) {
        books.push_back(color_book_from_tables(p.files, set_name));
        const std::vector<std::vector<int>> rgb = dumped_rgb(c, p.pub);
        ASSERT_EQ(rgb.size(), books.back().colors.size());
        for (size_t i = 0; i < rgb.size(); ++i)
            for (int k = 0; k < 3; ++k) books.back().colors[i].rgb[k] = static_cast<uint8_t>(rgb[i][k]);
    }
    c.store_icc_printer();
    for (size_t n = 0; n < books.size(); ++n) {
        const auto& p = pubs[n];
        const color_book& book = books[n];
        SCOPED_TRACE("publication " + std::to_string(p.pub));

        const std::string gpl = write_gpl(book);
        const std::vector<uint8_t> expected[] = {
            write_icc_named_colors(book, icc_date_time{}).bytes,
            write_ase(book),
            std::vector<uint8_t>(gpl.begin(), gpl.end()),
        };
        const char* formats[] = {"icc", "ase", "gpl"};
        for (int f = 0; f < 3; ++f) {
            const std::string file = "pub" + std::to_string(p.pub) + "." + formats[f];
            std::string out;
            EXPECT_EQ(c.huexinfo("export " + std::to_string(p.pub) + " --format " + formats[f] + " -o " + file, &out), 0)
                << out;
            std::vector<uint8_t> got = file_bytes(c.dir + file);
            ASSERT_EQ(got.size(), expected[f].size()) << formats[f] << "\n" << out;
            // The profile's creation time (header bytes 24 to 35) is the clock's.
            if (f == 0) std::fill(got.begin() + 24, got.begin() + 36, 0);
            EXPECT_TRUE(got == expected[f]) << formats[f];
        }
    }
    EXPECT_EQ(stored_printer(), c.printer) << "the host's printer stays chosen";
}

// One line and a non-zero exit for each; no file of any name left behind.
TEST(Export, BadInputIsRefusedWithoutLeavingAFile)
{
    export_case c;
    c.store_icc_printer();
    ASSERT_TRUE(CreateDirectoryA((c.dir + "taken.icc").c_str(), nullptr));
    const struct {
        const char* args;
        int exit_code;
        const char* message;
    } cases[] = {
        {"export 5 --format icc -o out.icc", 1, "huexinfo export: no publication 5 (see huexinfo pubs)"},
        {"export -1 --format icc -o out.icc", 1, "huexinfo export: no publication -1 (see huexinfo pubs)"},
        {"export 0 --format tiff -o out.tiff", 2, "usage: huexinfo export PUB --format icc|ase|gpl [-o FILE]"},
        {"export 0 --format icc --color out.icc", 2, "usage: huexinfo export PUB --format icc|ase|gpl [-o FILE]"},
        {"export 0 --format gpl -o missing\\out.gpl", 1, "huexinfo export: cannot write missing\\out.gpl"},
        {"export 0 --format ase -o taken.icc", 1, "huexinfo export: cannot write taken.icc"},
    };
    for (const auto& k : cases) {
        std::string out;
        EXPECT_EQ(c.huexinfo(k.args, &out), k.exit_code) << k.args;
        EXPECT_EQ(out, std::string(k.message) + "\r\n") << k.args;
    }
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((c.dir + "*").c_str(), &found);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    std::vector<std::string> names;
    do names.push_back(found.cFileName);
    while (FindNextFileA(h, &found));
    FindClose(h);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "LgICC.dll", "huex.dll", "huex_pastel.dll", "huexinfo.exe",
                                               "taken.icc"}));
}

// An add-on whose tables end early: the one colour with a name and a whole
// measurement is written (without device values: it has no whole recipe, and
// the stored ICC printer must not lend it a match); the others are counted.
TEST(Export, IncompleteAddOnWritesWhatItHasAndCountsTheRest)
{
    export_case c("addon_fixtures\\huex_short.dll");
    c.store_icc_printer();
    std::string out;
    EXPECT_EQ(c.huexinfo("export 4 --format icc -o short.icc", &out), 0);
    EXPECT_EQ(out,
              "huexinfo export: 285 colours without a name left out\r\n"
              "huexinfo export: 2 colours without measurements left out\r\n"
              "Short Tables: 1 colours to short.icc\r\n");
    char set_name[256] = "";
    ASSERT_GT(HUEX_GetColorSetName(0, set_name), 0);
    color_book book;
    book.desc = "Short Tables";
    book.copyright = book.desc + " - " + set_name;
    book.prefix = "VERIHUE ";
    book.suffix = " DST";
    book.colors_per_page = 8;
    book.colors.resize(1);
    book.colors[0].name = "Short One";
    book.colors[0].xyz_d50[0] = 5000, book.colors[0].xyz_d50[1] = 6000, book.colors[0].xyz_d50[2] = 7000;
    std::vector<uint8_t> got = file_bytes(c.dir + "short.icc");
    ASSERT_GT(got.size(), 36u);
    std::fill(got.begin() + 24, got.begin() + 36, 0);
    EXPECT_TRUE(got == write_icc_named_colors(book, icc_date_time{}).bytes);
}
