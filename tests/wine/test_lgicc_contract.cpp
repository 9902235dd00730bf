// The module's contract through its real exports: every refusal has its own
// status, nothing faults on a broken call, and a refused call leaves the
// caller's output alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lgicc/lgicc_module.h"
#include "wine_test_support.h"

namespace {

const uint16_t sentinel = 0xBEEF;

class LgiccContract : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(module.load(bin_dir() + "LgICC.dll"));
        options = module.session_options(0);
        t = module.new_transform();
        ASSERT_NE(t, nullptr);
    }
    void TearDown() override
    {
        if (t) module.destroy(t);
    }

    // RGB in, CMYK out: the pair with different channel counts.
    int16_t prepare_rgb_to_cmyk() { return module.prepare(t, srgb, press, options); }

    int16_t match_one(uint32_t with_options, uint16_t in_channels = 3, uint16_t out_channels = 4)
    {
        return module.convert(t, with_options, in, out, 1, in_channels, out_channels);
    }

    void expect_output_untouched()
    {
        for (uint16_t v : out) EXPECT_EQ(v, sentinel);
    }

    lgicc_module module;
    uint32_t options = 0;
    lgo_transformation* t = nullptr;
    const std::string srgb = reference_profile_path("icc:sRGB.icc");
    const std::string press = reference_profile_path("data:press_cmyk.icc");
    uint16_t in[4] = {1000, 2000, 3000, 4000};
    uint16_t out[4] = {sentinel, sentinel, sentinel, sentinel};
};

// Writes bytes to a file in a fresh case folder and returns its path.
std::string write_case_file(const std::string& folder, const std::string& name, const std::vector<char>& bytes)
{
    std::string path = fresh_case_dir(folder) + name;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
    return path;
}

std::vector<char> read_file(const std::string& path)
{
    std::vector<char> bytes;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(GetFileSize(f, nullptr));
    DWORD got = 0;
    ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(f);
    bytes.resize(got);
    return bytes;
}

TEST_F(LgiccContract, options_word_as_the_library_builds_it)
{
    EXPECT_EQ(module.session_options(0), 0u);
    EXPECT_EQ(module.session_options(2), 2u);
    EXPECT_EQ(module.set_options(module.session_options(3), LGICC_OPTION_XYZ_ENCODING, 1), 0x103u);
    // Bad requests poison the word; the poison survives later good requests
    // and the word is then refused where it is used.
    for (uint32_t poisoned : {module.session_options(4), module.session_options(-1),
                              module.set_options(0, 1, 0), module.set_options(0, 2, 2),
                              module.set_options(module.set_options(0, 7, 0), 0, 1)}) {
        EXPECT_NE(poisoned & LGICC_OPTIONS_INVALID, 0u);
        EXPECT_EQ(module.prepare(t, srgb, press, poisoned), LGICC_ERR_OPTIONS);
    }
    EXPECT_EQ(module.prepare(t, srgb, press, 0x00010000u), LGICC_ERR_OPTIONS) << "reserved bits";
    EXPECT_EQ(module.prepare(t, srgb, press, 0x00000004u), LGICC_ERR_OPTIONS) << "intent out of range";
    EXPECT_EQ(prepare_rgb_to_cmyk(), LGICC_OK);
    EXPECT_EQ(match_one(0x00000004u), LGICC_ERR_OPTIONS);
    expect_output_untouched();
}

TEST_F(LgiccContract, null_foreign_and_deleted_objects_are_refused)
{
    lgo_transformation* foreign = reinterpret_cast<lgo_transformation*>(in);
    for (lgo_transformation* bad : {static_cast<lgo_transformation*>(nullptr), foreign}) {
        EXPECT_EQ(module.prepare(bad, srgb, press, options), LGICC_ERR_TRANSFORMATION);
        EXPECT_EQ(module.convert(bad, options, in, out, 1, 3, 4), LGICC_ERR_TRANSFORMATION);
        EXPECT_EQ(module.destroy(bad), LGICC_ERR_TRANSFORMATION);
    }
    lgo_transformation* gone = module.new_transform();
    ASSERT_EQ(module.prepare(gone, srgb, press, options), LGICC_OK);
    EXPECT_EQ(module.destroy(gone), LGICC_OK);
    EXPECT_EQ(module.destroy(gone), LGICC_ERR_TRANSFORMATION) << "a second delete is harmless";
    EXPECT_EQ(module.convert(gone, options, in, out, 1, 3, 4), LGICC_ERR_TRANSFORMATION);
    EXPECT_EQ(module.prepare(gone, srgb, press, options), LGICC_ERR_TRANSFORMATION);
    expect_output_untouched();
    // Objects are distinct and independent.
    lgo_transformation* other = module.new_transform();
    EXPECT_NE(other, t);
    EXPECT_EQ(module.destroy(other), LGICC_OK);
}

