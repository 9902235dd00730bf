// The colour value reader on any text: a refused text leaves the result untouched, an accepted one lies in range.
#include <cmath>
#include <string>

#include "colorlib/color_value.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    cie_lab lab{-1, -1, -1};
    const bool value = parse_color_value(std::string(reinterpret_cast<const char*>(data), size).c_str(), &lab);
    if (value ? !(lab.L >= 0 && lab.L <= 100.0001 && std::fabs(lab.a) <= 128.0001 && std::fabs(lab.b) <= 128.0001)
              : (lab.L != -1 || lab.a != -1 || lab.b != -1))
        __builtin_trap();
    return 0;
}
