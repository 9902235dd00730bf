// Key and scroll-bar codes the picker logic acts on. They carry the system's
// values so that the window layer hands wParam and key codes over unchanged.
#pragma once
#include <cstdint>

// Virtual keys.
constexpr uint32_t key_tab = 9;
constexpr uint32_t key_return = 13;
constexpr uint32_t key_shift = 16;
constexpr uint32_t key_escape = 27;
constexpr uint32_t key_space = 32;
constexpr uint32_t key_prior = 33;
constexpr uint32_t key_next = 34;
constexpr uint32_t key_end = 35;
constexpr uint32_t key_home = 36;
constexpr uint32_t key_left = 37;
constexpr uint32_t key_up = 38;
constexpr uint32_t key_right = 39;
constexpr uint32_t key_down = 40;
constexpr uint32_t key_f5 = 116;
constexpr uint32_t key_f6 = 117;
constexpr uint32_t key_f7 = 118;

// Horizontal scroll-bar commands.
constexpr int32_t scroll_line_left = 0;
constexpr int32_t scroll_line_right = 1;
constexpr int32_t scroll_page_left = 2;
constexpr int32_t scroll_page_right = 3;
constexpr int32_t scroll_thumb_position = 4;
constexpr int32_t scroll_thumb_track = 5;
constexpr int32_t scroll_top = 6;
constexpr int32_t scroll_bottom = 7;
constexpr int32_t scroll_end = 8;
