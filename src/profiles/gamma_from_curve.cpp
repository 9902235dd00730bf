#include "profiles/gamma_from_curve.h"

#include <cmath>
#include <cstdint>

#include "icc/icc_tag_readers.h"


bool gamma_from_curve(byte_span file, icc_tag_entry tag, double* gamma)
{
    const uint32_t n = icc_curve_count(file, tag);
    if (n == 0) {
        *gamma = 1.0;
        return true;
    }
    if (n == 1) {
        uint16_t raw;
        if (!icc_read_curve_raw(file, tag, 0, &raw)) return false;
        *gamma = raw / 256.0;
        return true;
    }
    if (n == 2) {
        *gamma = 1.8;
        return true;
    }
    double sum = 0.0;
    uint32_t samples = 0;
    for (uint32_t i = 0; i < n; ++i) {
        double v;
        if (!icc_read_curve_entry(file, tag, i, &v)) return false;
        const double x = double(i) / double(n - 1);
        if (v == 0.0 || v == 1.0 || x == 0.0 || x == 1.0) continue;
        sum += std::log(v) / std::log(x);
        ++samples;
    }
    if (samples == 0) return false;
    *gamma = sum / samples;
    return true;
}

bool tone_curve_gamma(byte_span file, icc_tag_entry tag, uint32_t type_signature, double* gamma)
{
    if (type_signature != icc_type_para) return gamma_from_curve(file, tag, gamma);
    // Function type (2 bytes), 2 reserved, then g as s15Fixed16.
    const byte_span contents = icc_tag_contents(file, tag);
    uint16_t function_type;
    uint32_t g;
    if (!contents.u16_be(0, &function_type) || !contents.u32_be(4, &g) || function_type > 4)
        return false;
    *gamma = int32_t(g) / 65536.0;
    return true;
}
