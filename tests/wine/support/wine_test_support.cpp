#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include <icm.h>
#include <psapi.h>

std::string bin_dir()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s(path, n);
    return s.substr(0, s.find_last_of('\\') + 1);
}

static void remove_tree(const std::string& dir)
{
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((dir + "*").c_str(), &found);
    for (bool more = h != INVALID_HANDLE_VALUE; more; more = FindNextFileA(h, &found)) {
        const std::string name = found.cFileName, path = dir + name;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) remove_tree(path + "\\");
        else SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL), DeleteFileA(path.c_str());
    }
    if (h != INVALID_HANDLE_VALUE) FindClose(h);
    RemoveDirectoryA(dir.c_str());
}

std::string fresh_case_dir(const std::string& name)
{
    std::string cases = bin_dir() + "cases\\";
    CreateDirectoryA(cases.c_str(), nullptr);
    std::string dir = cases + name + "\\";
    remove_tree(dir);
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

bool copy_into(const std::string& file, const std::string& dir, const std::string& new_name)
{
    bool absolute = file.size() > 2 && file[1] == ':';
    std::string from = absolute ? file : bin_dir() + file;
    std::string base = new_name.empty() ? from.substr(from.find_last_of('\\') + 1) : new_name;
    return CopyFileA(from.c_str(), (dir + base).c_str(), FALSE) != 0;
}

bool copy_library_into(const std::string& dir) { return copy_into("huex.dll", dir) && copy_into("LgICC.dll", dir); }

int run_process(const std::string& command_line, const std::string& cwd, std::string* output)
{
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE read_end = nullptr, write_end = nullptr;
    if (!CreatePipe(&read_end, &write_end, &sa, 0)) return -1;
    SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = write_end;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    // UTF-8 in, so that a command line may name a path with any letter.
    auto wide = [](const std::string& text) {
        std::vector<wchar_t> out(text.size() + 1);
        out.resize(size_t(MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, out.data(), int(out.size()))) + 1);
        return out;
    };
    std::vector<wchar_t> cmd = wide(command_line), folder = wide(cwd);
    const BOOL started = CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, cwd.empty() ? nullptr : folder.data(), &si, &pi);
    CloseHandle(write_end);
    // Read while the child runs, not until the end of its output: a process it
    // starts may hold that open for good (Wine's desktop process, started by
    // the first program that needs it, keeps the error output it was given).
    char buffer[4096];
    DWORD n = 0, available = 0, waited = WAIT_TIMEOUT;
    for (const ULONGLONG end = GetTickCount64() + 120000; started && waited == WAIT_TIMEOUT && GetTickCount64() < end;) {
        waited = WaitForSingleObject(pi.hProcess, 20);
        while (PeekNamedPipe(read_end, nullptr, 0, nullptr, &available, nullptr) && available > 0 &&
               ReadFile(read_end, buffer, available < sizeof buffer ? available : sizeof buffer, &n, nullptr) && n > 0)
            if (output) output->append(buffer, n);
    }
    CloseHandle(read_end);
    if (!started) return -1;
    DWORD code = static_cast<DWORD>(-1);
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return static_cast<int>(code);
}

std::vector<std::string> lines_starting(const std::string& out, const std::string& prefix)
{
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
    }
    return lines;
}

std::string line_for(const std::string& out, const std::string& prefix)
{
    const std::vector<std::string> lines = lines_starting(out, prefix);
    return lines.empty() ? "(no line " + prefix + ")" : lines[0];
}

void delete_settings_key()
{
    // A key with a subkey is not deleted: the palette codes' first.
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VERIHUE\\HUEX\\Palettes");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VERIHUE\\HUEX");
}

installed_xyz_profile::installed_xyz_profile(const std::string& source, const std::string& in) : folder(in)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    EXPECT_TRUE(source.empty() ? (DeleteFileA(path.c_str()), true) : CopyFileA(source.c_str(), path.c_str(), FALSE)) << source;
}

installed_xyz_profile::~installed_xyz_profile()
{
    before.empty() ? (void)DeleteFileA(path.c_str()) : (void)write_file_bytes(path, before);
}

process_counts current_process_counts()
{
    process_counts c = {};
    HANDLE heaps[64];
    DWORD count = GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < count && i < 64; ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) c.heap_bytes += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        c.committed_bytes = counters.PagefileUsage;
    HANDLE probe = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    c.next_handle = reinterpret_cast<uintptr_t>(probe);
    CloseHandle(probe);
    return c;
}

void expect_no_growth(const process_counts& before, const process_counts& after, size_t heap_slack,
                      size_t committed_slack)
{
    std::printf("heap bytes in use %zu -> %zu, committed %zu -> %zu, next handle %#zx -> %#zx\n", before.heap_bytes, after.heap_bytes,
                before.committed_bytes, after.committed_bytes, size_t(before.next_handle), size_t(after.next_handle));
    EXPECT_GT(before.heap_bytes, 0u) << "the heap walk saw nothing";
    EXPECT_LT(after.heap_bytes, before.heap_bytes + heap_slack);
    EXPECT_LT(after.committed_bytes, before.committed_bytes + committed_slack);
    // Handles released meanwhile (a session ended) may lower it; a leak raises it.
    EXPECT_LE(after.next_handle, before.next_handle);
}

std::string colour_directory()
{
    char folder[MAX_PATH];
    DWORD size = sizeof folder;
    return GetColorDirectoryA(nullptr, folder, &size) ? std::string(folder) + "\\" : "(no colour folder)";
}

std::string old_colour_directory()
{
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    return std::string(windows) + "\\system32\\color\\";
}
