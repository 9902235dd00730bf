// The portable profile readers on profiles built byte by byte: documented
// results for well-formed tags, and refusal without reading or writing out of
// bounds for every field that can point outside the file or the tag.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "icc/icc_numbers.h"
#include "icc/icc_parse.h"
#include "icc_profile_builder.h"

using namespace icc_test;

namespace {

byte_span span_of(const std::vector<uint8_t>& v) { return byte_span{v.data(), v.size()}; }

icc_tag_entry tag_of(const std::vector<uint8_t>& file, int index)
{
    icc_tag_entry e{};
    EXPECT_TRUE(icc_read_tag(span_of(file), index, &e, nullptr));
    return e;
}

// A refused read of entry `index` leaves entry and type as they were.
void expect_refused_untouched(const std::vector<uint8_t>& file, int index, const char* what)
{
    icc_tag_entry e = {0xdeadbeef, 0xdeadbeef, 0xdeadbeef};
    uint32_t type = 0xdeadbeef;
    EXPECT_FALSE(icc_read_tag(span_of(file), index, &e, &type)) << what << " " << index;
    EXPECT_EQ((std::vector<uint32_t>{e.signature, e.offset, e.size, type}), std::vector<uint32_t>(4, 0xdeadbeef)) << what;
}

std::vector<uint8_t> three_tag_profile()
{
    return builder().add("desc", desc_tag("Test RGB")).add("wtpt", xyz_tag(0x0000F6D6, 0x00010000, 0x0000D32D))
        .add("rTRC", curve_tag({0x0100})).build();
}

}  // namespace

// Every header field against Little CMS is the cross-check's; here the
// fields it cannot see and the lengths around the header's end.
TEST(IccHeader, fields_little_cms_does_not_check_and_the_short_files)
{
    builder b;
    set32(b.header, 4, 0x41424344);
    const std::vector<uint8_t> file = b.build();
    icc_profile_header h;
    ASSERT_TRUE(icc_read_header(span_of(file), &h));
    EXPECT_EQ((std::vector<uint32_t>{h.size, h.cmm_type, h.illuminant.x, h.illuminant.y, h.illuminant.z}),
              (std::vector<uint32_t>{uint32_t(file.size()), 0x41424344, 0x0000F6D6, 0x00010000, 0x0000D32D}));
    const std::vector<uint8_t> whole = three_tag_profile();
    std::memset(&h, 0xA5, sizeof h);
    EXPECT_FALSE(icc_read_header(byte_span{whole.data(), 127}, &h));
    EXPECT_EQ(h.size, 0xA5A5A5A5u);
    EXPECT_TRUE(icc_read_header(byte_span{whole.data(), 131}, &h));
    for (size_t len : {0, 127, 131}) EXPECT_EQ(icc_tag_count(byte_span{len ? whole.data() : nullptr, len}), 0u) << len;
    EXPECT_EQ(icc_tag_count(byte_span{whole.data(), 132}), 3u);
}

// Entries inside are the cross-check's; here indices, entries and tags outside.
TEST(IccDirectory, indices_entries_and_tags_outside_the_file_are_refused_untouched)
{
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
    // A count beyond the directory: entries the file holds still read (here
    // the tag data after the directory, taken as entries); one past its end does not.
    std::vector<uint8_t> file = good;
    set32(file, 128, 0xFFFFFFFF);
    EXPECT_TRUE(icc_read_tag(span_of(file), 2, nullptr, nullptr));
    expect_refused_untouched(file, int((file.size() - 132) / 12), "count");
    expect_refused_untouched(file, INT_MAX, "count");
    EXPECT_FALSE(icc_find_tag(span_of(file), sig("none"), &found, nullptr));
    // A tag of 2 bytes at the very end: its type signature would lie outside.
    file = good;
    set32(file, entry_at(0) + 4, uint32_t(file.size() - 2));
    set32(file, entry_at(0) + 8, 2);
    EXPECT_FALSE(icc_read_tag(span_of(file), 0, nullptr, nullptr));
}

