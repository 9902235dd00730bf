#include "colorlib/descriptor.h"

#include <cstring>

namespace {

struct descriptor_line {
    char text[descriptor_line_size];
};

// Copies data line k (1 to 4) into line. Comment lines ("/" first)
// are skipped wherever they stand; an empty line is a data line. A line longer
// than the buffer is cut and the rest of it skipped; a text with fewer data
// lines gives an empty line. Never reads past the descriptor's bytes. Only
// the line asked for is copied: every look-up reads a field or two, so the
// lines before it are merely stepped over.
void load_data_line(byte_span d, int k, descriptor_line& line)
{
    size_t pos = 0;
    line.text[0] = 0;
    for (int found = 0; found < k;) {
        if (d.data == nullptr || pos >= d.size || d.data[pos] == 0) {
            line.text[0] = 0;
            return;
        }
        const size_t start = pos;
        while (pos < d.size && d.data[pos] != '\r' && d.data[pos] != '\n' && d.data[pos] != 0) ++pos;
        if (d.data[start] != '/' && ++found == k) {
            size_t len = pos - start;
            if (len > descriptor_line_size - 1) len = descriptor_line_size - 1;
            std::memcpy(line.text, d.data + start, len);
            line.text[len] = 0;
        }
        // A line ends with CR LF: step over both (a lone CR or LF still ends it).
        if (pos < d.size && d.data[pos] == '\r') ++pos;
        if (pos < d.size && d.data[pos] == '\n') ++pos;
    }
}

// Copies the characters from `from` up to the first "]" into out (at most
// max - 1 characters plus the NUL). Without a closing "]" the field is
// malformed and reads as empty.
int copy_bracketed(const char* from, char* out, int max)
{
    const char* close = std::strchr(from, ']');
    if (close == nullptr || max <= 0) {
        if (max > 0) out[0] = 0;
        return 0;
    }
    int len = static_cast<int>(close - from);
    if (len > max - 1) len = max - 1;
    std::memcpy(out, from, static_cast<size_t>(len));
    out[len] = 0;
    return len;
}

// Copies a bracketed field cut to `max` characters into a caller buffer that
// holds max + 1 bytes; returns the length copied.
int copy_field(const char* from, char* buffer, int max)
{
    if (buffer == nullptr || max < 0) return 0;
    char field[descriptor_line_size];
    copy_bracketed(from, field, sizeof field);
    int len = static_cast<int>(std::strlen(field));
    if (len > max) len = max;
    std::memcpy(buffer, field, static_cast<size_t>(len));
    buffer[len] = 0;
    return len;
}

// The n-th word (from 1) after the first "]" of the line, as a number.
uint32_t number_after_bracket(const descriptor_line& line, int n)
{
    char descriptor_word[descriptor_word_size] = "";
    const char* p = std::strchr(line.text, ']');
    if (p == nullptr) return 0;
    ++p;
    for (int i = 1; i <= n; ++i) {
        while (*p == ' ') ++p;
        int len = 0;
        while (*p != 0 && *p != ' ') {
            if (len < descriptor_word_size - 1) descriptor_word[len++] = *p;
            ++p;
        }
        descriptor_word[len] = 0;
        if (len == 0) return 0;
    }
    return static_cast<uint32_t>(decimal_value(descriptor_word));
}

}  // namespace

int32_t decimal_value(const char* text)
{
    if (text == nullptr) return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n' || *p == '\v' || *p == '\f') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    // Accumulate in 64 bits and wrap like the platform's conversion would for
    // absurd lengths, without signed overflow.
    uint32_t value = 0;
    while (*p >= '0' && *p <= '9') value = value * 10u + static_cast<uint32_t>(*p++ - '0');
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

// The text from the second character of data line k up to its first "]": the
// desc of line 1 and the CMYK Description of line 3.
static int opening_field(byte_span d, int k, char* buffer, int max)
{
    descriptor_line line;
    load_data_line(d, k, line);
    return copy_field(line.text[0] == 0 ? line.text : line.text + 1, buffer, max);
}

int read_desc(byte_span d, char* buffer, int max) { return opening_field(d, 1, buffer, max); }

uint32_t read_pub_no(byte_span d)
{
    descriptor_line line;
    load_data_line(d, 1, line);
    return number_after_bracket(line, 1);
}

uint32_t read_colors_per_page(byte_span d)
{
    descriptor_line line;
    load_data_line(d, 1, line);
    return number_after_bracket(line, 2);
}

uint32_t read_number_of_pages(byte_span d)
{
    descriptor_line line;
    load_data_line(d, 1, line);
    return number_after_bracket(line, 3);
}

int read_suffix(byte_span d, int which, char suffix[descriptor_suffix_size])
{
    descriptor_line line;
    load_data_line(d, 2, line);
    suffix[0] = 0;
    if (line.text[0] == 0) return 0;
    if (which == 0) return copy_bracketed(line.text + 1, suffix, descriptor_suffix_size);
    const char* close = std::strchr(line.text, ']');
    if (close == nullptr || close[1] == 0) return 0;
    return copy_bracketed(close + 2, suffix, descriptor_suffix_size);
}

int read_picker_description(byte_span d, char* buffer, int max)
{
    descriptor_line line;
    load_data_line(d, 2, line);
    const char* first = std::strchr(line.text, ']');
    const char* second = first ? std::strchr(first + 1, ']') : nullptr;
    if (second == nullptr || second[1] == 0) return copy_field("", buffer, max);
    return copy_field(second + 2, buffer, max);
}

int read_cmyk_description(byte_span d, char* buffer, int max) { return opening_field(d, 3, buffer, max); }

uint32_t read_color_name_size(byte_span d)
{
    descriptor_line line;
    load_data_line(d, 4, line);
    char descriptor_word[descriptor_word_size];
    int len = 0;
    const char* p = line.text;
    while (*p != 0 && len < descriptor_word_size - 1) descriptor_word[len++] = *p++;
    descriptor_word[len] = 0;
    return static_cast<uint32_t>(decimal_value(descriptor_word));
}
