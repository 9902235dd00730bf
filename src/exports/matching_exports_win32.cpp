// The matching exports: the one session through LgICC.dll, the rendering
// intent it begins with, matching to the current printer profile, and the
// CMYK of a guide colour. A refusal of the colour-matching module reaches
// the host as HUEX_NOT_SUPPORTED (HUEX_NO_MEMORY when it had no memory), and
// its cause through GetLastError: HUEX_MATCHING_ERROR_BASE + the module's status.
#include <windows.h>

#include <cstring>
#include <cwchar>

#include "colorlib/extended_color.h"
#include "context/library_guard.h"
#include "exports/export_status.h"
#include "frame/path_text_win32.h"
#include "huex.h"
#include "lgicc/lgicc.h"
#include "matching/full_profile_path_win32.h"
#include "matching/matching_element.h"
#include "matching/printer_cmyk.h"
#include "matching/printer_transform.h"
#include "profiles/profile_file_win32.h"

namespace {

short module_refused(int16_t module_status)
{
    SetLastError(static_cast<DWORD>(HUEX_MATCHING_ERROR_BASE + module_status));
    return module_status == LGICC_ERR_NO_MEMORY ? HUEX_NO_MEMORY : HUEX_NOT_SUPPORTED;
}

lgo_transformation* module_object(const matching_session& session)
{
    return static_cast<lgo_transformation*>(session.transformation);
}

short begin_session(matching_state& matching, const wchar_t* source, const wchar_t* destination)
{
    wchar_t source_buffer[MAX_PATH], destination_buffer[MAX_PATH];
    source = full_profile_path(source, source_buffer);
    destination = full_profile_path(destination, destination_buffer);
    const uint32_t options = SetOptions(SetOptions(0, LGICC_OPTION_INTENT, matching.rendering_intent),
                                        LGICC_OPTION_XYZ_ENCODING, LGICC_XYZ_ICC);
    lgo_transformation* made = LgoNewTransformPtr();
    if (made == nullptr) return module_refused(LGICC_ERR_NO_MEMORY);

    // A session the host left open is replaced; its object would otherwise
    // stay with the module for the life of the process.
    matching_session& session = matching.session;
    end_matching_session(session);
    session.options = options;
    session.transformation = made;
    session.source_kind = profile_type_of(source);
    session.destination_kind = profile_type_of(destination);
    session.source_channels = source_channels_of(session.source_kind);
    session.destination_channels = destination_channels_of(session.destination_kind);

    const int16_t module_status =
        session.source_channels == 0 || session.destination_channels == 0
            ? int16_t(LGICC_ERR_COLOR_SPACE)
            : LgoCreateMatchTransformationW(made, source, destination, LGICC_RESERVED, options, LGICC_RESERVED,
                                           LGICC_RESERVED, LGICC_SAMPLE_BYTES, LGICC_RESERVED);
    if (module_status == LGICC_OK) return HUEX_OK;
    // No caller ends a session whose begin failed: release it now.
    end_matching_session(session);
    return module_refused(module_status);
}

short match_colors(matching_state& matching, LONG count, void* colors)
{
    if (count <= 0) return HUEX_OK;
    matching_session& session = matching.session;
    WORD* element = static_cast<WORD*>(colors);
    for (LONG i = 0; i < count; ++i, element += 4) {
        if (session.transformation == nullptr) return module_refused(LGICC_ERR_NOT_PREPARED);
        if (element == nullptr) return module_refused(LGICC_ERR_BUFFER);
        uint16_t input[4];
        if (session.destination_channels == 0 || !module_input(session.source_kind, element, input)) {
            end_matching_session(session);
            return module_refused(LGICC_ERR_CHANNELS);
        }
        uint16_t output[4] = {0, 0, 0, 0};
        const int16_t module_status =
            LgoICCMatchColors(module_object(session), session.options, input, output, 1, session.source_channels,
                              session.destination_channels, LGICC_RESERVED, LGICC_RESERVED, LGICC_SAMPLE_BYTES,
                              LGICC_RESERVED);
        if (module_status != LGICC_OK) return module_refused(module_status);
        write_back(session.destination_channels, output, element);
    }
    return HUEX_OK;
}

}  // namespace

