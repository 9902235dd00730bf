// The exports of LgICC.dll. Each runs under the module's lock, checks
// its arguments in the documented order and answers with the first failing
// check's status; only then does it touch the colour system.
#include <windows.h>
#include <icm.h>

#include <cstdint>

#include "lgicc/call_log.h"
#include "lgicc/color_system_win32.h"
#include "lgicc/lgicc.h"
#include "lgicc/lgicc_contract.h"
#include "lgicc/transformation_registry_win32.h"

using namespace lgicc;

namespace {

logged_object logged(const lgo_transformation* handle)
{
    const transformation_object* t = find_live(handle);
    return {handle, t ? t->serial : 0};
}

int16_t open_status(open_result opened, int16_t unreadable)
{
    switch (opened) {
    case open_result::unreadable: return unreadable;
    case open_result::no_memory: return LGICC_ERR_NO_MEMORY;
    default: return LGICC_ERR_COLOR_SPACE;
    }
}

int16_t prepare(transformation_object* t, const wchar_t* source_path, const wchar_t* destination_path,
                uint32_t options)
{
    held_profile source = {nullptr, nullptr};
    held_profile destination = {nullptr, nullptr};
    color_space source_space = color_space::unsupported;
    color_space destination_space = color_space::unsupported;

    open_result opened = open_profile_file(source_path, &source, &source_space);
    if (opened != open_result::ok) return open_status(opened, LGICC_ERR_SOURCE_PROFILE);

    opened = open_profile_file(destination_path, &destination, &destination_space);
    if (opened != open_result::ok) {
        close_held_profile(&source);
        return open_status(opened, LGICC_ERR_DESTINATION_PROFILE);
    }

    HTRANSFORM transform = build_transform(source.handle, destination.handle, intent_of(options));
    if (!transform) {
        close_held_profile(&source);
        close_held_profile(&destination);
        return LGICC_ERR_TRANSFORM_REFUSED;
    }
    t->source = source;
    t->destination = destination;
    t->transform = transform;
    t->options = options;
    t->source_space = source_space;
    t->destination_space = destination_space;
    return LGICC_OK;
}

// An ANSI path as the system's A functions read it; a path of the accepted
// length always fits, so a failure leaves an empty text that opens nothing.
struct widened_path {
    wchar_t text[max_path_length + 1];
    explicit widened_path(const char* path)
    {
        if (MultiByteToWideChar(CP_ACP, 0, path, -1, text, max_path_length + 1) == 0) text[0] = L'\0';
    }
};

// Both forms check the same things in the same order; only the ANSI form's
// paths are converted, after their checks, for the one wide preparation.
template <class Char>
int16_t create(lgo_transformation* handle, const Char* source_path, const Char* destination_path,
               int32_t reserved1, uint32_t options, int32_t reserved2, int32_t reserved3, int32_t sample_bytes,
               int32_t reserved4)
{
    registry_guard guard;
    logged_object who = logged(handle);
    transformation_object* t = find_live(handle);
    int16_t status = LGICC_OK;
    if (!t) {
        status = LGICC_ERR_TRANSFORMATION;
    } else {
        // Whatever the outcome, the object no longer converts with what it
        // held before: a refused preparation must not leave an old pair usable.
        release_prepared(t);
        if (!create_constants_valid(reserved1, reserved2, reserved3, sample_bytes, reserved4))
            status = LGICC_ERR_ARGUMENT;
        else if (!options_valid(options))
            status = LGICC_ERR_OPTIONS;
        else if (!path_acceptable(source_path) || !path_acceptable(destination_path))
            status = LGICC_ERR_PATH;
        else if constexpr (sizeof(Char) == 1)
            status = prepare(t, widened_path(source_path).text, widened_path(destination_path).text, options);
        else
            status = prepare(t, source_path, destination_path, options);
    }
    log_create(who, source_path, destination_path, reserved1, options, reserved2, reserved3,
               sample_bytes, reserved4, status);
    return status;
}

// Small batches (the library sends one colour) stay on the stack.
constexpr int32_t stack_colors = 16;

int16_t convert(const transformation_object* t, const uint16_t* input, uint16_t* output, int32_t count)
{
    uint16_t in_channels = channels_of(t->source_space);
    uint16_t out_channels = channels_of(t->destination_space);
    bool full_scale_xyz = xyz_encoding_of(t->options) == LGICC_XYZ_FULL_SCALE;

    COLOR stack_buffer[2 * stack_colors] = {};
    COLOR* colors = stack_buffer;
    if (count > stack_colors) {
        if (static_cast<uint64_t>(count) > SIZE_MAX / (2 * sizeof(COLOR))) return LGICC_ERR_NO_MEMORY;
        colors = static_cast<COLOR*>(HeapAlloc(GetProcessHeap(), 0, 2 * sizeof(COLOR) * static_cast<size_t>(count)));
        if (!colors) return LGICC_ERR_NO_MEMORY;
    }
    COLOR* in_colors = colors;
    COLOR* out_colors = colors + count;

    // Every input is read before any output is written, which is what makes
    // overlapping buffers safe.
    for (int32_t i = 0; i < count; ++i) {
        uint16_t values[4] = {};
        const uint16_t* source = input + static_cast<size_t>(i) * in_channels;
        for (uint16_t c = 0; c < in_channels; ++c)
            values[c] = (t->source_space == color_space::xyz && full_scale_xyz)
                            ? xyz_full_scale_to_icc(source[c]) : source[c];
        values_to_color(t->source_space, values, &in_colors[i]);
    }

    int16_t status = LGICC_OK;
    if (!translate(t->transform, t->source_space, in_colors, static_cast<DWORD>(count),
                   t->destination_space, out_colors)) {
        status = LGICC_ERR_TRANSLATE;
    } else {
        for (int32_t i = 0; i < count; ++i) {
            uint16_t values[4] = {};
            color_to_values(t->destination_space, out_colors[i], values);
            uint16_t* destination = output + static_cast<size_t>(i) * out_channels;
            for (uint16_t c = 0; c < out_channels; ++c)
                destination[c] = (t->destination_space == color_space::xyz && full_scale_xyz)
                                     ? xyz_icc_to_full_scale(values[c]) : values[c];
        }
    }
    if (colors != stack_buffer) HeapFree(GetProcessHeap(), 0, colors);
    return status;
}

}  // namespace

