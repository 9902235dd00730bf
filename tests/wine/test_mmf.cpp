// The MMF_ exports through the real DLL: opening, views, bounds and leaks.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "huex.h"
#include "icc_profile_builder.h"
#include "wine_test_support.h"

using namespace icc_test;

namespace {

std::vector<uint8_t> profile_named(const char* description) {
    builder b;
    b.add("desc", desc_tag(description)).add("wtpt", xyz_tag(0xF6D6, 0x10000, 0xD32D)).add("rTRC", curve_tag({0x0233}));
    return b.build();
}

struct opened {
    HANDLE mapping = reinterpret_cast<HANDLE>(UINT_PTR(0xdeadbeef)), file = mapping;
    BYTE ok = 0;
    explicit opened(const std::string& path) { ok = MMF_open_profile_file(path.c_str(), &mapping, &file); }
    ~opened() { MMF_close_profile_file(mapping, file); }
    MMF_tag_entry find(const char* signature, icSignature* type = nullptr) {
        MMF_tag_entry e = {};
        icSignature t = 0;
        for (DWORD i = 0, n = MMF_read_profile_tag_count(mapping); i < n; ++i)
            if (MMF_read_tag(mapping, LONG(i), &e, &t) && e.signature == sig(signature)) {
                if (type) *type = t;
                return e;
            }
        ADD_FAILURE() << "no tag " << signature;
        return MMF_tag_entry{};
    }
};

std::string description_of(HANDLE mapping) {
    MMF_tag_entry e;
    icSignature type;
    char text[64] = "";
    if (!MMF_read_tag(mapping, 0, &e, &type) || !MMF_read_ProfileDescriptionType(mapping, e, text, sizeof text))
        return "(unreadable)";
    return text;
}

// Mapped views in the process: a view a read failed to release stays here.
size_t mapped_regions() {
    size_t count = 0;
    MEMORY_BASIC_INFORMATION info;
    auto end = [&] { return static_cast<const char*>(info.BaseAddress) + info.RegionSize; };
    for (const char* at = nullptr; VirtualQuery(at, &info, sizeof info) == sizeof info && end() > at; at = end())
        count += info.State == MEM_COMMIT && info.Type == MEM_MAPPED;
    return count;
}

std::string synthetic(const char* name, const std::vector<uint8_t>& bytes) {
    std::string path = fresh_case_dir(std::string("mmf_") + name) + name;
    EXPECT_TRUE(write_file_bytes(path, bytes));
    return path;
}

}  // namespace

TEST(MmfOpen, extensions_are_compared_in_any_case) {
    const std::string dir = fresh_case_dir("mmf_extensions");
    const std::vector<uint8_t> bytes = profile_named("Extension");
    ASSERT_TRUE(CreateDirectoryA((dir + "folder.icm").c_str(), nullptr));
    const struct { const char* name; bool accepted; } cases[] = {
        {"display.icm", true}, {"display.icc", true}, {"printer.pf", true}, {"display.ICM", true}, {"display.Icc", true},
        {"display", false}, {"display.icm.bak", false}, {"folder.icm\\display", false}, {"display.icmx", false}};
    for (auto& c : cases) {
        ASSERT_TRUE(write_file_bytes(dir + c.name, bytes));
        opened p(dir + c.name);
        EXPECT_TRUE(p.ok == c.accepted && (p.mapping != nullptr && p.file != nullptr) == c.accepted) << c.name;
    }
    opened missing(dir + "missing.icm");
    EXPECT_TRUE(missing.ok == 0 && missing.mapping == nullptr && missing.file == nullptr);
}

