// Look-ups in a publication's fixed-record colour tables: NAMES (name width
// from the descriptor), CIE50 and CIE65 (3 x 16-bit, hundredths), CMYK
// (4 x 16-bit, tenths of a percent) and PAGE (8-byte labels). Every read is
// checked against the table's real size, so a table shorter than its
// descriptor promises (an add-on's) reads as "not available", never past its end.
#pragma once
#include <cstdint>
#include <optional>

#include "colorlib/colorid.h"
#include "colorlib/kept_tables.h"
#include "exchange/cie_lab.h"
#include "frame/byte_span.h"

constexpr int max_color_name_size = 35;
constexpr int full_color_name_size = 75;   // "VERIHUE " + 35 + " " + 31
constexpr int page_label_size = 8;

// A colour table of a built-in or add-on publication; empty when there is none.
byte_span locate_color_table(publication_catalogue& catalogue, uint32_t pub_no, table_kind kind);

// A publication's NAMES table with the width of its records, for walks over
// many colours that would otherwise read the width from the descriptor once
// per colour.
struct color_name_table {
    byte_span names;
    uint32_t width;
};
color_name_table locate_color_name_table(publication_catalogue& catalogue, uint32_t pub_no);

// The stored name of colour `index`, which ends at its first NUL or fills its
// record, cut to `max` characters and a NUL; returns the length. Empty when
// the table has no such record.
int read_stored_name(const color_name_table& table, uint32_t index, char* buffer, int max);

// mode -1: the stored name; 0: "VERIHUE " + name + " " + display suffix;
// 1: the same with the printer suffix; any other: "VERIHUE " + name + " ".
// Writes at most `max` characters and a NUL (buffer holds max + 1 bytes);
// returns the length. 0 and an empty text when the colour has no name.
int get_color_name(publication_catalogue& catalogue, colorid id, char* buffer, int max, int mode);

// A measurement: X, Y, Z on the scale where white has Y = 100.
struct measured_xyz {
    double X, Y, Z;
};

// From CIE50 (d50 != 0) or CIE65 (d50 == 0); nothing when the measurement is
// not available.
std::optional<measured_xyz> get_color_xyz(publication_catalogue& catalogue, colorid id, int d50);

// The same from a located CIE50 or CIE65 table, for walks over many colours.
std::optional<measured_xyz> read_color_xyz(byte_span table, uint32_t index);

// CIELAB of a colour's measurement in a located CIE50 table, from the stored
// hundredths themselves; false, lab untouched, when it is not available.
bool read_color_lab_d50(byte_span cie50_table, uint32_t index, cie_lab* lab);

// Recipe fractions 0.0 to 1.0 (stored tenths of a percent / 1000); nothing
// when the recipe is not available.
struct cmyk_recipe {
    float C, M, Y, K;
};
std::optional<cmyk_recipe> get_color_cmyk_recipe(publication_catalogue& catalogue, colorid id);

// The label of the colour's guide page (pages counted with its own
// publication's colours per page), at most `max` characters and a NUL;
// returns the length (0 when there is no label).
int get_page_label(publication_catalogue& catalogue, colorid id, char* buffer, int max);

// The colour's guide page counted from 1; 0 when its publication has no pages.
uint32_t color_page_number(publication_catalogue& catalogue, colorid id);
