// The portable profile readers on profiles built byte by byte: documented
// results for well-formed tags, and refusal without reading or writing out of
// bounds for every field that can point outside the file or the tag.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "icc/icc_numbers.h"
#include "icc/icc_parse.h"
#include "icc_profile_builder.h"

using namespace icc_test;

namespace {

byte_span span_of(const std::vector<uint8_t>& v) { return byte_span{v.data(), v.size()}; }

icc_tag_entry tag_of(const std::vector<uint8_t>& file, int index) {
    icc_tag_entry e{};
    uint32_t type = 0;
    EXPECT_TRUE(icc_read_tag(span_of(file), index, &e, &type));
    return e;
}

const icc_tag_entry sentinel_entry = {0xdeadbeef, 0xdeadbeef, 0xdeadbeef};

void expect_untouched(const icc_tag_entry& e) {
    EXPECT_EQ(e.signature, 0xdeadbeefu);
    EXPECT_EQ(e.offset, 0xdeadbeefu);
    EXPECT_EQ(e.size, 0xdeadbeefu);
}

std::vector<uint8_t> three_tag_profile() {
    builder b;
    b.add("desc", desc_tag("Test RGB"))
        .add("wtpt", xyz_tag(0x0000F6D6, 0x00010000, 0x0000D32D))
        .add("rTRC", curve_tag({0x0100}));
    return b.build();
}

}  // namespace

TEST(IccHeader, fields_in_order_and_the_date_example) {
    builder b;
    std::vector<uint8_t> date = {0x07, 0xCC, 0x00, 0x0C, 0x00, 0x1F, 0x00, 0x17, 0x00, 0x3B, 0, 0};
    std::copy(date.begin(), date.end(), b.header.begin() + 24);
    b.header[4] = 0x41, b.header[5] = 0x42, b.header[6] = 0x43, b.header[7] = 0x44;
    set32(b.header, 64, 3);
    set32(b.header, 56, 0x01020304);
    set32(b.header, 60, 0x05060708);
    std::vector<uint8_t> file = b.build();

    icc_profile_header h;
    ASSERT_TRUE(icc_read_header(span_of(file), &h));
    EXPECT_EQ(h.size, file.size());
    EXPECT_EQ(h.cmm_type, 0x41424344u);
    EXPECT_EQ(h.version, 0x02100000u);
    EXPECT_EQ(h.device_class, icc_sig('m', 'n', 't', 'r'));
    EXPECT_EQ(h.color_space, 0x52474220u);
    EXPECT_EQ(h.connection_space, icc_sig('X', 'Y', 'Z', ' '));
    const icc_date_time d = h.date;
    EXPECT_EQ((std::vector<int>{d.year, d.month, d.day, d.hours, d.minutes, d.seconds}),
              (std::vector<int>{1996, 12, 31, 23, 59, 0}));
    EXPECT_EQ(h.magic, icc_sig('a', 'c', 's', 'p'));
    EXPECT_EQ(h.attributes_high, 0x01020304u);
    EXPECT_EQ(h.attributes_low, 0x05060708u);
    EXPECT_EQ(h.rendering_intent, 3u);
    EXPECT_EQ(h.illuminant.x, 0x0000F6D6u);
    EXPECT_EQ(h.illuminant.z, 0x0000D32Du);
}

TEST(IccHeader, short_files_give_no_header_and_no_tags) {
    std::vector<uint8_t> file = three_tag_profile();
    icc_profile_header h;
    std::memset(&h, 0xA5, sizeof h);
    std::vector<uint8_t> shorter(file.begin(), file.begin() + 127);
    EXPECT_FALSE(icc_read_header(span_of(shorter), &h));
    EXPECT_EQ(h.size, 0xA5A5A5A5u);
    EXPECT_EQ(icc_tag_count(span_of(shorter)), 0u);

    std::vector<uint8_t> header_only(file.begin(), file.begin() + 131);
    EXPECT_TRUE(icc_read_header(span_of(header_only), &h));
    EXPECT_EQ(icc_tag_count(span_of(header_only)), 0u);
    std::vector<uint8_t> count_only(file.begin(), file.begin() + 132);
    EXPECT_EQ(icc_tag_count(span_of(count_only)), 3u);
    EXPECT_EQ(icc_tag_count(byte_span()), 0u);
}