TEST_F(LgiccContract, constant_arguments_must_be_the_documented_ones)
{
    const char* s = srgb.c_str();
    const char* d = press.c_str();
    EXPECT_EQ(module.create(t, s, d, 1, options, 0, 0, 2, 0), LGICC_ERR_ARGUMENT);
    EXPECT_EQ(module.create(t, s, d, 0, options, -1, 0, 2, 0), LGICC_ERR_ARGUMENT);
    EXPECT_EQ(module.create(t, s, d, 0, options, 0, 2, 2, 0), LGICC_ERR_ARGUMENT);
    EXPECT_EQ(module.create(t, s, d, 0, options, 0, 0, 1, 0), LGICC_ERR_ARGUMENT);
    EXPECT_EQ(module.create(t, s, d, 0, options, 0, 0, 4, 0), LGICC_ERR_ARGUMENT);
    EXPECT_EQ(module.create(t, s, d, 0, options, 0, 0, 2, 0x10000), LGICC_ERR_ARGUMENT);
    ASSERT_EQ(module.create(t, s, d, 0, options, 0, 0, 2, 0), LGICC_OK);

    EXPECT_EQ(module.match(t, options, in, out, 1, 3, 4, 1, 0, 2, 0), LGICC_ERR_ARGUMENT);
    EXPECT_EQ(module.match(t, options, in, out, 1, 3, 4, 0, 1, 2, 0), LGICC_ERR_ARGUMENT);
    EXPECT_EQ(module.match(t, options, in, out, 1, 3, 4, 0, 0, 1, 0), LGICC_ERR_ARGUMENT);
    EXPECT_EQ(module.match(t, options, in, out, 1, 3, 4, 0, 0, 2, 1), LGICC_ERR_ARGUMENT);
    expect_output_untouched();
    EXPECT_EQ(module.match(t, options, in, out, 1, 3, 4, 0, 0, 2, 0), LGICC_OK);
}

TEST_F(LgiccContract, paths_must_be_absolute_and_within_the_limit)
{
    std::string long_path = "C:\\" + std::string(257, 'a');  // 260 characters
    for (const char* bad : {static_cast<const char*>(nullptr), "", "sRGB.icc", "color\\sRGB.icc",
                            "\\usr\\share\\color\\icc\\sRGB.icc", "C:", long_path.c_str()}) {
        EXPECT_EQ(module.create(t, bad, press.c_str(), 0, options, 0, 0, 2, 0), LGICC_ERR_PATH) << (bad ? bad : "null");
        EXPECT_EQ(module.create(t, srgb.c_str(), bad, 0, options, 0, 0, 2, 0), LGICC_ERR_PATH) << (bad ? bad : "null");
    }
    // Forward slashes are as absolute as backslashes.
    std::string forward = srgb;
    for (char& c : forward)
        if (c == '\\') c = '/';
    EXPECT_EQ(module.prepare(t, forward, press, options), LGICC_OK);
}

