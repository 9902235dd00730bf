#include "colorlib/addon_contract.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "colorlib/color_system_codes.h"
#include "colorlib/color_tables.h"
#include "colorlib/descriptor.h"

addon_code addon_code_of(int16_t system, int16_t flag)
{
    if (!is_addon_code(system)) return {-1, -1};
    return {system_to_pub(system, flag), largest_storable_index(system)};
}

namespace {

struct breach_list {
    addon_breach* out;
    int max;
    int count;
};

void report(breach_list& list, addon_breach_kind kind, const char* format, ...) __attribute__((format(printf, 3, 4)));

void report(breach_list& list, addon_breach_kind kind, const char* format, ...)
{
    if (list.count < list.max) {
        addon_breach& b = list.out[list.count];
        b.kind = kind;
        va_list args;
        va_start(args, format);
        std::vsnprintf(b.text, sizeof b.text, format, args);
        va_end(args);
    }
    ++list.count;
}

// The data lines of a descriptor as the library reads them: lines end at CR
// or LF (a CR LF pair counts once), a line starting with "/" is a comment.
struct descriptor_lines {
    std::string line[4];
    int count = 0;
    bool too_long = false;
};

descriptor_lines data_lines(byte_span d)
{
    descriptor_lines lines;
    size_t i = 0;
    while (i < d.size && d.data[i] != 0 && lines.count < 4) {
        std::string text;
        while (i < d.size && d.data[i] != '\r' && d.data[i] != '\n' && d.data[i] != 0) text += static_cast<char>(d.data[i++]);
        if (i < d.size && d.data[i] == '\r') ++i;
        if (i < d.size && d.data[i] == '\n') ++i;
        if (text.size() >= static_cast<size_t>(descriptor_line_size)) lines.too_long = true;
        if (!text.empty() && text[0] == '/') continue;
        lines.line[lines.count++] = text;
    }
    return lines;
}

// "[text]" fields at the start of a line: how many, and the longest.
int bracket_fields(const std::string& line, size_t* longest, size_t* end)
{
    int fields = 0;
    size_t i = 0;
    *longest = 0;
    while (i < line.size() && line[i] == '[') {
        size_t close = line.find(']', i + 1);
        if (close == std::string::npos) break;
        if (close - i - 1 > *longest) *longest = close - i - 1;
        ++fields;
        i = close + 1;
    }
    *end = i;
    return fields;
}

void check_descriptor(breach_list& list, byte_span d)
{
    descriptor_lines lines = data_lines(d);
    if (lines.count < 4) {
        report(list, breach_descriptor_format, "descriptor has %d data lines, needs 4", lines.count);
        return;
    }
    if (lines.too_long) report(list, breach_descriptor_format, "descriptor line longer than %d characters", descriptor_line_size - 1);
    size_t longest, end;
    if (bracket_fields(lines.line[0], &longest, &end) < 1)
        report(list, breach_descriptor_format, "data line 1 is not \"[desc] pub_no colors_per_page number_of_pages\"");
    else if (longest == 0 || longest > 83)
        report(list, breach_descriptor_format, "desc is %llu characters, must be 1 to 83", static_cast<unsigned long long>(longest));
    int suffixes = bracket_fields(lines.line[1], &longest, &end);
    if (suffixes < 2 || suffixes > 3 || end != lines.line[1].size())
        report(list, breach_descriptor_format, "data line 2 is not \"[display_suffix][printer_suffix]\" with an optional third field");
    else if (longest > static_cast<size_t>(descriptor_suffix_size - 1))
        report(list, breach_descriptor_format, "a suffix is longer than %d characters", descriptor_suffix_size - 1);
    if (bracket_fields(lines.line[2], &longest, &end) != 1)
        report(list, breach_descriptor_format, "data line 3 is not \"[CMYK Description]\"");
}

void check_string(breach_list& list, const char* text, int id)
{
    if (text == nullptr) {
        report(list, breach_missing_string, "string %d is missing", id);
        return;
    }
    const char* p = text;
    if (*p == '-' || *p == '+') ++p;
    bool digits = *p != 0;
    for (const char* q = p; *q; ++q) digits = digits && std::isdigit(static_cast<unsigned char>(*q));
    long value = digits ? std::strtol(text, nullptr, 10) : 0;
    if (!digits || std::strlen(text) > 19 || value < -32768 || value > 32767)
        report(list, breach_bad_number_text, "string %d \"%.40s\" is not a 16-bit decimal number", id, text);
}

void check_table(breach_list& list, const char* type, byte_span table, uint64_t records, uint64_t record_size)
{
    if (table.empty()) return;  // reported as missing
    if (table.size % record_size != 0 || table.size / record_size != records)
        report(list, breach_table_size, "%s holds %llu bytes, the descriptor promises %llu records of %llu (%llu bytes)", type,
               static_cast<unsigned long long>(table.size), static_cast<unsigned long long>(records), static_cast<unsigned long long>(record_size),
               static_cast<unsigned long long>(records * record_size));
}

void check_names(breach_list& list, byte_span names, uint64_t records, uint32_t width)
{
    std::set<std::string> seen;
    int empty = 0;
    for (uint64_t i = 0; i < records && names.holds(i * width, width); ++i) {
        std::string name;
        for (uint32_t k = 0; k < width && names.data[i * width + k] != 0; ++k)
            name += static_cast<char>(std::tolower(names.data[i * width + k]));
        if (name.empty()) {
            if (empty++ == 0) report(list, breach_empty_name, "colour %llu has no name", static_cast<unsigned long long>(i));
            continue;
        }
        if (!seen.insert(name).second)
            report(list, breach_duplicate_name, "colour %llu repeats the name \"%s\"", static_cast<unsigned long long>(i), name.c_str());
    }
}

}  // namespace

