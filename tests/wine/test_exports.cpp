// The exports as hosts call them: every pointer-taking one refuses a null in each pointer argument in turn (and all at
// once) and writes nothing; the others answer as the x86_64 build does. On i686 every call goes to the exported address
// through a frame laid out from the declared prototype, and the callee must take exactly that frame off the stack.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <type_traits>
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

#if defined(__i386__)
// Copies `bytes` of arguments, calls fn and returns the stack pointer after the call minus the one the frame promises;
// the result (edx:eax, or st(0) when fp) goes to *result.
extern "C" int stack_imbalance(const void* fn, const void* frame, int bytes, int fp, void* result);
asm(".globl _stack_imbalance\n_stack_imbalance:\n"
    "push %ebp\n mov %esp, %ebp\n push %esi\n push %edi\n push %ebx\n"
    "mov 16(%ebp), %ecx\n sub %ecx, %esp\n mov 12(%ebp), %esi\n mov %esp, %edi\n shr $2, %ecx\n rep movsl\n"
    "mov 16(%ebp), %ebx\n add %esp, %ebx\n call *8(%ebp)\n mov 24(%ebp), %ecx\n cmpl $0, 20(%ebp)\n je 1f\n"
    "fstpl (%ecx)\n jmp 2f\n1: mov %eax, (%ecx)\n mov %edx, 4(%ecx)\n"
    "2: mov %esp, %eax\n sub %ebx, %eax\n lea -12(%ebp), %esp\n pop %ebx\n pop %edi\n pop %esi\n pop %ebp\n ret\n");
#endif

template <class R, class... A, class... V> R through_export(R(WINAPI* declared)(A...), const char* name, V... values)
{
#if defined(__i386__)
    unsigned char frame[64] = {}, result[8] = {};
    int bytes = 0;
    [[maybe_unused]] auto put = [&](auto v) { std::memcpy(frame + bytes, &v, sizeof v), bytes += (sizeof v + 3) & ~3; };
    (put(static_cast<A>(values)), ...);
    const FARPROC fn = GetProcAddress(GetModuleHandleA("huex.dll"), name);
    EXPECT_EQ(fn ? stack_imbalance(reinterpret_cast<const void*>(fn), frame, bytes, std::is_floating_point<R>::value, result) : -1, 0) << name;
    if constexpr (!std::is_void<R>::value) { R r; return std::memcpy(&r, result, sizeof r), r; }
#else
    return declared(static_cast<A>(values)...);
#endif
}
#define EXPORT(fn, ...) through_export(fn, #fn, ##__VA_ARGS__)

// One letter per pointer argument: r a record naming a colour, p a readable
// profile's path (w the same in UTF-16), m its mapping, b bytes to read, o an output, h a handle
// output (0 after a failure), z an output that starts zeroed; q an optional
// output and n an argument that is always null are never nulled one by one.
struct row {
    const char* name;
    const char* slots;
    long long answer;  // with a null argument; without pointers, the answer itself
    long long (*call)(args);
};

MMF_tag_entry tag;  // the description tag of the mapped profile

long long bits(double v) { long long b; return std::memcpy(&b, &v, sizeof b), b; }
// The picker cancelled from inside its own modal loop as soon as its window exists.
void CALLBACK close_picker(HWND, UINT, UINT_PTR, DWORD) { if (HWND w = FindWindowA("VerihuePickerClass", nullptr)) PostMessageA(w, WM_CLOSE, 0, 0); }
long closed_once_open(long (*open)())
{
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, close_picker);
    const long result = open();
    return KillTimer(nullptr, timer), result;
}

