// The MMF_ header, directory and tag-type exports: one view per call, the
// portable readers on the file's bytes, the view released on every path.
#include <cstddef>
#include <windows.h>

#include "huex.h"
#include "icc/icc_directory.h"
#include "icc/icc_tag_readers.h"
#include "icc/mmf_view_win32.h"

// The exports hand out the portable records unchanged.
static_assert(sizeof(MMF_profile_header) == sizeof(icc_profile_header), "header layout");
static_assert(offsetof(MMF_profile_header, date) == offsetof(icc_profile_header, date), "date");
static_assert(offsetof(MMF_profile_header, magic) == offsetof(icc_profile_header, magic), "magic");
static_assert(offsetof(MMF_profile_header, illuminant) == offsetof(icc_profile_header, illuminant),
              "illuminant");
static_assert(offsetof(MMF_profile_header, date) == 24, "date at byte 24");
static_assert(offsetof(MMF_profile_header, illuminant) == 68, "illuminant at byte 68");
static_assert(sizeof(MMF_tag_entry) == sizeof(icc_tag_entry), "tag entry layout");
static_assert(sizeof(MMF_lut_header) == sizeof(icc_lut_header), "lut header layout");
static_assert(offsetof(MMF_lut_header, input_channels) == offsetof(icc_lut_header, input_channels),
              "lut channels");
static_assert(offsetof(MMF_lut_header, e00) == offsetof(icc_lut_header, matrix), "lut matrix");
static_assert(offsetof(MMF_lut_header, e22) == offsetof(icc_lut_header, matrix) + 32, "lut e22");
static_assert(offsetof(MMF_lut_header, input_entries) == offsetof(icc_lut_header, input_entries),
              "lut entries");
static_assert(sizeof(icXYZNumber) == sizeof(icc_xyz_raw), "XYZ layout");
static_assert(sizeof(icDateTimeNumber) == sizeof(icc_date_time), "date layout");

namespace {

icc_tag_entry portable(MMF_tag_entry tag) {
    icc_tag_entry e;
    e.signature = tag.signature;
    e.offset = tag.offset;
    e.size = tag.size;
    return e;
}

// One read: maps the profile, hands read() the file's bytes and releases
// the view whatever read() answers. False when the view cannot be made.
template <class Read>
bool read_profile(HANDLE mapping, Read read) {
    mmf_view v;
    if (!map_profile_view(mapping, &v)) return false;
    const bool ok = read(v.file);
    release_profile_view(&v);
    return ok;
}

}  // namespace

extern "C" BOOL WINAPI MMF_read_profile_header(HANDLE mapping, MMF_profile_header* header) {
    icc_profile_header h;
    if (header == nullptr ||
        !read_profile(mapping, [&](byte_span file) { return icc_read_header(file, &h); }))
        return 0;
    CopyMemory(header, &h, sizeof h);
    return 1;
}

extern "C" DWORD WINAPI MMF_read_profile_tag_count(HANDLE mapping) {
    DWORD count = 0;
    read_profile(mapping, [&](byte_span file) { return (count = icc_tag_count(file)) != 0; });
    return count;
}

extern "C" BOOL WINAPI MMF_read_tag(HANDLE mapping, LONG index, MMF_tag_entry* entry,
                                    icSignature* type_signature) {
    icc_tag_entry e;
    uint32_t type;
    if (entry == nullptr || type_signature == nullptr ||
        !read_profile(mapping, [&](byte_span file) { return icc_read_tag(file, index, &e, &type); }))
        return 0;
    entry->signature = e.signature;
    entry->offset = e.offset;
    entry->size = e.size;
    *type_signature = type;
    return 1;
}

extern "C" const BYTE* WINAPI MMF_offset_to_tag(const void* view, MMF_tag_entry tag) {
    // Address arithmetic only: the caller owns the view and its bounds.
    return reinterpret_cast<const BYTE*>(reinterpret_cast<UINT_PTR>(view) + tag.offset + 8);
}

extern "C" BOOL WINAPI MMF_read_textType(HANDLE mapping, MMF_tag_entry tag, char* buffer) {
    return buffer != nullptr &&
           read_profile(mapping, [&](byte_span file) { return icc_read_text(file, portable(tag), buffer); });
}

extern "C" BOOL WINAPI MMF_read_ProfileDescriptionType(HANDLE mapping, MMF_tag_entry tag,
                                                       char* buffer, LONG length) {
    return buffer != nullptr && read_profile(mapping, [&](byte_span file) {
               return icc_read_description(file, portable(tag), buffer, length);
           });
}

extern "C" BOOL WINAPI MMF_read_XYZType(HANDLE mapping, MMF_tag_entry tag, icXYZNumber* xyz) {
    icc_xyz_raw raw;
    if (xyz == nullptr ||
        !read_profile(mapping, [&](byte_span file) { return icc_read_xyz(file, portable(tag), &raw); }))
        return 0;
    xyz->X = LONG(raw.x);
    xyz->Y = LONG(raw.y);
    xyz->Z = LONG(raw.z);
    return 1;
}

extern "C" DWORD WINAPI MMF_get_CurveType_count(HANDLE mapping, MMF_tag_entry tag) {
    DWORD count = 0;
    read_profile(mapping, [&](byte_span file) { return (count = icc_curve_count(file, portable(tag))) != 0; });
    return count;
}

extern "C" BOOL WINAPI MMF_read_CurveType_index(HANDLE mapping, MMF_tag_entry tag, DWORD index,
                                                double* value) {
    return value != nullptr && read_profile(mapping, [&](byte_span file) {
               return icc_read_curve_entry(file, portable(tag), index, value);
           });
}

extern "C" DWORD WINAPI get_UIntArrayType_count(MMF_tag_entry tag, icSignature type_signature) {
    return icc_uint_array_count(portable(tag), type_signature);
}

extern "C" BOOL WINAPI MMF_read_UInt8ArrayType(HANDLE mapping, MMF_tag_entry tag, DWORD index,
                                               BYTE* value) {
    return value != nullptr && read_profile(mapping, [&](byte_span file) {
               return icc_read_uint8_element(file, portable(tag), index, value);
           });
}

extern "C" BOOL WINAPI MMF_read_UInt32ArrayType(HANDLE mapping, MMF_tag_entry tag, DWORD index,
                                                DWORD* value) {
    uint32_t word;
    if (value == nullptr || !read_profile(mapping, [&](byte_span file) {
            return icc_read_uint32_element(file, portable(tag), index, &word);
        }))
        return 0;
    *value = word;
    return 1;
}

namespace {

// Both lut readers write only their own fields, so the caller's record is
// read into the portable one first and handed back whole.
BOOL read_lut(HANDLE mapping, MMF_tag_entry tag, MMF_lut_header* lut,
              bool (*reader)(byte_span, icc_tag_entry, icc_lut_header*)) {
    if (lut == nullptr) return 0;
    icc_lut_header h;
    CopyMemory(&h, lut, sizeof h);
    if (!read_profile(mapping, [&](byte_span file) { return reader(file, portable(tag), &h); }))
        return 0;
    CopyMemory(lut, &h, sizeof h);
    return 1;
}

}  // namespace

extern "C" BOOL WINAPI MMF_read_Lut8Type(HANDLE mapping, MMF_tag_entry tag, MMF_lut_header* lut) {
    return read_lut(mapping, tag, lut, icc_read_lut8);
}

extern "C" BOOL WINAPI MMF_read_Lut16Type(HANDLE mapping, MMF_tag_entry tag,
                                          MMF_lut_header* lut) {
    return read_lut(mapping, tag, lut, icc_read_lut16);
}
