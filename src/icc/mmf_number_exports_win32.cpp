// The big-endian number exports and the decoders and texts beside them.
#include <windows.h>

#include "huex.h"
#include "icc/icc_numbers.h"
#include "icc/icc_parse.h"

namespace {
const uint8_t* bytes(const void* p) { return static_cast<const uint8_t*>(p); }
}  // namespace

extern "C" icUInt8Number WINAPI MMF_read_icUInt8Number(const void* p) {
    return p != nullptr ? icc_u8(bytes(p)) : 0;
}

extern "C" icUInt16Number WINAPI MMF_read_icUInt16Number(const void* p) {
    return p != nullptr ? icc_u16(bytes(p)) : 0;
}

extern "C" icUInt32Number WINAPI MMF_read_icUInt32Number(const void* p) {
    return p != nullptr ? icc_u32(bytes(p)) : 0;
}

extern "C" icS15Fixed16Number WINAPI MMF_read_icS15Fixed16Number(const void* p) {
    return p != nullptr ? LONG(icc_u32(bytes(p))) : 0;
}

extern "C" icSignature WINAPI MMF_read_icSignature(const void* p) {
    return p != nullptr ? icc_u32(bytes(p)) : 0;
}

extern "C" void WINAPI MMF_read_icDateTimeNumber(const void* p, icDateTimeNumber* date) {
    if (p == nullptr || date == nullptr) return;
    icc_date_time d;
    icc_date_time_at(bytes(p), &d);
    date->year = d.year;
    date->month = d.month;
    date->day = d.day;
    date->hours = d.hours;
    date->minutes = d.minutes;
    date->seconds = d.seconds;
}

extern "C" void WINAPI MMF_read_icXYZNumber(const void* p, icXYZNumber* xyz) {
    if (p == nullptr || xyz == nullptr) return;
    icc_xyz_raw raw;
    icc_xyz_at(bytes(p), &raw);
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

extern "C" char* WINAPI sz_signature(icSignature signature) {
    return icc_format_signature(signature);
}

extern "C" char* WINAPI sz_XYZNumber(icS15Fixed16Number x, icS15Fixed16Number y,
                                     icS15Fixed16Number z) {
    return icc_format_xyz(uint32_t(x), uint32_t(y), uint32_t(z));
}

extern "C" char* WINAPI sz_xy_from_XYZNumber(icS15Fixed16Number x, icS15Fixed16Number y,
                                             icS15Fixed16Number z) {
    return icc_format_xy(uint32_t(x), uint32_t(y), uint32_t(z));
}
