#include "profiles/profile_header_codes.h"

bool classification_device_class(int32_t classification, uint32_t* device_class)
{
    static const uint32_t classes[] = {icc_class_display, icc_class_input, icc_class_output,
                                       icc_class_color_space};
    if (classification < 0 || classification > classification_color_space) return false;
    *device_class = classes[classification];
    return true;
}

bool header_in_classification(const icc_profile_header& header, int32_t classification)
{
    uint32_t wanted;
    if (!classification_device_class(classification, &wanted)) return false;
    if (header.device_class != wanted) return false;
    // Colour matching needs an XYZ source; colour-space profiles of other
    // data would only be offered to fail.
    return classification != classification_color_space || header.color_space == icc_space_xyz;
}

int16_t profile_type_code(uint32_t color_space)
{
    switch (color_space) {
    case icc_space_rgb: return 1;
    case icc_space_cmyk: return 0;
    case icc_space_xyz: return 2;
    default: return -1;
    }
}

int16_t profile_pcs_code(uint32_t connection_space)
{
    switch (connection_space) {
    case icc_space_xyz: return 0;
    case icc_space_lab: return 1;
    default: return -1;
    }
}
