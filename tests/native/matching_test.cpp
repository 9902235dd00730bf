// The window-free half of matching and of the LgICC module, and the Little CMS tables the Windows tests use.
#include <gtest/gtest.h>
#include <lcms2.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "../../tools/matching_reference/cmyk_reference_rows.h"
#include "../wine/lgicc/lgicc_reference_table.h"
#include "../wine/matching/cmyk_reference_table.h"
#include "lgicc/lgicc_contract.h"
#include "matching/cmyk_values.h"
#include "matching/kept_cmyk_answers.h"
#include "matching/matching_element.h"
#include "matching/matching_session.h"
#include "test_files.h"

TEST(MatchingElement, channels_per_kind_what_the_module_gets_and_the_write_back) {
    const struct { int16_t kind; int source, destination; } kinds[] = {
        {profile_kind_rgb, 3, 3}, {profile_kind_xyz, 3, 0}, {profile_kind_cmyk, 4, 4}, {-1, 0, 0}, {3, 0, 0}, {-2, 0, 0}, {0x7FFF, 0, 0},
    };
    for (const auto& k : kinds)
        EXPECT_EQ((std::vector<int>{source_channels_of(k.kind), destination_channels_of(k.kind)}), (std::vector<int>{k.source, k.destination})) << k.kind;

    const uint16_t element[4] = {65535, 32768, 1, 0xBEEF};
    uint16_t in[4];
    ASSERT_TRUE(module_input(profile_kind_xyz, element, in));
    EXPECT_EQ((std::vector<uint16_t>(in, in + 3)), (std::vector<uint16_t>{32767, 16384, 0}));
    ASSERT_TRUE(module_input(profile_kind_rgb, element, in));
    EXPECT_EQ((std::vector<uint16_t>(in, in + 4)), (std::vector<uint16_t>{65535, 32768, 1, 0}));
    EXPECT_TRUE(module_input(profile_kind_cmyk, element, in) && std::memcmp(in, element, 8) == 0 && !module_input(profile_kind_other, element, in));

    const uint16_t out[4] = {10, 20, 30, 40};
    uint16_t back[4] = {1, 2, 3, 4}, kept[4] = {1, 2, 3, 4};
    ASSERT_TRUE(write_back(3, out, back));
    EXPECT_EQ((std::vector<uint16_t>(back, back + 4)), (std::vector<uint16_t>{10, 20, 30, 0}));
    EXPECT_TRUE(write_back(4, out, back) && std::memcmp(back, out, 8) == 0);
    EXPECT_FALSE(write_back(0, out, kept) || write_back(5, out, kept) || kept[0] + kept[3] != 5);
}

TEST(CmykValues, white_threshold_is_inclusive_and_stored_values_scale_exactly) {
    const struct { double x, y, z; bool white; } cases[] = {
        {99.99, 99.99, 99.99, true}, {120.0, 99.99, 655.35, true}, {99.98, 99.99, 99.99, false},
        {100.0, 99.98, 100.0, false}, {100.0, 100.0, 99.98, false}, {96.42, 100.0, 82.49, false},  // the last: D50 white
    };
    for (const auto& c : cases) EXPECT_EQ(is_paper_white(c.x, c.y, c.z), c.white) << c.x << " " << c.y << " " << c.z;

    // Every value the tables can hold becomes the exact truncated 16-bit value; beyond the scale, its ends.
    for (uint32_t h = 0; h <= 65535; ++h) {
        const uint32_t exact = h * 65535u / 10000u;
        ASSERT_EQ(xyz_element_value(h / 100.0), exact > 65535 ? 65535 : exact) << h;
    }
    for (uint32_t t = 0; t <= 1000; ++t) ASSERT_EQ(recipe_value(static_cast<float>(t / 1000.0)), t * 65535u / 1000u) << t;
    EXPECT_EQ((std::vector<int>{xyz_element_value(100.5), xyz_element_value(-0.5), xyz_element_value(std::nan("")), recipe_value(65.535f)}),
              (std::vector<int>{65535, 0, 0, 65535}));
}

