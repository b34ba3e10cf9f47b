// The window model shared by both backends: a window class with its window
// procedure, one top-level window (handle 1) whose client pixels are a surface, its
// message queue with translation and dispatch, the window timer, and the desktop
// queries (caption, metrics, rectangles, pointer). The backend reports input through
// platform/input.h; this model turns it into messages.
#pragma once

#include <cstdint>
#include <string>

#include "platform/backend.h"
#include "platform/surface.h"
#include "platform/types.h"

namespace platform::window {

using WindowProc = std::int32_t (*)(std::uint32_t hwnd, std::uint32_t message,
                                    std::uint32_t wParam, std::int32_t lParam);

struct WindowClass {
    std::uint32_t style = 0;
    WindowProc procedure = nullptr;
    std::string name;
};

// The handle of the one window, once it exists.
constexpr std::uint32_t MAIN_WINDOW = 1;
// Shortest timer period delivered, whatever shorter period is asked for.
constexpr std::uint32_t MIN_TIMER_PERIOD = 10;
// The message that makes get_message return false.
constexpr std::uint32_t WM_QUIT = 18;
// WM_SETCURSOR's hit-test code for the client area.
constexpr std::uint32_t HT_CLIENT = 1;

// Registers a class; returns its atom, or 0 for an empty name, a missing procedure
// or a name already registered.
std::uint16_t register_class(const WindowClass& window_class);

// Creates the top-level window of a registered class with its outer rectangle. The
// procedure receives WM_CREATE and then WM_SIZE with the client size before this
// returns. Returns MAIN_WINDOW, or 0 for an unknown class, a second window or when
// the backend cannot open one.
std::uint32_t create_window(const std::string& class_name, const std::string& caption,
                            std::uint32_t style, int x, int y, int width, int height);
bool is_window(std::uint32_t hwnd);

// Waits for the next message and stores it in msg; false only for WM_QUIT.
bool get_message(Msg& msg);
// Queues the character message of a key-down of a character-producing key ahead of
// all later input; returns whether it queued one.
bool translate_message(const Msg& msg);
// Calls the window procedure with the message and returns its result (0 when the
// message is for no window).
std::int32_t dispatch_message(const Msg& msg);
// Calls the window procedure directly.
std::int32_t send_message(std::uint32_t hwnd, std::uint32_t message, std::uint32_t wParam,
                          std::int32_t lParam);
// Appends a message to the queue; false when there is no such window.
bool post_message(std::uint32_t hwnd, std::uint32_t message, std::uint32_t wParam,
                  std::int32_t lParam);
void post_quit_message(std::int32_t exit_code);
// The default handling: nothing the program leaves to it needs more than a 0.
std::int32_t def_window_proc(std::uint32_t hwnd, std::uint32_t message, std::uint32_t wParam,
                             std::int32_t lParam);

// Starts (or restarts) the window's timer. Ticks arrive as WM_TIMER with wParam id,
// only when nothing else waits; missed ticks coalesce into one. A period under
// MIN_TIMER_PERIOD is raised to it. False when there is no such window.
bool set_timer(std::uint32_t hwnd, std::uint32_t id, std::uint32_t period);

// The window's drawing context; its target is the client surface, and every
// drawing into it shows the pixels. Null when there is no such window.
Context* get_dc(std::uint32_t hwnd);
// The client surface now (replaced on every size change); null with no window.
const Surface* client_surface();

void set_caption(std::uint32_t hwnd, const std::string& text);
std::string caption(std::uint32_t hwnd);
backend::Metrics system_metrics();
Rect window_rect(std::uint32_t hwnd);
Point cursor_position();
void set_arrow_cursor();
// Makes the window accept dropped files; drops get the default handling only.
void drag_accept_files(std::uint32_t hwnd, bool accept);
bool accepts_files();

// Forgets the classes, the window, its queue, timer and key states (tests).
void reset();

// ---- Keyboard (keyboard.cpp) -------------------------------------------------------
// The key message lParam: repeat count 1, scan code in bits 16-23, bit 30 on
// auto-repeat and key-up, bit 31 on key-up.
std::int32_t key_lparam(std::uint32_t scancode, bool down, bool repeat);
// The character a key-down of vk gives on a US keyboard, or 0 when it gives none.
std::uint32_t key_char(std::uint32_t vk, bool shift, bool caps_lock);
// The set-1 scan code of a virtual key on a US keyboard (0 when unknown).
std::uint32_t vk_scancode(std::uint32_t vk);

}  // namespace platform::window
