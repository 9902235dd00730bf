// Scope guards for what painting selects into a device context: whatever a
// painter selects, sets or realises goes back when it leaves, on every path.
#pragma once
#include <windows.h>

// A pen, brush or font selected for the scope.
class selected_object {
public:
    selected_object(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~selected_object() { SelectObject(dc_, previous_); }
    selected_object(const selected_object&) = delete;
    selected_object& operator=(const selected_object&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The background mode for the scope.
class background_mode {
public:
    background_mode(HDC dc, int mode) : dc_(dc), previous_(SetBkMode(dc, mode)) {}
    ~background_mode() { SetBkMode(dc_, previous_); }
    background_mode(const background_mode&) = delete;
    background_mode& operator=(const background_mode&) = delete;

private:
    HDC dc_;
    int previous_;
};

// The text colour for the scope.
class text_color {
public:
    text_color(HDC dc, COLORREF color) : dc_(dc), previous_(SetTextColor(dc, color)) {}
    ~text_color() { SetTextColor(dc_, previous_); }
    text_color(const text_color&) = delete;
    text_color& operator=(const text_color&) = delete;

private:
    HDC dc_;
    COLORREF previous_;
};

// The text background colour (opaque mode) for the scope.
class background_color {
public:
    background_color(HDC dc, COLORREF color) : dc_(dc), previous_(SetBkColor(dc, color)) {}
    ~background_color() { SetBkColor(dc_, previous_); }
    background_color(const background_color&) = delete;
    background_color& operator=(const background_color&) = delete;

private:
    HDC dc_;
    COLORREF previous_;
};

// A page palette selected and realised for the scope, the previous one
// selected and realised again after it; nothing when palette is null (true
// colour displays, or a page without a palette).
class realized_palette {
public:
    realized_palette(HDC dc, HPALETTE palette, BOOL background)
        : dc_(dc), previous_(palette != nullptr ? SelectPalette(dc, palette, background) : nullptr)
    {
        if (palette != nullptr) RealizePalette(dc);
    }
    ~realized_palette()
    {
        if (previous_ == nullptr) return;
        SelectPalette(dc_, previous_, TRUE);
        RealizePalette(dc_);
    }
    realized_palette(const realized_palette&) = delete;
    realized_palette& operator=(const realized_palette&) = delete;

private:
    HDC dc_;
    HPALETTE previous_;
};

// A device context of a window for the scope.
class window_dc {
public:
    explicit window_dc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~window_dc() { ReleaseDC(window_, dc_); }
    window_dc(const window_dc&) = delete;
    window_dc& operator=(const window_dc&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};