TEST(IccTagContents, preamble_bounds_and_text_of_exactly_size_minus_8)
{
    std::vector<uint8_t> file = three_tag_profile();
    icc_tag_entry e = tag_of(file, 1);
    const byte_span c = icc_tag_contents(span_of(file), e);
    EXPECT_TRUE(c.data == file.data() + e.offset + 8 && c.size == 12u);
    e.size = 8;
    EXPECT_TRUE(icc_tag_contents(span_of(file), e).data != nullptr && icc_tag_contents(span_of(file), e).size == 0);
    const std::pair<uint32_t, uint32_t> bad_sizes[] = {{0, e.offset}, {7, e.offset}, {20, uint32_t(file.size() - 19)}};
    for (const auto& bad : bad_sizes)
        EXPECT_EQ(icc_tag_contents(span_of(file), icc_tag_entry{0, bad.second, bad.first}).data, nullptr) << bad.first;

    file = builder().add("cprt", text_tag("No rights")).build();
    e = tag_of(file, 0);
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

TEST(IccDescription, lengths_of_the_buffer_and_counts_the_tag_cannot_hold)
{
    std::vector<uint8_t> file = builder().add("desc", desc_tag("Hello World")).build();  // count 12
    icc_tag_entry e = tag_of(file, 0);
    char buffer[260];
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

    // Only the count word and 5 characters without their terminator: the
    // text is cut where the tag ends, not taken from the following tag.
    std::vector<uint8_t> contents;
    put32(contents, 0x80000000u);
    contents.insert(contents.end(), {'S', 'h', 'o', 'r', 't'});
    file = builder().add("desc", tag_data("desc", contents)).add("cprt", text_tag("X")).build();
    e = tag_of(file, 0);
    for (const auto& c : {std::make_pair(260, "Short"), std::make_pair(5, "Shor")}) {
        std::memset(buffer, '#', sizeof buffer);
        ASSERT_TRUE(icc_read_description(span_of(file), e, buffer, c.first));
        EXPECT_STREQ(buffer, c.second);
    }
    set32(file, e.offset + 8, 0);  // no text at all still gives a text
    ASSERT_TRUE(icc_read_description(span_of(file), e, buffer, 260));
    EXPECT_STREQ(buffer, "");
    e.size = 11;  // no room for the count word
    EXPECT_FALSE(icc_read_description(span_of(file), e, buffer, 260));
}

TEST(IccXyz, a_short_tag_is_refused_untouched)
{
    const std::vector<uint8_t> file = builder().add("rXYZ", xyz_tag(0xFFFF0000, 0x80000000, 0x7FFFFFFF)).build();
    icc_tag_entry e = tag_of(file, 0);
    icc_xyz_raw xyz{};
    ASSERT_TRUE(icc_read_xyz(span_of(file), e, &xyz));
    EXPECT_EQ((std::vector<uint32_t>{xyz.x, xyz.y, xyz.z}), (std::vector<uint32_t>{0xFFFF0000, 0x80000000, 0x7FFFFFFF}));
    e.size = 19;
    xyz = {1, 2, 3};
    EXPECT_FALSE(icc_read_xyz(span_of(file), e, &xyz));
    EXPECT_EQ(xyz.x, 1u);
}

TEST(IccCurve, entries_as_fractions_and_counts_the_tag_cannot_hold)
{
    std::vector<uint16_t> ramp(256);
    for (int i = 0; i < 256; ++i) ramp[i] = uint16_t(i * 257);
    ramp[128] = 0x8000;
    const std::vector<uint8_t> file = builder().add("kTRC", curve_tag({})).add("rTRC", curve_tag({0x0233})).add("bTRC", curve_tag(ramp)).build();
    const byte_span f = span_of(file);
    const icc_tag_entry identity = tag_of(file, 0), gamma = tag_of(file, 1), table = tag_of(file, 2);
    double v = -1, w = -1, x = -1;
    EXPECT_FALSE(icc_read_curve_entry(f, identity, 0, &v));
    ASSERT_TRUE(icc_read_curve_entry(f, gamma, 0, &v) && icc_read_curve_entry(f, table, 255, &w) && icc_read_curve_entry(f, table, 128, &x));
    EXPECT_EQ((std::vector<double>{v, w, x}), (std::vector<double>{0x0233 / 65535.0, 1.0, 32768.0 / 65535.0}));
    EXPECT_FALSE(icc_read_curve_entry(f, gamma, 1, &v));
    for (uint32_t bad : {256u, 0x7FFFFFFFu, 0xFFFFFFFFu}) EXPECT_FALSE(icc_read_curve_entry(f, table, bad, &v)) << bad;
    EXPECT_EQ(v, 0x0233 / 65535.0);

    std::vector<uint8_t> cut = builder().add("rTRC", curve_tag({1, 2, 3})).add("cprt", text_tag("padding for the file")).build();
    const icc_tag_entry e = tag_of(cut, 0);
    for (uint32_t count : {4u, 0x80000000u, 0xFFFFFFFFu}) {
        set32(cut, e.offset + 8, count);
        EXPECT_EQ(icc_curve_count(span_of(cut), e), 0u) << count;
        EXPECT_FALSE(icc_read_curve_entry(span_of(cut), e, 0, &v) || icc_read_curve_entry(span_of(cut), e, 3, &v)) << count;
    }
}

TEST(IccUintArrays, counts_from_the_tag_size_and_elements_inside_the_tag)
{
    const struct { uint32_t size, type, count; } counts[] = {{20, icc_type_ui16, 6}, {24, icc_type_ui64, 2}, {21, icc_type_ui32, 3},
        {13, icc_type_ui08, 5}, {20, sig("curv"), 0}, {0, icc_type_ui08, 0}, {7, icc_type_ui08, 0}};
    for (const auto& c : counts) EXPECT_EQ(icc_uint_array_count({0, 0, c.size}, c.type), c.count) << c.size;

    // The ui32 tag ends with a cut element exactly where the file ends, in a
    // heap block of the file's size: reading one byte past it is caught.
    std::vector<uint8_t> words;
    put32(words, 0x01020304);
    put32(words, 0xA0B0C0D0);
    words.insert(words.end(), {0xE1, 0xE2, 0xE3});
    const std::vector<uint8_t> built = builder().add("ui08", tag_data("ui08", {7, 8, 9})).add("ui32", tag_data("ui32", words)).build();
    const icc_tag_entry u = tag_of(built, 0), w = tag_of(built, 1);
    ASSERT_EQ(uint64_t(w.offset) + w.size, built.size());
    const std::vector<uint8_t> exact(built);
    const byte_span file = span_of(exact);
    uint32_t word = 0;
    ASSERT_TRUE(icc_read_uint32_element(file, w, 1, &word));
    EXPECT_EQ(word, 0xA0B0C0D0u);
    uint8_t byte = 0;
    ASSERT_TRUE(icc_read_uint8_element(file, u, 2, &byte));
    EXPECT_EQ(byte, 9);
    // Indices whose element lies outside the tag, also where 4 * index wraps
    // in 32 bits, read nothing from the neighbouring bytes.
    word = 0xdeadbeef;
    byte = 0xEE;
    for (uint32_t bad : {2u, 0x40000000u, 0x40000001u, 0xFFFFFFFFu})
        EXPECT_FALSE(icc_read_uint32_element(file, w, bad, &word)) << bad;
    for (uint32_t bad : {3u, 0xFFFFFFFFu}) EXPECT_FALSE(icc_read_uint8_element(file, u, bad, &byte)) << bad;
    EXPECT_EQ(word, 0xdeadbeefu);
    EXPECT_EQ(byte, 0xEE);
}

TEST(IccLut, lut16_identity_example_and_lut8_fields)
{
    const std::vector<uint8_t> file = builder().add("A2B0", lut16_tag(3, 3, 17, 256, 256)).build();
    icc_tag_entry e = tag_of(file, 0);
    icc_lut_header lut, lut8;
    std::memset(&lut, 0xA5, sizeof lut);
    std::memset(&lut8, 0xA5, sizeof lut8);
    ASSERT_TRUE(icc_read_lut16(span_of(file), e, &lut) && icc_read_lut8(span_of(file), e, &lut8));
    EXPECT_EQ((std::vector<uint32_t>{lut.input_channels, lut.output_channels, lut.grid_points, lut.input_entries,
                                     lut.output_entries, lut.type_signature, lut.reserved, lut.pad, lut8.grid_points, lut8.input_entries}),
              (std::vector<uint32_t>{3, 3, 17, 256, 256, 0xA5A5A5A5, 0xA5A5A5A5, 0xA5, 17, 0xA5A5}));  // lut8 has no entry counts
    EXPECT_EQ(std::vector<uint32_t>(lut.matrix, lut.matrix + 9), (std::vector<uint32_t>{0x10000, 0, 0, 0, 0x10000, 0, 0, 0, 0x10000}));
    EXPECT_EQ(std::memcmp(lut.matrix, lut8.matrix, sizeof lut.matrix), 0);
    e.size = 8 + 43;
    EXPECT_TRUE(!icc_read_lut16(span_of(file), e, &lut) && icc_read_lut8(span_of(file), e, &lut));
    e.size = 8 + 39;
    EXPECT_FALSE(icc_read_lut8(span_of(file), e, &lut));
}
