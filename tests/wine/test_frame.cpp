// Start-up, shut-down and the publication list, through the real DLL: in this
// process through the import library, and in fresh processes of the probe host
// laid out in folders of their own.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "huex.h"
#include "wine_test_support.h"

namespace {

std::string probe(const std::string& dir, const std::string& library, const std::string& commands,
                  const std::string& cwd)
{
    std::string out;
    int rc = run_process("\"" + dir + "huex_probe.exe\" \"" + library + "\" " + commands, cwd, &out);
    EXPECT_EQ(rc, 0) << out;
    return out;
}

DWORD WINAPI idle_thread(void*) { return 0; }

}  // namespace

TEST(Publications, EnumerationWalkThroughTheExport)
{
    short system = -1, flag = 77;
    char name[256];
    const struct { short system, flag; const char* desc; } walk[] = {
        {37, 0, "Solid Guide/Coated"},
        {37, 1, "Solid Guide/Uncoated"},
        {37, 2, "Process Simulation Guide"},
        {293, 0, "Process Guide - Press Edition"},
    };
    for (const auto& step : walk) {
        ASSERT_EQ(HUEX_EnumPubs(&system, &flag, name), static_cast<int>(std::strlen(step.desc)));
        EXPECT_STREQ(name, step.desc);
        EXPECT_EQ(system, step.system);
        EXPECT_EQ(flag, step.flag);
    }
    std::memset(name, 0x5A, sizeof name);
    EXPECT_EQ(HUEX_EnumPubs(&system, &flag, name), 0);
    EXPECT_EQ(system, 293);
    EXPECT_EQ(name[0], 0x5A);

    short s = 37, f = 3;
    EXPECT_EQ(HUEX_EnumPubs(&s, &f, name), 0);
    EXPECT_EQ(s, 37);
    EXPECT_EQ(f, 3);
    EXPECT_EQ(name[0], 0x5A);
}

TEST(Frame, ThreadAttachAndDetachChangeNothing)
{
    short system = 37, flag = 1;
    char before[256], after[256];
    ASSERT_GT(HUEX_EnumPubs(&system, &flag, before), 0);
    for (int i = 0; i < 8; ++i) {
        HANDLE thread = CreateThread(nullptr, 0, idle_thread, nullptr, 0, nullptr);
        ASSERT_NE(thread, nullptr);
        WaitForSingleObject(thread, INFINITE);
        CloseHandle(thread);
    }
    system = 37;
    flag = 1;
    ASSERT_GT(HUEX_EnumPubs(&system, &flag, after), 0);
    EXPECT_STREQ(before, after);
    EXPECT_EQ(system, 37);
    EXPECT_EQ(flag, 2);
}

