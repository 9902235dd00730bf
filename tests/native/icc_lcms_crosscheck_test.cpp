// Every third-party profile on the system read by this reader and by Little
// CMS: header, tag directory, v2 descriptions, XYZ tags and curves agree, and
// so do the display model's chromaticities and description from them.
#include <gtest/gtest.h>
#include <lcms2.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "icc/icc_numbers.h"
#include "icc/icc_parse.h"
#include "icc_profile_builder.h"
#include "profiles/monitor_profile_tags.h"
#include "test_files.h"

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

byte_span span_of(const std::vector<uint8_t>& v) { return byte_span{v.data(), v.size()}; }

void check_profile(const std::string& path) {
    SCOPED_TRACE(path);
    std::vector<uint8_t> bytes = read_file_bytes(path);
    byte_span file = span_of(bytes);
    cmsHPROFILE p = cmsOpenProfileFromMem(bytes.data(), cmsUInt32Number(bytes.size()));
    ASSERT_NE(p, nullptr);

    icc_profile_header h;
    ASSERT_TRUE(icc_read_header(file, &h));
    cmsUInt64Number attributes = 0;
    cmsGetHeaderAttributes(p, &attributes);
    // Little CMS clears the reserved low half of the version word; this
    // reader hands the word back as stored.
    EXPECT_EQ((std::vector<uint64_t>{h.size, h.device_class, h.color_space, h.connection_space, h.version & 0xFFFF0000u,
                                     h.version, h.flags, h.manufacturer, h.model, h.rendering_intent, h.magic,
                                     (uint64_t(h.attributes_high) << 32) | h.attributes_low}),
              (std::vector<uint64_t>{bytes.size(), cmsGetDeviceClass(p), cmsGetColorSpace(p), cmsGetPCS(p),
                                     cmsGetEncodedICCversion(p), icc_test::get32(bytes.data() + 8), cmsGetHeaderFlags(p),
                                     cmsGetHeaderManufacturer(p), cmsGetHeaderModel(p), cmsGetHeaderRenderingIntent(p),
                                     cmsMagicNumber, attributes}));
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
        } else if ((type == icc_sig('d', 'e', 's', 'c') && v2) || type == icc_sig('t', 'e', 'x', 't')) {
            const cmsMLU* ref = static_cast<const cmsMLU*>(cmsReadTag(p, sig));
            ASSERT_NE(ref, nullptr);
            char expected[256] = "";
            cmsMLUgetASCII(ref, cmsNoLanguage, cmsNoCountry, expected, sizeof expected);
            std::vector<char> text(std::max<size_t>(e.size - 8 + 1, 256), '\0');
            ASSERT_TRUE(type == icc_sig('t', 'e', 'x', 't') ? icc_read_text(file, e, text.data())
                                                            : icc_read_description(file, e, text.data(), 256));
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

TEST(ProfileLcmsCrossCheck, display_profile_chromaticities_and_descriptions)
{
    int checked = 0, version4 = 0;
    const cmsTagSignature tags[4] = {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag,
                                     cmsSigMediaWhitePointTag};
    for (const std::string& path : system_profiles()) {
        cmsHPROFILE p = cmsOpenProfileFromFile(path.c_str(), "r");
        if (p == nullptr) continue;
        bool wanted = cmsGetDeviceClass(p) == cmsSigDisplayClass && cmsIsTag(p, cmsSigRedTRCTag);
        for (cmsTagSignature t : tags) wanted = wanted && cmsIsTag(p, t);
        if (wanted) {
            SCOPED_TRACE(path);
            const std::vector<uint8_t> bytes = read_file_bytes(path);
            display_model m = default_display_model;
            char name[260] = "";
            apply_monitor_profile_tags(byte_span{bytes.data(), bytes.size()}, &m, name, sizeof name);
            const double xy[4][2] = {{m.xr, m.yr}, {m.xg, m.yg}, {m.xb, m.yb}, {m.xw, m.yw}};
            for (int i = 0; i < 4; ++i) {
                const cmsCIEXYZ* xyz = static_cast<cmsCIEXYZ*>(cmsReadTag(p, tags[i]));
                const double s = xyz->X + xyz->Y + xyz->Z;
                EXPECT_DOUBLE_EQ(xy[i][0], xyz->X / s) << i;
                EXPECT_DOUBLE_EQ(xy[i][1], xyz->Y / s) << i;
            }
            // Also from version 4's multi-localised description.
            char expected[260] = "";
            cmsGetProfileInfoASCII(p, cmsInfoDescription, "en", "US", expected, sizeof expected);
            EXPECT_STREQ(name, expected);
            ++checked;
            version4 += cmsGetEncodedICCversion(p) >= 0x04000000;
        }
        cmsCloseProfile(p);
    }
    // Both packages ship several of each version.
    EXPECT_GE(checked, 10);
    EXPECT_GE(version4, 5);
}
