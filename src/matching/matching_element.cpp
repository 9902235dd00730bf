#include "matching/matching_element.h"

#include "matching/matching_session.h"

uint16_t source_channels_of(int16_t kind)
{
    switch (kind) {
    case profile_kind_rgb:
    case profile_kind_xyz: return 3;
    case profile_kind_cmyk: return 4;
    default: return 0;
    }
}

uint16_t destination_channels_of(int16_t kind)
{
    switch (kind) {
    case profile_kind_rgb: return 3;
    case profile_kind_cmyk: return 4;
    default: return 0;
    }
}

bool module_input(int16_t source_kind, const uint16_t element[4], uint16_t input[4])
{
    const uint16_t channels = source_channels_of(source_kind);
    if (channels == 0) return false;
    for (int i = 0; i < 4; ++i) input[i] = i < channels ? element[i] : 0;
    if (source_kind == profile_kind_xyz)
        for (int i = 0; i < 3; ++i) input[i] = uint16_t(input[i] >> 1);
    return true;
}

bool write_back(uint16_t destination_channels, const uint16_t output[4], uint16_t element[4])
{
    if (destination_channels != 3 && destination_channels != 4) return false;
    for (int i = 0; i < 3; ++i) element[i] = output[i];
    element[3] = destination_channels == 4 ? output[3] : 0;
    return true;
}
