// The four-character names of the ICC format that this library reads: tag
// signatures, tag types, device classes and colour spaces, all in one place.
#pragma once
#include <cstdint>

// "desc" -> 0x64657363: first character in the most significant byte.
constexpr uint32_t icc_sig(char a, char b, char c, char d) {
    return (uint32_t(uint8_t(a)) << 24) | (uint32_t(uint8_t(b)) << 16) |
           (uint32_t(uint8_t(c)) << 8) | uint32_t(uint8_t(d));
}

// Tags.
constexpr uint32_t icc_tag_desc = icc_sig('d', 'e', 's', 'c');
constexpr uint32_t icc_tag_red_colorant = icc_sig('r', 'X', 'Y', 'Z');
constexpr uint32_t icc_tag_green_colorant = icc_sig('g', 'X', 'Y', 'Z');
constexpr uint32_t icc_tag_blue_colorant = icc_sig('b', 'X', 'Y', 'Z');
constexpr uint32_t icc_tag_white_point = icc_sig('w', 't', 'p', 't');
constexpr uint32_t icc_tag_red_trc = icc_sig('r', 'T', 'R', 'C');
constexpr uint32_t icc_tag_green_trc = icc_sig('g', 'T', 'R', 'C');
constexpr uint32_t icc_tag_blue_trc = icc_sig('b', 'T', 'R', 'C');

// Tag types.
constexpr uint32_t icc_type_ui08 = icc_sig('u', 'i', '0', '8');
constexpr uint32_t icc_type_ui16 = icc_sig('u', 'i', '1', '6');
constexpr uint32_t icc_type_ui32 = icc_sig('u', 'i', '3', '2');
constexpr uint32_t icc_type_ui64 = icc_sig('u', 'i', '6', '4');
constexpr uint32_t icc_type_mluc = icc_sig('m', 'l', 'u', 'c');
constexpr uint32_t icc_type_para = icc_sig('p', 'a', 'r', 'a');

// Device classes.
constexpr uint32_t icc_class_display = icc_sig('m', 'n', 't', 'r');
constexpr uint32_t icc_class_input = icc_sig('s', 'c', 'n', 'r');
constexpr uint32_t icc_class_output = icc_sig('p', 'r', 't', 'r');
constexpr uint32_t icc_class_color_space = icc_sig('s', 'p', 'a', 'c');

// Colour spaces.
constexpr uint32_t icc_space_rgb = icc_sig('R', 'G', 'B', ' ');
constexpr uint32_t icc_space_cmyk = icc_sig('C', 'M', 'Y', 'K');
constexpr uint32_t icc_space_xyz = icc_sig('X', 'Y', 'Z', ' ');
constexpr uint32_t icc_space_lab = icc_sig('L', 'a', 'b', ' ');
