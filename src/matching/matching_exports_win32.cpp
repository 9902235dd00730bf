// The matching exports: the one session through LgICC.dll, the rendering
// intent it begins with, and matching to the current printer profile.
#include <windows.h>

#include <cstring>

#include "frame/library_state.h"
#include "huex.h"
#include "lgicc/lgicc.h"
#include "matching/full_profile_path_win32.h"
#include "matching/matching_element.h"
#include "matching/matching_session.h"
#include "matching/printer_transform.h"
#include "profiles/profile_file_win32.h"
#include "profiles/profile_settings.h"

namespace {

lgo_transformation* session_transformation()
{
    return static_cast<lgo_transformation*>(session.transformation);
}

}  // namespace

extern "C" short WINAPI HUEX_BeginMatchingSession(const char* source, const char* destination)
{
    char source_buffer[MAX_PATH], destination_buffer[MAX_PATH];
    source = full_profile_path(source, source_buffer);
    destination = full_profile_path(destination, destination_buffer);
    const uint32_t options = SetOptions(SetOptions(0, LGICC_OPTION_INTENT, rendering_intent),
                                        LGICC_OPTION_XYZ_ENCODING, LGICC_XYZ_ICC);
    lgo_transformation* made = LgoNewTransformPtr();
    if (made == nullptr) return HUEX_NO_MEMORY;

    // A session the host left open is replaced; its object would otherwise
    // stay with the module for the life of the process.
    end_matching_session();
    session.options = options;
    session.transformation = made;
    session.source_kind = profile_type_of(source);
    session.destination_kind = profile_type_of(destination);
    session.source_channels = source_channels_of(session.source_kind);
    session.destination_channels = destination_channels_of(session.destination_kind);

    if (session.source_channels == 0 || session.destination_channels == 0 ||
        LgoCreateMatchTransformation(made, source, destination, LGICC_RESERVED, options,
                                     LGICC_RESERVED, LGICC_RESERVED, LGICC_SAMPLE_BYTES,
                                     LGICC_RESERVED) != LGICC_OK) {
        // No caller ends a session whose begin failed: release it now.
        end_matching_session();
        return HUEX_NOT_SUPPORTED;
    }
    return HUEX_OK;
}

extern "C" short WINAPI HUEX_BeginMatching(const char* destination)
{
    return HUEX_BeginMatchingSession(monitor_profile_path, destination);
}

extern "C" short WINAPI HUEX_Match(LONG count, void* colors)
{
    if (count <= 0) return HUEX_OK;
    WORD* element = static_cast<WORD*>(colors);
    for (LONG i = 0; i < count; ++i, element += 4) {
        if (session.transformation == nullptr || element == nullptr) return HUEX_NOT_SUPPORTED;
        uint16_t input[4];
        if (session.destination_channels == 0 || !module_input(session.source_kind, element, input)) {
            end_matching_session();
            return HUEX_NOT_SUPPORTED;
        }
        uint16_t output[4] = {0, 0, 0, 0};
        if (LgoICCMatchColors(session_transformation(), session.options, input, output, 1,
                              session.source_channels, session.destination_channels, LGICC_RESERVED,
                              LGICC_RESERVED, LGICC_SAMPLE_BYTES, LGICC_RESERVED) != LGICC_OK)
            return HUEX_NOT_SUPPORTED;
        write_back(session.destination_channels, output, element);
    }
    return HUEX_OK;
}

extern "C" short WINAPI HUEX_EndMatching(void)
{
    end_matching_session();
    return HUEX_OK;
}

extern "C" LONG WINAPI HUEX_GetRenderingIntent(void) { return rendering_intent; }

extern "C" LONG WINAPI HUEX_SetRenderingIntent(LONG intent)
{
    const LONG previous = rendering_intent;
    if (intent != previous) drop_printer_transform();
    rendering_intent = intent;
    return previous;
}

extern "C" short WINAPI HUEX_MatchToPrinterProfile(LONG count, void* colors)
{
    const char* printer = current_printer_profile();
    short status = HUEX_OK;
    if (std::strcmp(printer, default_printer_profile_name) == 0) {
        // The built-in printer has no profile: the guide's recipes are its values.
        WORD* element = static_cast<WORD*>(colors);
        for (LONG i = 0; i < count && status == HUEX_OK; ++i, element += 4) {
            WORD cmyk[4];
            status = HUEX_GetColorCMYK(reinterpret_cast<const extended_color*>(element), cmyk, 0);
            if (status == HUEX_OK) std::memcpy(element, cmyk, sizeof cmyk);
        }
    } else {
        status = HUEX_BeginMatching(printer);
        if (status == HUEX_OK) {
            status = HUEX_Match(count, colors);
            end_matching_session();
        }
    }
    return status;
}
