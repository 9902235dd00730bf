// Opening and closing profiles through the real DLL: the extension rule, no
// sharing while open, zero handles, mapping names shared by two files, and
// no handles or views left behind by 10 000 open-read-close cycles.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "icc_profile_builder.h"
#include "huex.h"
#include "wine_test_support.h"

namespace {

HANDLE const sentinel = reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(0xdeadbeef));

std::vector<uint8_t> profile_named(const char* description) {
    icc_test::builder b;
    b.add("desc", icc_test::desc_tag(description))
        .add("wtpt", icc_test::xyz_tag(0xF6D6, 0x10000, 0xD32D))
        .add("rTRC", icc_test::curve_tag({0x0233}));
    return b.build();
}

struct opened {
    HANDLE mapping = sentinel, file = sentinel;
    BYTE ok = 0;
    explicit opened(const std::string& path) { ok = MMF_open_profile_file(path.c_str(), &mapping, &file); }
    ~opened() { MMF_close_profile_file(mapping, file); }
};

std::string description_of(HANDLE mapping) {
    MMF_tag_entry e;
    icSignature type;
    char text[64] = "";
    if (!MMF_read_tag(mapping, 0, &e, &type) || !MMF_read_ProfileDescriptionType(mapping, e, text, sizeof text))
        return "(unreadable)";
    return text;
}

// Mapped views in the process's address space: a view that a read failed to
// release stays here.
size_t mapped_regions() {
    size_t count = 0;
    MEMORY_BASIC_INFORMATION info;
    for (const char* at = nullptr; VirtualQuery(at, &info, sizeof info) == sizeof info;) {
        if (info.State == MEM_COMMIT && info.Type == MEM_MAPPED) ++count;
        const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
        if (next <= at) break;
        at = next;
    }
    return count;
}

}  // namespace

TEST(MmfOpen, extensions_are_compared_exactly) {
    std::string dir = fresh_case_dir("mmf_extensions");
    std::vector<uint8_t> bytes = profile_named("Extension");
    ASSERT_TRUE(CreateDirectoryA((dir + "folder.icm").c_str(), nullptr));
    const struct { const char* name; bool accepted; } cases[] = {
            {"display.icm", true}, {"display.icc", true}, {"printer.pf", true}, {"display.ICM", false}, {"display.Icc", false},
        {"display", false}, {"display.icm.bak", false}, {"folder.icm\\display", false}, {"display.icmx", false},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(write_file_bytes(dir + c.name, bytes));
        opened p(dir + c.name);
        EXPECT_EQ(p.ok, c.accepted ? 1 : 0);
        EXPECT_EQ(p.mapping != nullptr && p.file != nullptr, c.accepted);
        EXPECT_EQ(description_of(p.mapping), c.accepted ? "Extension" : "(unreadable)");
    }
    opened missing(dir + "missing.icm");
    EXPECT_TRUE(missing.ok == 0 && missing.mapping == nullptr && missing.file == nullptr);
}

TEST(MmfOpen, an_open_profile_is_not_shared) {
    std::string dir = fresh_case_dir("mmf_sharing");
    std::string path = dir + "shared.icc";
    ASSERT_TRUE(write_file_bytes(path, profile_named("Shared")));
    {
        opened first(path);
        ASSERT_EQ(first.ok, 1);
        opened second(path);
        EXPECT_TRUE(second.ok == 0 && second.mapping == nullptr && second.file == nullptr);
        HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(reader, INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
        EXPECT_EQ(description_of(first.mapping), "Shared");
    }
    opened again(path);
    EXPECT_EQ(again.ok, 1);
}

TEST(MmfOpen, files_that_cannot_be_mapped_are_closed_again) {
    std::string dir = fresh_case_dir("mmf_empty");
    std::string path = dir + "empty.icm";
    ASSERT_TRUE(write_file_bytes(path, {}));
    opened empty(path);
    EXPECT_TRUE(empty.ok == 0 && empty.mapping == nullptr && empty.file == nullptr);
    // Not left open: an exclusive opener gets it.
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(f, INVALID_HANDLE_VALUE);
    CloseHandle(f);
}

TEST(MmfOpen, same_file_name_in_two_folders_reads_each_file) {
    std::string a = fresh_case_dir("mmf_name_a"), b = fresh_case_dir("mmf_name_b");
    ASSERT_TRUE(write_file_bytes(a + "display.icm", profile_named("First")));
    ASSERT_TRUE(write_file_bytes(b + "display.icm", profile_named("Second")));
    opened first(a + "display.icm");
    opened second(b + "display.icm");
    ASSERT_EQ(first.ok, 1);
    ASSERT_EQ(second.ok, 1);
    EXPECT_EQ(description_of(first.mapping), "First");
    EXPECT_EQ(description_of(second.mapping), "Second");
}

TEST(MmfOpen, ten_thousand_cycles_leave_no_handles_or_views) {
    std::string dir = fresh_case_dir("mmf_cycles");
    std::string path = dir + "cycle.icc";
    ASSERT_TRUE(write_file_bytes(path, profile_named("Cycle")));
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
    // A leak of anything per cycle would show as at least 10 000 units here.
    expect_no_growth(before, after);
}
