// The colour-record and look-up exports through the real DLL. Every colour of
// the built-in guides and of the sample add-on is checked against the
// committed table files themselves, in a fresh library beside that add-on; a
// fresh library with an add-on built here (names that fill their record,
// values over 100, a measurement table cut short) runs the rest.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "huex.h"
#include "addon_fixture.h"
#include "wine_test_support.h"

namespace {

const WORD sentinel = 0xDEAD;
const char* const child_variable = "HUEX_LOOKUPS_CHILD";

unsigned word_at(const std::vector<unsigned char>& t, size_t offset) { return t[offset] | (t[offset + 1] << 8); }

bool in_child() { return GetEnvironmentVariableA(child_variable, nullptr, 0) != 0; }

}  // namespace

TEST(ColourRecords, FieldsEncodingAndDecoding)
{
    extended_color r = {0xAB00, 0xCD00, 0xEF00, 0};
    EXPECT_EQ(HUEX_ColorIsExtended(&r), 0);
    ASSERT_EQ(HUEX_EncodeColor(37, 1, 951, &r), HUEX_OK);
    EXPECT_EQ(HUEX_ColorIsExtended(&r), 1);
    EXPECT_EQ(r.red, 0xAB00 | 0xC0 | 1) << "bits 8 and 9 of 951 in bits 6 and 7";
    EXPECT_EQ(r.green, 0xCDB7);
    EXPECT_EQ(r.blue, 0xEF00);
    EXPECT_EQ(r.color_system, 37);
    HUEX_SetColorFlag(&r, 0x1F);
    HUEX_SetIndex(&r, 1, 0x2A5);
    EXPECT_EQ(r.red, 0xAB00 | 0xC0 | 0x20 | 0x0F);
    EXPECT_EQ(HUEX_GetIndex(&r, 0), 951);
    EXPECT_EQ(HUEX_GetIndex(&r, 1), 0x2A5);
    EXPECT_EQ(HUEX_GetColorFlag(&r), 15);
    const extended_color before = r;
    HUEX_SetIndex(&r, 2, 5);
    EXPECT_EQ(std::memcmp(&r, &before, sizeof r), 0);
    EXPECT_EQ(HUEX_GetIndex(&r, 2), 0);

    r = {sentinel, sentinel, sentinel, sentinel};
    EXPECT_EQ(HUEX_EncodeColor(37, 1, 952, &r), HUEX_NO_COLOR);
    EXPECT_EQ(HUEX_EncodeColor(37, 0, -1, &r), HUEX_NO_COLOR);
    EXPECT_EQ(HUEX_EncodeColor(37, 3, 2000, &r), HUEX_NO_COLOR) << "ten bits cannot hold 2000";
    EXPECT_EQ(HUEX_EncodeColor(37, 4, 0, &r), HUEX_NO_PUBLICATION);
    EXPECT_EQ(HUEX_EncodeColor(2085, 2, 0, &r), HUEX_NO_PUBLICATION);
    EXPECT_EQ(HUEX_EncodeColor(549, 0, 0, &r), HUEX_NO_PUBLICATION);
    EXPECT_EQ(r.red, sentinel);
    EXPECT_EQ(r.color_system, sentinel);

    ASSERT_EQ(HUEX_EncodeColor(293, 0, 3005, &r), HUEX_OK);
    short system = 0, flag = 0, index = 0;
    ASSERT_EQ(HUEX_DecodeColor(&system, &flag, &index, &r), HUEX_OK);
    EXPECT_EQ(system, 293);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(index, 3005);
    r.color_system = 0x0725;
    flag = 77;
    EXPECT_EQ(HUEX_DecodeColor(&system, &flag, &index, &r), HUEX_NO_COLOR);
    EXPECT_EQ(system, 0x0725);
    EXPECT_EQ(flag, 77);
}

