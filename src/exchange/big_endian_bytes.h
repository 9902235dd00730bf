// Appending big-endian numbers to a growing byte buffer: both binary
// exchange formats store every number most significant byte first.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

inline void put_u16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

inline void put_u32(std::vector<uint8_t>& out, uint32_t v)
{
    put_u16(out, v >> 16);
    put_u16(out, v & 0xFFFF);
}

inline void put_f32(std::vector<uint8_t>& out, float f)
{
    uint32_t bits;
    static_assert(sizeof bits == sizeof f, "IEEE single precision");
    std::memcpy(&bits, &f, sizeof bits);
    put_u32(out, bits);
}

// Four characters of a signature or colour model, as they are written.
inline void put_tag(std::vector<uint8_t>& out, const char (&four)[5])
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(four[i]));
}

// The text in a zero-padded field of `width` bytes; the caller has made sure
// that it leaves room for at least one NUL.
inline void put_padded(std::vector<uint8_t>& out, const std::string& text, size_t width)
{
    out.insert(out.end(), text.begin(), text.end());
    out.insert(out.end(), width - text.size(), 0);
}

inline void set_u32(std::vector<uint8_t>& out, size_t at, uint32_t v)
{
    out[at] = static_cast<uint8_t>(v >> 24);
    out[at + 1] = static_cast<uint8_t>(v >> 16);
    out[at + 2] = static_cast<uint8_t>(v >> 8);
    out[at + 3] = static_cast<uint8_t>(v);
}
