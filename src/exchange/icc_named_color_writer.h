// A colour book as an ICC version 2 named-colour profile (device class
// 'nmcl', connection space Lab): one namedColor2Type tag with the book's
// prefix and suffix, each colour's Lab and, when every colour has a recipe,
// its CMYK as device coordinates; plus description, copyright and white point.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "exchange/color_book.h"

// Root names, prefix and suffix are 32-byte fields that end with a NUL.
constexpr size_t icc_name_field = 32;
constexpr size_t icc_longest_name = icc_name_field - 1;

struct icc_date_time {
    uint16_t year, month, day, hours, minutes, seconds;
};

enum class icc_write_status {
    ok,
    prefix_or_suffix_too_long,  // longer than 31 characters or not 7-bit ASCII: no profile
    no_colors,                  // nothing left to write
};

struct icc_write_result {
    icc_write_status status = icc_write_status::ok;
    std::vector<uint8_t> bytes;
    // Colours left out because the format cannot hold their names (longer
    // than 31 characters or not 7-bit ASCII).
    size_t names_left_out = 0;
};

icc_write_result write_icc_named_colors(const color_book& book, const icc_date_time& created);