// Held without sharing while open; a file that cannot be mapped is closed again; one name in two folders reads each file.
TEST(MmfOpen, open_profiles_are_held_alone_and_each_file_is_its_own) {
    const std::string dir = fresh_case_dir("mmf_sharing"), other = fresh_case_dir("mmf_name_b");
    ASSERT_TRUE(write_file_bytes(dir + "display.icm", profile_named("First")) && write_file_bytes(other + "display.icm", profile_named("Second")));
    ASSERT_TRUE(write_file_bytes(dir + "empty.icm", {}));
    {
        opened first(dir + "display.icm"), second(other + "display.icm"), again(dir + "display.icm"), empty(dir + "empty.icm");
        ASSERT_TRUE(first.ok == 1 && second.ok == 1);
        for (const opened* refused : {&again, &empty}) EXPECT_TRUE(refused->ok == 0 && refused->mapping == nullptr && refused->file == nullptr);
        EXPECT_EQ(CreateFileA((dir + "display.icm").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr),
                  INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
        EXPECT_EQ(description_of(first.mapping) + description_of(second.mapping), "FirstSecond");
        HANDLE f = CreateFileA((dir + "empty.icm").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_NE(f, INVALID_HANDLE_VALUE);
        CloseHandle(f);
    }
    opened again(dir + "display.icm");
    EXPECT_EQ(again.ok, 1);
}

TEST(MmfOpen, ten_thousand_cycles_leave_no_handles_or_views) {
    const std::string path = synthetic("cycle.icc", profile_named("Cycle"));
    auto cycle = [&] {
        HANDLE m = nullptr, f = nullptr;
        if (!MMF_open_profile_file(path.c_str(), &m, &f)) return false;
        MMF_profile_header h;
        MMF_tag_entry e;
        icSignature type;
        char text[8];
        double v;
        bool ok = MMF_read_profile_header(m, &h) && MMF_read_profile_tag_count(m) == 3 &&
                  MMF_read_tag(m, 0, &e, &type) && MMF_read_ProfileDescriptionType(m, e, text, sizeof text) &&
                  MMF_read_tag(m, 2, &e, &type) && MMF_get_CurveType_count(m, e) == 1 &&
                  MMF_read_CurveType_index(m, e, 0, &v);
        // Failing reads release their views too.
        ok = ok && !MMF_read_tag(m, 3, &e, &type) && !MMF_read_CurveType_index(m, e, 1, &v);
        MMF_close_profile_file(m, f);
        return ok;
    };
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(cycle());
    process_counts before = current_process_counts();
    size_t views_before = mapped_regions();
    for (int i = 0; i < 10000; ++i) ASSERT_TRUE(cycle()) << i;
    process_counts after = current_process_counts();
    EXPECT_EQ(mapped_regions(), views_before);
    expect_no_growth(before, after);
}

// Each reader export once through its own view (the readers' values are decided natively).
TEST(MmfRead, every_reader_export_through_the_mapping) {
    builder b;
    b.add("desc", desc_tag("Hello World")).add("wtpt", xyz_tag(0xF6D6, 0x10000, 0xD32D)).add("A2B0", lut16_tag(3, 3, 17, 256, 256))
        .add("bTRC", curve_tag({0x0233, 0x8000})).add("ui32", tag_data("ui32", {1, 2, 3, 4, 0xA0, 0xB0, 0xC0, 0xD0}))
        .add("ui08", tag_data("ui08", {7, 8, 9}));
    opened p(synthetic("every_type.icc", b.build()));
    char text[16] = "";
    MMF_lut_header lut16, lut8;   // what no reader writes keeps the caller's bytes
    std::memset(&lut16, 0xA5, sizeof lut16), lut8 = lut16;
    double v = -1;
    DWORD word = 0;
    BYTE byte = 0;
    icXYZNumber white = {}, again = {};
    icSignature type;
    MMF_tag_entry w = p.find("wtpt", &type);
    EXPECT_EQ((std::vector<long long>{MMF_read_ProfileDescriptionType(p.mapping, p.find("desc"), text, 8), MMF_read_Lut16Type(p.mapping, p.find("A2B0"), &lut16),
                                      MMF_read_Lut8Type(p.mapping, p.find("A2B0"), &lut8), MMF_get_CurveType_count(p.mapping, p.find("bTRC")),
                                      MMF_read_CurveType_index(p.mapping, p.find("bTRC"), 1, &v), MMF_read_UInt32ArrayType(p.mapping, p.find("ui32"), 1, &word),
                                      MMF_read_UInt8ArrayType(p.mapping, p.find("ui08"), 2, &byte), MMF_read_XYZType(p.mapping, w, &white)}),
              (std::vector<long long>{1, 1, 1, 2, 1, 1, 1, 1}));
    EXPECT_STREQ(text, "Hello W");
    EXPECT_EQ((std::vector<long long>{lut16.grid_points, lut16.input_entries, lut8.grid_points, long(v * 65535 + 0.5), word, byte, white.Z,
                                      lut16.type_signature, lut8.reserved, lut16.pad, lut8.input_entries}),
              (std::vector<long long>{17, 256, 17, 0x8000, 0xA0B0C0D0, 9, 0xD32D, 0xA5A5A5A5, 0xA5A5A5A5, 0xA5, 0xA5A5}));
    // A view of the caller's own, located with the tag entry.
    const void* view = MapViewOfFile(p.mapping, FILE_MAP_READ, 0, 0, 0);
    ASSERT_NE(view, nullptr);
    const BYTE* contents = MMF_offset_to_tag(view, w);
    EXPECT_EQ(MMF_read_icSignature(contents - 8), type);
    MMF_read_icXYZNumber(contents, &again);
    EXPECT_EQ(again.Z, white.Z);
    UnmapViewOfFile(view);
}

TEST(MmfRead, bounds_are_the_files_size_not_its_last_page) {
    builder b;
    b.add("cprt", text_tag("Page"));
    std::vector<uint8_t> bytes = b.build();
    // The tag claims 16 bytes more than the file holds; the page behind the
    // file's end is mapped and reads as zeros, but it is not the file.
    set32(bytes, entry_at(0) + 8, uint32_t(bytes.size() - 144 + 16));
    opened p(synthetic("past_end.icc", bytes));
    MMF_tag_entry e = {0xdeadbeef, 0xdeadbeef, 0xdeadbeef};
    icSignature type = 0xdeadbeef;
    EXPECT_EQ(MMF_read_tag(p.mapping, 0, &e, &type), 0);
    EXPECT_EQ(e.signature, 0xdeadbeefu);
    MMF_tag_entry tag = {sig("cprt"), 144, uint32_t(bytes.size() - 144 + 16)};
    std::vector<char> text(tag.size, '#');
    EXPECT_EQ(MMF_read_textType(p.mapping, tag, text.data()), 0);
    EXPECT_EQ(text[0], '#');
    tag.size -= 16;
    EXPECT_EQ(MMF_read_textType(p.mapping, tag, text.data()), 1);
    EXPECT_STREQ(text.data(), "Page");
    // Shorter than a header: what the reader refuses is the native tests' business, that it sees 100 bytes is the mapping's.
    opened tiny(synthetic("tiny.icc", std::vector<uint8_t>(bytes.begin(), bytes.begin() + 100)));
    MMF_profile_header h;
    EXPECT_EQ(MMF_read_profile_header(tiny.mapping, &h), 0);
}
