// Descriptions as the user sees them: version 2 text descriptions, version 4
// multi-localised ones decoded to ANSI, and "???" for a profile without one.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "icc_profile_builder.h"
#include "profiles/profile_description.h"

using namespace icc_test;

namespace {

byte_span span_of(const std::vector<uint8_t>& v) { return byte_span{v.data(), v.size()}; }

struct mluc_record {
    const char* language;
    const char* country;
    std::u16string text;
};

// An "mluc" tag: count, record size 12, the records, then the UTF-16BE texts.
std::vector<uint8_t> mluc_tag(const std::vector<mluc_record>& records)
{
    std::vector<uint8_t> c;
    put32(c, uint32_t(records.size()));
    put32(c, 12);
    uint32_t text_at = 16 + 12 * uint32_t(records.size());
    for (const mluc_record& r : records) {
        put16(c, uint16_t(r.language[0] << 8 | r.language[1]));
        put16(c, uint16_t(r.country[0] << 8 | r.country[1]));
        put32(c, uint32_t(2 * r.text.size()));
        put32(c, text_at);
        text_at += uint32_t(2 * r.text.size());
    }
    for (const mluc_record& r : records)
        for (char16_t u : r.text) put16(c, uint16_t(u));
    return tag_data("mluc", c);
}

std::string description(const std::vector<uint8_t>& file, int32_t length = 256)
{
    std::vector<char> buffer(size_t(length) + 1, 'Z');
    profile_description_of(span_of(file), buffer.data(), length);
    return std::string(buffer.data());
}

}  // namespace

TEST(ProfileDescription, VersionTwoTextAndMissingDescription)
{
    EXPECT_EQ(description(builder().add("desc", desc_tag("sRGB display")).build()), "sRGB display");
    EXPECT_EQ(description(builder().add("desc", desc_tag("sRGB display")).build(), 5), "sRGB");
    EXPECT_EQ(description(builder().add("wtpt", xyz_tag(1, 1, 1)).build()), "???");
    EXPECT_EQ(description(builder().build(), 3), "??");
    // The first of two descriptions is the profile's.
    EXPECT_EQ(description(builder().add("desc", desc_tag("one")).add("desc", desc_tag("two")).build()),
              "one");
}

TEST(ProfileDescription, UnreadableDescriptionDoesNotLeaveTheBufferAsItWas)
{
    std::vector<uint8_t> file = builder().add("desc", tag_data("desc", {})).build();
    EXPECT_EQ(description(file), "???");
}

TEST(ProfileDescription, MultiLocalisedPrefersEnglish)
{
    const auto file = [](const std::vector<mluc_record>& r) {
        return builder().add("desc", mluc_tag(r)).build();
    };
    EXPECT_EQ(description(file({{"de", "DE", u"Farbraum"}, {"en", "US", u"Colour space"}})),
              "Colour space");
    EXPECT_EQ(description(file({{"de", "DE", u"Bildschirm"}, {"fr", "FR", u"\u00c9cran"}})),
              "Bildschirm");
    EXPECT_EQ(description(file({{"fr", "FR", u"\u00c9cran"}})), "\xC9" "cran");
    // Outside Latin-1 (a CJK character, a pair of surrogates, a C1 control):
    // one '?' each; the text ends at a NUL.
    EXPECT_EQ(description(file({{"en", "US", u"a\u65e5b\U0001F600c\u0085d"}})), "a?b?c?d");
    EXPECT_EQ(description(file({{"en", "US", std::u16string(u"ab\0cd", 5)}})), "ab");
    EXPECT_EQ(description(file({{"en", "US", u"Display P3"}}), 8), "Display");
    EXPECT_EQ(description(file({{"en", "US", u""}})), "");
}

TEST(ProfileDescription, MultiLocalisedOutsideTheTagIsRefused)
{
    const std::vector<uint8_t> tag = mluc_tag({{"en", "US", u"abc"}});
    const struct { size_t at; uint32_t value; const char* expected; } cases[] = {
        {16 + 4, 0x7FFFFFF0u, "???"},  // text length
        {16 + 8, 0xFFFFFFFEu, "???"},  // text offset
        {8, 0, "???"},                 // no records
        {8 + 4, 4, "???"},             // records smaller than a record
        {8, 1000, "abc"},              // more records than the tag holds: the first one serves
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> bad = tag;
        set32(bad, c.at, c.value);
        EXPECT_EQ(description(builder().add("desc", bad).build()), c.expected) << c.at << " = " << c.value;
    }
}

TEST(ProfileDescription, EveryTruncationOfAMultiLocalisedTagStaysInside)
{
    const std::vector<uint8_t> full =
        builder().add("desc", mluc_tag({{"de", "DE", u"Anzeige"}, {"en", "GB", u"Display"}})).build();
    for (size_t n = 0; n < full.size(); ++n) {
        std::vector<uint8_t> cut(full.begin(), full.begin() + long(n));
        char buffer[16];
        profile_description_of(span_of(cut), buffer, sizeof buffer);
        EXPECT_TRUE(std::strcmp(buffer, "???") == 0 || std::strcmp(buffer, "Display") == 0) << n;
    }
}
