// What the screen shows, read back through the screen DC into a 32-bit DIB
// section, and written as PNG for people to look at.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct screen_image {
    int left = 0, top = 0, width = 0, height = 0;   // screen coordinates of the copy
    std::vector<uint32_t> pixels;                    // 0x00RRGGBB, rows top to bottom

    // The colour at a screen point as COLORREF order-free RGB; 0xFFFFFFFF outside.
    uint32_t at(int x, int y) const;
};

// The screen rectangle as it is shown now.
screen_image capture_screen(const RECT& r);
// The window's whole rectangle on screen.
screen_image capture_window(HWND window);

// Waits until the window and its children have nothing left to paint and
// (when settle) what they painted holds still on the screen.
void wait_until_painted(HWND window, bool settle = true);

// 8-bit RGB PNG, stored (uncompressed) deflate; true when written.
bool write_png(const std::string& path, const screen_image& image);

inline uint32_t rgb_of(int r, int g, int b) { return (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b); }
