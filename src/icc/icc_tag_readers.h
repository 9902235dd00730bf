// Readers of the ICC tag types, on the directory entries icc_directory.h
// reads. Each is bounded by its tag's contents (icc_tag_contents), which lie
// inside the file: a tag shorter than the 8-byte type preamble and an element
// that does not lie inside its tag are refused (false / 0) and nothing is
// written.
//
// icc_lut_header has exactly the layout of MMF_lut_header in include/huex.h
// (the export glue checks that at compile time).
#pragma once
#include <cstdint>

#include "frame/byte_span.h"
#include "icc/icc_directory.h"

// The fixed part of lut8Type / lut16Type. type_signature, reserved and pad
// are never written by the readers.
struct icc_lut_header {
    uint32_t type_signature;
    uint32_t reserved;
    uint8_t input_channels;
    uint8_t output_channels;
    uint8_t grid_points;
    uint8_t pad;
    uint32_t matrix[9]; // e00 e01 e02 e10 e11 e12 e20 e21 e22, raw s15Fixed16
    uint16_t input_entries;  // lut16 only
    uint16_t output_entries; // lut16 only
};

// textType: copies exactly size - 8 bytes (the stored terminator included,
// none added) into buffer, which must hold that many.
bool icc_read_text(byte_span file, icc_tag_entry entry, char* buffer);

// textDescriptionType, 7-bit ASCII part only. A count that fits the buffer
// (count <= buffer_length) is copied with its own terminator; a longer one is
// cut to buffer_length - 1 characters and terminated; a count larger than the
// tag holds is cut to what it holds. The text in buffer is always
// terminated inside buffer_length bytes. False when buffer_length < 1, the
// tag has no count word, or buffer is null.
bool icc_read_description(byte_span file, icc_tag_entry entry, char* buffer,
                          int32_t buffer_length);

// multiLocalizedUnicodeType ("mluc"): the first English record (else the
// first record) as ANSI text: characters up to U+00FF as themselves, every
// other character (a surrogate pair counting as one) as '?', up to the first
// NUL. Cut to buffer_length - 1 characters and terminated. False, buffer
// untouched, when buffer_length < 1, the tag holds no record or the chosen
// record's text does not lie inside the tag.
bool icc_read_mluc_description(byte_span file, icc_tag_entry tag, char* buffer,
                               int32_t buffer_length);

// XYZType: the first XYZ number of the tag, raw.
bool icc_read_xyz(byte_span file, icc_tag_entry entry, icc_xyz_raw* out);

// curveType: the entry count, 0 also when the tag does not hold its count
// word or all its entries (4 + 2 * count bytes).
uint32_t icc_curve_count(byte_span file, icc_tag_entry entry);
// Entry index as stored (a one-entry curve holds a u8Fixed8 gamma) and as
// stored / 65535. False when index >= count or the tag does not hold the
// entries icc_curve_count would report.
bool icc_read_curve_raw(byte_span file, icc_tag_entry entry, uint32_t index,
                        uint16_t* out);
bool icc_read_curve_entry(byte_span file, icc_tag_entry entry, uint32_t index,
                          double* out);

// uInt8/16/32/64ArrayType element count from the tag size alone: (size - 8)
// divided by the element width; 0 for another type signature or size < 8.
uint32_t icc_uint_array_count(icc_tag_entry entry, uint32_t type_signature);
// Elements of uInt8ArrayType and uInt32ArrayType; false when the element is
// not inside the tag.
bool icc_read_uint8_element(byte_span file, icc_tag_entry entry, uint32_t index,
                            uint8_t* out);
bool icc_read_uint32_element(byte_span file, icc_tag_entry entry, uint32_t index,
                             uint32_t* out);

// lut8Type (contents bytes 0-39) and lut16Type (0-43): channels, grid points,
// matrix and, for lut16, the table entry counts. The tables are not read.
bool icc_read_lut8(byte_span file, icc_tag_entry entry, icc_lut_header* out);
bool icc_read_lut16(byte_span file, icc_tag_entry entry, icc_lut_header* out);
