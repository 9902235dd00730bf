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

// The whole file in a heap block (*bytes); ok, unreadable, or no_memory
// when the file could be read but no block of its size could be had.
open_result file_copy(const wchar_t* path, void** bytes, DWORD* size)
{
    *bytes = nullptr;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return open_result::unreadable;
    open_result result = open_result::unreadable;
    LARGE_INTEGER length;
    if (GetFileSizeEx(file, &length) && length.QuadPart > 0 && length.QuadPart <= max_profile_bytes) {
        *size = static_cast<DWORD>(length.QuadPart);
        *bytes = HeapAlloc(GetProcessHeap(), 0, *size);
        DWORD read = 0;
        if (!*bytes) {
            result = open_result::no_memory;
        } else if (!ReadFile(file, *bytes, *size, &read, nullptr) || read != *size) {
            HeapFree(GetProcessHeap(), 0, *bytes);
            *bytes = nullptr;
        } else {
            result = open_result::ok;
        }
    }
    CloseHandle(file);
    return result;
}

}  // namespace

open_result open_profile_file(const wchar_t* path, held_profile* profile, color_space* space)
{
    *profile = held_profile{nullptr, nullptr};
    *space = color_space::unsupported;
    DWORD size = 0;
    void* bytes = nullptr;
    const open_result copied = file_copy(path, &bytes, &size);
    if (copied != open_result::ok) return copied;

    PROFILE location = {};
    location.dwType = PROFILE_MEMBUFFER;
    location.pProfileData = bytes;
    location.cbDataSize = size;
    held_profile opened = {OpenColorProfileA(&location, PROFILE_READ, FILE_SHARE_READ, OPEN_EXISTING), bytes};
    PROFILEHEADER header = {};
    if (!opened.handle || !GetColorProfileHeader(opened.handle, &header)) {
        close_held_profile(&opened);
        return open_result::unreadable;
    }
    // The system hands the header back in host byte order.
    color_space found = space_from_signature(header.phDataColorSpace);
    if (found == color_space::unsupported) {
        close_held_profile(&opened);
        return open_result::unsupported_space;
    }
    *profile = opened;
    *space = found;
    return open_result::ok;
}

void close_held_profile(held_profile* profile)
{
    if (profile->handle) CloseColorProfile(profile->handle);
    // The system may keep reading the caller's buffer for the life of a
    // memory profile, so it goes only after the profile.
    if (profile->bytes) HeapFree(GetProcessHeap(), 0, profile->bytes);
    *profile = held_profile{nullptr, nullptr};
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