extern "C" {

uint32_t LGICC_CALL SetOptions(uint32_t options, int32_t option, int32_t value)
{
    registry_guard guard;
    uint32_t result = set_option(options, option, value);
    log_set_options(options, option, value, result);
    return result;
}

lgo_transformation* LGICC_CALL LgoNewTransformPtr(void)
{
    registry_guard guard;
    lgo_transformation* handle = handle_of(register_new_transformation());
    log_new_transform(logged(handle));
    return handle;
}

int16_t LGICC_CALL LgoCreateMatchTransformation(lgo_transformation* handle, const char* source_path,
                                                const char* destination_path, int32_t reserved1,
                                                uint32_t options, int32_t reserved2,
                                                int32_t reserved3, int32_t sample_bytes,
                                                int32_t reserved4)
{
    return create(handle, source_path, destination_path, reserved1, options, reserved2, reserved3, sample_bytes,
                  reserved4);
}

int16_t LGICC_CALL LgoCreateMatchTransformationW(lgo_transformation* handle, const wchar_t* source_path,
                                                 const wchar_t* destination_path, int32_t reserved1,
                                                 uint32_t options, int32_t reserved2,
                                                 int32_t reserved3, int32_t sample_bytes,
                                                 int32_t reserved4)
{
    return create(handle, source_path, destination_path, reserved1, options, reserved2, reserved3, sample_bytes,
                  reserved4);
}

int16_t LGICC_CALL LgoICCMatchColors(lgo_transformation* handle, uint32_t options, const uint16_t* input,
                                     uint16_t* output, int32_t count, uint16_t source_channels,
                                     uint16_t destination_channels, int32_t reserved1,
                                     int32_t reserved2, int32_t sample_bytes, int32_t reserved3)
{
    registry_guard guard;
    const transformation_object* t = find_live(handle);
    log_match_arguments(logged(handle), options, input, count, source_channels, destination_channels,
                        reserved1, reserved2, sample_bytes, reserved3);
    int16_t status = LGICC_OK;
    if (!t)
        status = LGICC_ERR_TRANSFORMATION;
    else if (!match_constants_valid(reserved1, reserved2, sample_bytes, reserved3))
        status = LGICC_ERR_ARGUMENT;
    else if (!options_valid(options))
        status = LGICC_ERR_OPTIONS;
    else if (!t->transform)
        status = LGICC_ERR_NOT_PREPARED;
    else if (options != t->options)
        status = LGICC_ERR_OPTIONS_CHANGED;
    else if (source_channels != channels_of(t->source_space) ||
             destination_channels != channels_of(t->destination_space))
        status = LGICC_ERR_CHANNELS;
    else if (!input || !output || count < 1)
        status = LGICC_ERR_BUFFER;
    else
        status = convert(t, input, output, count);
    log_match_outcome(status == LGICC_OK ? output : nullptr, count, destination_channels, status);
    return status;
}

int16_t LGICC_CALL LgoDeleteMatchTransformation(lgo_transformation* handle)
{
    registry_guard guard;
    logged_object who = logged(handle);
    transformation_object* t = find_live(handle);
    int16_t status = LGICC_ERR_TRANSFORMATION;
    if (t) {
        destroy_transformation(t);
        status = LGICC_OK;
    }
    log_delete(who, status);
    return status;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    // A host that unloads the module with objects still alive gets their
    // profiles and transforms back. At process exit (reserved non-null) the
    // colour system may already be gone, so nothing is touched then.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
        registry_guard guard;
        destroy_all_transformations();
        release_serial_count();
    }
    return TRUE;
}

}  // extern "C"
