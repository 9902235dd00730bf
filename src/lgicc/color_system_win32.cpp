#include "lgicc/color_system_win32.h"

#include <cstring>

namespace lgicc {

namespace {

COLORTYPE color_type_of(color_space space)
{
    switch (space) {
    case color_space::cmyk: return COLOR_CMYK;
    case color_space::xyz: return COLOR_XYZ;
    default: return COLOR_RGB;
    }
}

}  // namespace

open_result open_profile_file(const char* path, HPROFILE* profile, color_space* space)
{
    *profile = nullptr;
    *space = color_space::unsupported;
    PROFILE location = {};
    location.dwType = PROFILE_FILENAME;
    location.pProfileData = const_cast<char*>(path);
    location.cbDataSize = static_cast<DWORD>(std::strlen(path) + 1);
    HPROFILE opened = OpenColorProfileA(&location, PROFILE_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (!opened) return open_result::unreadable;

    PROFILEHEADER header = {};
    if (!GetColorProfileHeader(opened, &header)) {
        CloseColorProfile(opened);
        return open_result::unreadable;
    }
    // The system hands the header back in host byte order.
    color_space found = space_from_signature(header.phDataColorSpace);
    if (found == color_space::unsupported) {
        CloseColorProfile(opened);
        return open_result::unsupported_space;
    }
    *profile = opened;
    *space = found;
    return open_result::ok;
}

HTRANSFORM build_transform(HPROFILE source, HPROFILE destination, uint32_t intent)
{
    HPROFILE profiles[2] = {source, destination};
    DWORD intents[2] = {intent, intent};
    return CreateMultiProfileTransform(profiles, 2, intents, 2, BEST_MODE, INDEX_DONT_CARE);
}

void values_to_color(color_space space, const uint16_t* values, COLOR* color)
{
    std::memset(color, 0, sizeof *color);
    switch (space) {
    case color_space::cmyk:
        color->cmyk.cyan = values[0];
        color->cmyk.magenta = values[1];
        color->cmyk.yellow = values[2];
        color->cmyk.black = values[3];
        break;
    case color_space::xyz:
        color->XYZ.X = values[0];
        color->XYZ.Y = values[1];
        color->XYZ.Z = values[2];
        break;
    default:
        color->rgb.red = values[0];
        color->rgb.green = values[1];
        color->rgb.blue = values[2];
        break;
    }
}

void color_to_values(color_space space, const COLOR& color, uint16_t* values)
{
    switch (space) {
    case color_space::cmyk:
        values[0] = color.cmyk.cyan;
        values[1] = color.cmyk.magenta;
        values[2] = color.cmyk.yellow;
        values[3] = color.cmyk.black;
        break;
    case color_space::xyz:
        values[0] = color.XYZ.X;
        values[1] = color.XYZ.Y;
        values[2] = color.XYZ.Z;
        break;
    default:
        values[0] = color.rgb.red;
        values[1] = color.rgb.green;
        values[2] = color.rgb.blue;
        break;
    }
}

bool translate(HTRANSFORM transform, color_space source, const COLOR* in, DWORD count,
               color_space destination, COLOR* out)
{
    return TranslateColors(transform, const_cast<COLOR*>(in), count, color_type_of(source), out,
                           color_type_of(destination)) != FALSE;
}

}  // namespace lgicc