TEST(CmykValues, little_cms_tables_of_the_windows_tests_are_current) {
    const struct { std::string xyz, printer; std::vector<cmyk_reference_entry> table; } sets[] = {
        {"/usr/share/color/icc/LCMSXYZI.ICM", source_path("tests/wine/lgicc/press_cmyk.icc"), read_cmyk_reference("matching_cmyk_press.csv")},
        {source_path("tests/profiles/xyzprof.pf"), source_path("tests/profiles/huex_press_cmyk.icc"),
         read_cmyk_reference("matching_cmyk_generated.csv")},
    };
    for (const auto& s : sets) {
        std::vector<cmyk_reference_row> rows;
        ASSERT_TRUE(cmyk_reference(s.xyz, s.printer, &rows)) << s.printer;
        ASSERT_EQ(rows.size(), s.table.size());
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_TRUE(rows[i].index == s.table[i].index && !std::memcmp(rows[i].element, s.table[i].element, sizeof s.table[i].element) &&
                        !std::memcmp(rows[i].cmyk, s.table[i].cmyk, sizeof s.table[i].cmyk)) << s.printer << " row " << i << ": rerun tools/matching_reference";
    }
}

TEST(LgiccReference, every_row_is_what_little_cms_gives) {
    auto path = [](const std::string& name) {
        return name.rfind("icc:", 0) == 0 ? "/usr/share/color/icc/" + name.substr(4) : source_path("tests/wine/lgicc/" + name.substr(5));
    };
    auto format = [](int channels, cmsHPROFILE p) {
        return channels == 4 ? TYPE_CMYK_16 : cmsGetColorSpace(p) == cmsSigXYZData ? TYPE_XYZ_16 : TYPE_RGB_16;
    };
    ASSERT_EQ(lgicc_reference_rows().size(), 90u);
    for (const lgicc_reference_row& row : lgicc_reference_rows()) {
        SCOPED_TRACE(std::string(row.source) + " -> " + row.destination);
        cmsHPROFILE source = cmsOpenProfileFromFile(path(row.source).c_str(), "r");
        cmsHPROFILE destination = cmsOpenProfileFromFile(path(row.destination).c_str(), "r");
        ASSERT_TRUE(source && destination);
        cmsHTRANSFORM transform = cmsCreateTransform(source, format(row.source_channels, source), destination,
                                                     format(row.destination_channels, destination), row.intent, cmsFLAGS_NOOPTIMIZE);
        ASSERT_NE(transform, nullptr);
        uint16_t out[4] = {0, 0, 0, 0};
        cmsDoTransform(transform, row.in, out, 1);
        EXPECT_TRUE(std::equal(out, out + row.destination_channels, row.out));
        cmsDeleteTransform(transform), cmsCloseProfile(source), cmsCloseProfile(destination);
    }
}

using namespace lgicc;

TEST(LgiccOptions, every_option_number_and_value_and_sticky_poison) {
    for (int32_t option = -3; option <= 5; ++option)
        for (int32_t value = -2; value <= 5; ++value) {
            const uint32_t word = set_option(0, option, value);
            const bool intent_ok = option == LGICC_OPTION_INTENT && value >= 0 && value <= 3;
            const bool xyz_ok = option == LGICC_OPTION_XYZ_ENCODING && (value == 0 || value == 1);
            EXPECT_TRUE(options_valid(word) == (intent_ok || xyz_ok) && (!intent_ok || intent_of(word) == uint32_t(value)) &&
                        (!xyz_ok || xyz_encoding_of(word) == uint32_t(value))) << option << " " << value;
        }
    // The fields are independent; a refused value poisons the word for good without overwriting its field.
    const uint32_t word = set_option(set_option(set_option(0, 0, 3), 2, 1), 0, 1), poisoned = set_option(word, 0, 9);
    EXPECT_EQ((std::vector<uint32_t>{intent_of(word), xyz_encoding_of(word), intent_of(poisoned)}), (std::vector<uint32_t>{1, 1, 1}));
    EXPECT_FALSE(options_valid(set_option(set_option(poisoned, 0, 2), 2, 0)));
    for (uint32_t bad : {0x00010000u, 0x00000200u, 0x000000FFu}) EXPECT_FALSE(options_valid(bad)) << std::hex << bad;  // 0x200: XYZ encoding 2
}

TEST(LgiccPaths, absolute_and_bounded) {
    for (const char* good : {"C:\\color\\a.icc", "z:/usr/share/color/icc/sRGB.icc", "\\\\server\\share\\p.icm", "//server/share/p.icm",
                             "\\\\?\\C:\\long.icc"})
        EXPECT_TRUE(path_acceptable(good)) << good;
    for (const char* bad : {static_cast<const char*>(nullptr), "", "a.icc", "color\\a.icc", "\\color\\a.icc", "C:", "C:a.icc",
                            "1:\\a.icc", "\\\\\\x", "::\\a"})
        EXPECT_FALSE(path_acceptable(bad)) << (bad ? bad : "null");
    const std::string at_limit = "C:\\" + std::string(max_path_length - 3, 'a');
    EXPECT_TRUE(path_acceptable(at_limit.c_str()) && !path_acceptable((at_limit + "a").c_str()));
    // An unterminated buffer is refused without being read past the longest length (ASan watches).
    std::vector<char> unterminated(max_path_length + 1, 'a');
    unterminated[0] = 'C', unterminated[1] = ':', unterminated[2] = '\\';
    EXPECT_FALSE(path_acceptable(unterminated.data()));
}