TEST_F(LgiccContract, profiles_that_cannot_be_used)
{
    std::string missing = reference_profile_path("icc:no_such_profile.icc");
    EXPECT_EQ(module.prepare(t, missing, press, options), LGICC_ERR_SOURCE_PROFILE);
    EXPECT_EQ(module.prepare(t, srgb, missing, options), LGICC_ERR_DESTINATION_PROFILE);

    std::string text = write_case_file("lgicc_text", "text.icc", std::vector<char>(400, 'x'));
    EXPECT_EQ(module.prepare(t, text, press, options), LGICC_ERR_SOURCE_PROFILE);
    EXPECT_EQ(module.prepare(t, srgb, text, options), LGICC_ERR_DESTINATION_PROFILE);

    std::vector<char> real = read_file(srgb);
    ASSERT_GT(real.size(), 200u);
    std::string cut = write_case_file("lgicc_cut", "cut.icc", std::vector<char>(real.begin(), real.begin() + 100));
    EXPECT_EQ(module.prepare(t, cut, press, options), LGICC_ERR_SOURCE_PROFILE);

    // Gray and Lab data are not converted by this module.
    EXPECT_EQ(module.prepare(t, reference_profile_path("icc:Gray.icc"), press, options), LGICC_ERR_COLOR_SPACE);
    EXPECT_EQ(module.prepare(t, srgb, reference_profile_path("icc:LCMSLABI.ICM"), options), LGICC_ERR_COLOR_SPACE);

    // A well-formed header without a single tag: the profile opens, but no
    // transform can be built from it.
    std::vector<char> bare(real.begin(), real.begin() + 132);
    bare[0] = 0, bare[1] = 0, bare[2] = 0, bare[3] = static_cast<char>(132);
    bare[128] = bare[129] = bare[130] = bare[131] = 0;
    std::string tagless = write_case_file("lgicc_tagless", "tagless.icc", bare);
    EXPECT_EQ(module.prepare(t, tagless, press, options), LGICC_ERR_TRANSFORM_REFUSED);

    // A failure leaves the object unprepared, even if it was prepared before.
    ASSERT_EQ(prepare_rgb_to_cmyk(), LGICC_OK);
    EXPECT_EQ(module.prepare(t, missing, press, options), LGICC_ERR_SOURCE_PROFILE);
    EXPECT_EQ(match_one(options), LGICC_ERR_NOT_PREPARED);
    expect_output_untouched();
}

TEST_F(LgiccContract, matching_refusals)
{
    EXPECT_EQ(match_one(options), LGICC_ERR_NOT_PREPARED);
    ASSERT_EQ(prepare_rgb_to_cmyk(), LGICC_OK);

    EXPECT_EQ(match_one(module.session_options(1)), LGICC_ERR_OPTIONS_CHANGED);
    EXPECT_EQ(match_one(options, 4, 4), LGICC_ERR_CHANNELS);
    EXPECT_EQ(match_one(options, 3, 3), LGICC_ERR_CHANNELS);
    EXPECT_EQ(match_one(options, 0, 4), LGICC_ERR_CHANNELS);
    EXPECT_EQ(match_one(options, 3, 65535), LGICC_ERR_CHANNELS);
    EXPECT_EQ(module.convert(t, options, nullptr, out, 1, 3, 4), LGICC_ERR_BUFFER);
    EXPECT_EQ(module.convert(t, options, in, nullptr, 1, 3, 4), LGICC_ERR_BUFFER);
    EXPECT_EQ(module.convert(t, options, in, out, 0, 3, 4), LGICC_ERR_BUFFER);
    EXPECT_EQ(module.convert(t, options, in, out, -1, 3, 4), LGICC_ERR_BUFFER);
    expect_output_untouched();

    // The first failing check decides: a dead object outranks everything else.
    EXPECT_EQ(module.match(nullptr, 0x80000000u, nullptr, nullptr, -1, 0, 0, 1, 1, 1, 1), LGICC_ERR_TRANSFORMATION);
    EXPECT_EQ(module.match(t, 0x80000000u, nullptr, nullptr, -1, 0, 0, 1, 1, 1, 1), LGICC_ERR_ARGUMENT);
    EXPECT_EQ(match_one(options), LGICC_OK);
}

// Preparing a prepared object again replaces its pair.
TEST_F(LgiccContract, prepare_again_replaces_the_pair)
{
    ASSERT_EQ(prepare_rgb_to_cmyk(), LGICC_OK);
    ASSERT_EQ(module.prepare(t, press, srgb, options), LGICC_OK);
    const uint16_t no_ink[4] = {0, 0, 0, 0};
    uint16_t rgb[3] = {};
    EXPECT_EQ(module.convert(t, options, no_ink, rgb, 1, 3, 4), LGICC_ERR_CHANNELS);
    ASSERT_EQ(module.convert(t, options, no_ink, rgb, 1, 4, 3), LGICC_OK);
    for (uint16_t v : rgb) EXPECT_GE(v, 65535 - 655);
}

}  // namespace
