#include "matching/printer_transform.h"

#include <windows.h>

#include <cstring>

#include "huex.h"
#include "lgicc/lgicc.h"
#include "matching/full_profile_path_win32.h"
#include "matching/matching_element.h"
#include "matching/matching_session.h"

namespace {

// What identifies the contents of a file without reading it: the same size,
// last write and change time is the same bytes. The change time moves when
// the file is rewritten and when another file is put in its place, even a
// copy that keeps its own last-write time; it stands in for the volume
// serial and file index, whose query costs milliseconds under Wine (a volume
// look-up each time), more than preparing the transformation afresh.
struct file_stamp {
    LARGE_INTEGER written, changed, size;
};

bool stamp_of(const char* path, file_stamp* stamp)
{
    // Shared for reading like the module's own read, so it fails exactly
    // where preparing would.
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    FILE_BASIC_INFO basic;
    FILE_STANDARD_INFO standard;
    const bool ok =
        GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) &&
        GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard);
    CloseHandle(file);
    if (!ok) return false;
    *stamp = file_stamp{basic.LastWriteTime, basic.ChangeTime, standard.EndOfFile};
    return true;
}

bool same_stamp(const file_stamp& a, const file_stamp& b)
{
    return a.written.QuadPart == b.written.QuadPart && a.changed.QuadPart == b.changed.QuadPart &&
           a.size.QuadPart == b.size.QuadPart;
}

struct prepared_transform {
    lgo_transformation* transformation;  // null when nothing is prepared
    uint32_t options;
    int32_t intent;
    int16_t source_kind;
    uint16_t source_channels, destination_channels;
    char source[MAX_PATH], destination[MAX_PATH];
    file_stamp source_stamp, destination_stamp;
};

prepared_transform prepared = {};

bool prepared_for(const char* source, const char* destination, const file_stamp& source_stamp,
                  const file_stamp& destination_stamp)
{
    return prepared.transformation != nullptr && prepared.intent == rendering_intent &&
           std::strcmp(prepared.source, source) == 0 &&
           std::strcmp(prepared.destination, destination) == 0 &&
           same_stamp(prepared.source_stamp, source_stamp) &&
           same_stamp(prepared.destination_stamp, destination_stamp);
}

// The same checks and module calls as a matching session's begin.
bool prepare(const char* source, const char* destination)
{
    prepared.source_kind = HUEX_GetProfileType(source);
    prepared.source_channels = source_channels_of(prepared.source_kind);
    prepared.destination_channels = destination_channels_of(HUEX_GetProfileType(destination));
    if (prepared.source_channels == 0 || prepared.destination_channels == 0) return false;
    prepared.intent = rendering_intent;
    prepared.options = SetOptions(SetOptions(0, LGICC_OPTION_INTENT, rendering_intent),
                                  LGICC_OPTION_XYZ_ENCODING, LGICC_XYZ_ICC);
    prepared.transformation = LgoNewTransformPtr();
    if (prepared.transformation == nullptr) return false;
    if (LgoCreateMatchTransformation(prepared.transformation, source, destination, LGICC_RESERVED,
                                     prepared.options, LGICC_RESERVED, LGICC_RESERVED,
                                     LGICC_SAMPLE_BYTES, LGICC_RESERVED) != LGICC_OK) {
        drop_printer_transform();
        return false;
    }
    std::strcpy(prepared.source, source);
    std::strcpy(prepared.destination, destination);
    return true;
}

}  // namespace

bool match_to_printer(const char* source, const char* destination, uint16_t element[4])
{
    char source_buffer[MAX_PATH], destination_buffer[MAX_PATH];
    source = full_profile_path(source, source_buffer);
    destination = full_profile_path(destination, destination_buffer);
    file_stamp source_stamp, destination_stamp;
    // Stamped before preparing: a file that changes while the module reads
    // it is prepared again at the next call, never kept under a newer stamp.
    if (source == nullptr || destination == nullptr || std::strlen(source) >= MAX_PATH ||
        std::strlen(destination) >= MAX_PATH || !stamp_of(source, &source_stamp) ||
        !stamp_of(destination, &destination_stamp)) {
        drop_printer_transform();
        return false;
    }
    if (!prepared_for(source, destination, source_stamp, destination_stamp)) {
        drop_printer_transform();
        if (!prepare(source, destination)) return false;
        prepared.source_stamp = source_stamp;
        prepared.destination_stamp = destination_stamp;
    }
    uint16_t input[4];
    uint16_t output[4] = {0, 0, 0, 0};
    module_input(prepared.source_kind, element, input);
    if (LgoICCMatchColors(prepared.transformation, prepared.options, input, output, 1,
                          prepared.source_channels, prepared.destination_channels, LGICC_RESERVED,
                          LGICC_RESERVED, LGICC_SAMPLE_BYTES, LGICC_RESERVED) != LGICC_OK) {
        drop_printer_transform();
        return false;
    }
    return write_back(prepared.destination_channels, output, element);
}

void drop_printer_transform()
{
    if (prepared.transformation != nullptr) LgoDeleteMatchTransformation(prepared.transformation);
    prepared = prepared_transform{};
}