TEST(IccDirectory, indices_inside_and_outside_a_three_tag_directory) {
    std::vector<uint8_t> file = three_tag_profile();
    for (int i = 0; i < 3; ++i) {
        icc_tag_entry e{};
        uint32_t type = 0;
        ASSERT_TRUE(icc_read_tag(span_of(file), i, &e, &type)) << i;
        EXPECT_EQ(type, get32(file.data() + e.offset));
    }
    EXPECT_EQ(tag_of(file, 1).signature, icc_sig('w', 't', 'p', 't'));
    for (int i : {3, -1, INT_MIN, INT_MAX}) {
        icc_tag_entry e = sentinel_entry;
        uint32_t type = 0xdeadbeef;
        EXPECT_FALSE(icc_read_tag(span_of(file), i, &e, &type)) << i;
        expect_untouched(e);
        EXPECT_EQ(type, 0xdeadbeefu);
    }
    icc_tag_entry found{};
    uint32_t type = 0;
    EXPECT_TRUE(icc_find_tag(span_of(file), icc_sig('r', 'T', 'R', 'C'), &found, &type));
    EXPECT_EQ(type, icc_sig('c', 'u', 'r', 'v'));
    EXPECT_FALSE(icc_find_tag(span_of(file), icc_sig('g', 'T', 'R', 'C'), &found, &type));
}

TEST(IccDirectory, entries_and_tags_outside_the_file_are_refused) {
    std::vector<uint8_t> good = three_tag_profile();
    struct {
        const char* what;
        size_t at;
        uint32_t value;
    } cases[] = {
        {"count beyond the directory the file holds", 128, 0xFFFFFFFF},
        {"offset past the end", entry_at(0) + 4, uint32_t(good.size())},
        {"offset + size wraps around 32 bits", entry_at(0) + 4, 0xFFFFFFF0},
        {"size past the end", entry_at(0) + 8, uint32_t(good.size())},
        {"largest size", entry_at(0) + 8, 0xFFFFFFFF},
    };
    for (auto& c : cases) {
        std::vector<uint8_t> file = good;
        set32(file, c.at, c.value);
        if (c.at == 128) {
            // Entries the file holds still read (here the tag data after the
            // directory, taken as entries); one past the file's end does not.
            EXPECT_TRUE(icc_read_tag(span_of(file), 2, nullptr, nullptr)) << c.what;
            icc_tag_entry e = sentinel_entry;
            uint32_t type = 0xdeadbeef;
            int beyond = int((file.size() - 132) / 12);  // first entry not wholly inside
            EXPECT_FALSE(icc_read_tag(span_of(file), beyond, &e, &type)) << c.what;
            EXPECT_FALSE(icc_read_tag(span_of(file), INT_MAX, &e, &type)) << c.what;
            expect_untouched(e);
            EXPECT_FALSE(icc_find_tag(span_of(file), icc_sig('n', 'o', 'n', 'e'), &e, &type));
            continue;
        }
        icc_tag_entry e = sentinel_entry;
        uint32_t type = 0xdeadbeef;
        EXPECT_FALSE(icc_read_tag(span_of(file), 0, &e, &type)) << c.what;
        expect_untouched(e);
        EXPECT_EQ(type, 0xdeadbeefu) << c.what;
    }

    // A tag of 2 bytes at the very end: its type signature would lie outside.
    std::vector<uint8_t> file = good;
    set32(file, entry_at(0) + 4, uint32_t(file.size() - 2));
    set32(file, entry_at(0) + 8, 2);
    EXPECT_FALSE(icc_read_tag(span_of(file), 0, nullptr, nullptr));
}

TEST(IccTagContents, preamble_and_bounds) {
    std::vector<uint8_t> file = three_tag_profile();
    icc_tag_entry e = tag_of(file, 1);
    byte_span c = icc_tag_contents(span_of(file), e);
    EXPECT_EQ(c.data, file.data() + e.offset + 8);
    EXPECT_EQ(c.size, 12u);
    e.size = 8;
    EXPECT_NE(icc_tag_contents(span_of(file), e).data, nullptr);
    EXPECT_EQ(icc_tag_contents(span_of(file), e).size, 0u);
    for (uint32_t s : {0u, 7u}) {
        e.size = s;
        EXPECT_EQ(icc_tag_contents(span_of(file), e).data, nullptr) << s;
    }
    e.size = 20;
    e.offset = uint32_t(file.size() - 19);
    EXPECT_EQ(icc_tag_contents(span_of(file), e).data, nullptr);
}

