// The recording build of the module (recording_lgicc\LgICC.dll): it converts
// like the real one and writes one line per call, which is what tests of
// the library read to see what reached the module.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "lgicc/lgicc_module.h"
#include "wine_test_support.h"

namespace {

std::vector<std::string> read_lines(const std::string& path)
{
    std::ifstream file(path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(LgiccRecording, every_call_is_logged_with_its_arguments)
{
    std::string dir = fresh_case_dir("lgicc_recording");
    std::string log = dir + "calls.log";
    ASSERT_TRUE(SetEnvironmentVariableA("LGICC_CALL_LOG", log.c_str()));

    lgicc_module module;
    ASSERT_TRUE(module.load(bin_dir() + "..\\recording_lgicc\\LgICC.dll"));
    const std::string xyz = reference_profile_path("icc:LCMSXYZI.ICM");
    const std::string press = reference_profile_path("data:press_cmyk.icc");

    // The library's order: options, object, preparation, one colour, delete.
    uint32_t options = module.set_options(module.set_options(0, 0, 2), 2, 0);
    lgo_transformation* t = module.new_transform();
    ASSERT_EQ(module.prepare(t, xyz, press, options), LGICC_OK);
    const uint16_t in[3] = {32767, 16384, 0};
    uint16_t out[4] = {};
    ASSERT_EQ(module.convert(t, options, in, out, 1, 3, 4), LGICC_OK);
    EXPECT_EQ(module.convert(t, options, in, out, 1, 3, 3), LGICC_ERR_CHANNELS);
    ASSERT_EQ(module.destroy(t), LGICC_OK);
    EXPECT_EQ(module.destroy(t), LGICC_ERR_TRANSFORMATION);

    std::ostringstream converted;
    converted << out[0] << "," << out[1] << "," << out[2] << "," << out[3];
    std::vector<std::string> expected = {
        "SetOptions options=0x00000000 option=0 value=2 result=0x00000002",
        "SetOptions options=0x00000002 option=2 value=0 result=0x00000002",
        "LgoNewTransformPtr result=T1",
        "LgoCreateMatchTransformation t=T1 source=\"" + xyz + "\" destination=\"" + press +
            "\" arg4=0 options=0x00000002 arg6=0 arg7=0 arg8=2 arg9=0 status=0",
        "LgoICCMatchColors t=T1 options=0x00000002 count=1 source_channels=3 destination_channels=4"
        " arg8=0 arg9=0 arg10=2 arg11=0 in=32767,16384,0 out=" + converted.str() + " status=0",
        "LgoICCMatchColors t=T1 options=0x00000002 count=1 source_channels=3 destination_channels=3"
        " arg8=0 arg9=0 arg10=2 arg11=0 in=32767,16384,0 out=none status=10",
        "LgoDeleteMatchTransformation t=T1 status=0",
        "LgoDeleteMatchTransformation t=unknown status=1",
    };
    EXPECT_EQ(read_lines(log), expected);

    // It converts exactly like the real module.
    lgicc_module real;
    ASSERT_TRUE(real.load(bin_dir() + "LgICC.dll"));
    ASSERT_NE(real.handle, module.handle);
    lgo_transformation* r = real.new_transform();
    ASSERT_EQ(real.prepare(r, xyz, press, options), LGICC_OK);
    uint16_t real_out[4] = {};
    ASSERT_EQ(real.convert(r, options, in, real_out, 1, 3, 4), LGICC_OK);
    real.destroy(r);
    for (int c = 0; c < 4; ++c) EXPECT_EQ(real_out[c], out[c]);
}

}  // namespace
