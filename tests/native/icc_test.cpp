// The portable profile readers: fixed-point numbers, profiles built byte by byte, every prefix of real
// profiles, and every profile on the system against Little CMS.
#include <gtest/gtest.h>
#include <lcms2.h>
#include <sanitizer/asan_interface.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "icc/icc_directory.h"
#include "icc/icc_numbers.h"
#include "icc/icc_tag_readers.h"
#include "icc/profile_extension.h"
#include "icc_profile_builder.h"
#include "profiles/monitor_profile_tags.h"
#include "test_files.h"

TEST(IccNumbers, fixed_point_values_and_the_four_decimal_rule) {
    const struct { uint32_t word; double value; } s15[] = {
        {0x00008000, 0.5}, {0xFFFF0000, -1.0}, {0x80000000, -32768.0}, {0x7FFFFFFF, 2147483647.0 / 65536.0}, {0xFFFFFFFF, -1.0 / 65536.0}};
    for (const auto& c : s15) EXPECT_EQ(icc_s15fixed16_value(c.word), c.value) << std::hex << c.word;
    double x, y, z;
    icc_decode_xyz(0x0000F6D6, 0x00010000, 0xFFFF8000, &x, &y, &z);
    EXPECT_TRUE(y == 1.0 && z == -0.5 && icc_u16_value(0x12345) == 0x2345 / 65535.0);  // curve entries: low 16 bits over 65535
    const struct { double value; int decimals; } d4[] = {
        {icc_s15fixed16_value(0x0000D32D), 8249}, {-1.25, 2500}, {2.0, 0}, {0.99996, 10000}, {0.99994, 9999}, {NAN, 0}, {INFINITY, 0}};
    for (const auto& c : d4) EXPECT_EQ(icc_decimal4(c.value), c.decimals) << c.value;
}

