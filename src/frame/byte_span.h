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
};
