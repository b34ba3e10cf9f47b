// The small interface that each backend (SDL for the desktop, headless for tests and
// the scripted driver) implements. Everything above it, the window model, the
// surfaces and the sound interpreter, is written once and shared. An executable
// links exactly one backend.
#pragma once

#include <cstdint>
#include <string>

#include "platform/surface.h"
#include "platform/types.h"

namespace platform::backend {

// ---- Clock -------------------------------------------------------------------------
// Millisecond counter that wraps at 2^32 (monotonic on the desktop, virtual headless).
std::uint32_t now_ms();
// Sleeps (headless: advances the virtual clock by exactly ms).
void sleep_ms(std::uint32_t ms);

// ---- Desktop -----------------------------------------------------------------------
struct Metrics {
    int screen_width = 0, screen_height = 0;  // the screen the window is centred on
    int frame_width = 0, frame_height = 0;    // one sizing frame
    int caption_height = 0;
};
Metrics metrics();

// Opens the one top-level window with its outer rectangle at (x, y, width, height).
// Returns false when no window can be made. Reports the real client size through
// platform::input::resize before returning, if it differs from the requested one.
bool open_window(const std::string& caption, int x, int y, int width, int height);
void set_caption(const std::string& caption);
std::string caption();
// The window's newest client-area pixels. Never blocks: the backend shows the newest
// pixels at most once per display refresh.
void show_pixels(const Surface& client);
Rect window_rect();         // outer rectangle on the screen
Point cursor_position();    // on the screen
void set_arrow_cursor();

// Waits for input until now_ms() reaches deadline (when has_deadline) or until at
// least one event was delivered through platform::input. Headless: moves the virtual
// clock to the next scripted event or to the deadline.
void wait_events(bool has_deadline, std::uint32_t deadline);

// ---- Audio -------------------------------------------------------------------------
// Starts mixing platform::sound's channels; false when there is no device (silence).
bool audio_start();
// Guards the mixer state against the device callback.
void audio_lock();
void audio_unlock();
// Brings channel positions up to the clock before a command reads or changes them
// (headless: advances by the virtual time since the last call; desktop: nothing).
void audio_sync();

}  // namespace platform::backend