TEST(IccText, copies_exactly_size_minus_8_and_refuses_a_tag_past_the_end) {
    builder b;
    b.add("cprt", text_tag("No rights"));
    std::vector<uint8_t> file = b.build();
    icc_tag_entry e = tag_of(file, 0);
    char buffer[32];
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_TRUE(icc_read_text(span_of(file), e, buffer));
    EXPECT_STREQ(buffer, "No rights");
    EXPECT_EQ(buffer[10], '#');  // nothing added beyond the stored terminator

    std::memset(buffer, '#', sizeof buffer);
    e.size += 1;  // one byte past the end of the file
    EXPECT_FALSE(icc_read_text(span_of(file), e, buffer));
    EXPECT_EQ(buffer[0], '#');
    e.size = 4;
    EXPECT_FALSE(icc_read_text(span_of(file), e, buffer));
}

TEST(IccDescription, twelve_byte_description_into_12_and_8_byte_buffers) {
    builder b;
    b.add("desc", desc_tag("Hello World"));  // 11 characters, count 12
    std::vector<uint8_t> file = b.build();
    icc_tag_entry e = tag_of(file, 0);

    char buffer[16];
    // Nothing is written past the length given.
    for (const auto& c : {std::make_pair(12, "Hello World"), std::make_pair(8, "Hello W"), std::make_pair(1, "")}) {
        std::memset(buffer, '#', sizeof buffer);
        ASSERT_TRUE(icc_read_description(span_of(file), e, buffer, c.first)) << c.first;
        EXPECT_STREQ(buffer, c.second);
        EXPECT_EQ(buffer[c.first], '#') << c.first;
    }
    for (int32_t length : {0, -1, INT_MIN}) {
        EXPECT_FALSE(icc_read_description(span_of(file), e, buffer, length)) << length;
        EXPECT_EQ(buffer[1], '#');
    }
}

TEST(IccDescription, counts_the_tag_cannot_hold_are_cut_and_terminated) {
    // Only the count word and 5 characters without their terminator: the tag
    // ends right after them.
    std::vector<uint8_t> contents;
    put32(contents, 0x80000000u);
    for (char ch : std::string("Short")) contents.push_back(uint8_t(ch));
    builder b;
    b.add("desc", tag_data("desc", contents)).add("cprt", text_tag("X"));
    std::vector<uint8_t> file = b.build();
    icc_tag_entry e = tag_of(file, 0);

    char buffer[260];
    // Not the following tag's bytes, and cut to the buffer.
    for (const auto& c : {std::make_pair(260, "Short"), std::make_pair(5, "Shor")}) {
        std::memset(buffer, '#', sizeof buffer);
        ASSERT_TRUE(icc_read_description(span_of(file), e, buffer, c.first));
        EXPECT_STREQ(buffer, c.second);
    }

    set32(file, e.offset + 8, 0);  // no text at all still gives a text
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_TRUE(icc_read_description(span_of(file), e, buffer, 260));
    EXPECT_STREQ(buffer, "");

    e.size = 11;  // no room for the count word
    EXPECT_FALSE(icc_read_description(span_of(file), e, buffer, 260));
}

TEST(IccXyz, first_number_raw_and_short_tags_refused) {
    builder b;
    b.add("rXYZ", xyz_tag(0xFFFF0000, 0x80000000, 0x7FFFFFFF));
    std::vector<uint8_t> file = b.build();
    icc_tag_entry e = tag_of(file, 0);
    icc_xyz_raw xyz{};
    ASSERT_TRUE(icc_read_xyz(span_of(file), e, &xyz));
    EXPECT_EQ((std::vector<uint32_t>{xyz.x, xyz.y, xyz.z}), (std::vector<uint32_t>{0xFFFF0000, 0x80000000, 0x7FFFFFFF}));
    e.size = 19;
    xyz = {1, 2, 3};
    EXPECT_FALSE(icc_read_xyz(span_of(file), e, &xyz));
    EXPECT_EQ(xyz.x, 1u);
}

