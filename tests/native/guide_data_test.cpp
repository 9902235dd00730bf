// The shipped colour-guide tables: their shape against the descriptors, the
// rules every row must keep (names, units, ink limit, illuminants), their
// agreement with the press model that made them, and that the generator
// still produces them byte for byte.
#include <gtest/gtest.h>
#include <lcms2.h>

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "frame/file_bytes_native.h"
#include "colorlib/publications.h"
#include "colorlib/resource_seam.h"
#include "guide_tables.h"
#include "press_inverse.h"
#include "press_model.h"

namespace {

struct shipped_pub {
    uint32_t pub_no;
    const char* cie_name;
    const char* data_name;
    size_t colours;
    uint32_t name_width;
};
const shipped_pub shipped[] = {
    {0, "solidc", "spot", 952, 15},
    {1, "solidu", "spot", 952, 15},
    {2, "simprc", "spot", 952, 15},
    {3, "process", "process", 3006, 6},
};

unsigned u16(const byte_span& s, size_t offset) { return s.data[offset] | s.data[offset + 1] << 8; }

cmsCIEXYZ stored_xyz_at(const byte_span& table, size_t index)
{
    return cmsCIEXYZ{u16(table, index * 6) / 10000.0, u16(table, index * 6 + 2) / 10000.0,
                     u16(table, index * 6 + 4) / 10000.0};
}

cmsCIEXYZ d65_white()
{
    cmsCIExyY xyy = {0.3127, 0.3290, 1.0};
    cmsCIEXYZ w;
    cmsxyY2XYZ(&w, &xyy);
    return w;
}

cmsCIELab lab_of(const cmsCIEXYZ& xyz, const cmsCIEXYZ& white)
{
    cmsCIELab lab;
    cmsXYZ2Lab(&white, &lab, &xyz);
    return lab;
}

double chroma(const cmsCIELab& lab) { return std::hypot(lab.a, lab.b); }

std::string text_field(const byte_span& table, size_t index, size_t width)
{
    std::string s;
    for (size_t i = 0; i < width; ++i) {
        char ch = static_cast<char>(table.data[index * width + i]);
        if (ch == 0) break;
        s += ch;
    }
    return s;
}

}  // namespace

TEST(GuideData, tables_hold_exactly_the_records_the_descriptors_promise)
{
    for (const shipped_pub& p : shipped) {
        SCOPED_TRACE(p.cie_name);
        ASSERT_EQ(pub_number_of_pages(p.pub_no) * pub_colors_per_page(p.pub_no), p.colours);
        ASSERT_EQ(pub_color_name_size(p.pub_no), p.name_width);
        EXPECT_EQ(builtin_resource("CIE50", p.cie_name).size, p.colours * 6);
        EXPECT_EQ(builtin_resource("CIE65", p.cie_name).size, p.colours * 6);
        EXPECT_EQ(builtin_resource("NAMES", p.data_name).size, p.colours * p.name_width);
        EXPECT_EQ(builtin_resource("CMYK", p.data_name).size, p.colours * 8);
    }
    EXPECT_EQ(builtin_resource("PAGE", "spot").size, 137u * 8);
    EXPECT_EQ(builtin_resource("PAGE", "process").size, 334u * 8);
}

TEST(GuideData, names_and_page_labels_are_printable_fit_and_unique_regardless_of_case)
{
    for (const char* kind : {"spot", "process"}) {
        SCOPED_TRACE(kind);
        const uint32_t width = kind[0] == 's' ? 15 : 6;
        byte_span names = builtin_resource("NAMES", kind);
        ASSERT_FALSE(names.empty());
        std::set<std::string> seen;
        for (size_t i = 0; i < names.size / width; ++i) {
            std::string name = text_field(names, i, width);
            ASSERT_FALSE(name.empty()) << "colour " << i;
            // Bytes after the terminator would be harmless, but ours are zero
            // so that the tables compare stably.
            for (size_t k = name.size(); k < width; ++k) ASSERT_EQ(names.data[i * width + k], 0) << name;
            std::string folded;
            for (char ch : name) {
                ASSERT_TRUE(ch >= 0x20 && ch <= 0x7E) << "colour " << i;
                folded += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
            }
            EXPECT_TRUE(seen.insert(folded).second) << "repeated name " << name;
        }
        byte_span labels = builtin_resource("PAGE", kind);
        ASSERT_FALSE(labels.empty());
        for (size_t i = 0; i < labels.size / 8; ++i) {
            std::string label = text_field(labels, i, 8);
            EXPECT_FALSE(label.empty()) << "page " << i;
            for (char ch : label) EXPECT_TRUE(ch >= 0x20 && ch <= 0x7E) << "page " << i;
        }
    }
    // Some shipped names fill their field with no terminator, so the
    // look-ups meet that case with the real data, not only in fixtures.
    byte_span spot = builtin_resource("NAMES", "spot");
    size_t longest = 0;
    for (size_t i = 0; i < spot.size / 15; ++i) longest = std::max(longest, text_field(spot, i, 15).size());
    EXPECT_EQ(longest, 15u);
}

