// Child controls of the picker window and its pages, made in one place so
// that every control gets its id and the run's font the same way.
#include "picker_window/make_control_win32.h"

#include "frame/module_handles_win32.h"
#include "frame/texts_win32.h"

HWND make_control(HFONT font, HWND parent, int id, const char* cls, DWORD style, DWORD ex_style, const pixel_rect& r,
                  const char* text)
{
    HWND w = CreateWindowExA(ex_style, cls, text, style, r.left, r.top, r.width(), r.height(), parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_handle, nullptr);
    if (w != nullptr && font != nullptr) SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return w;
}

HWND make_text_control(HFONT font, HWND parent, int id, const char* cls, DWORD style, DWORD ex_style,
                       const pixel_rect& r, unsigned text_id)
{
    char text[256];
    load_text(text_id, text, sizeof text);
    return make_control(font, parent, id, cls, style, ex_style, r, text);
}
