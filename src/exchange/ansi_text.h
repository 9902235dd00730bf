// The library's texts are single-byte Windows-1252; the exchange formats want
// UTF-16 (swatch exchange), UTF-8 (palettes) or 7-bit ASCII (ICC v2 texts).
#pragma once
#include <cstdint>
#include <string>

// The Unicode code point of one Windows-1252 byte. The five bytes that code
// page leaves unassigned map to U+FFFD, the replacement character.
uint16_t cp1252_to_unicode(uint8_t byte);

// The Windows-1252 byte of a code point, or '?' where that code page has
// none. Control characters become '?' as well: a name holds no line breaks.
uint8_t unicode_to_cp1252(uint32_t code_point);

std::u16string cp1252_to_utf16(const std::string& text);
std::string cp1252_to_utf8(const std::string& text);

// True when every byte is printable 7-bit ASCII (0x20 to 0x7E).
bool is_printable_ascii(const std::string& text);

// 7-bit ASCII for texts that must be ASCII: the copyright and registered
// signs become "(C)" and "(R)", any other byte outside 0x20..0x7E "?".
std::string ascii_fallback(const std::string& text);
