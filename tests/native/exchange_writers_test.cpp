// The three colour-book writers: each built-in guide's named-colour profile
// read back by Little CMS and parsed by Argyll's iccdump, one round trip each
// of the swatch exchange and palette files through small readers of their
// own, and golden bytes of both for a two-colour publication.
#include <gtest/gtest.h>
#include <lcms2.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "color_book_from_tables.h"
#include "exchange/ase_writer.h"
#include "exchange/gpl_writer.h"
#include "exchange/icc_named_color_writer.h"

namespace {

const char set_name[] = "VERIHUE\xAE COLOR SYSTEM";
const icc_date_time created = {2026, 12, 6, 17, 30, 0};

color_book builtin_book(int n)
{
    return color_book_from_tables(builtin_table_files(HUEX_RESOURCE_DIR, n), set_name);
}

cmsCIELab reference_lab(const book_color& c)
{
    const cmsCIEXYZ xyz = {c.xyz_d50[0] / 10000.0, c.xyz_d50[1] / 10000.0, c.xyz_d50[2] / 10000.0};
    cmsCIELab lab;
    cmsXYZ2Lab(cmsD50_XYZ(), &lab, &xyz);
    return lab;
}

// Two colours on one page; the second name carries a Windows-1252 letter.
color_book two_colour_book()
{
    color_book b;
    b.desc = "Two Guide";
    b.copyright = "Two Guide - test";
    b.prefix = "VERIHUE ";
    b.suffix = " DTG";
    b.colors_per_page = 2;
    book_color first;
    first.name = "Ash 1";
    first.xyz_d50[0] = 4821, first.xyz_d50[1] = 5000, first.xyz_d50[2] = 4125;  // a neutral grey: a* = b* = 0
    first.has_recipe = true;
    first.cmyk[3] = 500;
    first.rgb[0] = first.rgb[1] = first.rgb[2] = 187;
    book_color second = first;
    second.name = "Caf\xE9";
    second.rgb[0] = 9, second.rgb[1] = 120, second.rgb[2] = 255;
    b.colors = {first, second};
    return b;
}

// --- a reader of swatch exchange files, written from the format's layout ---
struct ase_entry {
    uint16_t block;
    std::u16string name;
    std::string model;
    std::vector<float> values;
    uint16_t type = 0;
};

struct ase_reader {
    const std::vector<uint8_t>& b;
    size_t at = 0;
    bool ok = true;
    uint32_t take(int n)
    {
        uint32_t v = 0;
        if (at + n > b.size()) ok = false;
        for (int i = 0; i < n && ok; ++i) v = v << 8 | b[at++];
        return v;
    }
    float take_float()
    {
        uint32_t bits = take(4);
        float f;
        std::memcpy(&f, &bits, 4);
        return f;
    }
};

std::vector<ase_entry> read_ase(const std::vector<uint8_t>& bytes)
{
    ase_reader r{bytes};
    std::vector<ase_entry> entries;
    EXPECT_EQ(r.take(4), 0x41534546u);  // "ASEF"
    EXPECT_EQ(r.take(4), 0x00010000u);  // version 1.0
    const uint32_t blocks = r.take(4);
    for (uint32_t i = 0; i < blocks && r.ok; ++i) {
        ase_entry e;
        e.block = static_cast<uint16_t>(r.take(2));
        const size_t end = r.take(4) + r.at;
        if (e.block != ase_group_end) {
            const uint32_t units = r.take(2);
            for (uint32_t u = 0; u + 1 < units; ++u) e.name += static_cast<char16_t>(r.take(2));
            EXPECT_EQ(r.take(2), 0u) << "name ends with a NUL";
        }
        if (e.block == ase_color_entry) {
            for (int k = 0; k < 4; ++k) e.model += static_cast<char>(r.take(1));
            const int n = e.model == "CMYK" ? 4 : e.model == "Gray" ? 1 : 3;
            for (int k = 0; k < n; ++k) e.values.push_back(r.take_float());
            e.type = static_cast<uint16_t>(r.take(2));
        }
        EXPECT_EQ(r.at, end) << "block " << i << " is as long as it says";
        r.at = end;
        entries.push_back(e);
    }
    EXPECT_TRUE(r.ok && r.at == bytes.size()) << "blocks as counted, nothing after them";
    return entries;
}

std::u16string ascii16(const std::string& s) { return std::u16string(s.begin(), s.end()); }

std::string hex(const std::vector<uint8_t>& bytes)
{
    std::string s;
    char two[3];
    for (uint8_t b : bytes) {
        std::snprintf(two, sizeof two, "%02x", b);
        s += two;
    }
    return s;
}

}  // namespace

