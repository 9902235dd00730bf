#include "exchange/gpl_reader.h"

#include <cstdio>

#include "exchange/ansi_text.h"

namespace {

bool is_blank(uint8_t ch) { return ch == ' ' || ch == '\t'; }

// One line of the text: [begin, end) without its line break.
struct text_line {
    uint64_t begin, end;
};

struct text_reader {
    byte_span file;

    uint8_t at(uint64_t i) const
    {
        uint8_t ch = 0;
        file.u8(i, &ch);
        return ch;
    }
    // The line that starts at `from`; `next` receives the start of the one after.
    text_line line(uint64_t from, uint64_t* next) const
    {
        uint64_t end = from;
        while (end < file.size && at(end) != '\n') ++end;
        *next = end < file.size ? end + 1 : end;
        if (end > from && at(end - 1) == '\r') --end;
        return text_line{from, end};
    }
    bool starts_with(uint64_t from, uint64_t end, const char* text) const
    {
        for (; *text != 0; ++text, ++from)
            if (from >= end || at(from) != static_cast<uint8_t>(*text)) return false;
        return true;
    }
    // One UTF-8 sequence at *i, advancing *i; false for anything that is not
    // the shortest encoding of a code point (overlong forms, surrogates, cut
    // sequences).
    bool utf8(uint64_t* i, uint64_t end, uint32_t* code_point) const
    {
        const uint8_t lead = at(*i);
        int extra;
        uint32_t cp, least;
        if (lead < 0x80) extra = 0, cp = lead, least = 0;
        else if (lead >= 0xC2 && lead <= 0xDF) extra = 1, cp = lead & 0x1F, least = 0x80;
        else if (lead >= 0xE0 && lead <= 0xEF) extra = 2, cp = lead & 0x0F, least = 0x800;
        else if (lead >= 0xF0 && lead <= 0xF4) extra = 3, cp = lead & 0x07, least = 0x10000;
        else return false;
        if (end - *i <= static_cast<uint64_t>(extra)) return false;
        for (int k = 1; k <= extra; ++k) {
            const uint8_t cont = at(*i + k);
            if ((cont & 0xC0) != 0x80) return false;
            cp = cp << 6 | (cont & 0x3F);
        }
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        *i += 1 + extra;
        *code_point = cp;
        return true;
    }
    bool all_utf8(uint64_t from) const
    {
        uint32_t cp;
        for (uint64_t i = from; i < file.size;)
            if (!utf8(&i, file.size, &cp)) return false;
        return true;
    }
    // A whole number 0..255 at *i followed by a blank or the end of the line.
    bool channel(uint64_t* i, uint64_t end, int* value) const
    {
        while (*i < end && is_blank(at(*i))) ++*i;
        int v = 0, digits = 0;
        for (; *i < end && at(*i) >= '0' && at(*i) <= '9'; ++*i, ++digits)
            if ((v = v * 10 + (at(*i) - '0')) > 255) return false;
        *value = v;
        return digits > 0 && (*i == end || is_blank(at(*i)));
    }
};

}  // namespace

palette_read read_gpl(byte_span file)
{
    palette_read out;
    if (!palette_size_ok(&out, file.size, "GPL")) return out;
    const text_reader text{file};
    uint64_t at = text.starts_with(0, file.size, "\xEF\xBB\xBF") ? 3 : 0;
    const bool utf8 = text.all_utf8(at);

    uint64_t next;
    text_line first = text.line(at, &next);
    while (first.end > first.begin && is_blank(text.at(first.end - 1))) --first.end;
    if (first.end - first.begin != 12 || !text.starts_with(first.begin, first.end, "GIMP Palette")) {
        palette_refuse(&out, palette_refusal::not_a_palette, "not a GPL file: its first line is not \"GIMP Palette\"");
        return out;
    }
    for (uint32_t number = 2; (at = next) < file.size; ++number) {
        const text_line line = text.line(at, &next);
        uint64_t i = line.begin;
        while (i < line.end && is_blank(text.at(i))) ++i;
        if (i == line.end || text.at(i) == '#' || text.starts_with(i, line.end, "Name:") || text.starts_with(i, line.end, "Columns:"))
            continue;
        int rgb[3];
        for (int& v : rgb)
            if (!text.channel(&i, line.end, &v)) {
                palette_refuse(&out, palette_refusal::bad_value, "GPL line %u does not begin with red, green and blue as whole numbers 0 to 255", number);
                return out;
            }
        while (i < line.end && is_blank(text.at(i))) ++i;
        uint64_t end = line.end;
        while (end > i && is_blank(text.at(end - 1))) --end;
        palette_color c;
        c.measure = palette_measure::srgb;
        for (int k = 0; k < 3; ++k) c.value[k] = rgb[k] / 255.0;
        for (uint32_t cp = 0; i < end;) {
            // Checked whole above; a sequence never straddles a blank or line break.
            if (!utf8 || !text.utf8(&i, end, &cp)) cp = cp1252_to_unicode(text.at(i++));
            c.name += static_cast<char>(unicode_to_cp1252(cp));
        }
        char where[32];
        std::snprintf(where, sizeof where, "on line %u", number);
        if (!palette_add(&out, c, "GPL", where)) return out;
    }
    palette_finish(&out, "GPL");
    return out;
}