const row rows[] = {
    {"HUEX_EnumPubs", "ooo", 0, [](args a) -> long long { return EXPORT(HUEX_EnumPubs, a[0], a[1], a[2]); }},
    {"HUEX_ColorIsExtended", "r", 0, [](args a) -> long long { return EXPORT(HUEX_ColorIsExtended, a[0]); }},
    {"HUEX_SetColorFlag", "r", 0, [](args a) -> long long { return EXPORT(HUEX_SetColorFlag, a[0], 3), 0; }},
    {"HUEX_GetColorFlag", "r", 0, [](args a) -> long long { return EXPORT(HUEX_GetColorFlag, a[0]); }},
    {"HUEX_SetIndex", "r", 0, [](args a) -> long long { return EXPORT(HUEX_SetIndex, a[0], 1, 7), 0; }},
    {"HUEX_GetIndex", "r", 0, [](args a) -> long long { return EXPORT(HUEX_GetIndex, a[0], 0); }},
    {"HUEX_EncodeColor", "o", HUEX_NO_COLOR, [](args a) -> long long { return EXPORT(HUEX_EncodeColor, 37, 0, 5, a[0]); }},
    {"HUEX_DecodeColor", "ooor", HUEX_NO_COLOR, [](args a) -> long long { return EXPORT(HUEX_DecodeColor, a[0], a[1], a[2], a[3]); }},
    {"HUEX_GetColorRGB", "ro", HUEX_NO_COLOR, [](args a) -> long long { return EXPORT(HUEX_GetColorRGB, a[0], a[1], 1); }},
    {"HUEX_GetColorXYZ", "ro", HUEX_NO_COLOR, [](args a) -> long long { return EXPORT(HUEX_GetColorXYZ, a[0], a[1], 0); }},
    {"HUEX_GetColorName", "ro", 0, [](args a) -> long long { return EXPORT(HUEX_GetColorName, a[0], a[1]); }},
    {"HUEX_GetShortColorName", "ro", 0, [](args a) -> long long { return EXPORT(HUEX_GetShortColorName, a[0], a[1]); }},
    {"HUEX_GetColorIndex", "ro", HUEX_NO_COLOR, [](args a) -> long long { return EXPORT(HUEX_GetColorIndex, a[0], a[1]); }},
    {"HUEX_GetColorSetName", "o", 0, [](args a) -> long long { return EXPORT(HUEX_GetColorSetName, 0, a[0]); }},
    {"MMF_open_profile_file", "phh", 0, [](args a) -> long long { return EXPORT(MMF_open_profile_file, a[0], a[1], a[2]); }},
    {"MMF_close_profile_file", "nn", 0, [](args a) -> long long { return EXPORT(MMF_close_profile_file, a[0], a[1]), 0; }},
    {"MMF_read_profile_header", "mo", 0, [](args a) -> long long { return EXPORT(MMF_read_profile_header, a[0], a[1]); }},
    {"MMF_read_profile_tag_count", "m", 0, [](args a) -> long long { return EXPORT(MMF_read_profile_tag_count, a[0]); }},
    {"MMF_read_tag", "moo", 0, [](args a) -> long long { return EXPORT(MMF_read_tag, a[0], 0, a[1], a[2]); }},
    {"MMF_read_icUInt8Number", "b", 0, [](args a) -> long long { return EXPORT(MMF_read_icUInt8Number, a[0]); }},
    {"MMF_read_icUInt16Number", "b", 0, [](args a) -> long long { return EXPORT(MMF_read_icUInt16Number, a[0]); }},
    {"MMF_read_icUInt32Number", "b", 0, [](args a) -> long long { return EXPORT(MMF_read_icUInt32Number, a[0]); }},
    {"MMF_read_icS15Fixed16Number", "b", 0, [](args a) -> long long { return EXPORT(MMF_read_icS15Fixed16Number, a[0]); }},
    {"MMF_read_icSignature", "b", 0, [](args a) -> long long { return EXPORT(MMF_read_icSignature, a[0]); }},
    {"MMF_read_icDateTimeNumber", "bo", 0, [](args a) -> long long { return EXPORT(MMF_read_icDateTimeNumber, a[0], a[1]), 0; }},
    {"MMF_read_icXYZNumber", "bo", 0, [](args a) -> long long { return EXPORT(MMF_read_icXYZNumber, a[0], a[1]), 0; }},
    {"MMF_read_textType", "mo", 0, [](args a) -> long long { return EXPORT(MMF_read_textType, a[0], tag, a[1]); }},
    {"MMF_read_ProfileDescriptionType", "mo", 0, [](args a) -> long long { return EXPORT(MMF_read_ProfileDescriptionType, a[0], tag, a[1], 64); }},
    {"MMF_read_XYZType", "mo", 0, [](args a) -> long long { return EXPORT(MMF_read_XYZType, a[0], tag, a[1]); }},
    {"MMF_get_CurveType_count", "m", 0, [](args a) -> long long { return EXPORT(MMF_get_CurveType_count, a[0], tag); }},
    {"MMF_read_CurveType_index", "mo", 0, [](args a) -> long long { return EXPORT(MMF_read_CurveType_index, a[0], tag, 0, a[1]); }},
    {"MMF_read_UInt8ArrayType", "mo", 0, [](args a) -> long long { return EXPORT(MMF_read_UInt8ArrayType, a[0], tag, 0, a[1]); }},
    {"MMF_read_UInt32ArrayType", "mo", 0, [](args a) -> long long { return EXPORT(MMF_read_UInt32ArrayType, a[0], tag, 0, a[1]); }},
    {"MMF_read_Lut8Type", "mo", 0, [](args a) -> long long { return EXPORT(MMF_read_Lut8Type, a[0], tag, a[1]); }},
    {"MMF_read_Lut16Type", "mo", 0, [](args a) -> long long { return EXPORT(MMF_read_Lut16Type, a[0], tag, a[1]); }},
    {"decode_s15Fixed16Number", "o", 0, [](args a) -> long long { return EXPORT(decode_s15Fixed16Number, 0x10000, a[0]), 0; }},
    {"decode_XYZNumber", "ooo", 0, [](args a) -> long long { return EXPORT(decode_XYZNumber, 1, 2, 3, a[0], a[1], a[2]), 0; }},
    {"HUEX_GetMonitorProfile", "o", HUEX_NO_MEMORY, [](args a) -> long long { return EXPORT(HUEX_GetMonitorProfile, a[0]); }},
    {"HUEX_GetPrinterProfile", "o", HUEX_NO_MEMORY, [](args a) -> long long { return EXPORT(HUEX_GetPrinterProfile, a[0]); }},
    {"HUEX_GetDefaultPrinterProfile", "o", HUEX_NO_MEMORY, [](args a) -> long long { return EXPORT(HUEX_GetDefaultPrinterProfile, a[0]); }},
    {"HUEX_CreateProfile", "ph", HUEX_NO_MEMORY, [](args a) -> long long { return EXPORT(HUEX_CreateProfile, a[0], a[1]); }},
    {"HUEX_DisposeProfile", "n", HUEX_OK, [](args a) -> long long { return EXPORT(HUEX_DisposeProfile, a[0]); }},
    {"HUEX_SetMonitorProfile", "p", HUEX_DEFAULT_IN_FORCE, [](args a) -> long long { return EXPORT(HUEX_SetMonitorProfile, a[0]); }},
    {"HUEX_SetPrinterProfile", "p", HUEX_DEFAULT_IN_FORCE, [](args a) -> long long { return EXPORT(HUEX_SetPrinterProfile, a[0]); }},
    {"HUEX_GetProfileType", "p", -1, [](args a) -> long long { return EXPORT(HUEX_GetProfileType, a[0]); }},
    {"HUEX_GetProfileIntent", "p", -1, [](args a) -> long long { return EXPORT(HUEX_GetProfileIntent, a[0]); }},
    {"HUEX_GetProfilePcs", "p", -1, [](args a) -> long long { return EXPORT(HUEX_GetProfilePcs, a[0]); }},
    {"HUEX_GetProfileName", "po", 0, [](args a) -> long long { return EXPORT(HUEX_GetProfileName, a[0], a[1]); }},
    {"enum_profiles_by_classification", "zzoo", -1, [](args a) -> long long { return EXPORT(enum_profiles_by_classification, 0, a[0], a[1], a[2], a[3], 64); }},
    {"HUEX_BeginMatchingSession", "pp", HUEX_NOT_SUPPORTED, [](args a) -> long long { return EXPORT(HUEX_BeginMatchingSession, a[0], a[1]); }},
    {"HUEX_BeginMatching", "p", HUEX_NOT_SUPPORTED, [](args a) -> long long { return EXPORT(HUEX_BeginMatching, a[0]); }},
    {"HUEX_Match", "o", HUEX_NOT_SUPPORTED, [](args a) -> long long { return EXPORT(HUEX_Match, 1, a[0]); }},
    {"HUEX_MatchToPrinterProfile", "o", HUEX_NO_COLOR, [](args a) -> long long { return EXPORT(HUEX_MatchToPrinterProfile, 1, a[0]); }},
    {"MMF_open_profile_fileW", "whh", 0, [](args a) -> long long { return EXPORT(MMF_open_profile_fileW, a[0], a[1], a[2]); }},
    {"HUEX_GetMonitorProfileW", "o", HUEX_NO_MEMORY, [](args a) -> long long { return EXPORT(HUEX_GetMonitorProfileW, a[0]); }},
    {"HUEX_GetPrinterProfileW", "o", HUEX_NO_MEMORY, [](args a) -> long long { return EXPORT(HUEX_GetPrinterProfileW, a[0]); }},
    {"HUEX_GetDefaultPrinterProfileW", "o", HUEX_NO_MEMORY, [](args a) -> long long { return EXPORT(HUEX_GetDefaultPrinterProfileW, a[0]); }},
    {"HUEX_CreateProfileW", "wh", HUEX_NO_MEMORY, [](args a) -> long long { return EXPORT(HUEX_CreateProfileW, a[0], a[1]); }},
    {"HUEX_DisposeProfileW", "n", HUEX_OK, [](args a) -> long long { return EXPORT(HUEX_DisposeProfileW, a[0]); }},
    {"HUEX_SetMonitorProfileW", "w", HUEX_DEFAULT_IN_FORCE, [](args a) -> long long { return EXPORT(HUEX_SetMonitorProfileW, a[0]); }},
    {"HUEX_SetPrinterProfileW", "w", HUEX_DEFAULT_IN_FORCE, [](args a) -> long long { return EXPORT(HUEX_SetPrinterProfileW, a[0]); }},
    {"HUEX_GetProfileTypeW", "w", -1, [](args a) -> long long { return EXPORT(HUEX_GetProfileTypeW, a[0]); }},
    {"HUEX_GetProfileIntentW", "w", -1, [](args a) -> long long { return EXPORT(HUEX_GetProfileIntentW, a[0]); }},
    {"HUEX_GetProfilePcsW", "w", -1, [](args a) -> long long { return EXPORT(HUEX_GetProfilePcsW, a[0]); }},
    {"HUEX_GetProfileNameW", "wo", 0, [](args a) -> long long { return EXPORT(HUEX_GetProfileNameW, a[0], a[1]); }},
    {"enum_profiles_by_classificationW", "zzoo", -1, [](args a) -> long long { return EXPORT(enum_profiles_by_classificationW, 0, a[0], a[1], a[2], a[3], 64); }},
    {"HUEX_BeginMatchingSessionW", "ww", HUEX_NOT_SUPPORTED, [](args a) -> long long { return EXPORT(HUEX_BeginMatchingSessionW, a[0], a[1]); }},
    {"HUEX_BeginMatchingW", "w", HUEX_NOT_SUPPORTED, [](args a) -> long long { return EXPORT(HUEX_BeginMatchingW, a[0]); }},
    {"HUEX_GetColorCMYK", "ro", HUEX_NO_COLOR, [](args a) -> long long { return EXPORT(HUEX_GetColorCMYK, a[0], a[1], 1); }},
    {"HUEX_FindColorByName", "po", HUEX_INVALID_ARGUMENT, [](args a) -> long long { return EXPORT(HUEX_FindColorByName, HUEX_ALL_PUBS, 0, a[0], a[1]); }},
    {"HUEX_GetColorLab", "ro", HUEX_INVALID_ARGUMENT, [](args a) -> long long { return EXPORT(HUEX_GetColorLab, a[0], a[1]); }},
    {"HUEX_ReadColorValue", "po", HUEX_INVALID_ARGUMENT, [](args a) -> long long { return EXPORT(HUEX_ReadColorValue, a[0], a[1]); }},
    {"HUEX_FindNearestColors", "boqo", HUEX_INVALID_ARGUMENT, [](args a) -> long long { return EXPORT(HUEX_FindNearestColors, 293, 0, a[0], 2, a[1], a[2], a[3]); }},
    {"HUEX_PickColor", "rq", 0, [](args a) -> long long { return EXPORT(HUEX_PickColor, nullptr, a[0], a[1]); }},
    // Without pointers, what the x86_64 build answers: floating point (x87 on i686) and tag entries by value among them.
    {"HUEX_PubColors", "", 7, [](args) -> long long { return EXPORT(HUEX_PubColors, 37, 0); }},
    {"HUEX_PubPages", "", 334, [](args) -> long long { return EXPORT(HUEX_PubPages, 293, 0); }},
    {"uint2byte", "", 0x23, [](args) -> long long { return EXPORT(uint2byte, 0x2345); }},
    {"byte2uint", "", 0x2300, [](args) -> long long { return EXPORT(byte2uint, 0x23); }},
    {"uint2long", "", 0x2345, [](args) -> long long { return EXPORT(uint2long, 0x56782345); }},
    {"long2uint", "", 0xFFFF, [](args) -> long long { return EXPORT(long2uint, -1); }},
    {"MMF_offset_to_tag", "", 0x1028, [](args) -> long long { return UINT_PTR(EXPORT(MMF_offset_to_tag, (void*)0x1000, MMF_tag_entry{0x64657363, 0x20, 12})); }},
    {"get_UIntArrayType_count", "", 3, [](args) -> long long { return EXPORT(get_UIntArrayType_count, MMF_tag_entry{0x75693332, 0, 20}, 0x75693332); }},
    {"convert_icUInt16Number_to_double", "", 0x3FE0001000100010, [](args) -> long long { return bits(EXPORT(convert_icUInt16Number_to_double, 0x18000)); }},
    {"decimal4", "", 7183 * 100000 + 1, [](args) -> long long { return EXPORT(decimal4, -2.71828) * 100000 + EXPORT(decimal4, 0.00005); }},
    {"sz_signature", "", 1, [](args) -> long long { return std::string(EXPORT(sz_signature, 0x64657363)) == "'desc'"; }},
    {"sz_XYZNumber", "", 1, [](args) -> long long { return std::string(EXPORT(sz_XYZNumber, 0xF6D6, 0x10000, 0xD32D)) == "X=0.9642 Y=1.0000 Z=0.8249 "; }},
    {"sz_xy_from_XYZNumber", "", 1, [](args) -> long long { return std::string(EXPORT(sz_xy_from_XYZNumber, 0xF6D6, 0x10000, 0xD32D)) == "x=0.3457 y=0.3585"; }},
    {"HUEX_EndMatching", "", 0, [](args) -> long long { return EXPORT(HUEX_EndMatching); }},
    {"HUEX_SetRenderingIntent", "", 0, [](args) -> long long { return EXPORT(HUEX_SetRenderingIntent, 2); }},
    {"HUEX_GetRenderingIntent", "", 2, [](args) -> long long { const long i = EXPORT(HUEX_GetRenderingIntent); return EXPORT(HUEX_SetRenderingIntent, 0), i; }},
    {"HUEX_ShowSettingsTab", "", 1, [](args) -> long long { return EXPORT(HUEX_ShowSettingsTab, 5); }},
    {"HUEX_OpenResponder", "", 0, [](args) -> long long { return EXPORT(HUEX_OpenResponder, 0); }},
    {"HUEX_CloseResponder", "", 0, [](args) -> long long { return EXPORT(HUEX_CloseResponder); }},
    {"VERIHUE_SHOW_PICKER", "", -1, [](args) -> long long { return closed_once_open([] { return long(EXPORT(VERIHUE_SHOW_PICKER)); }); }},
    {"VERIHUE_COLOR_PICKER", "", 0, [](args) -> long long { return closed_once_open([] { return long(EXPORT(VERIHUE_COLOR_PICKER, nullptr, 20)); }); }},
};

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
                if (kind == 'w') MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, reinterpret_cast<WCHAR*>(buffers[i]), 256);
                const bool null = nulled == -1 ? !std::strchr("q", kind) : (nulled == i || kind == 'n');
                a[i].v = null ? nullptr : kind == 'm' ? mapping : buffers[i];
            }
            std::memcpy(before, buffers, sizeof buffers);
            EXPECT_EQ(r.call(a), r.answer) << r.name << ", argument " << nulled + 1 << " null";
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
    for (const std::string& name : unlisted) ADD_FAILURE() << name << " has no row";
}

