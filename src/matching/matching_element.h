// One colour of a match: an 8-byte element of four 16-bit device values, and
// how it travels to the colour-matching module and back. A three-channel space
// uses the first three values, CMYK all four; XYZ values reach the module
// halved, because hosts fill them on a scale where 65535 stands for 100 while
// the module takes 0x8000 as 1.0.
#pragma once
#include <cstdint>

// Channels a profile kind has as source / destination of a session; 0 when
// the kind cannot take that role (XYZ is a source only).
uint16_t source_channels_of(int16_t kind);
uint16_t destination_channels_of(int16_t kind);

// The values handed to the module for element (source_channels_of(kind) of
// them are meaningful); false when the kind cannot be a source.
bool module_input(int16_t source_kind, const uint16_t element[4], uint16_t input[4]);

// Writes the module's output into element: three values and a 0 in the fourth
// place after a three-channel destination (the module produced no fourth
// value, and what a host left there is no colour of the destination), four
// after CMYK. False, element untouched, for another channel count.
bool write_back(uint16_t destination_channels, const uint16_t output[4], uint16_t element[4]);
