// The exports as hosts call them: every pointer-taking one refuses a null in each pointer argument in turn (and all at
// once) and writes nothing; the record exports reach the portable code with their arguments in place.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "huex.h"
#include "wine_test_support.h"

namespace {

struct arg {
    void* v;
    template <class T> operator T*() const { return static_cast<T*>(v); }
};
using args = const arg*;

// One letter per pointer argument: r a record naming a colour, p a readable
// profile's path, m its mapping, b bytes to read, o an output, h a handle
// output (0 after a failure), z an output that starts zeroed; q an optional
// output and n an argument that is always null are never nulled one by one.
struct row {
    const char* name;
    const char* slots;
    long refused;
    long (*call)(args);
};

MMF_tag_entry tag;  // the description tag of the mapped profile

const row rows[] = {
    {"HUEX_EnumPubs", "ooo", 0, [](args a) -> long { return HUEX_EnumPubs(a[0], a[1], a[2]); }},
    {"HUEX_ColorIsExtended", "r", 0, [](args a) -> long { return HUEX_ColorIsExtended(a[0]); }},
    {"HUEX_SetColorFlag", "r", 0, [](args a) -> long { return HUEX_SetColorFlag(a[0], 3), 0; }},
    {"HUEX_GetColorFlag", "r", 0, [](args a) -> long { return HUEX_GetColorFlag(a[0]); }},
    {"HUEX_SetIndex", "r", 0, [](args a) -> long { return HUEX_SetIndex(a[0], 1, 7), 0; }},
    {"HUEX_GetIndex", "r", 0, [](args a) -> long { return HUEX_GetIndex(a[0], 0); }},
    {"HUEX_EncodeColor", "o", HUEX_NO_COLOR, [](args a) -> long { return HUEX_EncodeColor(37, 0, 5, a[0]); }},
    {"HUEX_DecodeColor", "ooor", HUEX_NO_COLOR, [](args a) -> long { return HUEX_DecodeColor(a[0], a[1], a[2], a[3]); }},
    {"HUEX_GetColorRGB", "ro", HUEX_NO_COLOR, [](args a) -> long { return HUEX_GetColorRGB(a[0], a[1], 1); }},
    {"HUEX_GetColorXYZ", "ro", HUEX_NO_COLOR, [](args a) -> long { return HUEX_GetColorXYZ(a[0], a[1], 0); }},
    {"HUEX_GetColorName", "ro", 0, [](args a) -> long { return HUEX_GetColorName(a[0], a[1]); }},
    {"HUEX_GetShortColorName", "ro", 0, [](args a) -> long { return HUEX_GetShortColorName(a[0], a[1]); }},
    {"HUEX_GetColorIndex", "ro", HUEX_NO_COLOR, [](args a) -> long { return HUEX_GetColorIndex(a[0], a[1]); }},
    {"HUEX_GetColorSetName", "o", 0, [](args a) -> long { return HUEX_GetColorSetName(0, a[0]); }},
    {"MMF_open_profile_file", "phh", 0, [](args a) -> long { return MMF_open_profile_file(a[0], a[1], a[2]); }},
    {"MMF_close_profile_file", "nn", 0, [](args a) -> long { return MMF_close_profile_file(a[0], a[1]), 0; }},
    {"MMF_read_profile_header", "mo", 0, [](args a) -> long { return MMF_read_profile_header(a[0], a[1]); }},
    {"MMF_read_profile_tag_count", "m", 0, [](args a) -> long { return MMF_read_profile_tag_count(a[0]); }},
    {"MMF_read_tag", "moo", 0, [](args a) -> long { return MMF_read_tag(a[0], 0, a[1], a[2]); }},
    {"MMF_read_icUInt8Number", "b", 0, [](args a) -> long { return MMF_read_icUInt8Number(a[0]); }},
    {"MMF_read_icUInt16Number", "b", 0, [](args a) -> long { return MMF_read_icUInt16Number(a[0]); }},
    {"MMF_read_icUInt32Number", "b", 0, [](args a) -> long { return MMF_read_icUInt32Number(a[0]); }},
    {"MMF_read_icS15Fixed16Number", "b", 0, [](args a) -> long { return MMF_read_icS15Fixed16Number(a[0]); }},
    {"MMF_read_icSignature", "b", 0, [](args a) -> long { return MMF_read_icSignature(a[0]); }},
    {"MMF_read_icDateTimeNumber", "bo", 0, [](args a) -> long { return MMF_read_icDateTimeNumber(a[0], a[1]), 0; }},
    {"MMF_read_icXYZNumber", "bo", 0, [](args a) -> long { return MMF_read_icXYZNumber(a[0], a[1]), 0; }},
    {"MMF_read_textType", "mo", 0, [](args a) -> long { return MMF_read_textType(a[0], tag, a[1]); }},
    {"MMF_read_ProfileDescriptionType", "mo", 0, [](args a) -> long { return MMF_read_ProfileDescriptionType(a[0], tag, a[1], 64); }},
    {"MMF_read_XYZType", "mo", 0, [](args a) -> long { return MMF_read_XYZType(a[0], tag, a[1]); }},
    {"MMF_get_CurveType_count", "m", 0, [](args a) -> long { return MMF_get_CurveType_count(a[0], tag); }},
    {"MMF_read_CurveType_index", "mo", 0, [](args a) -> long { return MMF_read_CurveType_index(a[0], tag, 0, a[1]); }},
    {"MMF_read_UInt8ArrayType", "mo", 0, [](args a) -> long { return MMF_read_UInt8ArrayType(a[0], tag, 0, a[1]); }},
    {"MMF_read_UInt32ArrayType", "mo", 0, [](args a) -> long { return MMF_read_UInt32ArrayType(a[0], tag, 0, a[1]); }},
    {"MMF_read_Lut8Type", "mo", 0, [](args a) -> long { return MMF_read_Lut8Type(a[0], tag, a[1]); }},
    {"MMF_read_Lut16Type", "mo", 0, [](args a) -> long { return MMF_read_Lut16Type(a[0], tag, a[1]); }},
    {"decode_s15Fixed16Number", "o", 0, [](args a) -> long { return decode_s15Fixed16Number(0x10000, a[0]), 0; }},
    {"decode_XYZNumber", "ooo", 0, [](args a) -> long { return decode_XYZNumber(1, 2, 3, a[0], a[1], a[2]), 0; }},
    {"HUEX_GetMonitorProfile", "o", HUEX_NO_MEMORY, [](args a) -> long { return HUEX_GetMonitorProfile(a[0]); }},
    {"HUEX_GetPrinterProfile", "o", HUEX_NO_MEMORY, [](args a) -> long { return HUEX_GetPrinterProfile(a[0]); }},
    {"HUEX_GetDefaultPrinterProfile", "o", HUEX_NO_MEMORY, [](args a) -> long { return HUEX_GetDefaultPrinterProfile(a[0]); }},
    {"HUEX_CreateProfile", "ph", HUEX_NO_MEMORY, [](args a) -> long { return HUEX_CreateProfile(a[0], a[1]); }},
    {"HUEX_DisposeProfile", "n", HUEX_OK, [](args a) -> long { return HUEX_DisposeProfile(a[0]); }},
    {"HUEX_SetMonitorProfile", "p", HUEX_DEFAULT_IN_FORCE, [](args a) -> long { return HUEX_SetMonitorProfile(a[0]); }},
    {"HUEX_SetPrinterProfile", "p", HUEX_DEFAULT_IN_FORCE, [](args a) -> long { return HUEX_SetPrinterProfile(a[0]); }},
    {"HUEX_GetProfileType", "p", -1, [](args a) -> long { return HUEX_GetProfileType(a[0]); }},
    {"HUEX_GetProfileIntent", "p", -1, [](args a) -> long { return HUEX_GetProfileIntent(a[0]); }},
    {"HUEX_GetProfilePcs", "p", -1, [](args a) -> long { return HUEX_GetProfilePcs(a[0]); }},
    {"HUEX_GetProfileName", "po", 0, [](args a) -> long { return HUEX_GetProfileName(a[0], a[1]); }},
    {"enum_profiles_by_classification", "zzoo", -1, [](args a) -> long { return enum_profiles_by_classification(0, a[0], a[1], a[2], a[3], 64); }},
    {"HUEX_BeginMatchingSession", "pp", HUEX_NOT_SUPPORTED, [](args a) -> long { return HUEX_BeginMatchingSession(a[0], a[1]); }},
    {"HUEX_BeginMatching", "p", HUEX_NOT_SUPPORTED, [](args a) -> long { return HUEX_BeginMatching(a[0]); }},
    {"HUEX_Match", "o", HUEX_NOT_SUPPORTED, [](args a) -> long { return HUEX_Match(1, a[0]); }},
    {"HUEX_MatchToPrinterProfile", "o", HUEX_NO_COLOR, [](args a) -> long { return HUEX_MatchToPrinterProfile(1, a[0]); }},
    {"HUEX_GetColorCMYK", "ro", HUEX_NO_COLOR, [](args a) -> long { return HUEX_GetColorCMYK(a[0], a[1], 1); }},
    {"HUEX_PickColor", "rq", 0, [](args a) -> long { return HUEX_PickColor(nullptr, a[0], a[1]); }},
};

// No pointer to refuse, pure address arithmetic, or only an optional one.
const char* const without_pointers[] = {
    "HUEX_PubColors", "HUEX_PubPages", "uint2byte", "byte2uint", "uint2long", "long2uint", "MMF_offset_to_tag", "get_UIntArrayType_count",
    "convert_icUInt16Number_to_double", "decimal4", "sz_signature", "sz_XYZNumber", "sz_xy_from_XYZNumber", "HUEX_EndMatching",
    "HUEX_GetRenderingIntent", "HUEX_SetRenderingIntent", "VERIHUE_SHOW_PICKER", "VERIHUE_COLOR_PICKER", "HUEX_ShowSettingsTab",
    "HUEX_OpenResponder", "HUEX_CloseResponder"};

std::set<std::string> exported_names(HMODULE module)
{
    const BYTE* base = reinterpret_cast<const BYTE*>(module);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD at = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress;
    const auto* directory = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + at);
    const DWORD* names = reinterpret_cast<const DWORD*>(base + directory->AddressOfNames);
    std::set<std::string> found;
    for (DWORD i = 0; i < directory->NumberOfNames; ++i) found.insert(reinterpret_cast<const char*>(base + names[i]));
    return found;
}

}  // namespace

