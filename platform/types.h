// Basic types shared by every layer above the platform: colours, message codes and
// the message record that the window's queue hands out.
#pragma once

#include <cstdint>

namespace platform {

// Colours are 0x00BBGGRR everywhere above the SDL backend.
using Colour = std::uint32_t;

// The display layer's absent colour: a null pen or brush, and the back buffer's key.
constexpr Colour NO_COLOUR = 1;

// Window message codes, with the values the game's loops test.
enum : std::uint32_t {
    WM_CREATE = 1,
    WM_SIZE = 5,
    WM_PAINT = 15,
    WM_CLOSE = 16,
    WM_SETCURSOR = 32,
    WM_KEYDOWN = 256,
    WM_KEYUP = 257,
    WM_CHAR = 258,
    WM_TIMER = 275,
    WM_MOUSEMOVE = 512,
    WM_USER = 1024,
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct Rect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// One window message: seven 32-bit fields in the order the game expects.
struct Msg {
    std::uint32_t hwnd = 0;
    std::uint32_t message = 0;
    std::uint32_t wParam = 0;
    std::int32_t lParam = 0;
    std::uint32_t time = 0;
    Point pt;
};

}  // namespace platform
