// The two window classes of the picker, registered at library start-up.
#include "picker_window/window_classes_win32.h"

#include "frame/module_handles_win32.h"

static bool register_class(const char* name, UINT style, WNDPROC procedure, HICON icon)
{
    WNDCLASSA wc = {};
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance_handle;
    wc.hIcon = icon;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_INACTIVEBORDER + 1));
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

bool register_picker_classes()
{
    HICON icon = LoadIconA(instance_handle, "VerihueCalibratedIcon");
    if (!register_class("VerihuePickerClass", 0, picker_window_proc, icon)) return false;
    return register_class("VerihueCHILDPickerClass", CS_DBLCLKS, picker_child_proc, nullptr);
}

void unregister_picker_classes()
{
    UnregisterClassA("VerihueCHILDPickerClass", instance_handle);
    UnregisterClassA("VerihuePickerClass", instance_handle);
}