TEST(Lookups, PublicationSizesByPair)
{
    EXPECT_EQ(HUEX_PubColors(37, 0), 7);
    EXPECT_EQ(HUEX_PubPages(37, 0), 136);
    EXPECT_EQ(HUEX_PubColors(37, 1), 7);
    EXPECT_EQ(HUEX_PubPages(37, 2), 136);
    EXPECT_EQ(HUEX_PubColors(37, 3), 9);
    EXPECT_EQ(HUEX_PubColors(293, 0), 9);
    EXPECT_EQ(HUEX_PubPages(293, 0), 334);
    EXPECT_EQ(HUEX_PubPages(293, 15), 334);
    EXPECT_EQ(HUEX_PubPages(37, 4), -1);
    EXPECT_EQ(HUEX_PubColors(37, -1), -1);
    EXPECT_EQ(HUEX_PubColors(549, 0), -1);
    EXPECT_EQ(HUEX_PubPages(0x0725, 0), -1);
}

TEST(Lookups, RecordsThatNameNoColourLeaveReceiversAlone)
{
    extended_color plain = {0x1100, 0x2200, 0x3300, 0x2500};
    extended_color unknown = {0x1100, 0x2200, 0x3300, 0x0725};
    extended_color beyond = {0x1100, 0x2200, 0x3300, 37};
    HUEX_SetIndex(&beyond, 0, 1000);
    extended_color bad_flag = {0x1104, 0x2200, 0x3300, 37};
    for (const extended_color& r : {plain, unknown, beyond, bad_flag}) {
        WORD out[3] = {sentinel, sentinel, sentinel};
        char name[80] = "untouched";
        DWORD index = sentinel;
        EXPECT_EQ(HUEX_GetColorRGB(&r, out, 1), HUEX_NO_COLOR);
        EXPECT_EQ(HUEX_GetColorXYZ(&r, out, 1), HUEX_NO_COLOR);
        EXPECT_EQ(HUEX_GetColorName(&r, name), 0);
        EXPECT_EQ(HUEX_GetShortColorName(&r, name), 0);
        EXPECT_EQ(HUEX_GetColorIndex(&r, &index), HUEX_NO_COLOR);
        EXPECT_EQ(out[0], sentinel);
        EXPECT_EQ(out[2], sentinel);
        EXPECT_STREQ(name, "untouched");
        EXPECT_EQ(index, sentinel);
    }
}

// ---- Every colour of every guide and of the sample add-on -----------------

namespace {

const char* const sweep_variable = "HUEX_LOOKUPS_SWEEP";

// Screen RGB of a measurement on the built-in default display, worked out
// here from the display's primaries, white and gamma by inverting the
// primaries' matrix: what the picker and HUEX_GetColorRGB must show.
void default_display_rgb(double X, double Y, double Z, int rgb[3])
{
    if (X >= 99.99 && Y >= 99.99 && Z >= 99.99) {
        rgb[0] = rgb[1] = rgb[2] = 255;
        return;
    }
    const double xy[3][2] = {{0.628, 0.346}, {0.268, 0.588}, {0.150, 0.070}};
    const double xw = 0.313, yw = 0.324;
    double p[3][3];  // columns: the primaries' x, y, z
    for (int c = 0; c < 3; ++c) {
        p[0][c] = xy[c][0];
        p[1][c] = xy[c][1];
        p[2][c] = 1 - xy[c][0] - xy[c][1];
    }
    auto det = [](const double m[3][3]) {
        return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
               m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    };
    // Scales of the primaries that add up to the white (Cramer's rule), then
    // the inverse of the scaled matrix (adjugate over determinant).
    const double white[3] = {xw / yw, 1.0, (1 - xw - yw) / yw};
    double m[3][3];
    for (int c = 0; c < 3; ++c) {
        double q[3][3];
        std::memcpy(q, p, sizeof q);
        for (int r = 0; r < 3; ++r) q[r][c] = white[r];
        const double scale = det(q) / det(p);
        for (int r = 0; r < 3; ++r) m[r][c] = p[r][c] * scale;
    }
    const double d = det(m);
    const double in[3] = {X / 100, Y / 100, Z / 100};
    for (int r = 0; r < 3; ++r) {
        const int a = (r + 1) % 3, b = (r + 2) % 3;
        // Row r of the inverse: the cross product of the other two columns.
        const double row[3] = {(m[1][a] * m[2][b] - m[2][a] * m[1][b]) / d, (m[2][a] * m[0][b] - m[0][a] * m[2][b]) / d,
                               (m[0][a] * m[1][b] - m[1][a] * m[0][b]) / d};
        const double lin = row[0] * in[0] + row[1] * in[1] + row[2] * in[2];
        const int v = lin > 0 ? static_cast<int>(255.0 * std::pow(lin, 1 / 2.2) + 0.5) : 0;
        rgb[r] = v > 255 ? 255 : v;
    }
}

struct guide_files {
    short system, flag;
    std::string names, cie50, cie65;  // paths below the source tree
    unsigned count, name_size;
    const char* suffix;
};

}  // namespace

