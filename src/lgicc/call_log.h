// What the module records about each call. The shipped module links the
// silent implementation (call_log_off.cpp); the recording test build links
// call_log_file_win32.cpp, which appends one text line per call to a log file so
// that tests of the library can see exactly what reached the module.
#pragma once

#include <cstdint>

#include "lgicc/lgicc.h"

namespace lgicc {

// How a transformation pointer is named in the log: by serial number when it
// was live at the time of the call, otherwise null or unknown.
struct logged_object {
    const void* pointer;
    uint32_t serial;  // 0 when not live
};

void log_set_options(uint32_t options, int32_t option, int32_t value, uint32_t result);
void log_new_transform(logged_object result);
void log_create(logged_object t, const char* source_path, const char* destination_path,
                int32_t reserved1, uint32_t options, int32_t reserved2, int32_t reserved3,
                int32_t sample_bytes, int32_t reserved4, int16_t status);
// The wide form's call, its paths written in UTF-8.
void log_create(logged_object t, const wchar_t* source_path, const wchar_t* destination_path,
                int32_t reserved1, uint32_t options, int32_t reserved2, int32_t reserved3,
                int32_t sample_bytes, int32_t reserved4, int16_t status);
// A match is logged in two steps: the arguments and input values before the
// conversion (the output may overwrite the input), the outcome after it.
void log_match_arguments(logged_object t, uint32_t options, const uint16_t* input,
                         int32_t count, uint16_t source_channels,
                         uint16_t destination_channels, int32_t reserved1, int32_t reserved2,
                         int32_t sample_bytes, int32_t reserved3);
void log_match_outcome(const uint16_t* output, int32_t count, uint16_t destination_channels,
                       int16_t status);
void log_delete(logged_object t, int16_t status);

}  // namespace lgicc
