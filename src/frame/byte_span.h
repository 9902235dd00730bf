// A read-only view of bytes that the caller owns: a resource, a mapped file, a
// test buffer. Parsers take one of these and never look outside [data, data+size).
#pragma once
#include <cstddef>
#include <cstdint>

struct byte_span {
    const uint8_t* data = nullptr;
    size_t size = 0;

    bool empty() const { return data == nullptr || size == 0; }
    // True when [offset, offset + len) lies inside the span; written so that it
    // cannot overflow whatever offset and len say.
    bool holds(uint64_t offset, uint64_t len) const {
        return data != nullptr && offset <= size && len <= size - offset;
    }

    // Numbers at offset `at`, big-endian where wider than a byte. Each read
    // checks its own width, so no read can go past the end whatever check a
    // caller made before; out of bounds they return false, *v untouched.
    bool u8(uint64_t at, uint8_t* v) const {
        if (!holds(at, 1)) return false;
        *v = data[at];
        return true;
    }
    bool u16_be(uint64_t at, uint16_t* v) const {
        if (!holds(at, 2)) return false;
        *v = uint16_t((data[at] << 8) | data[at + 1]);
        return true;
    }
    bool u32_be(uint64_t at, uint32_t* v) const {
        if (!holds(at, 4)) return false;
        *v = (uint32_t(data[at]) << 24) | (uint32_t(data[at + 1]) << 16) |
             (uint32_t(data[at + 2]) << 8) | uint32_t(data[at + 3]);
        return true;
    }
};