TEST(RecordExports, ArgumentsArriveInPlace)
{
    extended_color r = {0xAB00, 0xCD00, 0xEF00, 0};
    ASSERT_EQ(HUEX_EncodeColor(37, 1, 951, &r), HUEX_OK);
    HUEX_SetColorFlag(&r, 0x1F);
    HUEX_SetIndex(&r, 1, 0x2A5);
    EXPECT_EQ((std::vector<long>{HUEX_ColorIsExtended(&r), HUEX_GetIndex(&r, 0), HUEX_GetIndex(&r, 1), HUEX_GetColorFlag(&r)}),
              (std::vector<long>{1, 951, 0x2A5, 15}));
}

// The look-ups by name and value against what huexinfo printed for #E4002B before it asked them (README); names short
// and full, Lab, and each refusal. The reader of typed values is the native tests' to decide.
TEST(Lookups, AnswerAsHuexinfoAndThePickerDo)
{
    // count 0: by name; else the count nearest to the value. figures: per colour "dE L a b" as huexinfo prints them.
    struct found { short system, flag; const char* text; long count; short status; const char* names; const char* figures; };
    const found rows[] = {
        {37, 0, "#E4002B", 2, HUEX_OK, "VERIHUE Poppy 6 DSC|VERIHUE Ruby 5 DSC", "4.36 45.58 62.41 41.65|4.99 51.12 64.05 34.23"},
        {37, 1, "#E4002B", 2, HUEX_OK, "VERIHUE Poppy 6 DSU|VERIHUE Poppy 7 DSU", "10.38 55.47 45.52 30.43|11.30 48.20 36.27 24.20"},
        {37, 2, "#E4002B", 2, HUEX_OK, "VERIHUE Poppy 5 DSP|VERIHUE Poppy 6 DSP", "3.10 49.64 63.60 44.02|4.35 45.59 62.39 41.67"},
        {293, 0, "#E4002B", 2, HUEX_OK, "VERIHUE 062i DSP|VERIHUE 056i DSP", "2.65 47.12 68.69 40.56|3.08 47.00 68.01 47.98"},
        {HUEX_ALL_PUBS, 0, "rgb(228, 0, 43)", 3, HUEX_OK, "VERIHUE 062i DSP|VERIHUE 056i DSP|VERIHUE Poppy 5 DSP", "2.65 47.12 68.69 40.56|3.08 47.00 68.01 47.98|3.10 49.64 63.60 44.02"},
        {HUEX_ALL_PUBS, 0, "Rosehip 3", 0, HUEX_OK, "VERIHUE Rosehip 3 DSC", "0.00 72.56 40.35 -0.00"},
        {293, 5, "062I", 0, HUEX_OK, "VERIHUE 062i DSP", "0.00 47.12 68.69 40.56"},
        {37, 3, "114h", 0, HUEX_NOT_FOUND, "", ""},   // index 1024: beyond what the solid code names
        {37, 9, "Rosehip 3", 0, HUEX_NO_PUBLICATION, "", ""},
        {37, 0, "#E4002B", -1, HUEX_INVALID_ARGUMENT, "", ""},
    };
    for (const found& r : rows) {
        extended_color got[3];
        double lab[3] = {}, de[3] = {}, own[3];
        LONG n = -1;
        std::memset(got, 0xA5, sizeof got);
        const bool by_name = r.count == 0;
        EXPECT_EQ(by_name ? HUEX_OK : HUEX_ReadColorValue(r.text, lab), HUEX_OK) << r.text;
        const short status = by_name ? HUEX_FindColorByName(r.system, r.flag, r.text, got)
                                     : HUEX_FindNearestColors(r.system, r.flag, lab, r.count < 0 ? 0 : r.count, got, de, &n);
        EXPECT_TRUE(status == r.status && (status == HUEX_OK || (n == -1 && got[0].color_system == 0xA5A5))) << r.text << " " << status;
        std::string names, figures;
        for (long k = 0; status == HUEX_OK && k < (by_name ? 1 : n); ++k) {
            char name[HUEX_COLOR_NAME_SIZE] = "", text[80];
            WORD rgb[3];
            EXPECT_TRUE(HUEX_GetColorName(&got[k], name) > 0 && HUEX_GetColorLab(&got[k], own) == HUEX_OK && HUEX_GetColorRGB(&got[k], rgb, 1) == HUEX_OK &&
                        (got[k].red & 0xFF00) == rgb[0] && (got[k].green & 0xFF00) == rgb[1] && (got[k].blue & 0xFF00) == rgb[2]) << r.text;
            std::snprintf(text, sizeof text, "%.2f %.2f %.2f %.2f", de[k], own[0], own[1], own[2]);
            names += (k ? "|" : "") + std::string(name);
            figures += (k ? "|" : "") + std::string(text);
        }
        EXPECT_EQ(names, r.names) << r.text;
        EXPECT_EQ(figures, r.figures) << r.text;
    }

    double lab[3];
    // Refusals of the nearest search and the Lab look-up; nothing written.
    const double nan_lab[3] = {50, NAN, 0};
    extended_color none = {}, all_of_guide[1000];
    LONG n = -1;
    EXPECT_TRUE(HUEX_FindNearestColors(37, 0, nan_lab, 1, all_of_guide, nullptr, &n) == HUEX_INVALID_ARGUMENT && n == -1);
    EXPECT_TRUE(HUEX_FindNearestColors(37, 0, lab, 1000, all_of_guide, nullptr, &n) == HUEX_OK && n == 952);   // more than the guide holds
    EXPECT_EQ(HUEX_GetColorLab(&none, lab), HUEX_NO_COLOR);
}
