// Paths whose letters the ANSI code page lacks (Cyrillic, CJK), and profile extensions in capitals:
// the W exports, huexinfo, the stored settings and the walk of the colour folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "huex.h"
#include "wine_test_support.h"

namespace {

std::wstring wide(const std::string& utf8)
{
    std::wstring out(utf8.size() + 1, L'\0');
    out.resize(size_t(MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &out[0], int(out.size()))) - 1);
    return out;
}

std::string utf8(const std::wstring& text)
{
    std::string out(text.size() * 4 + 1, '\0');
    out.resize(size_t(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], int(out.size()), nullptr, nullptr)) - 1);
    return out;
}

// What an ANSI export gives for the path: '?' for every letter the code page lacks.
std::string ansi(const std::wstring& text)
{
    char out[MAX_PATH] = "";
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, out, MAX_PATH, "?", nullptr);
    return out;
}

std::wstring handed_out(short(WINAPI* get)(WCHAR**))
{
    WCHAR* text = nullptr;
    EXPECT_EQ(get(&text), HUEX_OK);
    const std::wstring copy = text != nullptr ? text : L"";
    HUEX_DisposeProfileW(text);
    return copy;
}

const char* const registry_root = "Software\\HUEXTests\\wide_paths";

// Everything shared goes back on every path: the colour folder's extra profile, the settings key
// huexinfo's loads write, the test's registry root, the xyz profile the CMYK route needs, and the
// library's current profiles.
struct wide_paths_case {
    wide_paths_case() { delete_settings_key(); }
    std::wstring base = wide(fresh_case_dir("wide_paths"));
    std::wstring listed = wide(colour_directory()) + L"\x0426\x0432\x0435\x0442 \x043f\x0440\x043e\x0444\x0438\x043b\x044c.ICM";
    installed_xyz_profile xyz{source_path("tests/profiles/xyzprof.pf")};
    ~wide_paths_case()
    {
        DeleteFileW(listed.c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, registry_root);
        delete_settings_key();
        HUEX_EndMatching();
        HUEX_SetMonitorProfile(nullptr);
        WCHAR* builtin = nullptr;
        if (HUEX_GetDefaultPrinterProfileW(&builtin) == HUEX_OK) HUEX_SetPrinterProfileW(builtin);
        HUEX_DisposeProfileW(builtin);
    }
    std::wstring copy(const std::string& profile, const std::wstring& folder, const std::wstring& name) const
    {
        CreateDirectoryW((base + folder).c_str(), nullptr);
        const std::wstring to = base + folder + L"\\" + name;
        EXPECT_TRUE(CopyFileW(wide(source_path("tests/profiles/" + profile)).c_str(), to.c_str(), FALSE)) << utf8(to);
        return to;
    }
    int huexinfo(const std::wstring& args, std::string* out) const
    {
        out->clear();
        const int code = run_process("\"" + bin_dir() + "huexinfo.exe\" " + utf8(args), utf8(base), out);
        out->erase(std::remove(out->begin(), out->end(), '\r'), out->end());
        return code;
    }
};

std::array<WORD, 4> printer_cmyk()
{
    extended_color r = {0, 0, 0, 0};
    std::array<WORD, 4> cmyk = {0xdead, 0xdead, 0xdead, 0xdead};
    EXPECT_TRUE(HUEX_EncodeColor(37, 0, 100, &r) == HUEX_OK && HUEX_GetColorCMYK(&r, cmyk.data(), 0) == HUEX_OK);
    return cmyk;
}

}  // namespace