TEST(FreshLibrary, EveryColourOfEveryGuideAndOfTheSampleAddOn)
{
    if (in_child()) GTEST_SKIP() << "runs the child's cases";
    const std::string dir = fresh_case_dir("lookups_sweep");
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    ASSERT_TRUE(copy_into(self, dir, "test_lookups.exe"));
    ASSERT_TRUE(copy_library_into(dir));
    ASSERT_TRUE(copy_into("addons\\huex_pastel.dll", dir));
    delete_settings_key();
    SetEnvironmentVariableA(child_variable, "1");
    SetEnvironmentVariableA(sweep_variable, "1");
    std::string out;
    const int rc = run_process("\"" + dir + "test_lookups.exe\" --gtest_filter=SweepChild.*", dir, &out);
    SetEnvironmentVariableA(child_variable, nullptr);
    SetEnvironmentVariableA(sweep_variable, nullptr);
    EXPECT_EQ(rc, 0) << out;
    EXPECT_NE(out.find("[  PASSED  ] 1 test"), std::string::npos) << out;
}

// Names, measurements, screen colours and indexes as the committed guide
// files give them, through every look-up export, on the default display.
TEST(SweepChild, EveryLookUpAnswersFromTheCommittedTables)
{
    if (GetEnvironmentVariableA(sweep_variable, nullptr, 0) == 0) GTEST_SKIP() << "runs in the fresh library only";
    const guide_files guides[] = {
        {37, 0, "src/resources/data/spot.names", "src/resources/data/solidc.cie50", "src/resources/data/solidc.cie65", 952, 15, "DSC"},
        {37, 1, "src/resources/data/spot.names", "src/resources/data/solidu.cie50", "src/resources/data/solidu.cie65", 952, 15, "DSU"},
        {37, 2, "src/resources/data/spot.names", "src/resources/data/simprc.cie50", "src/resources/data/simprc.cie65", 952, 15, "DSP"},
        {293, 0, "src/resources/data/process.names", "src/resources/data/process.cie50", "src/resources/data/process.cie65", 3006, 6, "DSP"},
        {549, 0, "addons/pastel/addon.names", "addons/pastel/addon.cie50", "addons/pastel/addon.cie65", 288, 16, "DPC"},
    };
    auto source = [](const std::string& relative) {
        std::string path = std::string("Z:") + HUEX_SOURCE_DIR + "/" + relative;
        for (char& c : path)
            if (c == '/') c = '\\';
        return file_bytes(path);
    };
    for (const guide_files& g : guides) {
        const auto names = source(g.names), d50 = source(g.cie50), d65 = source(g.cie65);
        ASSERT_EQ(names.size(), g.count * g.name_size) << g.names;
        ASSERT_EQ(d50.size(), g.count * 6u) << g.cie50;
        ASSERT_EQ(d65.size(), g.count * 6u) << g.cie65;
        ASSERT_EQ(static_cast<unsigned>(HUEX_PubColors(g.system, g.flag) * HUEX_PubPages(g.system, g.flag)), g.count);
        for (unsigned i = 0; i < g.count; ++i) {
            extended_color r = {0x1100, 0x2200, 0x3300, 0};
            ASSERT_EQ(HUEX_EncodeColor(g.system, g.flag, static_cast<short>(i), &r), HUEX_OK);
            std::string stored(reinterpret_cast<const char*>(&names[i * g.name_size]), g.name_size);
            stored = stored.substr(0, stored.find('\0'));
            char name[80];
            ASSERT_EQ(HUEX_GetShortColorName(&r, name), static_cast<short>(stored.size())) << g.names << i;
            ASSERT_EQ(name, stored);
            const std::string full = "VERIHUE " + stored + " " + g.suffix;
            ASSERT_EQ(HUEX_GetColorName(&r, name), static_cast<short>(full.size()));
            ASSERT_EQ(name, full);
            DWORD index = 0;
            ASSERT_EQ(HUEX_GetColorIndex(&r, &index), HUEX_OK);
            ASSERT_EQ(index, i);

            for (short selector : {1, 0, 2}) {
                const auto& t = selector == 1 ? d50 : d65;
                double v[3];
                for (int c = 0; c < 3; ++c) v[c] = word_at(t, i * 6 + c * 2) / 100.0;
                WORD xyz[3], rgb[3];
                ASSERT_EQ(HUEX_GetColorXYZ(&r, xyz, selector), HUEX_OK);
                ASSERT_EQ(HUEX_GetColorRGB(&r, rgb, selector), HUEX_OK);
                int expected_rgb[3];
                default_display_rgb(v[0], v[1], v[2], expected_rgb);
                for (int c = 0; c < 3; ++c) {
                    const double clamped = v[c] > 100.0 ? 100.0 : v[c];
                    ASSERT_EQ(xyz[c], static_cast<WORD>(clamped / 100.0 * 65535.0)) << g.cie50 << " " << i << " " << c;
                    ASSERT_EQ(rgb[c], expected_rgb[c] << 8) << g.cie50 << " " << i << " " << selector << " " << c;
                }
            }
        }
    }
}

