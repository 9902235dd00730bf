// Publication descriptors: the short CR LF text of type "PUB" that states a
// publication's description, number, page geometry, suffixes and name width.
// Every reader takes the descriptor's bytes and parses what it needs into
// buffers of its own, so readers on several threads never meet.
#pragma once
#include <cstdint>

#include "frame/byte_span.h"

// A data line is read into descriptor_line_size bytes, a word of it into
// descriptor_word_size; a suffix holds descriptor_suffix_size with its NUL.
constexpr int descriptor_line_size = 200;
constexpr int descriptor_word_size = 40;
constexpr int descriptor_suffix_size = 32;

// Texts are written cut to `max` characters into a buffer of max + 1 bytes;
// each returns the length written.
int read_desc(byte_span d, char* buffer, int max);
uint32_t read_pub_no(byte_span d);
uint32_t read_colors_per_page(byte_span d);
uint32_t read_number_of_pages(byte_span d);
int read_cmyk_description(byte_span d, char* buffer, int max);
int read_picker_description(byte_span d, char* buffer, int max);
uint32_t read_color_name_size(byte_span d);
// The display suffix (which 0) or the printer suffix (which not 0) into
// suffix (descriptor_suffix_size bytes); returns its length.
int read_suffix(byte_span d, int which, char suffix[descriptor_suffix_size]);

// Decimal conversion as the descriptor and the add-on strings use it: leading
// white space, an optional sign, digits up to the first other character; no
// digits give 0.
int32_t decimal_value(const char* text);
