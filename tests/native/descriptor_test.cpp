// Publication descriptors: the four built-in ones and edited texts, including
// malformed ones that must never make a reader leave its buffers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "colorlib/descriptor.h"
#include "colorlib/publications.h"
#include "frame/library_state.h"

namespace {

// Makes text the current descriptor; the text must outlive the reads.
void as_descriptor(const std::string& text)
{
    current_descriptor = byte_span{reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::string desc(int max = 250)
{
    char buffer[256];
    std::memset(buffer, 'x', sizeof buffer);
    const int n = descriptor_desc(buffer, max);
    EXPECT_EQ(n, static_cast<int>(std::strlen(buffer)));
    return buffer;
}

}  // namespace

TEST(BuiltinDescriptors, every_field_of_the_four_publications_and_their_existence)
{
    reset_library_state();
    const struct { uint32_t pub_no; const char* desc; uint32_t per_page, pages, name_size; const char *display, *printer; } builtins[] = {
        {0, "Solid Guide/Coated", 7, 136, 15, "DSC", "PSC"},
        {1, "Solid Guide/Uncoated", 7, 136, 15, "DSU", "PSU"},
        {2, "Process Simulation Guide", 7, 136, 15, "DSP", "PSP"},
        {3, "Process Guide - Press Edition", 9, 334, 6, "DSP", "PSP"},
    };
    for (const auto& e : builtins) {
        SCOPED_TRACE(e.desc);
        select_publication(e.pub_no);
        EXPECT_EQ(desc(), e.desc);
        EXPECT_EQ((std::vector<uint32_t>{descriptor_pub_no(), descriptor_colors_per_page(), descriptor_number_of_pages(),
                                         pub_color_name_size(e.pub_no), pub_colors_per_page(e.pub_no), pub_number_of_pages(e.pub_no)}),
                  (std::vector<uint32_t>{e.pub_no, e.per_page, e.pages, e.name_size, e.per_page, e.pages}));
        char cmyk[256], picker[256];
        EXPECT_EQ(descriptor_cmyk_description(cmyk, 250) * 100 + descriptor_picker_description(picker, 250), 5000);
        EXPECT_EQ(std::string(cmyk) + "|" + picker, "Process Color Simulation for 150-line Imagesetting|");
        const colorid id = e.pub_no << 16;
        EXPECT_EQ((std::vector<std::string>{pub_suffix(id, 0), pub_suffix(id, 1), pub_suffix(id, 7)}),
                  (std::vector<std::string>{e.display, e.printer, e.printer}));
    }
    EXPECT_EQ(desc(7), "Process");

    for (int n : {-1, 0, 1, 2, 3, 4, 13}) EXPECT_EQ(pub_exists(n), n >= 0 && n <= 3 ? 1 : 0) << n;
    char buffer[8] = "keep";
    EXPECT_EQ(pub_desc(4, buffer, 7), 0);
    EXPECT_STREQ(buffer, "keep");
    select_publication(0);
    const byte_span before = current_descriptor;
    select_publication(4);  // not a built-in number: nothing changes
    EXPECT_EQ(current_descriptor.data, before.data);
}

TEST(EditedDescriptors, comments_anywhere_empty_data_lines_and_decimal_words)
{
    const std::string text = "// a\r\n/ b\r\n[Pastels] 4 5 20\r\n//\r\n//\r\n[PD][PP][Pastel shades]\r\n/\r\n[CMYK text]\r\n// last\r\n12\r\n";
    as_descriptor(text);
    EXPECT_EQ(desc(), "Pastels");
    EXPECT_EQ((std::vector<uint32_t>{descriptor_pub_no(), descriptor_colors_per_page(), descriptor_number_of_pages(),
                                     read_color_name_size(current_descriptor)}),
              (std::vector<uint32_t>{4, 5, 20, 12}));
    char buffer[64], cut[64];
    EXPECT_EQ(descriptor_picker_description(buffer, 63) * 100 + descriptor_picker_description(cut, 6), 1306);
    EXPECT_EQ((std::vector<std::string>{buffer, cut, read_suffix(current_descriptor, 0), read_suffix(current_descriptor, 1)}),
              (std::vector<std::string>{"Pastel shades", "Pastel", "PD", "PP"}));

    // An empty line is a data line: here it takes the place of line 2.
    const std::string with_gap = "[G] 5 3 4\r\n\r\n[cmyk]\r\n6\r\n";
    as_descriptor(with_gap);
    EXPECT_STREQ(read_suffix(current_descriptor, 0), "");
    EXPECT_EQ(descriptor_cmyk_description(buffer, 63) * 100 + read_color_name_size(current_descriptor), 406u);

    const struct { const char* text; int value; } numbers[] = {{"  42x", 42}, {"-7", -7}, {"+8", 8}, {"abc", 0}, {"", 0}};
    for (const auto& n : numbers) EXPECT_EQ(decimal_value(n.text), n.value) << n.text;
    const std::string words = "[X]   3\t 9  x12\r\n";  // a tab is no blank: "3\t" is one word
    as_descriptor(words);
    EXPECT_EQ((std::vector<uint32_t>{descriptor_pub_no(), descriptor_colors_per_page(), descriptor_number_of_pages()}),
              (std::vector<uint32_t>{3, 9, 0}));
}

TEST(MalformedDescriptors, stay_inside_every_buffer)
{
    char buffer[256];
    // Fewer than four data lines, missing brackets, no line ends at all.
    const std::string cases[] = {
        "", "[only one line] 1 2 3", "no bracket 1 2 3\r\n[A][B]\r\n[C]\r\n9\r\n", "[A] 1 2 3\r\n[unclosed\r\n[C\r\n",
        "// only comments\r\n// more\r\n", "[A] 1 2 3\r\n[X]\r\n", std::string(1000, '['), std::string(1000, ']'),
        "[" + std::string(500, 'd') + "] " + std::string(300, '7') + " 5 6\r\n[" + std::string(300, 's') + "][" +
            std::string(300, 'p') + "][" + std::string(300, 'q') + "]\r\n[" + std::string(400, 'c') + "]\r\n" +
            std::string(300, '9') + "\r\n",
    };
    for (const auto& text : cases) {
        // An exact-size heap block, so that ASan sees any read past it.
        std::vector<uint8_t> exact(text.begin(), text.end());
        current_descriptor = byte_span{exact.data(), exact.size()};
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
    }
    current_descriptor = byte_span{};
    EXPECT_EQ(descriptor_desc(buffer, 250), 0);
    EXPECT_EQ(descriptor_colors_per_page(), 0u);

    // A desc without its "]" reads as empty; the numbers after it as 0.
    const std::string unclosed = "[Never closed 1 2 3\r\n";
    as_descriptor(unclosed);
    EXPECT_EQ(desc(), "");
    EXPECT_EQ(descriptor_number_of_pages(), 0u);
}

TEST(Enumeration, builtin_walk_and_its_ends)
{
    reset_library_state();
    short system = -1, flag = 99;
    char name[256];
    const struct { short system, flag; const char* desc; } walk[] = {
        {37, 0, "Solid Guide/Coated"}, {37, 1, "Solid Guide/Uncoated"},
        {37, 2, "Process Simulation Guide"}, {293, 0, "Process Guide - Press Edition"},
    };
    for (const auto& step : walk) {
        EXPECT_EQ(enum_pubs(&system, &flag, name), static_cast<int>(std::strlen(step.desc)));
        EXPECT_STREQ(name, step.desc);
        EXPECT_EQ(system * 100 + flag, step.system * 100 + step.flag) << step.desc;
    }
    std::strcpy(name, "untouched");
    const short ends[][2] = {{293, 0}, {37, 3}, {37, -1}, {2085, 0}, {0, 0}, {-2, 0}};
    for (const auto& e : ends) {
        short s = e[0], f = e[1];
        EXPECT_EQ(enum_pubs(&s, &f, name), 0);
        EXPECT_EQ((std::vector<short>{s, f}), (std::vector<short>{e[0], e[1]}));
        EXPECT_STREQ(name, "untouched");
    }
}
