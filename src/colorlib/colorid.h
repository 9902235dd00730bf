// The colorid: the one 32-bit name by which the whole library addresses a
// colour (publication in bits 16 to 23, index in bits 0 to 15; no_color for
// none). make_colorid is the only way one is built, and it is what checks that
// the colour exists.
#pragma once
#include <cstdint>

typedef uint32_t colorid;
constexpr colorid no_color = 0xFFFFFFFFu;

struct publication_catalogue;

inline uint32_t colorid_pub(colorid id) { return (id >> 16) & 0xFF; }
inline uint32_t colorid_index(colorid id) { return id & 0xFFFF; }

// The colorid of colour `index` of publication `pub_no`, or no_color when the
// publication does not exist or holds no such colour.
colorid make_colorid(publication_catalogue& catalogue, uint32_t pub_no, uint32_t index);
