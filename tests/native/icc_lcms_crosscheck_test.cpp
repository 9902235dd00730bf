// Every third-party profile on the system read by this reader and by Little
// CMS: header, tag directory, v2 descriptions, XYZ tags and curves agree.
#include <gtest/gtest.h>
#include <lcms2.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "icc/icc_numbers.h"
#include "icc/icc_parse.h"
#include "icc_profile_builder.h"

namespace {

std::vector<std::string> system_profiles() {
    std::vector<std::string> paths;
    for (const char* dir : {"/usr/share/color/icc", "/usr/share/color/icc/colord"}) {
        std::error_code ec;
        for (auto& f : std::filesystem::directory_iterator(dir, ec)) {
            std::string ext = f.path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
            if (f.is_regular_file() && (ext == ".icc" || ext == ".icm"))
                paths.push_back(f.path().string());
        }
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::vector<uint8_t> read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

byte_span span_of(const std::vector<uint8_t>& v) { return byte_span{v.data(), v.size()}; }

void check_profile(const std::string& path) {
    SCOPED_TRACE(path);
    std::vector<uint8_t> bytes = read_file(path);
    byte_span file = span_of(bytes);
    cmsHPROFILE p = cmsOpenProfileFromMem(bytes.data(), cmsUInt32Number(bytes.size()));
    ASSERT_NE(p, nullptr);

    icc_profile_header h;
    ASSERT_TRUE(icc_read_header(file, &h));
    EXPECT_EQ(h.size, bytes.size());
    EXPECT_EQ(h.device_class, uint32_t(cmsGetDeviceClass(p)));
    EXPECT_EQ(h.color_space, uint32_t(cmsGetColorSpace(p)));
    EXPECT_EQ(h.connection_space, uint32_t(cmsGetPCS(p)));
    // Little CMS clears the reserved low half of the version word; this
    // reader hands the word back as stored.
    EXPECT_EQ(h.version & 0xFFFF0000u, cmsGetEncodedICCversion(p));
    EXPECT_EQ(h.version, icc_test::get32(bytes.data() + 8));
    EXPECT_EQ(h.flags, cmsGetHeaderFlags(p));
    EXPECT_EQ(h.manufacturer, cmsGetHeaderManufacturer(p));
    EXPECT_EQ(h.model, cmsGetHeaderModel(p));
    EXPECT_EQ(h.rendering_intent, cmsGetHeaderRenderingIntent(p));
    EXPECT_EQ(h.magic, uint32_t(cmsMagicNumber));  // Little CMS refuses any other
    cmsUInt64Number attributes = 0;
    cmsGetHeaderAttributes(p, &attributes);
    EXPECT_EQ((uint64_t(h.attributes_high) << 32) | h.attributes_low, attributes);
    struct tm when;
    ASSERT_TRUE(cmsGetHeaderCreationDateTime(p, &when));
    const icc_date_time& d = h.date;
    EXPECT_EQ((std::vector<int>{d.year, d.month, d.day, d.hours, d.minutes, d.seconds}),
              (std::vector<int>{when.tm_year + 1900, when.tm_mon + 1, when.tm_mday, when.tm_hour, when.tm_min,
                                when.tm_sec}));

    uint32_t count = icc_tag_count(file);
    ASSERT_EQ(count, uint32_t(cmsGetTagCount(p)));
    bool v2 = (h.version >> 24) < 4;
    for (uint32_t i = 0; i < count; ++i) {
        icc_tag_entry e;
        uint32_t type;
        ASSERT_TRUE(icc_read_tag(file, int32_t(i), &e, &type)) << i;
        cmsTagSignature sig = cmsGetTagSignature(p, i);
        SCOPED_TRACE(icc_format_signature(e.signature));
        EXPECT_EQ(e.signature, uint32_t(sig));
        // The raw bytes Little CMS finds for the tag are the ones the entry
        // points at.
        cmsUInt32Number raw_size = cmsReadRawTag(p, sig, nullptr, 0);
        ASSERT_EQ(e.size, raw_size);
        std::vector<uint8_t> raw(raw_size);
        ASSERT_EQ(cmsReadRawTag(p, sig, raw.data(), raw_size), raw_size);
        EXPECT_EQ(0, std::memcmp(raw.data(), bytes.data() + e.offset, raw_size));
        EXPECT_EQ(type, icc_test::get32(raw.data()));

        if (type == icc_sig('X', 'Y', 'Z', ' ')) {
            const cmsCIEXYZ* ref = static_cast<const cmsCIEXYZ*>(cmsReadTag(p, sig));
            ASSERT_NE(ref, nullptr);
            icc_xyz_raw xyz;
            ASSERT_TRUE(icc_read_xyz(file, e, &xyz));
            EXPECT_EQ((std::vector<double>{icc_s15fixed16_value(xyz.x), icc_s15fixed16_value(xyz.y),
                                           icc_s15fixed16_value(xyz.z)}),
                      (std::vector<double>{ref->X, ref->Y, ref->Z}));
        } else if (type == icc_sig('c', 'u', 'r', 'v')) {
            const cmsToneCurve* ref = static_cast<const cmsToneCurve*>(cmsReadTag(p, sig));
            ASSERT_NE(ref, nullptr);
            uint32_t n = icc_curve_count(file, e);
            uint16_t raw_entry;
            if (n == 0) {
                EXPECT_TRUE(cmsIsToneCurveLinear(ref));
                EXPECT_FALSE(icc_read_curve_raw(file, e, 0, &raw_entry));
            } else if (n == 1) {
                ASSERT_TRUE(icc_read_curve_raw(file, e, 0, &raw_entry));
                EXPECT_EQ(cmsGetToneCurveParametricType(ref), 1);
                EXPECT_NEAR(cmsEstimateGamma(ref, 0.001), raw_entry / 256.0, 0.01);
            } else {
                ASSERT_EQ(n, cmsGetToneCurveEstimatedTableEntries(ref));
                const cmsUInt16Number* table = cmsGetToneCurveEstimatedTable(ref);
                for (uint32_t k = 0; k < n; ++k) {
                    ASSERT_TRUE(icc_read_curve_raw(file, e, k, &raw_entry));
                    ASSERT_EQ(raw_entry, table[k]) << k;
                }
                EXPECT_FALSE(icc_read_curve_raw(file, e, n, &raw_entry));
            }
        } else if (type == icc_sig('d', 'e', 's', 'c') && v2) {
            const cmsMLU* ref = static_cast<const cmsMLU*>(cmsReadTag(p, sig));
            ASSERT_NE(ref, nullptr);
            char expected[256] = "", text[256];
            cmsMLUgetASCII(ref, cmsNoLanguage, cmsNoCountry, expected, sizeof expected);
            ASSERT_TRUE(icc_read_description(file, e, text, sizeof text));
            EXPECT_STREQ(text, expected);
        } else if (type == icc_sig('t', 'e', 'x', 't')) {
            const cmsMLU* ref = static_cast<const cmsMLU*>(cmsReadTag(p, sig));
            ASSERT_NE(ref, nullptr);
            char expected[256] = "";
            cmsMLUgetASCII(ref, cmsNoLanguage, cmsNoCountry, expected, sizeof expected);
            std::vector<char> text(e.size - 8 + 1, '\0');
            ASSERT_TRUE(icc_read_text(file, e, text.data()));
            EXPECT_STREQ(text.data(), expected);
        } else if (type == icc_sig('m', 'l', 'u', 'c')) {
            // A v4 description: only the ASCII reading the readers define, a
            // terminated text inside the buffer.
            char text[16];
            std::memset(text, '#', sizeof text);
            ASSERT_TRUE(icc_read_description(file, e, text, 8));
            EXPECT_NE(std::memchr(text, '\0', 8), nullptr);
            EXPECT_EQ(text[8], '#');
        }
    }
    cmsCloseProfile(p);
}

}  // namespace

TEST(IccAgainstLcms, every_system_profile) {
    std::vector<std::string> paths = system_profiles();
    // icc-profiles-free and colord-data together ship 39 profiles.
    ASSERT_GE(paths.size(), 30u);
    for (const std::string& path : paths) check_profile(path);
}
