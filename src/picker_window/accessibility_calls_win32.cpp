#include "picker_window/accessibility_calls_win32.h"

#include <new>

namespace {

// Never from the search path: a host's current directory may be a document
// folder that someone else filled.
HMODULE map_system_library(const char* name)
{
    return LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

template <typename F> bool find_call(HMODULE module, const char* name, F* call)
{
    *call = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return *call != nullptr;
}

void unmap(accessibility_calls* calls)
{
    if (calls->oleacc != nullptr) FreeLibrary(calls->oleacc);
    if (calls->oleaut32 != nullptr) FreeLibrary(calls->oleaut32);
    delete calls;
}

} // namespace

const accessibility_calls* accessibility_calls_ready(void** slot)
{
    if (*slot != nullptr) return static_cast<const accessibility_calls*>(*slot);
    accessibility_calls* calls = new (std::nothrow) accessibility_calls;
    if (calls == nullptr) return nullptr;
    calls->oleacc = map_system_library("oleacc.dll");
    calls->oleaut32 = map_system_library("oleaut32.dll");
    const bool found = calls->oleacc != nullptr && calls->oleaut32 != nullptr &&
                       find_call(calls->oleacc, "LresultFromObject", &calls->lresult_from_object) &&
                       find_call(calls->oleacc, "CreateStdAccessibleObject", &calls->create_std_accessible_object) &&
                       find_call(calls->oleaut32, "SysAllocString", &calls->sys_alloc_string);
    if (!found) {
        unmap(calls);
        return nullptr;
    }
    *slot = calls;
    return calls;
}

void release_accessibility_calls(void** slot)
{
    if (*slot != nullptr) unmap(static_cast<accessibility_calls*>(*slot));
    *slot = nullptr;
}
