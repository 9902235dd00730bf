// Every prefix of real profiles through every reader. Each prefix ends where
// AddressSanitizer poisons the memory, so a single byte read past it fails
// the test; and a reader either refuses or gives what it gives on the whole
// file, refusing exactly when its tag does not lie inside the prefix.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#if defined(__has_include)
#if __has_include(<sanitizer/asan_interface.h>)
#include <sanitizer/asan_interface.h>
#endif
#endif
#ifndef ASAN_POISON_MEMORY_REGION
#define ASAN_POISON_MEMORY_REGION(addr, size) ((void)(addr), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(addr, size) ((void)(addr), (void)(size))
#endif

#include "icc/icc_parse.h"
#include "test_files.h"

namespace {

// What every reader gives for one tag.
struct tag_reading {
    bool contents = false, xyz_ok = false, lut8_ok = false, lut16_ok = false;
    bool desc_ok = false, text_ok = false, u8_ok = false, u32_ok = false, curve_ok = false;
    icc_xyz_raw xyz{};
    icc_lut_header lut8{}, lut16{};
    char desc[64] = {};
    std::vector<char> text;
    uint8_t u8 = 0;
    uint32_t u32 = 0, curve_count = 0;
    uint16_t curve_last = 0;
};

tag_reading read_all(byte_span file, icc_tag_entry e) {
    tag_reading r;
    r.contents = icc_tag_contents(file, e).data != nullptr;
    r.xyz_ok = icc_read_xyz(file, e, &r.xyz);
    r.lut8_ok = icc_read_lut8(file, e, &r.lut8);
    r.lut16_ok = icc_read_lut16(file, e, &r.lut16);
    r.desc_ok = icc_read_description(file, e, r.desc, sizeof r.desc);
    // Text copies of large tags for every prefix would take long; a text
    // reader is only ever pointed at small tags.
    if (e.size >= 8 && e.size <= 4096) {
        r.text.assign(e.size - 8, '\0');
        r.text_ok = icc_read_text(file, e, r.text.data());
    }
    uint32_t last8 = icc_uint_array_count(e, icc_type_ui08);
    r.u8_ok = last8 > 0 && icc_read_uint8_element(file, e, last8 - 1, &r.u8);
    uint32_t last32 = icc_uint_array_count(e, icc_type_ui32);
    r.u32_ok = last32 > 0 && icc_read_uint32_element(file, e, last32 - 1, &r.u32);
    r.curve_count = icc_curve_count(file, e);
    r.curve_ok = r.curve_count > 0 && icc_read_curve_raw(file, e, r.curve_count - 1, &r.curve_last);
    return r;
}

void expect_same_or_refused(const tag_reading& whole, const tag_reading& part, bool inside) {
    ASSERT_EQ(part.contents, inside && whole.contents);
    if (!inside) {
        ASSERT_FALSE(part.xyz_ok || part.lut8_ok || part.lut16_ok || part.desc_ok || part.text_ok || part.u8_ok ||
                     part.u32_ok || part.curve_ok || part.curve_count);
        return;
    }
    ASSERT_EQ((std::vector<bool>{part.xyz_ok, part.lut16_ok, part.desc_ok, part.text_ok}),
              (std::vector<bool>{whole.xyz_ok, whole.lut16_ok, whole.desc_ok, whole.text_ok}));
    ASSERT_EQ(0, std::memcmp(&part.xyz, &whole.xyz, sizeof part.xyz));
    ASSERT_EQ(0, std::memcmp(&part.lut16, &whole.lut16, sizeof part.lut16));
    ASSERT_STREQ(part.desc, whole.desc);
    ASSERT_EQ(part.text, whole.text);
    ASSERT_EQ((std::vector<uint32_t>{part.u32, part.curve_count, part.curve_last}),
              (std::vector<uint32_t>{whole.u32, whole.curve_count, whole.curve_last}));
}

void sweep(const std::string& path) {
    SCOPED_TRACE(path);
    std::vector<uint8_t> original = read_file_bytes(path);
    ASSERT_GT(original.size(), 132u);
    // One allocation of the file's size; the sweep runs from the whole file
    // down to nothing, poisoning one more byte at the end at each step.
    uint8_t* data = new uint8_t[original.size()];
    std::memcpy(data, original.data(), original.size());
    byte_span whole{data, original.size()};

    std::vector<icc_tag_entry> entries;
    std::vector<tag_reading> readings;
    for (uint32_t i = 0; i < icc_tag_count(whole); ++i) {
        icc_tag_entry e;
        uint32_t type;
        ASSERT_TRUE(icc_read_tag(whole, int32_t(i), &e, &type));
        entries.push_back(e);
        readings.push_back(read_all(whole, e));
    }
    icc_profile_header header;
    ASSERT_TRUE(icc_read_header(whole, &header));
    uint32_t count = icc_tag_count(whole);

    for (size_t len = original.size() + 1; len-- > 0;) {
        if (len < original.size()) ASAN_POISON_MEMORY_REGION(data + len, 1);
        byte_span part{data, len};
        SCOPED_TRACE(len);
        icc_profile_header h;
        ASSERT_EQ(icc_read_header(part, &h), len >= 128);
        ASSERT_EQ(icc_tag_count(part), len >= 132 ? count : 0u);
        for (size_t i = 0; i < entries.size(); ++i) {
            const icc_tag_entry& e = entries[i];
            bool inside = uint64_t(e.offset) + e.size <= len;
            icc_tag_entry got;
            uint32_t type;
            bool entry_inside = 132 + 12 * (i + 1) <= len;
            ASSERT_EQ(icc_read_tag(part, int32_t(i), &got, &type), entry_inside && inside);
            expect_same_or_refused(readings[i], read_all(part, e), inside);
        }
        icc_tag_entry found;
        icc_find_tag(part, icc_sig('d', 'e', 's', 'c'), &found, nullptr);
    }
    ASAN_UNPOISON_MEMORY_REGION(data, original.size());
    delete[] data;
}

}  // namespace

// A v2 display profile with text, description, XYZ and curve tags, and the
// largest profile with lut16 tags of the icc-profiles-free package.
TEST(IccTruncation, every_prefix_of_a_display_and_a_lut_profile)
{
    sweep("/usr/share/color/icc/sRGB.icc");
    sweep("/usr/share/color/icc/LCMSXYZI.ICM");
}
