// huexinfo export: every format equals what the writers make of the committed tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "addon_fixture.h"
#include "color_book_from_tables.h"
#include "colorlib/color_value.h"
#include "exchange/ase_writer.h"
#include "exchange/gpl_writer.h"
#include "exchange/icc_named_color_writer.h"
#include "huex.h"
#include "test_data.h"
#include "wine_test_support.h"

namespace {

const char settings_key[] = "Software\\VERIHUE\\HUEX";

// The library, huexinfo and an add-on, with an XYZ profile in the colour directory.
struct export_case {
    std::string dir = fresh_case_dir("export"), printer = source_path("tests/profiles/huex_press_cmyk.icc");
    std::string xyz = colour_directory() + "xyzprof.pf", saved_xyz = bin_dir() + "cases\\xyzprof.pf.export.saved";
    bool had_xyz = GetFileAttributesA(xyz.c_str()) != INVALID_FILE_ATTRIBUTES;

    explicit export_case(const char* addon = "addons\\huex_pastel.dll")
    {
        delete_settings_key();
        EXPECT_TRUE(copy_library_into(dir) && copy_into("huexinfo.exe", dir) && copy_into(addon, dir));
        if (had_xyz) CopyFileA(xyz.c_str(), saved_xyz.c_str(), FALSE);
        EXPECT_TRUE(CopyFileA(source_path("tests/profiles/xyzprof.pf").c_str(), xyz.c_str(), FALSE));
    }
    ~export_case()
    {
        if (had_xyz) CopyFileA(saved_xyz.c_str(), xyz.c_str(), FALSE);
        else DeleteFileA(xyz.c_str());
        delete_settings_key();
    }
    void store_icc_printer() const
    {
        RegSetKeyValueA(HKEY_CURRENT_USER, settings_key, "PRINTER_PROFILE_PATH", REG_SZ, printer.c_str(), DWORD(printer.size() + 1));
    }
    int huexinfo(const std::string& args, std::string* out) const
    {
        out->clear();
        return run_process("\"" + dir + "huexinfo.exe\" " + args, dir, out);
    }
};

std::string set_name()
{
    char name[256] = "";
    EXPECT_GT(HUEX_GetColorSetName(0, name), 0);
    return name;
}

std::vector<uint8_t> timeless(std::vector<uint8_t> icc)
{
    if (icc.size() > 36) std::fill(icc.begin() + 24, icc.begin() + 36, 0);
    return icc;
}

}  // namespace

TEST(Export, EveryFormatEqualsTheWritersOverTheCommittedTables)
{
    export_case c;
    const std::pair<int, table_files> pubs[] = {{3, builtin_table_files(source_path("src/resources/data"), 3)},
                                                {4, addon_table_files(source_path("addons/pastel"))}};
    std::vector<color_book> books;
    for (const auto& p : pubs) books.push_back(color_book_from_tables(p.second, set_name()));
    c.store_icc_printer();
    for (size_t n = 0; n < books.size(); ++n) {
        const std::string gpl = write_gpl(books[n]);
        const std::pair<const char*, std::vector<uint8_t>> formats[] = {
            {"icc", write_icc_named_colors(books[n], icc_date_time{}).bytes}, {"ase", write_ase(books[n])}, {"gpl", {gpl.begin(), gpl.end()}}};
        for (const auto& f : formats) {
            const std::string file = "pub" + std::to_string(pubs[n].first) + "." + f.first;
            std::string out;
            EXPECT_EQ(c.huexinfo("export " + std::to_string(pubs[n].first) + " --format " + f.first + " -o " + file, &out), 0) << out;
            const std::vector<uint8_t> got = read_file_bytes(c.dir + file);
            EXPECT_TRUE((f.first[0] == 'i' ? timeless(got) : got) == f.second) << file << "\n" << out;
            // The same bytes through the standard output, which carries nothing else.
            EXPECT_EQ(c.huexinfo("export " + std::to_string(pubs[n].first) + " --format " + f.first + " -o -", &out), 0);
            const std::vector<uint8_t> piped(out.begin(), out.end());
            EXPECT_TRUE((f.first[0] == 'i' ? timeless(piped) : piped) == f.second) << file << " to the standard output";
        }
    }
    char stored[MAX_PATH] = "";
    DWORD size = sizeof stored;
    RegGetValueA(HKEY_CURRENT_USER, settings_key, "PRINTER_PROFILE_PATH", RRF_RT_REG_SZ, nullptr, stored, &size);
    EXPECT_EQ(stored, c.printer) << "the host's printer stays chosen";
}

