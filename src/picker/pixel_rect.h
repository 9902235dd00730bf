// A rectangle in pixels: left, top, right, bottom, with right and bottom
// exclusive, laid out like the system's RECT so the window layer can pass one
// straight through.
#pragma once
#include <cstdint>

struct pixel_rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;

    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    // The system's hit rule: left and top belong to the rectangle, right and
    // bottom do not.
    bool contains(int32_t x, int32_t y) const { return left <= x && x < right && top <= y && y < bottom; }
};

inline bool operator==(const pixel_rect& a, const pixel_rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
