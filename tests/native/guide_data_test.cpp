// The shipped colour-guide tables: the generator still produces them byte for
// byte (which pins the press model, its inversion, names, recipes and every
// colour made from them), and their D65 measurements agree with Little CMS.
#include <gtest/gtest.h>
#include <lcms2.h>

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "colorlib/resource_seam.h"
#include "guide_tables.h"
#include "test_files.h"

namespace {

const struct { const char* cie_name; size_t colours; } shipped[] = {{"solidc", 952}, {"solidu", 952}, {"simprc", 952}, {"process", 3006}};

unsigned u16(const byte_span& s, size_t offset) { return s.data[offset] | s.data[offset + 1] << 8; }

cmsCIEXYZ stored_xyz_at(const byte_span& table, size_t i)
{
    return cmsCIEXYZ{u16(table, i * 6) / 10000.0, u16(table, i * 6 + 2) / 10000.0, u16(table, i * 6 + 4) / 10000.0};
}

cmsCIELab lab_of(const cmsCIEXYZ& xyz, const cmsCIEXYZ& white)
{
    cmsCIELab lab;
    cmsXYZ2Lab(&white, &lab, &xyz);
    return lab;
}

}  // namespace

TEST(GuideData, d65_measurements_are_the_d50_ones_under_bradford_adaptation)
{
    const cmsCIExyY d65_xyy = {0.3127, 0.3290, 1.0};
    cmsCIEXYZ d65;
    cmsxyY2XYZ(&d65, &d65_xyy);
    for (const auto& p : shipped) {
        SCOPED_TRACE(p.cie_name);
        const byte_span d50_table = builtin_resource("CIE50", p.cie_name), d65_table = builtin_resource("CIE65", p.cie_name);
        ASSERT_TRUE(d50_table.size == p.colours * 6 && d65_table.size == p.colours * 6);
        double worst = 0.0;
        for (size_t i = 0; i < p.colours; ++i) {
            cmsCIEXYZ d50 = stored_xyz_at(d50_table, i), adapted;
            cmsAdaptToIlluminant(&adapted, cmsD50_XYZ(), &d65, &d50);
            const cmsCIELab expected = lab_of(adapted, d65), stored = lab_of(stored_xyz_at(d65_table, i), d65);
            worst = std::max(worst, cmsDeltaE(&expected, &stored));
            // Surface colours: nothing lighter than the white diffuser.
            ASSERT_LE(d50.Y, 1.0) << i;
        }
        EXPECT_LT(worst, 0.5);
    }
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
        const std::string fresh = std::string(folder) + "/" + f.name;
        EXPECT_TRUE(read_file_bytes(fresh) == f.bytes && f.bytes == read_file_bytes(std::string(HUEX_RESOURCE_DIR) + "/" + f.name))
            << f.name << " differs from the generator's output; run guidegen";
        std::remove(fresh.c_str());
    }
    rmdir(folder);
}
