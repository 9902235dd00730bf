// What the colour look-up exports answer, on the portable record type: each
// resolves the host's record to a colorid first and writes nothing when it
// names no colour or the data it needs is not available. The exports take
// the guard and hand these their parts of the library's state.
#pragma once
#include <cstdint>
#include <optional>

#include "colorlib/extended_color.h"
#include "display/display_rgb.h"
#include "exchange/cie_lab.h"
#include "frame/status.h"

struct publication_catalogue;
struct display_state;

// The colour's measurement (D50 when d50 != 0, else D65) on screen; nothing
// when the measurement is not available. Paper white stays pure white.
std::optional<rgb8> get_color_display_rgb(publication_catalogue& catalogue, display_state& display, colorid id,
                                          int32_t d50);

// Screen RGB through the display model, each 8-bit value in the high byte.
status lookup_color_rgb(publication_catalogue& catalogue, display_state& display, const extended_color& record,
                        uint16_t rgb[3], int16_t d50);
// X, Y, Z clamped to 100 and scaled so that 100 gives 65535.
status lookup_color_xyz(publication_catalogue& catalogue, const extended_color& record, uint16_t xyz[3], int16_t d50);
// Full name with the display suffix (76-byte buffer) / stored name (36 bytes);
// the length written (0 for a colour without a name, whose text is empty),
// -1 with nothing written when the record names no colour.
int16_t lookup_color_name(publication_catalogue& catalogue, const extended_color& record, char* name);
int16_t lookup_short_color_name(publication_catalogue& catalogue, const extended_color& record, char* name);
// The record a search hands a host for colour `index` of the publication the
// pair selects: named by that pair, its high bytes the screen colour of the
// D50 measurement (black without one). encode_color's statuses.
status found_color_record(publication_catalogue& catalogue, display_state& display, int16_t system, int16_t flag,
                          uint32_t index, extended_color* record);
// CIELAB from the D50 measurement; no_data when the colour has none.
status lookup_color_lab(publication_catalogue& catalogue, const extended_color& record, cie_lab* lab);
status lookup_color_index(publication_catalogue& catalogue, const extended_color& record, uint32_t* index);

// colors_per_page / number_of_pages of the publication a code and flag
// select, or -1.
int32_t pair_colors_per_page(publication_catalogue& catalogue, int16_t system, int16_t flag);
int32_t pair_number_of_pages(publication_catalogue& catalogue, int16_t system, int16_t flag);

// 8-bit <-> 16-bit colour components.
inline uint8_t uint16_to_byte(uint32_t v) { return static_cast<uint8_t>((v >> 8) & 0xFF); }
inline uint32_t byte_to_uint16(uint32_t b) { return (b & 0xFF) << 8; }
