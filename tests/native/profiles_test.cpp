// Profiles as the user sees them: descriptions (version 2 text, version 4
// multi-localised decoded to ANSI, "???" without one), the stored choice that
// start-up could not use, and the committed test profiles the generator makes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "icc_profile_builder.h"
#include "profile_set.h"
#include "profiles/monitor_profile_tags.h"
#include "profiles/profile_description.h"
#include "profiles/stored_profile_choice.h"
#include "test_files.h"

using namespace icc_test;

namespace {

byte_span span_of(const std::vector<uint8_t>& v) { return byte_span{v.data(), v.size()}; }

struct mluc_record { const char *language, *country; std::u16string text; };

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

std::string describe(const std::vector<uint8_t>& file, int32_t length = 256)
{
    std::vector<char> buffer(size_t(length) + 1, 'Z');
    profile_description_of(span_of(file), buffer.data(), length);
    return std::string(buffer.data());
}
std::string description(const std::vector<uint8_t>& tag, int32_t length = 256)
{
    return describe(builder().add(tag.empty() ? "wtpt" : "desc", tag.empty() ? xyz_tag(1, 1, 1) : tag).build(), length);
}

}  // namespace

TEST(ProfileDescription, version_two_text_multi_localised_and_missing)
{
    EXPECT_EQ(description(desc_tag("sRGB display")), "sRGB display");
    EXPECT_EQ(description(desc_tag("sRGB display"), 5), "sRGB");
    EXPECT_EQ(description({}), "???");
    EXPECT_EQ(describe(builder().build(), 3), "??");
    EXPECT_EQ(description(tag_data("desc", {})), "???") << "an unreadable description does not leave the buffer as it was";
    EXPECT_EQ(describe(builder().add("desc", desc_tag("one")).add("desc", desc_tag("two")).build()), "one") << "the first is the profile's";

    // English preferred, else the first; outside Latin-1 (a CJK character, a
    // pair of surrogates, a C1 control) one '?' each; the text ends at a NUL.
    const struct { std::vector<mluc_record> records; int32_t length; const char* text; } cases[] = {
        {{{"de", "DE", u"Farbraum"}, {"en", "US", u"Colour space"}}, 256, "Colour space"},
        {{{"de", "DE", u"Bildschirm"}, {"fr", "FR", u"\u00c9cran"}}, 256, "Bildschirm"},
        {{{"fr", "FR", u"\u00c9cran"}}, 256, "\xC9" "cran"},
        {{{"en", "US", u"a\u65e5b\U0001F600c\u0085d"}}, 256, "a?b?c?d"},
        {{{"en", "US", std::u16string(u"ab\0cd", 5)}}, 256, "ab"},
        {{{"en", "US", u"Display P3"}}, 8, "Display"},
        {{{"en", "US", u""}}, 256, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(description(mluc_tag(c.records), c.length), c.text);
}

TEST(ProfileDescription, multi_localised_fields_outside_the_tag_and_every_truncation_stay_inside)
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
        EXPECT_EQ(description(bad), c.expected) << c.at << " = " << c.value;
    }
    const std::vector<uint8_t> full = builder().add("desc", mluc_tag({{"de", "DE", u"Anzeige"}, {"en", "GB", u"Display"}})).build();
    for (size_t n = 0; n < full.size(); ++n) {
        const std::vector<uint8_t> cut(full.begin(), full.begin() + long(n));
        char buffer[16];
        profile_description_of(span_of(cut), buffer, sizeof buffer);
        EXPECT_TRUE(std::strcmp(buffer, "???") == 0 || std::strcmp(buffer, "Display") == 0) << n;
    }
}

// A stored profile that start-up could not use goes back to the registry
// until another profile is loaded; the longest path the field holds is kept whole.
TEST(StoredProfileChoice, refused_at_start_is_stored_until_another_load)
{
    auto refuse = [](const char*) { return ++printer_choice.loads, false; };
    for (const std::string& stored : {std::string("Z:\\net\\p.icc"), std::string(259, 'p')}) {
        printer_choice = {};
        load_stored_profile(stored.c_str(), refuse, &printer_choice);
        EXPECT_EQ(profile_to_store(printer_choice, "current"), stored);
        ++printer_choice.loads;
        EXPECT_STREQ(profile_to_store(printer_choice, "current"), "current");
    }
    load_stored_profile("Z:\\p.icc", [](const char*) { return true; }, &printer_choice);
    EXPECT_STREQ(profile_to_store(printer_choice, "current"), "current");
}

TEST(ProfileSet, committed_files_match_the_generator_and_carry_their_curves)
{
    std::vector<generated_profile> set;
    ASSERT_TRUE(make_profile_set(&set));
    ASSERT_EQ(set.size(), 9u);
    auto committed = [](const std::string& name) { return read_file_bytes(source_path("tests/profiles/" + name)); };
    for (const generated_profile& p : set)
        EXPECT_TRUE(committed(p.file_name) == p.bytes) << p.file_name << " differs: rebuild with the test_profiles target";

    // The display profiles carry the curves they are named for.
    const double gammas[] = {2.19921875, 1.8, 1.0, 1.8};
    for (size_t i = 0; i < 4; ++i) {
        const display_profile_spec& s = display_profile_specs()[i];
        display_model m = default_display_model;
        char name[260] = "";
        apply_monitor_profile_tags(span_of(committed(s.file_name)), &m, name, sizeof name);
        EXPECT_STREQ(name, s.description);
        EXPECT_NEAR(m.rgamma, gammas[i], i == 1 ? 0.01 : 0.0) << s.file_name;
        EXPECT_NEAR(m.xr, s.red[0] / (s.red[0] + s.red[1] + s.red[2]), 1e-4) << s.file_name;
    }
}
