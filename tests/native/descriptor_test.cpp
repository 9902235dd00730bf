// Publication descriptors: the four built-in ones and edited texts, including
// malformed ones that must never make a reader leave its buffers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "colorlib/descriptor.h"
#include "colorlib/publications.h"
#include "frame/library_state.h"

namespace {

// Makes text the current descriptor; the text must outlive the reads.
byte_span as_descriptor(const std::string& text)
{
    current_descriptor = byte_span{reinterpret_cast<const uint8_t*>(text.data()), text.size()};
    return current_descriptor;
}

std::string desc(int max = 250)
{
    char buffer[256];
    std::memset(buffer, 'x', sizeof buffer);
    int n = descriptor_desc(buffer, max);
    EXPECT_EQ(n, static_cast<int>(std::strlen(buffer)));
    return buffer;
}

struct builtin_expectation {
    uint32_t pub_no;
    const char* desc;
    uint32_t per_page, pages, name_size;
    const char* display_suffix;
    const char* printer_suffix;
};

const builtin_expectation builtins[] = {
    {0, "Solid Guide/Coated", 7, 136, 15, "DSC", "PSC"},
    {1, "Solid Guide/Uncoated", 7, 136, 15, "DSU", "PSU"},
    {2, "Process Simulation Guide", 7, 136, 15, "DSP", "PSP"},
    {3, "Process Guide - Press Edition", 9, 334, 6, "DSP", "PSP"},
};

}  // namespace

TEST(BuiltinDescriptors, EveryFieldOfTheFourPublications)
{
    reset_library_state();
    for (const auto& e : builtins) {
        SCOPED_TRACE(e.desc);
        select_publication(e.pub_no);
        EXPECT_EQ(desc(), e.desc);
        EXPECT_EQ(descriptor_pub_no(), e.pub_no);
        EXPECT_EQ(descriptor_colors_per_page(), e.per_page);
        EXPECT_EQ(descriptor_number_of_pages(), e.pages);
        char text[256];
        EXPECT_EQ(descriptor_cmyk_description(text, 250), 50);
        EXPECT_STREQ(text, "Process Color Simulation for 150-line Imagesetting");
        EXPECT_EQ(descriptor_picker_description(text, 250), 0);
        EXPECT_STREQ(text, "");
        EXPECT_EQ(pub_color_name_size(e.pub_no), e.name_size);
        colorid id = e.pub_no << 16;
        EXPECT_STREQ(pub_suffix(id, 0), e.display_suffix);
        EXPECT_STREQ(pub_suffix(id, 1), e.printer_suffix);
        EXPECT_STREQ(pub_suffix(id, 7), e.printer_suffix);
        EXPECT_EQ(pub_colors_per_page(e.pub_no), e.per_page);
        EXPECT_EQ(pub_number_of_pages(e.pub_no), e.pages);
    }
    select_publication(3);
    EXPECT_EQ(desc(7), "Process");
}

TEST(BuiltinDescriptors, PublicationExistence)
{
    reset_library_state();
    for (int n : {-1, 0, 1, 2, 3, 4, 13}) EXPECT_EQ(pub_exists(n), n >= 0 && n <= 3 ? 1 : 0) << n;
    char buffer[8] = "keep";
    EXPECT_EQ(pub_desc(4, buffer, 7), 0);
    EXPECT_STREQ(buffer, "keep");
    select_publication(0);
    byte_span before = current_descriptor;
    select_publication(4);  // not a built-in number: nothing changes
    EXPECT_EQ(current_descriptor.data, before.data);
}

TEST(BuiltinDescriptors, OpenPickerKeepsItsDescriptor)
{
    reset_library_state();
    select_publication(3);
    picker_open = 1;
    picker_view_pub = 3;
    const uint8_t* shown = current_descriptor.data;
    EXPECT_EQ(pub_colors_per_page(0), 7u);  // answered for the publication asked about
    EXPECT_EQ(pub_number_of_pages(1), 136u);
    char buffer[256];
    EXPECT_GT(pub_desc(2, buffer, 250), 0);
    EXPECT_STREQ(buffer, "Process Simulation Guide");
    EXPECT_EQ(current_descriptor.data, shown);
    EXPECT_EQ(pub_color_name_size(3), 6u);
    EXPECT_EQ(pub_color_name_size(0), 15u);
    picker_open = 0;
    picker_view_pub = -1;
}

TEST(EditedDescriptors, CommentsAnywhereAndEmptyDataLines)
{
    std::string text =
        "// a\r\n/ b\r\n[Pastels] 4 5 20\r\n//\r\n//\r\n[PD][PP][Pastel shades]\r\n"
        "/\r\n[CMYK text]\r\n// last\r\n12\r\n";
    as_descriptor(text);
    EXPECT_EQ(desc(), "Pastels");
    EXPECT_EQ(descriptor_pub_no(), 4u);
    EXPECT_EQ(descriptor_colors_per_page(), 5u);
    EXPECT_EQ(descriptor_number_of_pages(), 20u);
    EXPECT_EQ(read_color_name_size(current_descriptor), 12u);
    char buffer[64];
    EXPECT_EQ(descriptor_picker_description(buffer, 63), 13);
    EXPECT_STREQ(buffer, "Pastel shades");
    EXPECT_EQ(descriptor_picker_description(buffer, 6), 6);
    EXPECT_STREQ(buffer, "Pastel");
    EXPECT_STREQ(read_suffix(current_descriptor, 0), "PD");
    EXPECT_STREQ(read_suffix(current_descriptor, 1), "PP");

    // An empty line is a data line: here it takes the place of line 2.
    std::string with_gap = "[G] 5 3 4\r\n\r\n[cmyk]\r\n6\r\n";
    as_descriptor(with_gap);
    EXPECT_STREQ(read_suffix(current_descriptor, 0), "");
    EXPECT_EQ(descriptor_cmyk_description(buffer, 63), 4);
    EXPECT_EQ(read_color_name_size(current_descriptor), 6u);
}

