// The headless backend's controls: the screen the window is centred on, input
// scripted at virtual times, actions run at virtual times, and the window's pixels.
// Times are readings of the virtual clock (platform/headless/virtual_clock.h). Things
// scheduled for the same time happen in the order they were scheduled; a time that
// has already passed means "at the next wait or sleep".
#pragma once

#include <cstdint>
#include <functional>

#include "platform/surface.h"

namespace platform::headless {

// Exit status used when the program waits for input that can never come: no window
// timer runs and nothing is scheduled any more.
constexpr int STALL_EXIT_CODE = 4;

// Screen size reported to the window model (default 1920 x 1080).
void set_screen_size(int width, int height);

// Fixed window metrics of the headless desktop.
constexpr int FRAME_WIDTH = 4;
constexpr int FRAME_HEIGHT = 4;
constexpr int CAPTION_HEIGHT = 23;

// Scripted input. A key-down of a key that is already down arrives as an auto-repeat.
void script_key(std::uint32_t ms, std::uint32_t vk, bool down);
void script_close(std::uint32_t ms);
void script_resize(std::uint32_t ms, int client_width, int client_height);
// Moves the pointer to (x, y) relative to the client area's top-left corner.
void script_mouse(std::uint32_t ms, int client_x, int client_y);

// Runs action when the clock reaches ms, with the clock reading exactly ms while it
// runs, whether the program is sleeping or waiting for a message at that moment.
void at_time(std::uint32_t ms, std::function<void()> action);

// Whether anything scripted or scheduled is still to come.
bool has_pending();

// The window's client-area pixels as shown now; null while there is no window.
const Surface* window_pixels();
// How many times the window's pixels were shown (presentations) so far.
std::uint64_t frames_shown();

// How many times the arrow cursor was set so far.
std::uint64_t arrow_cursor_requests();

// Replaces what happens when a wait can never end (default: a message on stderr and
// exit with STALL_EXIT_CODE). An empty function restores the default.
void set_stall_handler(std::function<void()> handler);

// Forgets the scripted events, actions, screen size, pointer and window (tests).
void reset();

}  // namespace platform::headless