TEST(IccProfileExtension, any_case_of_the_three_extensions_in_the_final_component_only) {
    const struct { const char* path; bool accepted; } cases[] = {
        {"a.icc", true}, {"C:\\x\\B.ICM", true}, {"dir/p.Pf", true}, {"z:p.IcC", true}, {".icm", true},
        {"a.icc.bak", false}, {"a.icx", false}, {"a.ic", false}, {"a.pff", false}, {"a", false},
        {"x.icc\\a", false}, {"x.icm/", false}, {"C:p.icc:", false}, {"a.\xC9" "CC", false}, {"", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(has_profile_extension(c.path), c.accepted) << c.path;
        std::wstring wide(c.path, c.path + std::strlen(c.path));
        EXPECT_EQ(has_profile_extension(wide.c_str()), c.accepted) << c.path;
    }
    // A capital I with a dot above folds to 'i' in some locales; it is no extension letter.
    EXPECT_FALSE(has_profile_extension(L"a.\x0130" L"CC") || has_profile_extension(L"\x0426\x0432.\x0130" L"CM"));
    EXPECT_TRUE(has_profile_extension(L"\x0426\x0432\x0435\x0442/\x8272.ICC"));
    EXPECT_FALSE(has_profile_extension(static_cast<const char*>(nullptr)));
}

TEST(IccTexts, signatures_xyz_and_chromaticity_with_rounding_carry_and_sign) {
    // Buffers of exactly the size each text is given: a four-letter signature fills its buffer to the NUL.
    char sig[icc_signature_text_size], num[icc_number_text_size];
    const struct { uint32_t word; const char* text; } sigs[] = {
        {0x52474220, "'RGB '"}, {0x64650000, "'de..'"}, {0, "''"}, {0x00000041, "'...A'"}, {0xFFFFFFFF, "'....'"}, {0x7E0A1F20, "'~.. '"}};
    for (const auto& c : sigs) EXPECT_STREQ(icc_format_signature(c.word, sig), c.text);
    EXPECT_STREQ(icc_format_xyz(0x0000F6D6, 0x00010000, 0x0000D32D, num), "X=0.9642 Y=1.0000 Z=0.8249 ");
    // 65533 / 65536 rounds up into the integer part.
    EXPECT_STREQ(icc_format_xyz(65533u, 0xFFFFC000u, 0xFFFEC000u, num), "X=1.0000 Y=-0.2500 Z=-1.2500 ");
    EXPECT_STREQ(icc_format_xyz(0x80000000, 0x80000000, 0x7FFFFFFF, num), "X=-32768.0000 Y=-32768.0000 Z=32768.0000 ");
    EXPECT_EQ(icc_format_xy(0x0000F6D6, 0x00010000, 0x0000D32D, num), num);  // the caller's buffer, handed back
    EXPECT_STREQ(num, "x=0.3457 y=0.3585");
    // Undefined chromaticity, and the largest quotient (-32768 over -1/65536), stay inside the buffer.
    EXPECT_STREQ(icc_format_xy(0x00010000, 0xFFFF0000, 0, num), "x=0.0000 y=0.0000");
    EXPECT_STREQ(icc_format_xy(0x80000000, 0x7FFFFFFF, 0, num), "x=2147483648.0000 y=-2147483647.0000");
    EXPECT_STREQ(icc_format_xyz(0x80000000, 0x80000000, 0x80000000, num), "X=-32768.0000 Y=-32768.0000 Z=-32768.0000 ");  // the longest
}

using namespace icc_test;

namespace {

byte_span span_of(const std::vector<uint8_t>& v) { return byte_span{v.data(), v.size()}; }

icc_tag_entry tag_of(const std::vector<uint8_t>& file, int index) {
    icc_tag_entry e{};
    EXPECT_TRUE(icc_read_tag(span_of(file), index, &e, nullptr));
    return e;
}

void expect_refused_untouched(const std::vector<uint8_t>& file, int index, const char* what) {
    icc_tag_entry e = {0xdeadbeef, 0xdeadbeef, 0xdeadbeef};
    uint32_t type = 0xdeadbeef;
    EXPECT_FALSE(icc_read_tag(span_of(file), index, &e, &type)) << what << " " << index;
    EXPECT_EQ((std::vector<uint32_t>{e.signature, e.offset, e.size, type}), std::vector<uint32_t>(4, 0xdeadbeef)) << what;
}

std::vector<uint8_t> three_tag_profile() {
    return builder().add("desc", desc_tag("Test RGB")).add("wtpt", xyz_tag(0x0000F6D6, 0x00010000, 0x0000D32D))
        .add("rTRC", curve_tag({0x0100})).build();
}


// Fields the Little CMS cross-check cannot see; the short files are the truncation sweep's.
TEST(IccHeader, fields_little_cms_does_not_check) {
    std::vector<uint8_t> file = builder().build();
    set32(file, 4, 0x41424344);
    icc_profile_header h;
    ASSERT_TRUE(icc_read_header(span_of(file), &h));
    EXPECT_EQ((std::vector<uint32_t>{h.cmm_type, h.illuminant.x, h.illuminant.y, h.illuminant.z}),
              (std::vector<uint32_t>{0x41424344, 0x0000F6D6, 0x00010000, 0x0000D32D}));
    EXPECT_EQ(icc_tag_count(byte_span{nullptr, 0}), 0u);
}

TEST(IccDirectory, indices_entries_and_tags_outside_the_file_are_refused_untouched) {
    const std::vector<uint8_t> good = three_tag_profile();
    for (int i : {3, -1, INT_MIN, INT_MAX}) expect_refused_untouched(good, i, "index");
    icc_tag_entry found{};
    uint32_t type = 0;
    EXPECT_TRUE(icc_find_tag(span_of(good), sig("rTRC"), &found, &type) && type == sig("curv"));
    EXPECT_FALSE(icc_find_tag(span_of(good), sig("gTRC"), &found, &type));
    const struct { const char* what; size_t at; uint32_t value; } cases[] = {
        {"offset past the end", entry_at(0) + 4, uint32_t(good.size())}, {"offset + size wraps", entry_at(0) + 4, 0xFFFFFFF0},
        {"size past the end", entry_at(0) + 8, uint32_t(good.size())}, {"largest size", entry_at(0) + 8, 0xFFFFFFFF},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> file = good;
        set32(file, c.at, c.value);
        expect_refused_untouched(file, 0, c.what);
    }
    // A count beyond the directory: entries inside the file still read, one past its end does not.
    std::vector<uint8_t> file = good;
    set32(file, 128, 0xFFFFFFFF);
    EXPECT_TRUE(icc_read_tag(span_of(file), 2, nullptr, nullptr));
    expect_refused_untouched(file, int((file.size() - 132) / 12), "count");
    EXPECT_FALSE(icc_find_tag(span_of(file), sig("none"), &found, nullptr));
    // A tag of 2 bytes at the very end: its type signature would lie outside.
    file = good;
    set32(file, entry_at(0) + 4, uint32_t(file.size() - 2)), set32(file, entry_at(0) + 8, 2);
    EXPECT_FALSE(icc_read_tag(span_of(file), 0, nullptr, nullptr));
}

TEST(IccTagContents, preamble_bounds_and_text_of_exactly_size_minus_8) {
    std::vector<uint8_t> file = three_tag_profile();
    icc_tag_entry e = tag_of(file, 1);
    const byte_span c = icc_tag_contents(span_of(file), e);
    EXPECT_TRUE(c.data == file.data() + e.offset + 8 && c.size == 12u);
    e.size = 8;
    EXPECT_TRUE(icc_tag_contents(span_of(file), e).data != nullptr && icc_tag_contents(span_of(file), e).size == 0);
    for (const auto& bad : {std::make_pair(7u, e.offset), std::make_pair(20u, uint32_t(file.size() - 19))})
        EXPECT_EQ(icc_tag_contents(span_of(file), icc_tag_entry{0, bad.second, bad.first}).data, nullptr) << bad.first;

    file = builder().add("cprt", text_tag("No rights")).build();
    e = tag_of(file, 0);
    char buffer[32];
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_TRUE(icc_read_text(span_of(file), e, buffer));
    EXPECT_EQ(std::string(buffer, 11), std::string("No rights\0#", 11));
    e.size += 1;  // one byte past the end of the file
    EXPECT_FALSE(icc_read_text(span_of(file), e, buffer));
}

TEST(IccDescription, lengths_of_the_buffer_and_counts_the_tag_cannot_hold) {
    std::vector<uint8_t> file = builder().add("desc", desc_tag("Hello World")).build();
    icc_tag_entry e = tag_of(file, 0);
    char buffer[260];
    for (const auto& c : {std::make_pair(12, "Hello World"), std::make_pair(8, "Hello W"), std::make_pair(1, "")}) {
        std::memset(buffer, '#', sizeof buffer);
        ASSERT_TRUE(icc_read_description(span_of(file), e, buffer, c.first)) << c.first;
        EXPECT_TRUE(std::string(buffer) == c.second && buffer[c.first] == '#') << c.first;
    }
    for (int32_t length : {0, -1, INT_MIN}) EXPECT_FALSE(icc_read_description(span_of(file), e, buffer, length) || buffer[1] != '#') << length;

    // A count word and 5 characters without terminator: cut where the tag ends, not taken from the next tag.
    file = builder().add("desc", tag_data("desc", {0x80, 0, 0, 0, 'S', 'h', 'o', 'r', 't'})).add("cprt", text_tag("X")).build();
    e = tag_of(file, 0);
    ASSERT_TRUE(icc_read_description(span_of(file), e, buffer, 260));
    EXPECT_STREQ(buffer, "Short");
    e.size = 11;  // no room for the count word
    EXPECT_FALSE(icc_read_description(span_of(file), e, buffer, 260));
}

TEST(IccXyzAndCurves, short_tags_and_counts_the_tag_cannot_hold_are_refused_untouched) {
    std::vector<uint16_t> ramp(256);
    for (int i = 0; i < 256; ++i) ramp[i] = uint16_t(i * 257);
    const std::vector<uint8_t> file = builder().add("rXYZ", xyz_tag(0xFFFF0000, 0x80000000, 0x7FFFFFFF)).add("kTRC", curve_tag({}))
        .add("rTRC", tag_data("curv", {0, 0, 0, 1, 0x02, 0x33, 0xFF, 0xFF})).add("bTRC", curve_tag(ramp)).build();  // rTRC's pad inside
    const byte_span f = span_of(file);
    icc_tag_entry e = tag_of(file, 0);
    icc_xyz_raw xyz{};
    ASSERT_TRUE(icc_read_xyz(f, e, &xyz));
    EXPECT_EQ((std::vector<uint32_t>{xyz.x, xyz.y, xyz.z}), (std::vector<uint32_t>{0xFFFF0000, 0x80000000, 0x7FFFFFFF}));
    e.size = 19;
    xyz = {1, 2, 3};
    EXPECT_FALSE(icc_read_xyz(f, e, &xyz) || xyz.x != 1u);

    const icc_tag_entry identity = tag_of(file, 1), gamma = tag_of(file, 2), table = tag_of(file, 3);
    double v = -1, w = -1;
    EXPECT_FALSE(icc_read_curve_entry(f, identity, 0, &v));
    ASSERT_TRUE(icc_read_curve_entry(f, gamma, 0, &v) && icc_read_curve_entry(f, table, 255, &w));
    EXPECT_EQ((std::vector<double>{v, w}), (std::vector<double>{0x0233 / 65535.0, 1.0}));
    for (uint32_t bad : {256u, 0x7FFFFFFFu, 0xFFFFFFFFu}) EXPECT_FALSE(icc_read_curve_entry(f, table, bad, &v)) << bad;
    EXPECT_FALSE(icc_read_curve_entry(f, gamma, 1, &v) || v != 0x0233 / 65535.0);  // its pad is in the tag, not in the curve

    std::vector<uint8_t> cut = builder().add("rTRC", curve_tag({1, 2, 3})).add("cprt", text_tag("padding for the file")).build();
    e = tag_of(cut, 0);
    for (uint32_t count : {4u, 0x80000000u, 0xFFFFFFFFu}) {
        set32(cut, e.offset + 8, count);
        EXPECT_FALSE(icc_curve_count(span_of(cut), e) || icc_read_curve_entry(span_of(cut), e, 0, &v)) << count;
    }
}

TEST(IccUintArrays, counts_from_the_tag_size_and_elements_inside_the_tag) {
    const struct { uint32_t size, type, count; } counts[] = {{20, icc_type_ui16, 6}, {24, icc_type_ui64, 2}, {21, icc_type_ui32, 3},
        {13, icc_type_ui08, 5}, {20, sig("curv"), 0}, {7, icc_type_ui08, 0}};
    for (const auto& c : counts) EXPECT_EQ(icc_uint_array_count({0, 0, c.size}, c.type), c.count) << c.size;
    // The ui32 tag ends with a cut element exactly where the file's heap block ends.
    const std::vector<uint8_t> words = {1, 2, 3, 4, 0xA0, 0xB0, 0xC0, 0xD0, 0xE1, 0xE2, 0xE3};
    const std::vector<uint8_t> file = builder().add("ui08", tag_data("ui08", {7, 8, 9})).add("ui32", tag_data("ui32", words)).build();
    const icc_tag_entry u = tag_of(file, 0), w = tag_of(file, 1);
    ASSERT_EQ(uint64_t(w.offset) + w.size, file.size());
    uint32_t word = 0;
    uint8_t byte = 0;
    ASSERT_TRUE(icc_read_uint32_element(span_of(file), w, 1, &word) && icc_read_uint8_element(span_of(file), u, 2, &byte));
    EXPECT_EQ(word * 256 + byte, 0xA0B0C0D0u * 256 + 9);
    // Also where 4 * index wraps in 32 bits.
    for (uint32_t bad : {2u, 0x40000000u, 0x40000001u, 0xFFFFFFFFu}) EXPECT_FALSE(icc_read_uint32_element(span_of(file), w, bad, &word)) << bad;
    EXPECT_FALSE(icc_read_uint8_element(span_of(file), u, 3, &byte) || word != 0xA0B0C0D0u || byte != 9);
}

TEST(IccLut, lut16_identity_example_and_lut8_fields) {
    const std::vector<uint8_t> file = builder().add("A2B0", lut16_tag(3, 3, 17, 256, 256)).build();
    icc_tag_entry e = tag_of(file, 0);
    icc_lut_header lut, lut8;
    std::memset(&lut, 0xA5, sizeof lut), std::memset(&lut8, 0xA5, sizeof lut8);
    ASSERT_TRUE(icc_read_lut16(span_of(file), e, &lut) && icc_read_lut8(span_of(file), e, &lut8));
    EXPECT_EQ((std::vector<uint32_t>{lut.input_channels, lut.output_channels, lut.grid_points, lut.input_entries,
                                     lut.output_entries, lut.matrix[0], lut.matrix[1], lut.matrix[8], lut8.grid_points, lut8.input_entries}),
              (std::vector<uint32_t>{3, 3, 17, 256, 256, 0x10000, 0, 0x10000, 17, 0xA5A5}));  // lut8 has no entry counts
    e.size = 8 + 43;
    EXPECT_TRUE(!icc_read_lut16(span_of(file), e, &lut) && icc_read_lut8(span_of(file), e, &lut));
    e.size = 8 + 39;
    EXPECT_FALSE(icc_read_lut8(span_of(file), e, &lut));
}

// Per reader '1' and what it read, or '0' when it refused.
std::string read_all(byte_span file, icc_tag_entry e) {
    std::string r;
    auto add = [&r](bool ok, const void* p, size_t n) {
        r += ok ? '1' : '0';
        if (ok) r.append(static_cast<const char*>(p), n);
    };
    icc_xyz_raw xyz{};
    icc_lut_header lut8{}, lut16{};
    char desc[64] = {};
    add(icc_tag_contents(file, e).data != nullptr, nullptr, 0);
    add(icc_read_xyz(file, e, &xyz), &xyz, sizeof xyz);
    add(icc_read_lut8(file, e, &lut8), &lut8, sizeof lut8);
    add(icc_read_lut16(file, e, &lut16), &lut16, sizeof lut16);
    add(icc_read_description(file, e, desc, sizeof desc), desc, sizeof desc);
    if (e.size >= 8 && e.size <= 4096) {
        std::vector<char> text(e.size - 8);
        add(icc_read_text(file, e, text.data()), text.data(), text.size());
    }
    uint8_t u8 = 0;
    uint32_t u32 = 0;
    uint16_t curve_last = 0;
    const uint32_t n8 = icc_uint_array_count(e, icc_type_ui08), n32 = icc_uint_array_count(e, icc_type_ui32), curve_count = icc_curve_count(file, e);
    add(n8 > 0 && icc_read_uint8_element(file, e, n8 - 1, &u8), &u8, 1);
    add(n32 > 0 && icc_read_uint32_element(file, e, n32 - 1, &u32), &u32, 4);
    add(curve_count > 0, &curve_count, 4);
    add(curve_count > 0 && icc_read_curve_raw(file, e, curve_count - 1, &curve_last), &curve_last, 2);
    return r;
}

void sweep(const std::string& path) {
    SCOPED_TRACE(path);
    const std::vector<uint8_t> original = read_file_bytes(path);
    ASSERT_GT(original.size(), 132u);
    uint8_t* data = new uint8_t[original.size()];
    std::memcpy(data, original.data(), original.size());
    const byte_span whole{data, original.size()};
    std::vector<icc_tag_entry> entries;
    std::vector<std::string> readings;
    for (uint32_t i = 0; i < icc_tag_count(whole); ++i) {
        icc_tag_entry e;
        uint32_t type;
        ASSERT_TRUE(icc_read_tag(whole, int32_t(i), &e, &type));
        entries.push_back(e);
        readings.push_back(read_all(whole, e));
    }
    const uint32_t count = icc_tag_count(whole);
    for (size_t len = original.size() + 1; len-- > 0;) {
        if (len < original.size()) ASAN_POISON_MEMORY_REGION(data + len, 1);
        const byte_span part{data, len};
        SCOPED_TRACE(len);
        icc_profile_header h;
        ASSERT_TRUE(icc_read_header(part, &h) == (len >= 128) && icc_tag_count(part) == (len >= 132 ? count : 0u));
        for (size_t i = 0; i < entries.size(); ++i) {
            const bool inside = uint64_t(entries[i].offset) + entries[i].size <= len;
            icc_tag_entry got;
            uint32_t type;
            ASSERT_EQ(icc_read_tag(part, int32_t(i), &got, &type), 132 + 12 * (i + 1) <= len && inside);
            const std::string reading = read_all(part, entries[i]);
            ASSERT_EQ(reading, inside ? readings[i] : std::string(reading.size(), '0')) << "tag " << i;
        }
        icc_tag_entry found;
        icc_find_tag(part, icc_sig('d', 'e', 's', 'c'), &found, nullptr);
    }
    ASAN_UNPOISON_MEMORY_REGION(data, original.size());
    delete[] data;
}

// A v2 display profile (text, desc, XYZ, curves) and the largest lut16 profile of icc-profiles-free.
TEST(IccTruncation, every_prefix_of_a_display_and_a_lut_profile) {
    sweep("/usr/share/color/icc/sRGB.icc");
    sweep("/usr/share/color/icc/LCMSXYZI.ICM");
}

std::vector<std::string> system_profiles() {
    std::vector<std::string> paths;
    for (const char* dir : {"/usr/share/color/icc", "/usr/share/color/icc/colord"}) {
        std::error_code ec;
        for (auto& f : std::filesystem::directory_iterator(dir, ec)) {
            std::string ext = f.path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
            if (f.is_regular_file() && (ext == ".icc" || ext == ".icm")) paths.push_back(f.path().string());
        }
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

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
    // Little CMS clears the version word's reserved low half; this reader keeps it.
    EXPECT_EQ((std::vector<uint64_t>{h.size, h.device_class, h.color_space, h.connection_space, h.version & 0xFFFF0000u,
                                     h.version, h.flags, h.manufacturer, h.model, h.rendering_intent, h.magic,
                                     (uint64_t(h.attributes_high) << 32) | h.attributes_low}),
              (std::vector<uint64_t>{bytes.size(), cmsGetDeviceClass(p), cmsGetColorSpace(p), cmsGetPCS(p),
                                     cmsGetEncodedICCversion(p), icc_test::get32(bytes.data() + 8), cmsGetHeaderFlags(p),
                                     cmsGetHeaderManufacturer(p), cmsGetHeaderModel(p), cmsGetHeaderRenderingIntent(p), cmsMagicNumber, attributes}));
    struct tm when;
    ASSERT_TRUE(cmsGetHeaderCreationDateTime(p, &when));
    const icc_date_time& d = h.date;
    EXPECT_EQ((std::vector<int>{d.year, d.month, d.day, d.hours, d.minutes, d.seconds}),
              (std::vector<int>{when.tm_year + 1900, when.tm_mon + 1, when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec}));

    const uint32_t count = icc_tag_count(file);
    ASSERT_EQ(count, uint32_t(cmsGetTagCount(p)));
    const bool v2 = (h.version >> 24) < 4;
    for (uint32_t i = 0; i < count; ++i) {
        icc_tag_entry e;
        uint32_t type;
        char sig_text[icc_signature_text_size];
        ASSERT_TRUE(icc_read_tag(file, int32_t(i), &e, &type)) << i;
        const cmsTagSignature sig = cmsGetTagSignature(p, i);
        SCOPED_TRACE(icc_format_signature(e.signature, sig_text));
        // The raw bytes Little CMS finds for the tag are the ones the entry points at.
        const cmsUInt32Number raw_size = cmsReadRawTag(p, sig, nullptr, 0);
        ASSERT_TRUE(e.signature == uint32_t(sig) && e.size == raw_size);
        std::vector<uint8_t> raw(raw_size);
        ASSERT_EQ(cmsReadRawTag(p, sig, raw.data(), raw_size), raw_size);
        EXPECT_TRUE(std::memcmp(raw.data(), bytes.data() + e.offset, raw_size) == 0 && type == icc_test::get32(raw.data()));

        if (type == icc_sig('X', 'Y', 'Z', ' ')) {
            const cmsCIEXYZ* ref = static_cast<const cmsCIEXYZ*>(cmsReadTag(p, sig));
            icc_xyz_raw xyz;
            ASSERT_TRUE(ref && icc_read_xyz(file, e, &xyz));
            EXPECT_EQ((std::vector<double>{icc_s15fixed16_value(xyz.x), icc_s15fixed16_value(xyz.y), icc_s15fixed16_value(xyz.z)}),
                      (std::vector<double>{ref->X, ref->Y, ref->Z}));
        } else if (type == icc_sig('c', 'u', 'r', 'v')) {
            const cmsToneCurve* ref = static_cast<const cmsToneCurve*>(cmsReadTag(p, sig));
            ASSERT_NE(ref, nullptr);
            const uint32_t n = icc_curve_count(file, e);
            uint16_t raw_entry;
            if (n == 0) {
                EXPECT_TRUE(cmsIsToneCurveLinear(ref) && !icc_read_curve_raw(file, e, 0, &raw_entry));
            } else if (n == 1) {
                ASSERT_TRUE(icc_read_curve_raw(file, e, 0, &raw_entry) && cmsGetToneCurveParametricType(ref) == 1);
                EXPECT_NEAR(cmsEstimateGamma(ref, 0.001), raw_entry / 256.0, 0.01);
            } else {
                ASSERT_EQ(n, cmsGetToneCurveEstimatedTableEntries(ref));
                const cmsUInt16Number* table = cmsGetToneCurveEstimatedTable(ref);
                for (uint32_t k = 0; k < n; ++k) ASSERT_TRUE(icc_read_curve_raw(file, e, k, &raw_entry) && raw_entry == table[k]) << k;
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
            // A v4 description: a terminated text inside the buffer.
            char text[16];
            std::memset(text, '#', sizeof text);
            ASSERT_TRUE(icc_read_description(file, e, text, 8));
            EXPECT_TRUE(std::memchr(text, '\0', 8) != nullptr && text[8] == '#');
        }
    }
    cmsCloseProfile(p);
}

}  // namespace

TEST(IccAgainstLcms, every_system_profile) {
    const std::vector<std::string> paths = system_profiles();
    ASSERT_GE(paths.size(), 30u);  // icc-profiles-free and colord-data ship 39
    for (const std::string& path : paths) check_profile(path);
}

TEST(ProfileLcmsCrossCheck, display_profile_chromaticities_and_descriptions) {
    int checked = 0, version4 = 0;
    const cmsTagSignature tags[4] = {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag, cmsSigMediaWhitePointTag};
    for (const std::string& path : system_profiles()) {
        cmsHPROFILE p = cmsOpenProfileFromFile(path.c_str(), "r");
        bool wanted = p && cmsGetDeviceClass(p) == cmsSigDisplayClass && cmsIsTag(p, cmsSigRedTRCTag);
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
                EXPECT_LT(std::fabs(xy[i][0] - xyz->X / s) + std::fabs(xy[i][1] - xyz->Y / s), 1e-12) << i;
            }
            char expected[260] = "";
            cmsGetProfileInfoASCII(p, cmsInfoDescription, "en", "US", expected, sizeof expected);
            EXPECT_STREQ(name, expected);
            ++checked;
            version4 += cmsGetEncodedICCversion(p) >= 0x04000000;
        }
        if (p) cmsCloseProfile(p);
    }
    EXPECT_TRUE(checked >= 10 && version4 >= 5) << checked << " " << version4;
}
