// Look-ups in a publication's fixed-record colour tables: NAMES (name width
// from the descriptor), CIE50 and CIE65 (3 x 16-bit, hundredths), CMYK
// (4 x 16-bit, tenths of a percent) and PAGE (8-byte labels). Every read is
// checked against the table's real size, so a table shorter than its
// descriptor promises (an add-on's) reads as "not available", never past its end.
#pragma once
#include <cstdint>

#include "colorlib/kept_tables.h"
#include "frame/byte_span.h"
#include "frame/library_state.h"

constexpr int max_color_name_size = 35;
constexpr int full_color_name_size = 75;   // "VERIHUE " + 35 + " " + 31
constexpr int page_label_size = 8;

// A colour table of a built-in or add-on publication; empty when there is none.
byte_span locate_color_table(uint32_t pub_no, table_kind kind);

// A publication's NAMES table with the width of its records, for walks over
// many colours that would otherwise read the width from the descriptor once
// per colour.
struct color_name_table {
    byte_span names;
    uint32_t width;
};
color_name_table locate_color_name_table(uint32_t pub_no);

// The stored name of colour `index`, which ends at its first NUL or fills its
// record, cut to `max` characters and a NUL; returns the length. Empty when
// the table has no such record.
int read_stored_name(const color_name_table& table, uint32_t index, char* buffer, int max);

// mode -1: the stored name; 0: "VERIHUE " + name + " " + display suffix;
// 1: the same with the printer suffix; any other: "VERIHUE " + name + " ".
// Writes at most `max` characters and a NUL (buffer holds max + 1 bytes);
// returns the length. 0 and an empty text when the colour has no name.
int get_color_name(colorid id, char* buffer, int max, int mode);

// X, Y, Z on the scale where white has Y = 100, from CIE50 (d50 != 0) or
// CIE65 (d50 == 0). 1, or 0 with nothing stored when the measurement is not
// available.
int get_color_xyz(colorid id, int d50, double* X, double* Y, double* Z);

// The same from a located CIE50 or CIE65 table, for walks over many colours.
int read_color_xyz(byte_span table, uint32_t index, double* X, double* Y, double* Z);

// Recipe fractions 0.0 to 1.0 (stored tenths of a percent / 1000). 1, or 0
// with nothing stored when the recipe is not available.
int get_color_cmyk_recipe(colorid id, float* C, float* M, float* Y, float* K);

// The label of the colour's guide page (pages counted with the colours per
// page of current_descriptor, as the picker keeps it), at most `max`
// characters and a NUL; returns the length (0 when there is no label).
int get_page_label(colorid id, char* buffer, int max);

// The colour's guide page counted from 1 (colours per page of
// current_descriptor); 0 when the current descriptor holds no pages.
uint32_t color_page_number(colorid id);