TEST(Lookups, ComponentConversionsAndColourSetName)
{
    EXPECT_EQ(uint2byte(0x2345), 0x23);
    EXPECT_EQ(byte2uint(0x23), 0x2300u);
    EXPECT_EQ(uint2long(0x56782345), 0x2345u);
    EXPECT_EQ(long2uint(-1), 0xFFFF);

    char name[256];
    std::memset(name, 0x5A, sizeof name);
    const int len = HUEX_GetColorSetName(0, name);
    EXPECT_GT(len, 0);
    EXPECT_EQ(static_cast<int>(std::strlen(name)), len);
}

// ---- A fresh library with an add-on built for these cases ----------------

namespace {

// Six colours on two pages of three for code 549; the D65 table holds only four.
bool make_fixture_addon(const std::string& path)
{
    addon_tables t;
    t.pub = "// [desc] pub_no colors_per_page number_of_pages //\r\n[Lookup Fixture] 4 3 2\r\n"
            "// [display_suffix][printer_suffix]\r\n[DLX][PLX]\r\n// [CMYK Description] //\r\n[Fixture]\r\n"
            "// COLOR_NAME_SIZE //\r\n15\r\n";
    t.names = "FifteenCharName";
    for (const char* n : {"Over", "Zero", "Ivory", "Five", "Six"}) {
        std::string rec = n;
        rec.resize(15, '\0');
        t.names += rec;
    }
    t.cie50 = table_words({10000, 10000, 10000, 10050, 20000, 65535, 0, 0, 0, 9642, 10000, 8249, 1, 1, 1, 2, 2, 2});
    t.cie65 = table_words({5000, 5000, 5000, 1, 2, 3, 0, 0, 0, 9505, 10000, 10890});
    t.cmyk = table_words({1000, 5, 0, 250});
    t.code = "549";
    t.flag = "0";
    return build_addon(path, t);
}

}  // namespace