TEST(NullArguments, every_pointer_argument_is_refused_and_nothing_else_written)
{
    const std::string dir = fresh_case_dir("null_arguments");
    const std::string path = dir + "display.icc", mapped = dir + "mapped.icc", gamma = source_path("tests/profiles/huex_display_gamma.icc");
    ASSERT_TRUE(copy_into(gamma, dir, "display.icc") && copy_into(gamma, dir, "mapped.icc"));
    HANDLE mapping = nullptr, file = nullptr;
    ASSERT_EQ(MMF_open_profile_file(mapped.c_str(), &mapping, &file), 1);
    icSignature type;
    ASSERT_EQ(MMF_read_tag(mapping, 0, &tag, &type), 1);
    extended_color record = {};
    ASSERT_EQ(HUEX_EncodeColor(37, 0, 5, &record), HUEX_OK);
    char* printer = nullptr;
    ASSERT_EQ(HUEX_GetDefaultPrinterProfile(&printer), HUEX_OK);
    ASSERT_EQ(HUEX_SetPrinterProfile(printer), HUEX_OK);  // recipes answer for the built-in printer
    HUEX_DisposeProfile(printer);

    for (const row& r : rows) {
        const int count = int(std::strlen(r.slots));
        for (int nulled = -1; nulled < count; ++nulled) {  // -1: every argument null at once
            if (nulled >= 0 && std::strchr("qn", r.slots[nulled])) continue;
            unsigned char buffers[4][512], before[4][512];
            arg a[4];
            for (int i = 0; i < count; ++i) {
                const char kind = r.slots[i];
                std::memset(buffers[i], kind == 'z' ? 0 : 0xA5, sizeof buffers[i]);
                if (kind == 'r') std::memcpy(buffers[i], &record, sizeof record);
                if (kind == 'p') std::strcpy(reinterpret_cast<char*>(buffers[i]), path.c_str());
                const bool null = nulled == -1 ? !std::strchr("q", kind) : (nulled == i || kind == 'n');
                a[i].v = null ? nullptr : kind == 'm' ? mapping : buffers[i];
            }
            std::memcpy(before, buffers, sizeof buffers);
            EXPECT_EQ(r.call(a), r.refused) << r.name << ", argument " << nulled + 1 << " null";
            for (int i = 0; i < count; ++i) {
                if (a[i].v != buffers[i]) continue;
                if (r.slots[i] == 'h') EXPECT_EQ(*reinterpret_cast<HANDLE*>(buffers[i]), nullptr) << r.name;
                else EXPECT_EQ(std::memcmp(buffers[i], before[i], sizeof buffers[i]), 0) << r.name << ", argument " << i + 1;
            }
        }
    }
    MMF_close_profile_file(mapping, file);

    std::set<std::string> unlisted = exported_names(GetModuleHandleA("huex.dll"));
    for (const row& r : rows) EXPECT_EQ(unlisted.erase(r.name), 1u) << r.name << " is not exported";
    for (const char* name : without_pointers) EXPECT_EQ(unlisted.erase(name), 1u) << name << " is not exported";
    for (const std::string& name : unlisted) ADD_FAILURE() << name << " takes pointers? give it a row";
}

TEST(RecordExports, ArgumentsArriveInPlace)
{
    extended_color r = {0xAB00, 0xCD00, 0xEF00, 0};
    ASSERT_EQ(HUEX_EncodeColor(37, 1, 951, &r), HUEX_OK);
    HUEX_SetColorFlag(&r, 0x1F);
    HUEX_SetIndex(&r, 1, 0x2A5);
    EXPECT_EQ((std::vector<long>{HUEX_ColorIsExtended(&r), HUEX_GetIndex(&r, 0), HUEX_GetIndex(&r, 1), HUEX_GetColorFlag(&r), uint2byte(0x2345),
                                 long(byte2uint(0x23)), long(uint2long(0x56782345)), long2uint(-1)}),
              (std::vector<long>{1, 951, 0x2A5, 15, 0x23, 0x2300, 0x2345, 0xFFFF}));
}
