// The module's contract as plain rules: the options word, the constant
// arguments, profile paths, colour spaces and channel counts, and the XYZ
// encodings. Free of windows.h so that every rule is checked natively.
#pragma once

#include "lgicc/lgicc.h"

#include <cstddef>
#include <cstdint>

namespace lgicc {

// The colour spaces the module converts; anything else is refused when the
// transformation is prepared.
enum class color_space { unsupported, rgb, cmyk, xyz };

// Longest accepted path, without its terminator (the platform's MAX_PATH - 1).
constexpr std::size_t max_path_length = 259;

inline uint32_t set_option(uint32_t options, int32_t option, int32_t value)
{
    switch (option) {
    case LGICC_OPTION_INTENT:
        if (value < LGICC_INTENT_PERCEPTUAL || value > LGICC_INTENT_ABSOLUTE_COLORIMETRIC)
            return options | LGICC_OPTIONS_INVALID;
        return (options & ~LGICC_OPTIONS_INTENT_MASK) | static_cast<uint32_t>(value);
    case LGICC_OPTION_XYZ_ENCODING:
        if (value != LGICC_XYZ_ICC && value != LGICC_XYZ_FULL_SCALE)
            return options | LGICC_OPTIONS_INVALID;
        return (options & ~LGICC_OPTIONS_XYZ_MASK) |
               (static_cast<uint32_t>(value) << LGICC_OPTIONS_XYZ_SHIFT);
    default:
        // The word cannot carry a status of its own; poisoning it makes the
        // mistake surface at the next call that uses it instead of vanishing.
        return options | LGICC_OPTIONS_INVALID;
    }
}

inline uint32_t intent_of(uint32_t options) { return options & LGICC_OPTIONS_INTENT_MASK; }

inline uint32_t xyz_encoding_of(uint32_t options)
{
    return (options & LGICC_OPTIONS_XYZ_MASK) >> LGICC_OPTIONS_XYZ_SHIFT;
}

inline bool options_valid(uint32_t options)
{
    return (options & (LGICC_OPTIONS_INVALID | LGICC_OPTIONS_RESERVED_MASK)) == 0 &&
           intent_of(options) <= LGICC_INTENT_ABSOLUTE_COLORIMETRIC &&
           xyz_encoding_of(options) <= LGICC_XYZ_FULL_SCALE;
}

inline bool create_constants_valid(int32_t reserved1, int32_t reserved2, int32_t reserved3,
                                   int32_t sample_bytes, int32_t reserved4)
{
    return reserved1 == LGICC_RESERVED && reserved2 == LGICC_RESERVED &&
           reserved3 == LGICC_RESERVED && sample_bytes == LGICC_SAMPLE_BYTES &&
           reserved4 == LGICC_RESERVED;
}

inline bool match_constants_valid(int32_t reserved1, int32_t reserved2, int32_t sample_bytes,
                                  int32_t reserved3)
{
    return reserved1 == LGICC_RESERVED && reserved2 == LGICC_RESERVED &&
           sample_bytes == LGICC_SAMPLE_BYTES && reserved3 == LGICC_RESERVED;
}

// Absolute means a drive ("C:\", "C:/") or a UNC share ("\\server"): the
// colour system resolves anything else against a folder of its own choosing.
// The scan stops after max_path_length + 1 characters, so an unterminated
// buffer is never read past that.
template <class Char>
bool path_acceptable(const Char* path)
{
    if (!path) return false;
    std::size_t length = 0;
    while (length <= max_path_length && path[length] != 0) ++length;
    if (length == 0 || length > max_path_length) return false;
    auto separator = [](Char c) { return c == '\\' || c == '/'; };
    bool drive = length >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) &&
                 path[1] == ':' && separator(path[2]);
    bool unc = length >= 3 && separator(path[0]) && separator(path[1]) && !separator(path[2]);
    return drive || unc;
}

// The four characters of an ICC header's data colour space field, as the
// big-endian number the header carries.
inline color_space space_from_signature(uint32_t signature)
{
    switch (signature) {
    case 0x52474220u: return color_space::rgb;   // 'RGB '
    case 0x434D594Bu: return color_space::cmyk;  // 'CMYK'
    case 0x58595A20u: return color_space::xyz;   // 'XYZ '
    default: return color_space::unsupported;
    }
}

inline uint16_t channels_of(color_space space)
{
    switch (space) {
    case color_space::rgb:
    case color_space::xyz: return 3;
    case color_space::cmyk: return 4;
    default: return 0;
    }
}

// Full scale (0xFFFF = 1.0) to the ICC PCS encoding (0x8000 = 1.0), rounded.
inline uint16_t xyz_full_scale_to_icc(uint16_t v)
{
    return static_cast<uint16_t>((static_cast<uint32_t>(v) * 0x8000u + 0x7FFFu) / 0xFFFFu);
}

// The ICC encoding reaches almost 2.0; full scale stops at 1.0, so larger
// values saturate.
inline uint16_t xyz_icc_to_full_scale(uint16_t v)
{
    if (v >= 0x8000u) return 0xFFFFu;
    return static_cast<uint16_t>((static_cast<uint32_t>(v) * 0xFFFFu + 0x4000u) / 0x8000u);
}

}  // namespace lgicc
