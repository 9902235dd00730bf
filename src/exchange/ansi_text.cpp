#include "exchange/ansi_text.h"

namespace {

// 0x80 to 0x9F, where Windows-1252 differs from ISO 8859-1.
const uint16_t cp1252_high_controls[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

}  // namespace

uint16_t cp1252_to_unicode(uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F) return cp1252_high_controls[byte - 0x80];
    return byte;
}

uint8_t unicode_to_cp1252(uint32_t code_point)
{
    if (code_point < 0x20 || code_point == 0x7F) return '?';
    if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) return static_cast<uint8_t>(code_point);
    if (code_point == 0xFFFD) return '?';
    for (int i = 0; i < 32; ++i)
        if (cp1252_high_controls[i] == code_point) return static_cast<uint8_t>(0x80 + i);
    return '?';
}

std::u16string cp1252_to_utf16(const std::string& text)
{
    std::u16string out;
    for (char ch : text) out += static_cast<char16_t>(cp1252_to_unicode(static_cast<uint8_t>(ch)));
    return out;
}

std::string cp1252_to_utf8(const std::string& text)
{
    std::string out;
    for (char ch : text) {
        const uint16_t u = cp1252_to_unicode(static_cast<uint8_t>(ch));
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

bool is_printable_ascii(const std::string& text)
{
    for (char ch : text)
        if (static_cast<uint8_t>(ch) < 0x20 || static_cast<uint8_t>(ch) > 0x7E) return false;
    return true;
}

std::string ascii_fallback(const std::string& text)
{
    std::string out;
    for (char ch : text) {
        const uint8_t b = static_cast<uint8_t>(ch);
        if (b == 0xA9)
            out += "(C)";
        else if (b == 0xAE)
            out += "(R)";
        else
            out += b >= 0x20 && b <= 0x7E ? ch : '?';
    }
    return out;
}
