// The colour value reader on any text: what it accepts lies in the ranges it
// promises, and a refused text leaves the result untouched.
#include <cmath>
#include <cstdint>
#include <string>

#include "colorlib/color_value.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    cie_lab lab{-1, -1, -1};
    if (!parse_color_value(text.c_str(), &lab)) {
        if (lab.L != -1 || lab.a != -1 || lab.b != -1) __builtin_trap();
    } else if (!(lab.L >= 0 && lab.L <= 100.0001 && std::fabs(lab.a) <= 128.0001 && std::fabs(lab.b) <= 128.0001)) {
        __builtin_trap();
    }
    return 0;
}
