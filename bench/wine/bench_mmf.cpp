// Timed loop: walking a profile's directory and reading every tag through
// the MMF_ exports (one mapping per read), against the platform's colour
// system opening the same file and reading the same tags raw.
//   bench_mmf [SECONDS]   time per loop, 2 by default; 0 walks once
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "huex.h"

namespace {

const icSignature sig_desc = 0x64657363, sig_text = 0x74657874, sig_xyz = 0x58595A20,
                  sig_curv = 0x63757276, sig_mft1 = 0x6D667431, sig_mft2 = 0x6D667432;

unsigned long long walk_exports(const char* path) {
    HANDLE m = nullptr, f = nullptr;
    if (!MMF_open_profile_file(path, &m, &f)) return 0;
    unsigned long long sum = 0;
    DWORD count = MMF_read_profile_tag_count(m);
    for (DWORD i = 0; i < count; ++i) {
        MMF_tag_entry e;
        icSignature type;
        if (!MMF_read_tag(m, LONG(i), &e, &type)) continue;
        if (type == sig_desc) {
            char text[256];
            sum += MMF_read_ProfileDescriptionType(m, e, text, sizeof text);
        } else if (type == sig_text) {
            std::vector<char> text(e.size - 8);
            sum += MMF_read_textType(m, e, text.data());
        } else if (type == sig_xyz) {
            icXYZNumber xyz;
            if (MMF_read_XYZType(m, e, &xyz)) sum += DWORD(xyz.X);
        } else if (type == sig_curv) {
            DWORD n = MMF_get_CurveType_count(m, e);
            for (DWORD k = 0; k < n; ++k) {
                double v = 0;
                MMF_read_CurveType_index(m, e, k, &v);
                sum += (unsigned long long)(v * 65535.0);
            }
        } else if (type == sig_mft2 || type == sig_mft1) {
            MMF_lut_header lut;
            if (type == sig_mft2 ? MMF_read_Lut16Type(m, e, &lut) : MMF_read_Lut8Type(m, e, &lut))
                sum += lut.grid_points;
        }
    }
    MMF_close_profile_file(m, f);
    return sum;
}

// The colour system's profile API, looked up at run time.
struct profile_location {
    DWORD type;
    void* data;
    DWORD size;
};
typedef HANDLE(WINAPI* open_fn)(const profile_location*, DWORD, DWORD, DWORD);
typedef BOOL(WINAPI* close_fn)(HANDLE);
typedef BOOL(WINAPI* count_fn)(HANDLE, DWORD*);
typedef BOOL(WINAPI* tag_fn)(HANDLE, DWORD, DWORD*);
typedef BOOL(WINAPI* element_fn)(HANDLE, DWORD, DWORD, DWORD*, void*, BOOL*);
struct color_system {
    open_fn open;
    close_fn close;
    count_fn count;
    tag_fn tag;
    element_fn element;
};

template <class fn>
fn lookup(HMODULE m, const char* name) {
    return reinterpret_cast<fn>(reinterpret_cast<void*>(GetProcAddress(m, name)));
}

unsigned long long walk_color_system(const color_system& cs, const char* path) {
    profile_location location = {1 /* PROFILE_FILENAME */, const_cast<char*>(path), DWORD(lstrlenA(path) + 1)};
    HANDLE p = cs.open(&location, 1 /* PROFILE_READ */, FILE_SHARE_READ, OPEN_EXISTING);
    if (p == nullptr) return 0;
    static std::vector<char> buffer(1 << 20);
    unsigned long long sum = 0;
    DWORD count = 0;
    cs.count(p, &count);
    for (DWORD i = 1; i <= count; ++i) {
        DWORD tag = 0, size = DWORD(buffer.size());
        BOOL reference = FALSE;
        if (cs.tag(p, i, &tag) && cs.element(p, tag, 0, &size, buffer.data(), &reference)) sum += size;
    }
    cs.close(p);
    return sum;
}

template <class walk_fn>
void time_loop(const char* what, const char* path, double seconds, walk_fn walk) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    unsigned long long sum = 0;
    long iterations = 0;
    double elapsed = 0;
    do {
        sum += walk(path);
        ++iterations;
        QueryPerformanceCounter(&now);
        elapsed = double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    } while (elapsed < seconds);
    std::printf("%-34s %-44s %10.1f us per walk (%ld walks, checksum %llu)\n", what, path,
                elapsed * 1e6 / iterations, iterations, sum / iterations);
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    HMODULE mscms = LoadLibraryA("mscms.dll");
    color_system cs = {lookup<open_fn>(mscms, "OpenColorProfileA"), lookup<close_fn>(mscms, "CloseColorProfile"),
                       lookup<count_fn>(mscms, "GetCountColorProfileElements"),
                       lookup<tag_fn>(mscms, "GetColorProfileElementTag"),
                       lookup<element_fn>(mscms, "GetColorProfileElement")};
    const char* profiles[] = {"Z:\\usr\\share\\color\\icc\\ITULab.icc", "Z:\\usr\\share\\color\\icc\\sRGB.icc"};
    for (const char* path : profiles) {
        time_loop("MMF_ exports, a mapping per read", path, seconds, walk_exports);
        if (cs.open && cs.close && cs.count && cs.tag && cs.element)
            time_loop("colour system, raw tags", path, seconds, [&](const char* p) { return walk_color_system(cs, p); });
    }
    return 0;
}