TEST(LgiccSpaces, signatures_channels_and_xyz_encodings) {
    EXPECT_EQ((std::vector<color_space>{space_from_signature(0x52474220u), space_from_signature(0x434D594Bu), space_from_signature(0x58595A20u),
                                        space_from_signature(0x4C616220u), space_from_signature(0x20424752u)}),  // Lab, byte-swapped RGB
              (std::vector<color_space>{color_space::rgb, color_space::cmyk, color_space::xyz, color_space::unsupported, color_space::unsupported}));
    EXPECT_EQ((std::vector<int>{channels_of(color_space::rgb), channels_of(color_space::xyz), channels_of(color_space::cmyk),
                                channels_of(color_space::unsupported)}), (std::vector<int>{3, 3, 4, 0}));
    EXPECT_EQ((std::vector<int>{xyz_full_scale_to_icc(0), xyz_full_scale_to_icc(65535), xyz_full_scale_to_icc(32768),
                                xyz_icc_to_full_scale(0x8000), xyz_icc_to_full_scale(0xFFFF), xyz_icc_to_full_scale(0x4000)}),
              (std::vector<int>{0, 0x8000, 0x4000, 65535, 65535, 32768}));  // beyond 1.0 saturates
    uint16_t previous = 0;
    for (uint32_t v = 0; v <= 0xFFFF; ++v) {
        const uint16_t icc = xyz_full_scale_to_icc(static_cast<uint16_t>(v));
        // Monotonic; going back loses at most the one bit the ICC encoding lacks.
        ASSERT_TRUE(icc >= previous && std::abs(int(xyz_icc_to_full_scale(icc)) - int(v)) <= 1) << v;
        previous = icc;
    }
}

// Answers are found only where they were kept: by publication, illuminant and index, to the list's last colour and
// the last bit of each byte; forgetting lets every one go.
TEST(KeptCmykAnswers, found_only_where_kept_and_gone_when_forgotten) {
    kept_cmyk_answers kept;
    const uint16_t a[4] = {1, 2, 3, 4}, b[4] = {65535, 0, 65535, 0};
    for (uint32_t pub : {0u, 5u, 6u, 7u, 8u}) {   // a fifth list grows the records
        kept_publication_cmyk* list = keep_publication_cmyk(kept, pub, true, 3006);
        ASSERT_NE(list, nullptr) << pub;
        for (uint32_t i : {0u, 7u, 8u, 3005u}) keep_cmyk(*list, i, pub == 5 && i == 8 ? b : a);
        keep_cmyk(*list, 3006, b);   // beyond the list: ignored
    }
    ASSERT_EQ(keep_publication_cmyk(kept, 5, true, 10)->count, 3006u);   // the list there is kept, not made again
    const struct { uint32_t pub; bool d50; uint32_t index; const uint16_t* expected; } rows[] = {
        {5, true, 0, a}, {5, true, 7, a}, {5, true, 8, b}, {5, true, 3005, a}, {8, true, 3005, a},
        {5, true, 1, nullptr}, {5, true, 9, nullptr}, {5, true, 3004, nullptr}, {5, true, 3006, nullptr}, {5, true, 0xFFFF, nullptr},
        {5, false, 0, nullptr}, {1, true, 0, nullptr}, {9, true, 0, nullptr}};
    for (const auto& r : rows) {
        const uint16_t* got = kept_cmyk_of(kept, r.pub, r.d50, r.index);
        if (r.expected == nullptr) EXPECT_EQ(got, nullptr) << r.pub << " " << r.index;
        else EXPECT_TRUE(got != nullptr && std::memcmp(got, r.expected, 8) == 0) << r.pub << " " << r.index;
    }
    // A guide of 3006 colours: 8 bytes of answer and a bit each.
    EXPECT_EQ(kept_cmyk_bytes(kept), 5 * (3006 * 8 + 376) + kept.room * sizeof(kept_publication_cmyk));
    forget_cmyk_answers(kept);
    EXPECT_TRUE(kept_cmyk_of(kept, 5, true, 0) == nullptr && kept_cmyk_bytes(kept) == 0);
    EXPECT_EQ(keep_publication_cmyk(kept, 5, true, 0), nullptr);   // a publication without colours keeps nothing
}
