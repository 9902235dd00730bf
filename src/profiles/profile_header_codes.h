// What the profile queries and the enumeration make of header signatures:
// small codes for hosts, and the device class each classification wants.
#pragma once
#include <cstdint>

#include "icc/icc_directory.h"

// Classifications 0 display, 1 input, 2 output, 3 colour space (XYZ data only).
constexpr int32_t classification_display = 0;
constexpr int32_t classification_input = 1;
constexpr int32_t classification_output = 2;
constexpr int32_t classification_color_space = 3;

// The device class a classification wants; false for an unknown code.
bool classification_device_class(int32_t classification, uint32_t* device_class);

// True when a profile with this header belongs to the classification.
bool header_in_classification(const icc_profile_header& header, int32_t classification);

// Data colour space as a host code: RGB 1, CMYK 0, XYZ 2, anything else -1.
int16_t profile_type_code(uint32_t color_space);
// Connection space: XYZ 0, Lab 1, anything else -1.
int16_t profile_pcs_code(uint32_t connection_space);
