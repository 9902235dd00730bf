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

// What every reader gives for one tag, as one string: per reader '1' and
// what it read, or '0' when it refused.
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
    // Text copies of large tags for every prefix would take long; a text
    // reader is only ever pointed at small tags.
    if (e.size >= 8 && e.size <= 4096) {
        std::vector<char> text(e.size - 8);
        add(icc_read_text(file, e, text.data()), text.data(), text.size());
    }
    uint8_t u8 = 0;
    uint32_t u32 = 0;
    uint16_t curve_last = 0;
    const uint32_t n8 = icc_uint_array_count(e, icc_type_ui08), n32 = icc_uint_array_count(e, icc_type_ui32);
    const uint32_t curve_count = icc_curve_count(file, e);
    add(n8 > 0 && icc_read_uint8_element(file, e, n8 - 1, &u8), &u8, 1);
    add(n32 > 0 && icc_read_uint32_element(file, e, n32 - 1, &u32), &u32, 4);
    add(curve_count > 0, &curve_count, 4);
    add(curve_count > 0 && icc_read_curve_raw(file, e, curve_count - 1, &curve_last), &curve_last, 2);
    return r;
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
    std::vector<std::string> readings;
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
            const std::string reading = read_all(part, e);
            ASSERT_EQ(reading, inside ? readings[i] : std::string(reading.size(), '0')) << "tag " << i;
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
