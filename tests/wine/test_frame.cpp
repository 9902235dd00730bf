// The library in this process: what attach sets up and thread attach and detach leave alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "huex.h"

namespace {
DWORD WINAPI idle_thread(void*) { return 0; }
}  // namespace

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
    system = 37, flag = 1;
    ASSERT_GT(HUEX_EnumPubs(&system, &flag, after), 0);
    EXPECT_STREQ(before, after);
    EXPECT_EQ(flag, 2);
}

TEST(Frame, WindowClassesAreRegisteredByTheLibrary)
{
    WNDCLASSA wc;
    HMODULE huex = GetModuleHandleA("huex.dll");
    ASSERT_TRUE(GetClassInfoA(huex, "VerihuePickerClass", &wc));
    EXPECT_EQ(wc.style, 0u);
    EXPECT_NE(wc.hIcon, nullptr);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(wc.hbrBackground), 12);
    ASSERT_TRUE(GetClassInfoA(huex, "VerihueCHILDPickerClass", &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(wc.hIcon, nullptr);
}

// The record exports reach the portable code with their arguments in place.
TEST(Frame, RecordAndComponentExports)
{
    extended_color r = {0xAB00, 0xCD00, 0xEF00, 0};
    ASSERT_EQ(HUEX_EncodeColor(37, 1, 951, &r), HUEX_OK);
    HUEX_SetColorFlag(&r, 0x1F);
    HUEX_SetIndex(&r, 1, 0x2A5);
    EXPECT_EQ((std::vector<long>{HUEX_ColorIsExtended(&r), HUEX_GetIndex(&r, 0), HUEX_GetIndex(&r, 1), HUEX_GetColorFlag(&r), uint2byte(0x2345),
                                 long(byte2uint(0x23)), long(uint2long(0x56782345)), long2uint(-1)}),
              (std::vector<long>{1, 951, 0x2A5, 15, 0x23, 0x2300, 0x2345, 0xFFFF}));
}