// The row's text with {version} and {N} (the system's words for error N) filled in.
std::string expected_line(const data_row& row)
{
    std::string text = row[2];
    for (size_t k = 3; k < row.size(); ++k) text += ", " + row[k];
    for (size_t at; (at = text.find('{')) != std::string::npos;) {
        const size_t end = text.find('}', at);
        const std::string key = text.substr(at + 1, end - at - 1);
        char words[512] = "";
        if (key != "version")
            FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, DWORD(data_number(key)), 0, words, sizeof words, nullptr);
        std::string value = key == "version" ? HUEX_VERSION_TEXT : words;
        while (!value.empty() && (value.back() == '\n' || value.back() == '\r' || value.back() == ' ')) value.pop_back();
        text.replace(at, end - at + 1, value);
    }
    return text;
}

TEST(Export, CommandLineExitsAndMessagesLeavingNoFile)
{
    export_case c;
    c.store_icc_printer();
    ASSERT_TRUE(CreateDirectoryA((c.dir + "taken.icc").c_str(), nullptr));
    const std::string readonly = c.dir + "readonly.gpl";
    ASSERT_TRUE(write_file_bytes(readonly, {'o', 'l', 'd'}) && SetFileAttributesA(readonly.c_str(), FILE_ATTRIBUTE_READONLY));
    // The add-on replaced by one that claims more colours than a look-up can name.
    const addon_tables huge = {addon_descriptor("Huge", 4, 40, 1000, "[HG][HG]", 8), "Huge One", "", "", "", "549", "0"};
    ASSERT_TRUE(DeleteFileA((c.dir + "huex_pastel.dll").c_str()) && build_addon(c.dir + "huex_pastel.dll", huge));
    const std::vector<data_row> cases = read_data_table("core_huexinfo_exits.csv");
    ASSERT_EQ(cases.size(), 17u);
    for (const data_row& k : cases) {
        std::string out;
        const long code = data_number(k[1]);
        EXPECT_EQ(c.huexinfo(k[0], &out), code) << k[0];
        const std::string first = out.substr(0, out.find('\n'));
        EXPECT_EQ(first.substr(0, first.find('\r')), expected_line(k)) << k[0];
        if (code != 0) {
            EXPECT_EQ(out, expected_line(k) + "\r\n") << k[0];
        }
    }
    EXPECT_TRUE(read_file_bytes(readonly) == std::vector<uint8_t>({'o', 'l', 'd'}));
    std::string out;
    run_process("cmd /c dir /b /o:n", c.dir, &out);
    EXPECT_EQ(out, "huex.dll\r\nhuex_pastel.dll\r\nhuexinfo.exe\r\nLgICC.dll\r\nreadonly.gpl\r\ntaken.icc\r\n");
}

// Only the colour with a name and a whole measurement is written, without device values.
TEST(Export, IncompleteAddOnWritesWhatItHasAndCountsTheRest)
{
    export_case c("addon_fixtures\\huex_short.dll");
    c.store_icc_printer();
    std::string out;
    EXPECT_EQ(c.huexinfo("export 4 --format icc -o short.icc", &out), 0);
    EXPECT_EQ(out, "huexinfo export: 285 colours without a name left out\r\nhuexinfo export: 2 colours without measurements left out\r\n"
                   "Short Tables: 1 colours to short.icc\r\n");
    const color_book book = {"Short Tables", "Short Tables - " + set_name(), "VERIHUE ", " DST", 8, false, {{"Short One", {5000, 6000, 7000}}}};
    EXPECT_TRUE(timeless(read_file_bytes(c.dir + "short.icc")) == write_icc_named_colors(book, icc_date_time{}).bytes);
}

// match: a process colour's own measurement finds that colour first (the look-up's rounding aside); junk is refused.
TEST(Export, MatchFindsAColourByItsValueAndRefusesJunk)
{
    export_case c;
    extended_color r;
    WORD v[3];
    char name[80], args[200];
    ASSERT_TRUE(HUEX_EncodeColor(HUEX_SYSTEM_PROCESS, 0, 1234, &r) == HUEX_OK && HUEX_GetColorXYZ(&r, v, 1) == HUEX_OK && HUEX_GetColorName(&r, name) > 0);
    const cie_lab lab = lab_from_d50_xyz(v[0] / 65535.0, v[1] / 65535.0, v[2] / 65535.0);
    std::snprintf(args, sizeof args, "match \"%.4f,%.4f,%.4f\" --pub 3 -n 2 --tsv", lab.L, lab.a, lab.b);
    std::string out;
    EXPECT_TRUE(c.huexinfo(args, &out) == 0 && out.rfind("Process Guide - Press Edition\t" + std::string(name) + "\t0.00\t", 0) == 0 &&
                std::count(out.begin(), out.end(), '\n') == 2) << out;
    EXPECT_TRUE(c.huexinfo("match Lagoon", &out) == 2 && out == "huexinfo match: \"Lagoon\" is not a colour value (#RRGGBB, #RGB, rgb(r, g, b) or L a b)\r\n") << out;
}