TEST(ExchangeIcc, every_builtin_guide_reads_back_through_little_cms_and_iccdump)
{
    for (int n = 0; n < 4; ++n) {
        SCOPED_TRACE("publication " + std::to_string(n));
        const color_book book = builtin_book(n);
        ASSERT_EQ(book.colors.size(), n == 3 ? 3006u : 952u);
        const icc_write_result icc = write_icc_named_colors(book, created);
        ASSERT_EQ(icc.status, icc_write_status::ok);
        EXPECT_EQ(icc.names_left_out, 0u);

        cmsHPROFILE h = cmsOpenProfileFromMem(icc.bytes.data(), static_cast<cmsUInt32Number>(icc.bytes.size()));
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(cmsGetDeviceClass(h), cmsSigNamedColorClass);
        EXPECT_EQ(cmsGetPCS(h), cmsSigLabData);
        EXPECT_EQ(cmsGetColorSpace(h), cmsSigCmykData);
        EXPECT_EQ(cmsGetEncodedICCversion(h), 0x02400000u);
        char text[256];
        cmsGetProfileInfoASCII(h, cmsInfoDescription, "en", "US", text, sizeof text);
        EXPECT_EQ(std::string(text), book.desc);
        cmsGetProfileInfoASCII(h, cmsInfoCopyright, "en", "US", text, sizeof text);
        EXPECT_EQ(std::string(text), book.desc + " - VERIHUE(R) COLOR SYSTEM");

        cmsNAMEDCOLORLIST* list = static_cast<cmsNAMEDCOLORLIST*>(cmsReadTag(h, cmsSigNamedColor2Tag));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(cmsNamedColorCount(list), book.colors.size());
        int mismatches = 0;
        for (size_t i = 0; i < book.colors.size(); ++i) {
            const book_color& c = book.colors[i];
            char name[256], prefix[33], suffix[33];
            cmsUInt16Number pcs[3], device[cmsMAXCHANNELS];
            ASSERT_TRUE(cmsNamedColorInfo(list, static_cast<cmsUInt32Number>(i), name, prefix, suffix, pcs, device));
            cmsCIELab lab;
            cmsLabEncoded2FloatV2(&lab, pcs);
            const cmsCIELab want = reference_lab(c);
            bool same = name == c.name && prefix == book.prefix && suffix == book.suffix &&
                        std::fabs(lab.L - want.L) <= 0.01 && std::fabs(lab.a - want.a) <= 0.01 &&
                        std::fabs(lab.b - want.b) <= 0.01;
            for (int k = 0; k < 4; ++k) same = same && std::lround(device[k] * 1000.0 / 65535.0) == c.cmyk[k];
            if (!same && ++mismatches <= 3)
                ADD_FAILURE() << "colour " << i << " " << name << ": Lab " << lab.L << " " << lab.a << " " << lab.b
                              << ", want " << want.L << " " << want.a << " " << want.b;
        }
        EXPECT_EQ(mismatches, 0);
        cmsCloseProfile(h);

        const std::string path = ::testing::TempDir() + "huex_exchange_" + std::to_string(getpid()) + ".icc";
        FILE* f = std::fopen(path.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(icc.bytes.data(), 1, icc.bytes.size(), f);
        std::fclose(f);
        std::string out;
        FILE* dump = popen(("iccdump -v 2 '" + path + "' 2>&1").c_str(), "r");
        ASSERT_NE(dump, nullptr) << "iccdump (Debian argyll) is needed";
        char buffer[4096];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, dump)) > 0) out.append(buffer, got);
        EXPECT_EQ(pclose(dump), 0) << out.substr(0, 2000);
        std::remove(path.c_str());
        EXPECT_NE(out.find("No. colors  = " + std::to_string(book.colors.size())), std::string::npos)
            << out.substr(0, 2000);
        for (const char* complaint : {"rror", "arning", "ailed"})
            EXPECT_EQ(out.find(complaint), std::string::npos) << complaint << "\n" << out.substr(0, 2000);
    }
}