TEST(EditedDescriptors, NumbersAndWordsAsTheDecimalConversionReadsThem)
{
    const struct { const char* text; int value; } numbers[] = {{"  42x", 42}, {"-7", -7}, {"+8", 8}, {"abc", 0}, {"", 0}};
    for (const auto& n : numbers) EXPECT_EQ(decimal_value(n.text), n.value) << n.text;
    std::string text = "[X]   3\t 9  x12\r\n";  // a tab is no blank: "3\t" is one word
    as_descriptor(text);
    EXPECT_EQ(descriptor_pub_no(), 3u);
    EXPECT_EQ(descriptor_colors_per_page(), 9u);
    EXPECT_EQ(descriptor_number_of_pages(), 0u);
}

TEST(MalformedDescriptors, StayInsideEveryBuffer)
{
    char buffer[256];
    // Fewer than four data lines, missing brackets, no line ends at all.
    const std::string cases[] = {
        "",
        "[only one line] 1 2 3",
        "no bracket 1 2 3\r\n[A][B]\r\n[C]\r\n9\r\n",
        "[A] 1 2 3\r\n[unclosed\r\n[C\r\n",
        "// only comments\r\n// more\r\n",
        "[A] 1 2 3\r\n[X]\r\n",
        std::string(1000, '['),
        std::string(1000, ']'),
        "[" + std::string(500, 'd') + "] " + std::string(300, '7') + " 5 6\r\n[" + std::string(300, 's') +
            "][" + std::string(300, 'p') + "][" + std::string(300, 'q') + "]\r\n[" + std::string(400, 'c') +
            "]\r\n" + std::string(300, '9') + "\r\n",
    };
    for (const auto& text : cases) {
        // Copy into an exact-size heap block so that ASan sees any read past it.
        auto* exact = new uint8_t[text.size() + 1];
        std::memcpy(exact, text.data(), text.size());
        current_descriptor = byte_span{exact, text.size()};
        descriptor_desc(buffer, 250);
        EXPECT_LT(std::strlen(buffer), static_cast<size_t>(descriptor_line_size));
        descriptor_pub_no();
        descriptor_colors_per_page();
        descriptor_number_of_pages();
        descriptor_cmyk_description(buffer, 250);
        descriptor_picker_description(buffer, 250);
        for (int kind : {0, 1})
            EXPECT_LT(std::strlen(read_suffix(current_descriptor, kind)), static_cast<size_t>(descriptor_suffix_size));
        read_color_name_size(current_descriptor);
        EXPECT_LT(std::strlen(descriptor_word), static_cast<size_t>(descriptor_word_size));
        delete[] exact;
    }
    current_descriptor = byte_span{};
    EXPECT_EQ(descriptor_desc(buffer, 250), 0);
    EXPECT_EQ(descriptor_colors_per_page(), 0u);

    // A desc without its "]" reads as empty; the numbers after it as 0.
    std::string unclosed = "[Never closed 1 2 3\r\n";
    as_descriptor(unclosed);
    EXPECT_EQ(desc(), "");
    EXPECT_EQ(descriptor_number_of_pages(), 0u);
}

TEST(Enumeration, BuiltinWalkAndItsEnds)
{
    reset_library_state();
    short system = -1, flag = 99;
    char name[256];
    const struct { short system, flag; const char* desc; } walk[] = {
        {37, 0, "Solid Guide/Coated"},
        {37, 1, "Solid Guide/Uncoated"},
        {37, 2, "Process Simulation Guide"},
        {293, 0, "Process Guide - Press Edition"},
    };
    for (const auto& step : walk) {
        EXPECT_EQ(enum_pubs(&system, &flag, name), static_cast<int>(std::strlen(step.desc)));
        EXPECT_STREQ(name, step.desc);
        EXPECT_EQ(system * 100 + flag, step.system * 100 + step.flag) << step.desc;
    }
    std::strcpy(name, "untouched");
    EXPECT_EQ(enum_pubs(&system, &flag, name), 0);
    EXPECT_STREQ(name, "untouched");
    EXPECT_EQ(system, 293);

    const short ends[][2] = {{37, 3}, {37, -1}, {2085, 0}, {0, 0}, {-2, 0}};
    for (const auto& e : ends) {
        short s = e[0], f = e[1];
        EXPECT_EQ(enum_pubs(&s, &f, name), 0);
        EXPECT_EQ(s, e[0]);
        EXPECT_EQ(f, e[1]);
        EXPECT_STREQ(name, "untouched");
    }
}
