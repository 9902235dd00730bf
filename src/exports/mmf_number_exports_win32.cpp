// The big-endian number exports and the decoders and texts beside them.
#include <windows.h>

#include "context/thread_texts.h"
#include "huex.h"
#include "icc/icc_directory.h"
#include "icc/icc_numbers.h"

namespace {

// The host hands a bare pointer to as many bytes as the number is wide, so
// the span is exactly that wide.
byte_span bytes(const void* p, size_t width) { return byte_span{static_cast<const uint8_t*>(p), width}; }

uint32_t word_at(const void* p) {
    uint32_t v = 0;
    bytes(p, 4).u32_be(0, &v);
    return v;
}

}  // namespace

extern "C" icUInt8Number WINAPI MMF_read_icUInt8Number(const void* p) {
    uint8_t v = 0;
    bytes(p, 1).u8(0, &v);
    return v;
}

extern "C" icUInt16Number WINAPI MMF_read_icUInt16Number(const void* p) {
    uint16_t v = 0;
    bytes(p, 2).u16_be(0, &v);
    return v;
}

extern "C" icUInt32Number WINAPI MMF_read_icUInt32Number(const void* p) { return word_at(p); }

extern "C" icS15Fixed16Number WINAPI MMF_read_icS15Fixed16Number(const void* p) {
    return LONG(word_at(p));
}

extern "C" icSignature WINAPI MMF_read_icSignature(const void* p) { return word_at(p); }

extern "C" void WINAPI MMF_read_icDateTimeNumber(const void* p, icDateTimeNumber* date) {
    icc_date_time d;
    if (date == nullptr || !icc_read_date_time(bytes(p, 12), 0, &d)) return;
    date->year = d.year;
    date->month = d.month;
    date->day = d.day;
    date->hours = d.hours;
    date->minutes = d.minutes;
    date->seconds = d.seconds;
}

extern "C" void WINAPI MMF_read_icXYZNumber(const void* p, icXYZNumber* xyz) {
    icc_xyz_raw raw;
    if (xyz == nullptr || !icc_read_xyz_number(bytes(p, 12), 0, &raw)) return;
    xyz->X = LONG(raw.x);
    xyz->Y = LONG(raw.y);
    xyz->Z = LONG(raw.z);
}

extern "C" void WINAPI decode_s15Fixed16Number(icS15Fixed16Number raw, double* value) {
    if (value != nullptr) *value = icc_s15fixed16_value(uint32_t(raw));
}

extern "C" void WINAPI decode_XYZNumber(icS15Fixed16Number x, icS15Fixed16Number y,
                                        icS15Fixed16Number z, double* X, double* Y, double* Z) {
    if (X == nullptr || Y == nullptr || Z == nullptr) return;
    icc_decode_xyz(uint32_t(x), uint32_t(y), uint32_t(z), X, Y, Z);
}

extern "C" double WINAPI convert_icUInt16Number_to_double(DWORD value) {
    return icc_u16_value(value);
}

extern "C" LONG WINAPI decimal4(double value) { return icc_decimal4(value); }

// The texts are the calling thread's own (context/thread_texts.h). Without
// memory for them a host still gets a text it can print, only an empty one.
namespace {
char* no_text() { return const_cast<char*>(""); }
}

extern "C" char* WINAPI sz_signature(icSignature signature) {
    thread_texts* texts = this_thread_texts();
    return texts != nullptr ? icc_format_signature(signature, texts->signature) : no_text();
}

extern "C" char* WINAPI sz_XYZNumber(icS15Fixed16Number x, icS15Fixed16Number y,
                                     icS15Fixed16Number z) {
    thread_texts* texts = this_thread_texts();
    return texts != nullptr ? icc_format_xyz(uint32_t(x), uint32_t(y), uint32_t(z), texts->number) : no_text();
}

extern "C" char* WINAPI sz_xy_from_XYZNumber(icS15Fixed16Number x, icS15Fixed16Number y,
                                             icS15Fixed16Number z) {
    thread_texts* texts = this_thread_texts();
    return texts != nullptr ? icc_format_xy(uint32_t(x), uint32_t(y), uint32_t(z), texts->number) : no_text();
}