TEST(FreshLibrary, LookupsOfAnAddOnAndTheDefaultDisplay)
{
    if (in_child()) GTEST_SKIP() << "runs the child's cases";
    const std::string dir = fresh_case_dir("lookups");
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    ASSERT_TRUE(copy_into(self, dir, "test_lookups.exe"));
    ASSERT_TRUE(copy_into("huex.dll", dir));
    copy_into("LgICC.dll", dir);
    ASSERT_TRUE(make_fixture_addon(dir + "huex_fixture.dll"));

    // No stored monitor profile: the child's library starts on the default display.
    delete_settings_key();
    SetEnvironmentVariableA(child_variable, "1");
    std::string out;
    const int rc = run_process("\"" + dir + "test_lookups.exe\" --gtest_filter=Child.*", dir, &out);
    SetEnvironmentVariableA(child_variable, nullptr);
    EXPECT_EQ(rc, 0) << out;
    EXPECT_NE(out.find("[  PASSED  ] 2 tests"), std::string::npos) << out;
}

TEST(Child, AddOnNamesOfFullWidthAndClampedMeasurements)
{
    if (!in_child()) GTEST_SKIP() << "runs in the fresh library only";
    ASSERT_EQ(HUEX_PubColors(549, 0), 3);
    ASSERT_EQ(HUEX_PubPages(549, 0), 2);

    extended_color r = {0x1100, 0x2200, 0x3300, 0};
    ASSERT_EQ(HUEX_EncodeColor(549, 0, 0, &r), HUEX_OK);
    char name[80];
    std::memset(name, 0x5A, sizeof name);
    EXPECT_EQ(HUEX_GetShortColorName(&r, name), 15);
    EXPECT_STREQ(name, "FifteenCharName");
    EXPECT_EQ(name[16], 0x5A);
    EXPECT_EQ(HUEX_GetColorName(&r, name), 27);
    EXPECT_STREQ(name, "VERIHUE FifteenCharName DLX");
    EXPECT_EQ(name[28], 0x5A);

    auto d50_of = [](short index) {
        extended_color c = {0, 0, 0, 0};
        std::vector<WORD> xyz(3, sentinel);
        EXPECT_EQ(HUEX_EncodeColor(549, 0, index, &c), HUEX_OK);
        EXPECT_EQ(HUEX_GetColorXYZ(&c, xyz.data(), 1), HUEX_OK) << index;
        return xyz;
    };
    EXPECT_EQ(d50_of(0)[1], 65535) << "100.00";
    EXPECT_EQ(d50_of(1), std::vector<WORD>(3, 65535)) << "100.5, 200 and 655.35 clamped";
    EXPECT_EQ(d50_of(2)[0], 0);
    EXPECT_EQ(d50_of(3)[0], 63188);
}

TEST(Child, AddOnTablesShorterThanTheirDescriptor)
{
    if (!in_child()) GTEST_SKIP() << "runs in the fresh library only";
    extended_color r = {0x1100, 0x2200, 0x3300, 0};
    ASSERT_EQ(HUEX_EncodeColor(549, 0, 5, &r), HUEX_OK) << "the descriptor promises six colours";
    WORD out[3] = {sentinel, sentinel, sentinel};
    EXPECT_EQ(HUEX_GetColorXYZ(&r, out, 0), HUEX_NO_COLOR) << "the D65 table holds four";
    EXPECT_EQ(HUEX_GetColorRGB(&r, out, 0), HUEX_NO_COLOR);
    EXPECT_EQ(out[0], sentinel);
    EXPECT_EQ(HUEX_GetColorXYZ(&r, out, 1), HUEX_OK);
    EXPECT_EQ(HUEX_GetColorRGB(&r, out, 1), HUEX_OK);

    ASSERT_EQ(HUEX_EncodeColor(549, 0, 0, &r), HUEX_OK);
    EXPECT_EQ(HUEX_GetColorRGB(&r, out, 2), HUEX_OK);
    EXPECT_TRUE(out[0] == 198 << 8 && out[1] == 182 << 8 && out[2] == 175 << 8)
        << "the D65 grey 50 on the default display: " << out[0] << " " << out[1] << " " << out[2];
}
