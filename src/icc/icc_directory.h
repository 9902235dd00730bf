// The header, tag count and tag directory of an ICC profile held as the bytes
// of the whole file, without Windows. Every function takes the file as a
// byte_span and never reads outside it: a directory entry or tag that does
// not lie wholly inside the file is refused (false / 0) and nothing is
// written. Offsets, sizes, counts and indices from the file are compared in
// 64 bits, so no value stored in a profile can make a check wrap around.
//
// The header and tag records below have exactly the layouts of
// MMF_profile_header and MMF_tag_entry in include/huex.h (the export glue
// checks that at compile time), so the exports hand them out unchanged.
#pragma once
#include <cstddef>
#include <cstdint>

#include "frame/byte_span.h"
#include "icc/icc_signatures.h"

constexpr uint32_t icc_header_size = 128;     // header bytes 0-127
constexpr uint32_t icc_tag_count_offset = 128;
constexpr uint32_t icc_directory_offset = 132;
constexpr uint32_t icc_tag_entry_size = 12;
constexpr uint32_t icc_tag_preamble_size = 8; // type signature + 4 reserved

struct icc_date_time {
    uint16_t year, month, day, hours, minutes, seconds;
};

// Three raw s15Fixed16 words (decode with icc_numbers.h).
struct icc_xyz_raw {
    uint32_t x, y, z;
};

// Header bytes 0-79 in host order, no field validated.
struct icc_profile_header {
    uint32_t size;
    uint32_t cmm_type;
    uint32_t version;
    uint32_t device_class;
    uint32_t color_space;
    uint32_t connection_space;
    icc_date_time date;
    uint32_t magic;
    uint32_t platform;
    uint32_t flags;
    uint32_t manufacturer;
    uint32_t model;
    uint32_t attributes_high;
    uint32_t attributes_low;
    uint32_t rendering_intent;
    icc_xyz_raw illuminant;
};

struct icc_tag_entry {
    uint32_t signature;
    uint32_t offset; // of the tag's data (type signature first) from the file start
    uint32_t size;   // of the tag's data, preamble included
};

// dateTimeNumber and XYZNumber (12 bytes each) at `at`; false (nothing
// written) when they do not lie inside the span.
bool icc_read_date_time(byte_span bytes, uint64_t at, icc_date_time* out);
bool icc_read_xyz_number(byte_span bytes, uint64_t at, icc_xyz_raw* out);

// Header: false (nothing written) when the file is shorter than 128 bytes.
bool icc_read_header(byte_span file, icc_profile_header* out);

// The count word at byte 128 as stored; 0 when the file is shorter than 132.
// The stored count may promise more entries than the file holds: each entry
// is checked when it is read.
uint32_t icc_tag_count(byte_span file);

// Directory entry `index` and the type signature at the start of its tag.
// False (nothing written) when index < 0 or index >= the stored count, when
// the 12 entry bytes are not inside the file, or when the tag's data
// [offset, offset + max(size, 4)) is not inside the file.
bool icc_read_tag(byte_span file, int32_t index, icc_tag_entry* entry,
                  uint32_t* type_signature);

// First directory entry with the given tag signature that icc_read_tag
// accepts; false when there is none. Either output may be null.
bool icc_find_tag(byte_span file, uint32_t tag_signature, icc_tag_entry* entry,
                  uint32_t* type_signature);

// Calls visit(entry, type_signature) for every directory entry that
// icc_read_tag accepts, in directory order, until visit returns false. The
// walk ends where the directory leaves the file, whatever the count says.
template <class Visit>
void icc_for_each_tag(byte_span file, Visit visit) {
    const uint32_t count = icc_tag_count(file);
    for (uint32_t i = 0; i < count && i <= 0x7FFFFFFFu; ++i) {
        if (!file.holds(icc_directory_offset + uint64_t(icc_tag_entry_size) * i, icc_tag_entry_size)) return;
        icc_tag_entry entry;
        uint32_t type;
        if (icc_read_tag(file, int32_t(i), &entry, &type) && !visit(entry, type)) return;
    }
}

// The tag's contents proper, [offset + 8, offset + size), or an empty span
// (data null) when the tag is not wholly inside the file or size < 8. Every
// tag reader (icc_tag_readers.h) bounds its reads by this span.
byte_span icc_tag_contents(byte_span file, icc_tag_entry entry);
