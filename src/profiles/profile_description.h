// The description of a profile as the user sees it, in ANSI text. Version 2
// profiles keep it in a textDescriptionType tag; version 4 profiles in a
// multiLocalizedUnicodeType ("mluc") tag, which the plain description reader
// would show as an empty or garbled name.
#pragma once
#include <cstdint>

#include "frame/byte_span.h"
#include "icc/icc_directory.h"

// The description tag at `tag`, whose type is type_signature: an "mluc" tag
// through icc_read_mluc_description, any other as a textDescriptionType.
bool read_description_tag(byte_span file, icc_tag_entry tag, uint32_t type_signature,
                          char* buffer, int32_t buffer_length);

// The first "desc" tag's text, or "???" (cut to the buffer) when the profile
// has none or it cannot be read. Nothing is written when buffer_length < 1.
void profile_description_of(byte_span file, char* buffer, int32_t buffer_length);

// The final component of a path (after the last backslash, '/' or ':'): the name
// a profile without a description goes by, rather than the name of whatever
// profile was current before it.
const char* profile_file_name(const char* path);
const wchar_t* profile_file_name(const wchar_t* path);