TEST(Frame, WindowClassesAreRegisteredByTheLibrary)
{
    WNDCLASSA wc;
    HMODULE huex = GetModuleHandleA("huex.dll");
    ASSERT_NE(huex, nullptr);
    ASSERT_TRUE(GetClassInfoA(huex, "VerihuePickerClass", &wc));
    EXPECT_EQ(wc.style, 0u);
    EXPECT_NE(wc.hIcon, nullptr);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(wc.hbrBackground), 12);
    ASSERT_TRUE(GetClassInfoA(huex, "VerihueCHILDPickerClass", &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(wc.hIcon, nullptr);
}

TEST(Frame, LoadAndUnloadInAFreshProcess)
{
    std::string dir = fresh_case_dir("load_unload");
    ASSERT_TRUE(copy_into("huex_probe.exe", dir));
    ASSERT_TRUE(copy_library_into(dir));
    std::string out = probe(dir, dir + "huex.dll", "pubs unload", dir);
    EXPECT_NE(out.find("loaded"), std::string::npos) << out;
    EXPECT_NE(out.find("pub 293 0 Process Guide - Press Edition"), std::string::npos) << out;
    EXPECT_NE(out.find("unload 1"), std::string::npos) << out;
}

// Without a language module the library's own texts are used; with one beside
// the library, that one is loaded and its texts win.
TEST(LanguageModule, BesideTheLibraryOrNotAtAll)
{
    std::string plain = fresh_case_dir("lang_none");
    ASSERT_TRUE(copy_into("huex_probe.exe", plain));
    ASSERT_TRUE(copy_library_into(plain));
    std::string out = probe(plain, plain + "huex.dll", "modules setname", plain);
    EXPECT_EQ(out.find("module") != std::string::npos && out.find("HUEXLANG") != std::string::npos, false) << out;
    EXPECT_NE(out.find("setname 21 VERIHUE\xAE COLOR SYSTEM"), std::string::npos) << out;

    std::string german = fresh_case_dir("lang_de");
    ASSERT_TRUE(copy_into("huex_probe.exe", german));
    ASSERT_TRUE(copy_library_into(german));
    ASSERT_TRUE(copy_into("lang\\HUEXLANG.DLL", german));
    out = probe(german, german + "huex.dll", "modules setname", german);
    EXPECT_NE(out.find("module " + german + "HUEXLANG.DLL"), std::string::npos) << out;
    EXPECT_NE(out.find("setname 19 VERIHUE\xAE FARBSYSTEM"), std::string::npos) << out;
}

// A host in folder A loads the library from folder B by absolute path while
// its current directory is folder C, which holds planted copies of the library,
// an add-on and a language module. Nothing of C may be loaded.
TEST(SafeLoading, NothingComesFromTheCurrentDirectory)
{
    std::string a = fresh_case_dir("safe_a");
    std::string b = fresh_case_dir("safe_b");
    std::string c = fresh_case_dir("safe_c");
    ASSERT_TRUE(copy_into("huex_probe.exe", a));
    ASSERT_TRUE(copy_library_into(b));
    ASSERT_TRUE(copy_into("huex.dll", c));
    ASSERT_TRUE(copy_into("..\\recording_lgicc\\LgICC.dll", c));
    ASSERT_TRUE(copy_into("lang\\HUEXLANG.DLL", c));

    std::string out = probe(a, b + "huex.dll", "modules setname pubs", c);
    EXPECT_EQ(out.find(c), std::string::npos) << out;
    EXPECT_NE(out.find("module " + b + "huex.dll"), std::string::npos) << out;
    EXPECT_NE(out.find("COLOR SYSTEM"), std::string::npos) << out;

    // The language module in the library's own folder is the one that counts.
    ASSERT_TRUE(copy_into("lang\\HUEXLANG.DLL", b));
    out = probe(a, b + "huex.dll", "modules setname", c);
    EXPECT_NE(out.find("module " + b + "HUEXLANG.DLL"), std::string::npos) << out;
    EXPECT_NE(out.find("FARBSYSTEM"), std::string::npos) << out;
}

// A host may load and unload the library as often as it likes: every load
// starts afresh (the window classes go with each unload) and nothing of a
// load stays behind.
TEST(Frame, RepeatedLoadsLeaveNothingBehind)
{
    std::string dir = fresh_case_dir("reload");
    ASSERT_TRUE(copy_into("huex_probe.exe", dir));
    ASSERT_TRUE(copy_library_into(dir));
    std::string out = probe(dir, dir + "huex.dll", "reload 5 reload 200 pubs", dir);
    size_t at = out.rfind("reload ");
    ASSERT_NE(at, std::string::npos) << out;
    int loaded = 0;
    size_t heap_before = 0, heap_after = 0, handle_before = 0, handle_after = 0;
    ASSERT_EQ(std::sscanf(out.c_str() + at, "reload %d heap %zu %zu handle %zu %zu", &loaded, &heap_before,
                          &heap_after, &handle_before, &handle_after), 5) << out;
    EXPECT_EQ(loaded, 200) << out;
    EXPECT_LT(heap_after, heap_before + 64 * 1024) << out;
    EXPECT_EQ(handle_after, handle_before) << out;
    EXPECT_NE(out.find("pub 293 0 Process Guide - Press Edition"), std::string::npos) << out;
}