TEST(WidePaths, ProfilesExportsAndStoredChoicesInFoldersAnsiCannotSpell)
{
    wide_paths_case c;
    const std::wstring display_name = L"HUEX Test Display Gamma 2.2";
    // The CMYK of an ICC printer at a plain path: what a wide path to the same profile must give.
    ASSERT_EQ(HUEX_SetPrinterProfile(source_path("tests/profiles/huex_press_cmyk.icc").c_str()), HUEX_OK);
    const std::array<WORD, 4> reference_cmyk = printer_cmyk();

    const struct { const wchar_t* folder; const wchar_t* display; bool ansi_spells_it; } rows[] = {
        {L"\x0426\x0432\x0435\x0442 \x043f\x0430\x043f\x043a\x0430", L"\x0434\x0438\x0441\x043f\x043b\x0435\x0439.icc", false},
        {L"\x8272\x5f69", L"\x663e\x793a.ICC", false},
        {L"ansi", L"DISPLAY.ICM", true}};
    for (const auto& row : rows) {
        const std::wstring display = c.copy("huex_display_gamma.icc", row.folder, row.display);
        const std::wstring press = c.copy("huex_press_cmyk.icc", row.folder, L"press.Icc");
        const std::string what = utf8(display);
        HANDLE mapping = nullptr, file = nullptr;
        EXPECT_EQ(MMF_open_profile_fileW(display.c_str(), &mapping, &file), 1) << what;
        MMF_close_profile_file(mapping, file);
        WCHAR name[HUEX_PATH_SIZE] = L"";
        EXPECT_TRUE(HUEX_GetProfileTypeW(display.c_str()) == 1 && HUEX_GetProfilePcsW(press.c_str()) == 1 &&
                    HUEX_GetProfileIntentW(display.c_str()) == 0 && HUEX_GetProfileNameW(display.c_str(), name) == 27 &&
                    name == display_name) << what;
        EXPECT_TRUE(HUEX_SetMonitorProfileW(display.c_str()) == HUEX_OK && handed_out(HUEX_GetMonitorProfileW) == display) << what;
        EXPECT_TRUE(HUEX_SetPrinterProfileW(press.c_str()) == HUEX_OK && handed_out(HUEX_GetPrinterProfileW) == press) << what;
        EXPECT_EQ(printer_cmyk(), reference_cmyk) << what;
        // The ANSI forms reach the profile exactly when the code page spells its path.
        char* ansi_path = nullptr;
        ASSERT_EQ(HUEX_GetMonitorProfile(&ansi_path), HUEX_OK);
        EXPECT_EQ(ansi_path, ansi(display)) << what;
        char ansi_name[HUEX_PATH_SIZE] = "";
        EXPECT_EQ(HUEX_GetProfileType(ansi_path) == 1 && HUEX_GetProfileName(ansi_path, ansi_name) == 27 &&
                      HUEX_SetMonitorProfile(ansi_path) == HUEX_OK, row.ansi_spells_it) << what;
        HUEX_DisposeProfile(ansi_path);

        // huexinfo writes a colour book into the folder and reads it back as a profile.
        const std::wstring book = c.base + row.folder + L"\\pub0.icc";
        std::string out;
        EXPECT_EQ(c.huexinfo(L"export 0 --format icc -o \"" + book + L"\"", &out), 0) << out;
        EXPECT_NE(out.find(" to " + utf8(book) + "\n"), std::string::npos) << out;
        EXPECT_EQ(c.huexinfo(L"profile \"" + book + L"\"", &out), 0) << out;
        EXPECT_EQ(out.rfind("Profile " + utf8(book) + "\n", 0), 0u) << out;
    }

    // The walk lists a profile the ANSI code page cannot spell in its wide form only, lower-cased.
    ASSERT_TRUE(CopyFileW(wide(source_path("tests/profiles/huex_display_gamma.icc")).c_str(), c.listed.c_str(), FALSE));
    std::wstring expected = c.listed;
    CharLowerW(&expected[0]);
    bool wide_lists = false, ansi_lists = false;
    HANDLE state = nullptr;
    WIN32_FIND_DATAW find_w = {};
    WCHAR path_w[HUEX_PATH_SIZE], description_w[256];
    while (enum_profiles_by_classificationW(0, &state, &find_w, path_w, description_w, 256) > 0)
        wide_lists = wide_lists || (expected == path_w && display_name == description_w);
    WIN32_FIND_DATAA find_a = {};
    char path_a[HUEX_PATH_SIZE], description_a[256];
    while (enum_profiles_by_classification(0, &state, &find_a, path_a, description_a, 256) > 0)
        ansi_lists = ansi_lists || std::string(path_a).find('?') != std::string::npos;
    EXPECT_TRUE(wide_lists && !ansi_lists);

    // A stored wide path: made current at start-up, and written back whole; an older library's ANSI
    // read of it still finds a text value.
    const std::wstring stored = c.base + rows[0].folder + L"\\" + rows[0].display;
    const std::string key = std::string(registry_root) + "\\Software\\VERIHUE\\HUEX";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, wide(key).c_str(), L"DISPLAY_PROFILE_PATH", REG_SZ, stored.c_str(),
                              DWORD((stored.size() + 1) * sizeof(WCHAR))), ERROR_SUCCESS);
    std::string out;
    EXPECT_EQ(run_process("\"" + bin_dir() + "huex_probe.exe\" \"" + bin_dir() + "huex.dll\" root wide_paths load monitor unload",
                          bin_dir(), &out), 0);
    EXPECT_NE(out.find("monitor " + ansi(stored) + "\r\n"), std::string::npos) << out;
    char back_a[MAX_PATH] = "";
    DWORD size = sizeof back_a, type = 0;
    EXPECT_TRUE(RegGetValueA(HKEY_CURRENT_USER, key.c_str(), "DISPLAY_PROFILE_PATH", RRF_RT_ANY, &type, back_a, &size) ==
                    ERROR_SUCCESS && type == REG_SZ && ansi(stored) == back_a);
}
