// The few calls of the accessibility and automation libraries a colour page's
// list object needs. Mapped at the first question a screen reader asks rather
// than imported: most loads of the library never meet a reader, and loading
// those libraries with it would cost every host at start-up.
#pragma once
#include <windows.h>
#include <oleacc.h>

struct accessibility_calls {
    HMODULE oleacc = nullptr;
    HMODULE oleaut32 = nullptr;
    LRESULT(WINAPI* lresult_from_object)(REFIID, WPARAM, LPUNKNOWN) = nullptr;
    HRESULT(WINAPI* create_std_accessible_object)(HWND, LONG, REFIID, void**) = nullptr;
    BSTR(WINAPI* sys_alloc_string)(const OLECHAR*) = nullptr;
};

// The calls, mapped from the system's folder once per load of this library;
// null when a library or a call is missing. slot is the context's record of
// the mapping; called under the library's guard. The calls stay valid until
// release_accessibility_calls.
const accessibility_calls* accessibility_calls_ready(void** slot);

// Lets go of the mappings at an unload by the host.
void release_accessibility_calls(void** slot);
