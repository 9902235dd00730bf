// Views of a profile mapping, and the file's exact size behind them: the
// readers receive only the mapping handle, and a view's size as the memory
// manager reports it is rounded up to whole pages, so bytes past the end of
// the file would read as zeros instead of being refused.
#include "icc/mmf_view_win32.h"

namespace {

// The section query of the native API gives the size the mapping was made
// with, which for a mapping of a whole file is the file's size.
struct section_basic_information {
    void* base_address;
    ULONG attributes;
    LARGE_INTEGER size;
};
typedef LONG(WINAPI* nt_query_section_fn)(HANDLE, int, void*, SIZE_T, SIZE_T*);

// Asked for at each view rather than kept: the reader keeps no state, and a
// look-up in a module every process has loaded costs nothing beside mapping.
nt_query_section_fn nt_query_section() {
    return reinterpret_cast<nt_query_section_fn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySection")));
}

}  // namespace

bool map_profile_view(HANDLE mapping, mmf_view* view) {
    if (mapping == nullptr) return false;
    void* base = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    if (base == nullptr) return false;

    MEMORY_BASIC_INFORMATION region;
    if (VirtualQuery(base, &region, sizeof region) == 0) {
        UnmapViewOfFile(base);
        return false;
    }
    // Never beyond the view; the section's size when the handle lets us ask
    // (a handle opened with read access only does not), else whole pages.
    SIZE_T size = region.RegionSize;
    section_basic_information info;
    nt_query_section_fn query = nt_query_section();
    if (query != nullptr && query(mapping, 0, &info, sizeof info, nullptr) >= 0 &&
        info.size.QuadPart >= 0 && ULONGLONG(info.size.QuadPart) < size)
        size = SIZE_T(info.size.QuadPart);

    view->base = base;
    view->file.data = static_cast<const uint8_t*>(base);
    view->file.size = size;
    return true;
}

void release_profile_view(mmf_view* view) {
    if (view->base != nullptr) UnmapViewOfFile(view->base);
    view->base = nullptr;
    view->file = byte_span();
}