extern "C" short WINAPI HUEX_BeginMatchingSessionW(const wchar_t* source, const wchar_t* destination)
{
    const wide_argument from = copied(source), to = copied(destination);
    library_guard lib;
    return begin_session(lib->matching, from.path(), to.path());
}

extern "C" short WINAPI HUEX_BeginMatchingSession(const char* source, const char* destination)
{
    const wide_argument from = widened(source), to = widened(destination);
    library_guard lib;
    return begin_session(lib->matching, from.path(), to.path());
}

extern "C" short WINAPI HUEX_BeginMatchingW(const wchar_t* destination)
{
    const wide_argument to = copied(destination);
    library_guard lib;
    return begin_session(lib->matching, lib->profiles.monitor_profile_path, to.path());
}

extern "C" short WINAPI HUEX_BeginMatching(const char* destination)
{
    const wide_argument to = widened(destination);
    library_guard lib;
    return begin_session(lib->matching, lib->profiles.monitor_profile_path, to.path());
}

extern "C" short WINAPI HUEX_Match(LONG count, void* colors)
{
    library_guard lib;
    return match_colors(lib->matching, count, colors);
}

extern "C" short WINAPI HUEX_EndMatching(void)
{
    library_guard lib;
    end_matching_session(lib->matching.session);
    return HUEX_OK;
}

extern "C" LONG WINAPI HUEX_GetRenderingIntent(void)
{
    library_guard lib;
    return lib->matching.rendering_intent;
}

extern "C" LONG WINAPI HUEX_SetRenderingIntent(LONG intent)
{
    library_guard lib;
    const LONG previous = lib->matching.rendering_intent;
    if (intent != previous) drop_printer_transform(lib->matching);
    lib->matching.rendering_intent = intent;
    return previous;
}

extern "C" short WINAPI HUEX_GetColorCMYK(const extended_color* color, WORD* cmyk, short d50)
{
    if (color == nullptr || cmyk == nullptr) return HUEX_NO_COLOR;
    const extended_color asked = *color;
    uint16_t answer[4];
    status s;
    {
        library_guard lib;
        const colorid id = record_to_colorid(lib->catalogue, &asked);
        s = id == no_color ? status::no_color
                           : printer_cmyk(lib->catalogue, lib->profiles, lib->platform, lib->matching, id, answer, d50);
    }
    if (s == status::ok) std::memcpy(cmyk, answer, sizeof answer);
    return export_status(s);
}

extern "C" short WINAPI HUEX_MatchToPrinterProfile(LONG count, void* colors)
{
    library_guard lib;
    matching_state& matching = lib->matching;
    const wchar_t* printer = lib->profiles.printer_profile_path;
    if (std::wcscmp(printer, lib->platform.default_printer_profile_path) == 0) {
        // The built-in printer has no profile: the guide's recipes are its values.
        status s = status::ok;
        WORD* element = static_cast<WORD*>(colors);
        for (LONG i = 0; i < count && s == status::ok; ++i, element += 4) {
            if (element == nullptr) return HUEX_NO_COLOR;
            const colorid id = record_to_colorid(lib->catalogue, reinterpret_cast<const extended_color*>(element));
            uint16_t cmyk[4];
            s = id == no_color ? status::no_color
                               : printer_cmyk(lib->catalogue, lib->profiles, lib->platform, matching, id, cmyk, 0);
            if (s == status::ok) std::memcpy(element, cmyk, sizeof cmyk);
        }
        return export_status(s);
    }
    short result = begin_session(matching, lib->profiles.monitor_profile_path, printer);
    if (result == HUEX_OK) {
        result = match_colors(matching, count, colors);
        end_matching_session(matching.session);
    }
    return result;
}