int check_addon(const addon_contents& c, addon_breach* out, int max)
{
    breach_list list = {out, max, 0};
    const struct { const char* type; byte_span span; } resources[] = {
        {"PUB", c.pub}, {"NAMES", c.names}, {"CIE50", c.cie50}, {"CIE65", c.cie65}, {"CMYK", c.cmyk}};
    for (const auto& r : resources)
        if (r.span.empty()) report(list, breach_missing_resource, "resource %s \"addon\" is missing", r.type);
    check_string(list, c.system_text, 2);
    check_string(list, c.flag_text, 3);
    if (c.pub.empty()) return list.count;

    check_descriptor(list, c.pub);
    const uint32_t pub_no = read_pub_no(c.pub);
    const uint64_t per_page = read_colors_per_page(c.pub);
    const uint64_t pages = read_number_of_pages(c.pub);
    const uint64_t colours = per_page * pages;
    const uint32_t width = read_color_name_size(c.pub);
    int32_t first, last;
    addon_pub_range(&first, &last);
    if (pub_no < static_cast<uint32_t>(first) || pub_no > static_cast<uint32_t>(last))
        report(list, breach_publication_number, "pub_no %u is not an add-on number (%d to %d)", pub_no, first, last);
    if (colours == 0) report(list, breach_no_colours, "the descriptor holds no colours (%llu per page, %llu pages)",
                             static_cast<unsigned long long>(per_page), static_cast<unsigned long long>(pages));
    if (width == 0 || width > static_cast<uint32_t>(max_color_name_size))
        report(list, breach_name_width, "COLOR_NAME_SIZE %u is outside 1 to %d", width, max_color_name_size);

    if (c.system_text != nullptr && c.flag_text != nullptr) {
        const int16_t system = static_cast<int16_t>(decimal_value(c.system_text));
        const int16_t flag = static_cast<int16_t>(decimal_value(c.flag_text));
        const addon_code code = addon_code_of(system, flag);
        const int32_t selected = code.pub_no;
        if (selected < 0)
            report(list, breach_pair_selects_none, "code %d with flag %d selects no publication", system, flag);
        else if (static_cast<uint32_t>(selected) != pub_no)
            report(list, breach_pair_selects_other, "code %d with flag %d selects publication %d, the descriptor says %u", system,
                   flag, selected, pub_no);
        else if (colours > static_cast<uint64_t>(code.largest_index) + 1)
            report(list, breach_too_many_colours, "code %d addresses colours 0 to %d, the descriptor holds %llu", system,
                   code.largest_index, static_cast<unsigned long long>(colours));
    }

    if (colours == 0) return list.count;
    if (width != 0) check_table(list, "NAMES", c.names, colours, width);
    check_table(list, "CIE50", c.cie50, colours, 6);
    check_table(list, "CIE65", c.cie65, colours, 6);
    check_table(list, "CMYK", c.cmyk, colours, 8);
    if (width != 0 && width <= static_cast<uint32_t>(max_color_name_size)) check_names(list, c.names, colours, width);
    return list.count;
}