// Names meet the 32-byte fields: 31 characters fit, 32 do not, nor a letter
// outside 7-bit ASCII; such colours are left out and counted.
TEST(ExchangeIcc, names_at_the_field_end_and_outside_ascii)
{
    color_book book = two_colour_book();
    book.colors.resize(1);
    for (const char* name : {"", "N234567890123456789012345678901", "N2345678901234567890123456789012", "Caf\xE9"}) {
        if (*name == 0) continue;
        book.colors.push_back(book.colors[0]);
        book.colors.back().name = name;
    }
    icc_write_result r = write_icc_named_colors(book, created);
    ASSERT_EQ(r.status, icc_write_status::ok);
    EXPECT_EQ(r.names_left_out, 2u);
    cmsHPROFILE h = cmsOpenProfileFromMem(r.bytes.data(), static_cast<cmsUInt32Number>(r.bytes.size()));
    ASSERT_NE(h, nullptr);
    cmsNAMEDCOLORLIST* list = static_cast<cmsNAMEDCOLORLIST*>(cmsReadTag(h, cmsSigNamedColor2Tag));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(cmsNamedColorCount(list), 2u);
    char name[256];
    ASSERT_TRUE(cmsNamedColorInfo(list, 1, name, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(std::string(name), "N234567890123456789012345678901");
    cmsCloseProfile(h);

    // The suffix field has the same end; a colour without a recipe takes the
    // device coordinates away from all of them.
    book.suffix = " 234567890123456789012345678901";
    book.colors[0].has_recipe = false;
    r = write_icc_named_colors(book, created);
    ASSERT_EQ(r.status, icc_write_status::ok);
    h = cmsOpenProfileFromMem(r.bytes.data(), static_cast<cmsUInt32Number>(r.bytes.size()));
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(cmsGetColorSpace(h), cmsSigLabData);
    list = static_cast<cmsNAMEDCOLORLIST*>(cmsReadTag(h, cmsSigNamedColor2Tag));
    ASSERT_NE(list, nullptr);
    char suffix[33];
    ASSERT_TRUE(cmsNamedColorInfo(list, 0, nullptr, nullptr, suffix, nullptr, nullptr));
    EXPECT_EQ(std::string(suffix), book.suffix);
    cmsCloseProfile(h);
    book.suffix += "2";
    EXPECT_EQ(write_icc_named_colors(book, created).status, icc_write_status::prefix_or_suffix_too_long);
    book.colors.clear();
    book.suffix = "";
    EXPECT_EQ(write_icc_named_colors(book, created).status, icc_write_status::no_colors);
}

TEST(ExchangeAse, solid_and_process_guides_read_back_as_spot_lab_and_process_cmyk)
{
    for (int n : {0, 3}) {
        SCOPED_TRACE("publication " + std::to_string(n));
        const color_book book = builtin_book(n);
        const std::vector<ase_entry> e = read_ase(write_ase(book));
        ASSERT_EQ(e.size(), book.colors.size() + 2);
        EXPECT_EQ(e.front().block, ase_group_start);
        EXPECT_EQ(e.front().name, ascii16(book.desc));
        EXPECT_EQ(e.back().block, ase_group_end);
        int mismatches = 0;
        for (size_t i = 0; i < book.colors.size(); ++i) {
            const book_color& c = book.colors[i];
            const ase_entry& got = e[i + 1];
            bool same = got.block == ase_color_entry && got.name == ascii16(full_name(book, c));
            if (book.process) {
                same = same && got.model == "CMYK" && got.type == ase_type_process;
                for (int k = 0; k < 4 && same; ++k) same = std::fabs(got.values[k] - c.cmyk[k] / 1000.0) < 1e-6;
            } else {
                const cmsCIELab want = reference_lab(c);
                same = same && got.model == "LAB " && got.type == ase_type_spot &&
                       std::fabs(got.values[0] * 100.0 - want.L) < 1e-3 && std::fabs(got.values[1] - want.a) < 1e-3 &&
                       std::fabs(got.values[2] - want.b) < 1e-3;
            }
            if (!same && ++mismatches <= 3) ADD_FAILURE() << "colour " << i << " " << c.name;
        }
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(ExchangeGpl, a_guide_reads_back_line_by_line)
{
    color_book book = builtin_book(3);
    for (size_t i = 0; i < book.colors.size(); ++i)
        for (int k = 0; k < 3; ++k) book.colors[i].rgb[k] = static_cast<uint8_t>(i * (k + 3));
    const std::string text = write_gpl(book);
    std::vector<std::string> lines;
    for (size_t at = 0, nl; (nl = text.find('\n', at)) != std::string::npos; at = nl + 1)
        lines.push_back(text.substr(at, nl - at));
    ASSERT_EQ(lines.size(), book.colors.size() + 4);
    EXPECT_EQ(lines[0], "GIMP Palette");
    EXPECT_EQ(lines[1], "Name: " + book.desc);
    EXPECT_EQ(lines[2], "Columns: 9");
    int mismatches = 0;
    for (size_t i = 0; i < book.colors.size(); ++i) {
        unsigned r, g, b;
        int used = 0;
        const std::string& line = lines[i + 4];
        const bool parsed = std::sscanf(line.c_str(), "%u %u %u%n", &r, &g, &b, &used) == 3 && line[used] == '\t';
        const book_color& c = book.colors[i];
        if (!(parsed && r == c.rgb[0] && g == c.rgb[1] && b == c.rgb[2] && line.substr(used + 1) == full_name(book, c)) &&
            ++mismatches <= 3)
            ADD_FAILURE() << line;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ExchangeGolden, two_colour_publication)
{
    const color_book book = two_colour_book();
    EXPECT_EQ(write_gpl(book),
              "GIMP Palette\nName: Two Guide\nColumns: 2\n#\n"
              "187 187 187\tVERIHUE Ash 1 DTG\n"
              "  9 120 255\tVERIHUE Caf\xC3\xA9 DTG\n");
    // Group "Two Guide", two spot colours in Lab (L 76.07 as 0.7607, a 0, b -0.0064), group end.
    EXPECT_EQ(hex(write_ase(book)),
              "41534546000100000000000"
              "4c00100000016000a00540077006f002000470075006900640065000000"
              "010000003800120056004500520049004800550045002000410073006800200031002000440054004700"
              "004c4142203f42bcc000000000bbd22eb60001"
              "00010000003600110056004500520049004800550045002000430061006600e9002000440054004700"
              "004c4142203f42bcc000000000bbd22eb60001"
              "c00200000000");
}