TEST(IccCurve, entry_counts_0_1_2_and_256) {
    std::vector<uint16_t> ramp(256);
    for (int i = 0; i < 256; ++i) ramp[i] = uint16_t(i * 257);
    ramp[128] = 0x8000;
    builder b;
    b.add("kTRC", curve_tag({}))
        .add("rTRC", curve_tag({0x0233}))  // gamma 2.2 as u8Fixed8
        .add("gTRC", curve_tag({0, 0xFFFF}))
        .add("bTRC", curve_tag(ramp));
    std::vector<uint8_t> file = b.build();
    byte_span f = span_of(file);
    double v = -1;

    icc_tag_entry identity = tag_of(file, 0);
    EXPECT_EQ(icc_curve_count(f, identity), 0u);
    EXPECT_FALSE(icc_read_curve_entry(f, identity, 0, &v));
    EXPECT_EQ(v, -1);

    icc_tag_entry gamma = tag_of(file, 1);
    EXPECT_EQ(icc_curve_count(f, gamma), 1u);
    ASSERT_TRUE(icc_read_curve_entry(f, gamma, 0, &v));
    EXPECT_DOUBLE_EQ(v, 0x0233 / 65535.0);
    uint16_t raw = 0;
    ASSERT_TRUE(icc_read_curve_raw(f, gamma, 0, &raw));
    EXPECT_EQ(raw, 0x0233);
    EXPECT_FALSE(icc_read_curve_entry(f, gamma, 1, &v));

    icc_tag_entry two = tag_of(file, 2);
    EXPECT_EQ(icc_curve_count(f, two), 2u);
    ASSERT_TRUE(icc_read_curve_entry(f, two, 1, &v));
    EXPECT_EQ(v, 1.0);

    icc_tag_entry table = tag_of(file, 3);
    EXPECT_EQ(icc_curve_count(f, table), 256u);
    ASSERT_TRUE(icc_read_curve_entry(f, table, 255, &v));
    EXPECT_EQ(v, 1.0);
    ASSERT_TRUE(icc_read_curve_entry(f, table, 128, &v));
    EXPECT_DOUBLE_EQ(v, 32768.0 / 65535.0);
    v = -1;
    for (uint32_t bad : {256u, 0x7FFFFFFFu, 0xFFFFFFFFu})
        EXPECT_FALSE(icc_read_curve_entry(f, table, bad, &v)) << bad;
    EXPECT_EQ(v, -1);
}

TEST(IccCurve, a_count_the_tag_cannot_hold_reads_as_no_curve) {
    builder b;
    b.add("rTRC", curve_tag({1, 2, 3})).add("cprt", text_tag("padding for the file"));
    std::vector<uint8_t> file = b.build();
    icc_tag_entry e = tag_of(file, 0);
    for (uint32_t count : {4u, 0x80000000u, 0xFFFFFFFFu}) {
        set32(file, e.offset + 8, count);
        EXPECT_EQ(icc_curve_count(span_of(file), e), 0u) << count;
        double v = -1;
        EXPECT_FALSE(icc_read_curve_entry(span_of(file), e, 0, &v)) << count;
        EXPECT_FALSE(icc_read_curve_entry(span_of(file), e, 3, &v)) << count;
        EXPECT_EQ(v, -1);
    }
}

