// The colour-book writers: named-colour profiles read back by Little CMS and iccdump, golden exchange files.
#include <gtest/gtest.h>
#include <lcms2.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "color_book_from_tables.h"
#include "exchange/ase_writer.h"
#include "exchange/gpl_writer.h"
#include "exchange/icc_named_color_writer.h"
#include "test_files.h"

namespace {

const icc_date_time created = {2026, 12, 6, 17, 30, 0};

color_book builtin_book(int n) {
    return color_book_from_tables(builtin_table_files(HUEX_RESOURCE_DIR, n), "VERIHUE\xAE COLOR SYSTEM");
}

cmsCIELab reference_lab(const book_color& c) {
    const cmsCIEXYZ xyz = {c.xyz_d50[0] / 10000.0, c.xyz_d50[1] / 10000.0, c.xyz_d50[2] / 10000.0};
    cmsCIELab lab;
    cmsXYZ2Lab(cmsD50_XYZ(), &lab, &xyz);
    return lab;
}

// A neutral grey and a blue-green (a*, b* below 0) whose name carries a Windows-1252 letter.
color_book two_colour_book() {
    color_book b;
    b.desc = "Two Guide", b.copyright = "Two Guide - test", b.prefix = "VERIHUE ", b.suffix = " DTG", b.colors_per_page = 2;
    b.colors.resize(2);
    b.colors[0].name = "Ash 1", b.colors[1].name = "Caf\xE9";
    const uint16_t xyz[2][3] = {{4821, 5000, 4125}, {1200, 1500, 3100}}, cmyk[2][4] = {{0, 0, 0, 500}, {850, 120, 333, 500}};
    for (int i = 0; i < 2; ++i) {
        book_color& c = b.colors[i];
        c.has_recipe = true;
        std::copy(xyz[i], xyz[i] + 3, c.xyz_d50), std::copy(cmyk[i], cmyk[i] + 4, c.cmyk);
    }
    return b;
}

cmsNAMEDCOLORLIST* named_colors(cmsHPROFILE h) {
    return h ? static_cast<cmsNAMEDCOLORLIST*>(cmsReadTag(h, cmsSigNamedColor2Tag)) : nullptr;
}

cmsHPROFILE open_profile(const icc_write_result& r) {
    return cmsOpenProfileFromMem(r.bytes.data(), static_cast<cmsUInt32Number>(r.bytes.size()));
}

}  // namespace

TEST(ExchangeIcc, every_builtin_guide_reads_back_through_little_cms_and_iccdump) {
    for (int n = 0; n < 4; ++n) {
        SCOPED_TRACE("publication " + std::to_string(n));
        const color_book book = builtin_book(n);
        const icc_write_result icc = write_icc_named_colors(book, created);
        ASSERT_TRUE(book.colors.size() == (n == 3 ? 3006u : 952u) && icc.status == icc_write_status::ok && icc.names_left_out == 0u);
        cmsHPROFILE h = open_profile(icc);
        cmsNAMEDCOLORLIST* list = named_colors(h);
        ASSERT_NE(list, nullptr);
        const auto* white = static_cast<cmsCIEXYZ*>(cmsReadTag(h, cmsSigMediaWhitePointTag));
        EXPECT_TRUE(white && std::fabs(white->X - 0.9642) + std::fabs(white->Z - 0.8249) < 1e-4);
        EXPECT_EQ((std::vector<uint32_t>{cmsGetDeviceClass(h), cmsGetPCS(h), cmsGetColorSpace(h), cmsGetEncodedICCversion(h)}),
                  (std::vector<uint32_t>{cmsSigNamedColorClass, cmsSigLabData, cmsSigCmykData, 0x02400000u}));
        char desc[256], copyright[256];
        cmsGetProfileInfoASCII(h, cmsInfoDescription, "en", "US", desc, sizeof desc);
        cmsGetProfileInfoASCII(h, cmsInfoCopyright, "en", "US", copyright, sizeof copyright);
        EXPECT_EQ(std::string(desc) + "|" + copyright, book.desc + "|" + book.desc + " - VERIHUE(R) COLOR SYSTEM");
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
                        std::fabs(lab.L - want.L) + std::fabs(lab.a - want.a) + std::fabs(lab.b - want.b) <= 0.01;
            for (int k = 0; k < 4; ++k) same = same && std::lround(device[k] * 1000.0 / 65535.0) == c.cmyk[k];
            if (!same && ++mismatches <= 3) ADD_FAILURE() << "colour " << i << " " << name;
        }
        cmsCloseProfile(h);
        const std::string path = ::testing::TempDir() + "huex_exchange_" + std::to_string(getpid()) + ".icc";
        ASSERT_TRUE(write_file_bytes(path, icc.bytes));
        std::string out;
        FILE* dump = popen(("iccdump -v 2 '" + path + "' 2>&1").c_str(), "r");  // argyll
        char buffer[4096];
        for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, dump)) > 0;) out.append(buffer, got);
        std::remove(path.c_str());
        EXPECT_TRUE(pclose(dump) == 0 && out.find("No. colors  = " + std::to_string(book.colors.size())) != std::string::npos &&
                    out.find("rror") == std::string::npos && out.find("arning") == std::string::npos) << out.substr(0, 2000);
    }
}

