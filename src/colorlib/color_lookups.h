// What the colour look-up exports answer, on the portable record type: each
// resolves the host's record to a colorid first and writes nothing when it
// names no colour or the data it needs is not available. The exports are thin
// Win32-typed wrappers around these (lookup_exports_win32.cpp).
#pragma once
#include <cstdint>

#include "colorlib/extended_color.h"
#include "frame/library_state.h"

constexpr int16_t lookup_done = 0;
constexpr int16_t lookup_no_color = 1;

// The colour's measurement (D50 when d50 != 0, else D65) on screen: 1, or -1
// with R, G, B untouched when the measurement is not available.
int get_color_display_rgb(colorid id, int32_t* R, int32_t* G, int32_t* B, int32_t d50);

// Screen RGB through the display model, each 8-bit value in the high byte.
int16_t lookup_color_rgb(const extended_color* record, uint16_t rgb[3], int16_t d50);
// X, Y, Z clamped to 100 and scaled so that 100 gives 65535.
int16_t lookup_color_xyz(const extended_color* record, uint16_t xyz[3], int16_t d50);
// Full name with the display suffix (76-byte buffer) / stored name (36 bytes);
// the length written, 0 when the record names no colour.
int16_t lookup_color_name(const extended_color* record, char* name);
int16_t lookup_short_color_name(const extended_color* record, char* name);
int16_t lookup_color_index(const extended_color* record, uint32_t* index);

// colors_per_page / number_of_pages of the publication a code and flag
// select, or -1.
int32_t pair_colors_per_page(int16_t system, int16_t flag);
int32_t pair_number_of_pages(int16_t system, int16_t flag);

// 8-bit <-> 16-bit colour components.
inline uint8_t uint16_to_byte(uint32_t v) { return static_cast<uint8_t>((v >> 8) & 0xFF); }
inline uint32_t byte_to_uint16(uint32_t b) { return (b & 0xFF) << 8; }