TEST(IccUintArrays, counts_from_the_tag_size_and_elements_inside_the_tag) {
    EXPECT_EQ(icc_uint_array_count({0, 0, 20}, icc_type_ui16), 6u);
    EXPECT_EQ(icc_uint_array_count({0, 0, 24}, icc_type_ui64), 2u);
    EXPECT_EQ(icc_uint_array_count({0, 0, 21}, icc_type_ui32), 3u);
    EXPECT_EQ(icc_uint_array_count({0, 0, 13}, icc_type_ui08), 5u);
    EXPECT_EQ(icc_uint_array_count({0, 0, 20}, icc_sig('c', 'u', 'r', 'v')), 0u);
    for (uint32_t size : {0u, 7u})
        EXPECT_EQ(icc_uint_array_count({0, 0, size}, icc_type_ui08), 0u) << size;

    std::vector<uint8_t> words;
    put32(words, 0x01020304);
    put32(words, 0xA0B0C0D0);
    builder b;
    b.add("ui32", tag_data("ui32", words)).add("ui08", tag_data("ui08", {7, 8, 9}));
    std::vector<uint8_t> file = b.build();
    icc_tag_entry w = tag_of(file, 0), u = tag_of(file, 1);
    uint32_t word = 0;
    ASSERT_TRUE(icc_read_uint32_element(span_of(file), w, 1, &word));
    EXPECT_EQ(word, 0xA0B0C0D0u);
    uint8_t byte = 0;
    ASSERT_TRUE(icc_read_uint8_element(span_of(file), u, 2, &byte));
    EXPECT_EQ(byte, 9);
    // Indices whose element lies outside the tag, also where 4 * index wraps
    // in 32 bits, read nothing from the neighbouring bytes.
    word = 0xdeadbeef;
    byte = 0xEE;
    for (uint32_t bad : {2u, 0x40000000u, 0x40000001u, 0xFFFFFFFFu})
        EXPECT_FALSE(icc_read_uint32_element(span_of(file), w, bad, &word)) << bad;
    for (uint32_t bad : {3u, 0xFFFFFFFFu})
        EXPECT_FALSE(icc_read_uint8_element(span_of(file), u, bad, &byte)) << bad;
    EXPECT_EQ(word, 0xdeadbeefu);
    EXPECT_EQ(byte, 0xEE);
}

// The last element of a ui32 tag cut short, the tag ending exactly where the
// file ends: the file sits in a heap block of its own size, so reading even
// one byte past the tag is caught (under ASan) as well as refused.
TEST(IccUintArrays, a_cut_last_element_at_the_end_of_the_file_is_refused) {
    std::vector<uint8_t> words;
    put32(words, 0x01020304);
    put32(words, 0xA0B0C0D0);
    words.insert(words.end(), {0xE1, 0xE2, 0xE3});
    const std::vector<uint8_t> built = builder().add("ui32", tag_data("ui32", words)).build();
    const icc_tag_entry w = tag_of(built, 0);
    ASSERT_EQ(uint64_t(w.offset) + w.size, built.size());
    std::unique_ptr<uint8_t[]> exact(new uint8_t[built.size()]);
    std::memcpy(exact.get(), built.data(), built.size());
    const byte_span file{exact.get(), built.size()};

    uint32_t word = 0;
    EXPECT_TRUE(icc_read_uint32_element(file, w, 1, &word));
    EXPECT_FALSE(icc_read_uint32_element(file, w, 2, &word));
    EXPECT_EQ(word, 0xA0B0C0D0u);
}

TEST(IccLut, lut16_identity_example_and_lut8_fields) {
    builder b;
    b.add("A2B0", lut16_tag(3, 3, 17, 256, 256));
    std::vector<uint8_t> file = b.build();
    icc_tag_entry e = tag_of(file, 0);
    icc_lut_header lut;
    std::memset(&lut, 0xA5, sizeof lut);
    ASSERT_TRUE(icc_read_lut16(span_of(file), e, &lut));
    EXPECT_EQ((std::vector<int>{lut.input_channels, lut.output_channels, lut.grid_points, lut.input_entries,
                                lut.output_entries}),
              (std::vector<int>{3, 3, 17, 256, 256}));
    const uint32_t identity[9] = {0x10000, 0, 0, 0, 0x10000, 0, 0, 0, 0x10000};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(lut.matrix[i], identity[i]) << i;
    EXPECT_EQ(lut.type_signature, 0xA5A5A5A5u);
    EXPECT_EQ(lut.reserved, 0xA5A5A5A5u);
    EXPECT_EQ(lut.pad, 0xA5);

    std::memset(&lut, 0xA5, sizeof lut);
    ASSERT_TRUE(icc_read_lut8(span_of(file), e, &lut));
    EXPECT_EQ(lut.grid_points, 17);
    EXPECT_EQ(lut.matrix[8], 0x10000u);
    EXPECT_EQ(lut.input_entries, 0xA5A5);  // lut8 has no table entry counts

    e.size = 8 + 43;
    EXPECT_FALSE(icc_read_lut16(span_of(file), e, &lut));
    EXPECT_TRUE(icc_read_lut8(span_of(file), e, &lut));
    e.size = 8 + 39;
    EXPECT_FALSE(icc_read_lut8(span_of(file), e, &lut));
}