// 31 characters fit the 32-byte fields, 32 do not, nor a letter outside 7-bit ASCII: left out and counted.
TEST(ExchangeIcc, names_and_suffix_at_the_field_end_and_outside_ascii) {
    color_book book = two_colour_book();
    book.colors.resize(1);
    for (const char* name : {"N234567890123456789012345678901", "N2345678901234567890123456789012", "Caf\xE9"}) {
        book.colors.push_back(book.colors[0]);
        book.colors.back().name = name;
    }
    icc_write_result r = write_icc_named_colors(book, created);
    ASSERT_TRUE(r.status == icc_write_status::ok && r.names_left_out == 2u) << r.names_left_out;
    cmsHPROFILE h = open_profile(r);
    cmsNAMEDCOLORLIST* list = named_colors(h);
    ASSERT_TRUE(list && cmsNamedColorCount(list) == 2u);
    char name[256];
    ASSERT_TRUE(cmsNamedColorInfo(list, 1, name, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(std::string(name), "N234567890123456789012345678901");
    cmsCloseProfile(h);
    // The suffix field has the same end; a colour without a recipe takes the device coordinates from all.
    book.suffix = " 234567890123456789012345678901", book.colors[0].has_recipe = false;
    r = write_icc_named_colors(book, created);
    ASSERT_EQ(r.status, icc_write_status::ok);
    h = open_profile(r);
    ASSERT_NE(list = named_colors(h), nullptr);
    EXPECT_EQ(cmsGetColorSpace(h), cmsSigLabData);
    char suffix[33];
    ASSERT_TRUE(cmsNamedColorInfo(list, 0, nullptr, nullptr, suffix, nullptr, nullptr));
    EXPECT_EQ(std::string(suffix), book.suffix);
    cmsCloseProfile(h);
    book.suffix += "2";
    EXPECT_EQ(write_icc_named_colors(book, created).status, icc_write_status::prefix_or_suffix_too_long);
    book.colors.clear(), book.suffix = "";
    EXPECT_EQ(write_icc_named_colors(book, created).status, icc_write_status::no_colors);
}

// Other programs read a palette as sRGB: every colour of a guide as Little CMS's own sRGB profile has its D50 measurement.
TEST(ExchangeGpl, every_colour_of_a_guide_is_the_srgb_of_its_d50_measurement) {
    const color_book book = builtin_book(0);
    cmsHPROFILE xyz = cmsCreateXYZProfile(), srgb = cmsCreate_sRGBProfile();
    cmsHTRANSFORM to_srgb = cmsCreateTransform(xyz, TYPE_XYZ_DBL, srgb, TYPE_RGB_8, INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_NOOPTIMIZE);
    const std::string gpl = write_gpl(book);
    const char* line = gpl.c_str();
    for (int skip = 0; skip < 4; ++skip) line = std::strchr(line, '\n') + 1;
    int off = 0;
    for (const book_color& c : book.colors) {
        const cmsCIEXYZ measured = {c.xyz_d50[0] / 10000.0, c.xyz_d50[1] / 10000.0, c.xyz_d50[2] / 10000.0};
        uint8_t want[3];
        cmsDoTransform(to_srgb, &measured, want, 1);
        int got[3] = {-1, -1, -1};
        std::sscanf(line, "%d %d %d", &got[0], &got[1], &got[2]);
        line = std::strchr(line, '\n') + 1;
        for (int k = 0; k < 3; ++k)
            if (std::abs(got[k] - want[k]) > 1 && ++off <= 3) ADD_FAILURE() << c.name << ": " << got[k] << " for " << int(want[k]);
    }
    EXPECT_EQ(off, 0);
    cmsDeleteTransform(to_srgb), cmsCloseProfile(xyz), cmsCloseProfile(srgb);
}

// Golden files, checked by hand when made: a palette, swatch exchange files in Lab (spot) and CMYK (process).
TEST(ExchangeGolden, two_colour_publication) {
    color_book book = two_colour_book();
    const std::vector<uint8_t> gpl = read_file_bytes(source_path("tests/data/native_two_colour.gpl"));
    EXPECT_EQ(write_gpl(book), std::string(gpl.begin(), gpl.end()));
    EXPECT_TRUE(write_ase(book) == read_file_bytes(source_path("tests/data/native_two_colour.ase")));
    book.process = true;
    EXPECT_TRUE(write_ase(book) == read_file_bytes(source_path("tests/data/native_two_colour_process.ase")));
    const std::vector<uint8_t> guide = write_ase(builtin_book(3));
    ASSERT_GT(guide.size(), 18u);
    EXPECT_EQ(uint32_t(guide[8] << 24 | guide[9] << 16 | guide[10] << 8 | guide[11]), 3006u + 2);
    EXPECT_TRUE(std::equal(guide.end() - 6, guide.end(), std::vector<uint8_t>{0xC0, 0x02, 0, 0, 0, 0}.begin()));
}