TEST(GuideData, d65_measurements_are_the_d50_ones_under_bradford_adaptation)
{
    const cmsCIEXYZ d65 = d65_white();
    for (const shipped_pub& p : shipped) {
        SCOPED_TRACE(p.cie_name);
        byte_span d50_table = builtin_resource("CIE50", p.cie_name);
        byte_span d65_table = builtin_resource("CIE65", p.cie_name);
        ASSERT_EQ(d50_table.size, p.colours * 6);
        ASSERT_EQ(d65_table.size, p.colours * 6);
        double worst = 0.0;
        for (size_t i = 0; i < p.colours; ++i) {
            cmsCIEXYZ d50 = stored_xyz_at(d50_table, i), adapted;
            cmsAdaptToIlluminant(&adapted, cmsD50_XYZ(), &d65, &d50);
            cmsCIELab expected = lab_of(adapted, d65), stored = lab_of(stored_xyz_at(d65_table, i), d65);
            worst = std::max(worst, cmsDeltaE(&expected, &stored));
            // Surface colours: nothing lighter than the white diffuser.
            ASSERT_LE(d50.Y, 1.0) << i;
        }
        EXPECT_LT(worst, 0.5);
    }
}

TEST(GuideData, recipes_stay_within_coverage_and_the_total_ink_limit)
{
    const unsigned limit = static_cast<unsigned>(std::lround(total_ink_limit * 1000.0));
    ASSERT_LE(limit, 3200u);
    for (const char* kind : {"spot", "process"}) {
        SCOPED_TRACE(kind);
        byte_span cmyk = builtin_resource("CMYK", kind);
        ASSERT_FALSE(cmyk.empty());
        std::set<uint64_t> combos;
        for (size_t i = 0; i < cmyk.size / 8; ++i) {
            unsigned total = 0;
            uint64_t key = 0;
            for (int k = 0; k < 4; ++k) {
                unsigned v = u16(cmyk, i * 8 + k * 2);
                EXPECT_LE(v, 1000u) << "colour " << i;
                total += v;
                key = key << 16 | v;
            }
            EXPECT_LE(total, limit) << "colour " << i;
            combos.insert(key);
        }
        // The process guide shows each combination once.
        if (kind[0] == 'p') {
            EXPECT_EQ(combos.size(), 3006u);
        }
    }
}

TEST(GuideData, process_measurements_are_the_press_model_of_their_recipes)
{
    const struct {
        const char* cie_name;
        const char* data_name;
    } printed[] = {{"simprc", "spot"}, {"process", "process"}};
    for (const auto& p : printed) {
        SCOPED_TRACE(p.cie_name);
        byte_span cie = builtin_resource("CIE50", p.cie_name);
        byte_span cmyk = builtin_resource("CMYK", p.data_name);
        ASSERT_EQ(cie.size / 6, cmyk.size / 8);
        for (size_t i = 0; i < cmyk.size / 8; ++i) {
            uint16_t recipe[4], expected[3];
            for (int k = 0; k < 4; ++k) recipe[k] = static_cast<uint16_t>(u16(cmyk, i * 8 + k * 2));
            ASSERT_TRUE(stored_xyz(press_forward(recipe_coverage(recipe)), expected));
            for (int k = 0; k < 3; ++k) ASSERT_EQ(u16(cie, i * 6 + k * 2), expected[k]) << "colour " << i;
        }
    }
}

// The coated solid guide spans the hue circle and reaches beyond the press;
// its uncoated twin is duller and no darker, colour by colour.
TEST(GuideData, solid_guides_against_each_other_and_the_press)
{
    const byte_span coated = builtin_resource("CIE50", "solidc"), uncoated = builtin_resource("CIE50", "solidu"),
                    simulated = builtin_resource("CIE50", "simprc");
    for (const byte_span& t : {coated, uncoated, simulated}) ASSERT_EQ(t.size, 952u * 6);
    double best_chroma_in_sector[12] = {};
    double lightest = 0, darkest = 100;
    int beyond_press = 0;
    for (size_t i = 0; i < 952; ++i) {
        cmsCIELab c = lab_of(stored_xyz_at(coated, i), *cmsD50_XYZ());
        cmsCIELab u = lab_of(stored_xyz_at(uncoated, i), *cmsD50_XYZ());
        cmsCIELab s = lab_of(stored_xyz_at(simulated, i), *cmsD50_XYZ());
        EXPECT_LT(chroma(u), chroma(c)) << "colour " << i;
        EXPECT_GE(u.L, c.L - 0.05) << "colour " << i;
        double hue = std::atan2(c.b, c.a) * 180.0 / 3.14159265358979323846;
        int sector = static_cast<int>((hue < 0 ? hue + 360.0 : hue) / 30.0) % 12;
        best_chroma_in_sector[sector] = std::max(best_chroma_in_sector[sector], chroma(c));
        lightest = std::max(lightest, c.L);
        darkest = std::min(darkest, c.L);
        if (cmsDeltaE(&c, &s) > 5.0) ++beyond_press;
    }
    for (int s = 0; s < 12; ++s) EXPECT_GT(best_chroma_in_sector[s], 40.0) << "hues from " << s * 30;
    EXPECT_GT(lightest, 88.0);
    EXPECT_LT(darkest, 20.0);
    EXPECT_GT(beyond_press, 20);
    EXPECT_LT(beyond_press, 400);
}

