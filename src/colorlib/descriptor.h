// Publication descriptors: the short CR LF text of type "PUB" that states a
// publication's description, number, page geometry, suffixes and name width.
// Fields are parsed afresh from the text for every question; nothing is kept
// but the three shared buffers below, valid until the next descriptor read.
#pragma once
#include <cstdint>

#include "frame/byte_span.h"

constexpr int descriptor_line_size = 200;
constexpr int descriptor_word_size = 40;
constexpr int descriptor_suffix_size = 32;

extern char descriptor_line[descriptor_line_size];
extern char descriptor_word[descriptor_word_size];
extern char descriptor_suffix[descriptor_suffix_size];

// Readers of current_descriptor (frame/library_state.h).
int descriptor_desc(char* buffer, int max);
uint32_t descriptor_pub_no();
uint32_t descriptor_colors_per_page();
uint32_t descriptor_number_of_pages();
int descriptor_cmyk_description(char* buffer, int max);
int descriptor_picker_description(char* buffer, int max);

// The same readers on any descriptor text, for callers that must not change
// current_descriptor (the picker keeps the descriptor of the guide it shows).
int read_desc(byte_span d, char* buffer, int max);
uint32_t read_pub_no(byte_span d);
uint32_t read_colors_per_page(byte_span d);
uint32_t read_number_of_pages(byte_span d);
int read_cmyk_description(byte_span d, char* buffer, int max);
int read_picker_description(byte_span d, char* buffer, int max);
uint32_t read_color_name_size(byte_span d);
// display_suffix (which 0) or printer_suffix (which not 0) into descriptor_suffix.
const char* read_suffix(byte_span d, int which);

// Decimal conversion as the descriptor and the add-on strings use it: leading
// white space, an optional sign, digits up to the first other character; no
// digits give 0.
int32_t decimal_value(const char* text);
