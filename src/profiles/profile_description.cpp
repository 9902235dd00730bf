#include "profiles/profile_description.h"

#include <cstring>

#include "icc/icc_tag_readers.h"

bool read_description_tag(byte_span file, icc_tag_entry tag, uint32_t type_signature,
                          char* buffer, int32_t buffer_length)
{
    if (type_signature == icc_type_mluc)
        return icc_read_mluc_description(file, tag, buffer, buffer_length);
    return icc_read_description(file, tag, buffer, buffer_length);
}

void profile_description_of(byte_span file, char* buffer, int32_t buffer_length)
{
    if (buffer == nullptr || buffer_length < 1) return;
    icc_tag_entry tag;
    uint32_t type;
    // A description that cannot be read must not leave whatever the buffer
    // held before (another profile's name in a list) standing for this one.
    if (icc_find_tag(file, icc_tag_desc, &tag, &type) &&
        read_description_tag(file, tag, type, buffer, buffer_length))
        return;
    const char unknown[] = "???";
    const int32_t n = buffer_length - 1 < 3 ? buffer_length - 1 : 3;
    std::memcpy(buffer, unknown, size_t(n));
    buffer[n] = '\0';
}

template <class Char>
const Char* file_name_in(const Char* path)
{
    const Char* name = path;
    for (const Char* p = path; *p != 0; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
    return name;
}

const char* profile_file_name(const char* path) { return file_name_in(path); }
const wchar_t* profile_file_name(const wchar_t* path) { return file_name_in(path); }