// The model's solids are the published figures it was built from; a change
// to the model's constants shows here before it shows in the tables.
TEST(PressModel, solids_and_two_colour_overprints_match_their_published_figures)
{
    const struct {
        cmyk_value ink;
        lab_value lab;
    } solids[] = {
        {{0, 0, 0, 0}, {95, 0, -2}},    {{1, 0, 0, 0}, {55, -37, -50}}, {{0, 1, 0, 0}, {48, 74, -3}},
        {{0, 0, 1, 0}, {89, -5, 93}},   {{0, 0, 0, 1}, {16, 0, 0}},     {{0, 1, 1, 0}, {47, 68, 48}},
        {{1, 0, 1, 0}, {50, -65, 27}},  {{1, 1, 0, 0}, {24, 22, -46}}, {{1, 1, 1, 0}, {23, 0, 0}},
    };
    for (const auto& s : solids) {
        lab_value got = xyz_to_lab_d50(press_forward(s.ink));
        EXPECT_LT(delta_e76(got, s.lab), 0.01) << s.lab.l << " " << s.lab.a << " " << s.lab.b;
    }
    // More ink never makes a colour lighter.
    for (int k = 0; k < 4; ++k) {
        double previous = 200.0;
        for (int step = 0; step <= 20; ++step) {
            double v[4] = {0.3, 0.3, 0.3, 0.0};
            v[k] = step / 20.0;
            double l = xyz_to_lab_d50(press_forward(cmyk_value{v[0], v[1], v[2], v[3]})).l;
            EXPECT_LT(l, previous) << "ink " << k << " step " << step;
            previous = l;
        }
    }
}

TEST(PressModel, inversion_finds_reproducible_colours_within_the_ink_limit)
{
    // Colours the press can print come back within a fraction of a unit.
    int worst_index = -1;
    double worst = 0.0;
    for (int i = 0; i < 200; ++i) {
        cmyk_value ink = {((i * 37) % 100) / 100.0, ((i * 61) % 100) / 100.0, ((i * 17) % 100) / 100.0,
                          ((i * 43) % 60) / 100.0};
        lab_value target = xyz_to_lab_d50(press_forward(ink));
        cmyk_value found = press_inverse(target);
        EXPECT_LE(found.c + found.m + found.y + found.k, total_ink_limit + 1e-9);
        if (ink.c + ink.m + ink.y + ink.k > total_ink_limit) continue;
        double de = delta_e76(xyz_to_lab_d50(press_forward(found)), target);
        if (de > worst) worst = de, worst_index = i;
    }
    EXPECT_LT(worst, 0.5) << "worst at " << worst_index;
    // A light neutral takes no black; a deep neutral takes plenty.
    EXPECT_LT(press_inverse(lab_value{80, 0, 0}).k, 0.02);
    EXPECT_GT(press_inverse(lab_value{25, 0, 0}).k, 0.6);
}

TEST(GuideData, generator_reproduces_the_committed_files_byte_for_byte)
{
    std::vector<guide_file> files;
    std::string error;
    ASSERT_TRUE(build_guide_files(&files, &error)) << error;
    ASSERT_EQ(files.size(), 18u);

    char folder[] = "/tmp/guidegen_test_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    ASSERT_TRUE(write_guide_files(files, folder, &error)) << error;
    for (const guide_file& f : files) {
        std::vector<uint8_t> fresh, committed;
        std::string fresh_path = std::string(folder) + "/" + f.name;
        ASSERT_TRUE(read_file_bytes(fresh_path, &fresh)) << f.name;
        ASSERT_TRUE(read_file_bytes(std::string(HUEX_RESOURCE_DIR) + "/" + f.name, &committed)) << f.name;
        EXPECT_TRUE(fresh == committed) << f.name << " differs from the generator's output; run guidegen";
        std::remove(fresh_path.c_str());
    }
    rmdir(folder);
}
