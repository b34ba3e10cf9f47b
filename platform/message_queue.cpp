// The window's message queue: posted input in arrival order, character messages from
// the translate step ahead of later input, the window timer when nothing else waits,
// and the input reported by the backend turned into messages.
#include <deque>
#include <set>

#include "platform/input.h"
#include "platform/window.h"
#include "platform/window_internal.h"

namespace platform::window {

namespace {

std::deque<Msg> queue;

struct Timer {
    bool active = false;
    std::uint32_t id = 0;
    std::uint32_t period = 0;
    std::uint32_t due = 0;
};
Timer timer;

// Key state as of the last key message taken off the queue, so that a character
// is translated with the Shift state that went with its key-down.
std::set<std::uint32_t> shift_scancodes;
bool caps_lock = false;

constexpr std::uint32_t VK_SHIFT = 16;
constexpr std::uint32_t VK_CAPITAL = 20;

bool reached(std::uint32_t now, std::uint32_t due) {
    return static_cast<std::int32_t>(now - due) >= 0;
}

Msg make_message(std::uint32_t hwnd, std::uint32_t message, std::uint32_t wParam,
                 std::int32_t lParam) {
    Msg msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = backend::now_ms();
    msg.pt = cursor_position();
    return msg;
}

void track_keys(const Msg& msg) {
    const bool down = msg.message == WM_KEYDOWN;
    if (!down && msg.message != WM_KEYUP) return;
    const std::uint32_t scancode = (static_cast<std::uint32_t>(msg.lParam) >> 16) & 0xFF;
    const bool repeat = (static_cast<std::uint32_t>(msg.lParam) >> 30) & 1;
    if (msg.wParam == VK_SHIFT) {
        if (down) {
            shift_scancodes.insert(scancode);
        } else {
            shift_scancodes.erase(scancode);
        }
    } else if (msg.wParam == VK_CAPITAL && down && !repeat) {
        caps_lock = !caps_lock;
    }
}

// The tick that is due now: the next one is scheduled on the period's grid, so
// ticks missed while the program was busy make a single message.
Msg take_tick(std::uint32_t now) {
    const std::uint32_t late = now - timer.due;
    timer.due += timer.period * (late / timer.period + 1);
    return make_message(MAIN_WINDOW, WM_TIMER, timer.id, 0);
}

}  // namespace

bool get_message(Msg& msg) {
    for (;;) {
        if (!queue.empty()) {
            msg = queue.front();
            queue.pop_front();
            track_keys(msg);
            return msg.message != WM_QUIT;
        }
        if (timer.active && is_window(MAIN_WINDOW)) {
            const std::uint32_t now = backend::now_ms();
            if (reached(now, timer.due)) {
                msg = take_tick(now);
                return true;
            }
            backend::wait_events(true, timer.due);
        } else {
            backend::wait_events(false, 0);
        }
    }
}

bool translate_message(const Msg& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    const std::uint32_t c = key_char(msg.wParam, !shift_scancodes.empty(), caps_lock);
    if (c == 0) return false;
    Msg character = msg;
    character.message = WM_CHAR;
    character.wParam = c;
    queue.push_front(character);
    return true;
}

std::int32_t dispatch_message(const Msg& msg) {
    return send_message(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

bool post_message(std::uint32_t hwnd, std::uint32_t message, std::uint32_t wParam,
                  std::int32_t lParam) {
    if (!is_window(hwnd)) return false;
    queue.push_back(make_message(hwnd, message, wParam, lParam));
    return true;
}

void post_quit_message(std::int32_t exit_code) {
    queue.push_back(make_message(0, WM_QUIT, static_cast<std::uint32_t>(exit_code), 0));
}

std::int32_t def_window_proc(std::uint32_t, std::uint32_t, std::uint32_t, std::int32_t) {
    return 0;
}

bool set_timer(std::uint32_t hwnd, std::uint32_t id, std::uint32_t period) {
    if (!is_window(hwnd)) return false;
    timer.active = true;
    timer.id = id;
    timer.period = period < MIN_TIMER_PERIOD ? MIN_TIMER_PERIOD : period;
    timer.due = backend::now_ms() + timer.period;
    return true;
}

namespace internal {

void queue_mouse_move(std::int32_t position) {
    if (!queue.empty() && queue.back().message == WM_MOUSEMOVE) {
        queue.back().lParam = position;
        queue.back().pt = cursor_position();
        return;
    }
    post_message(MAIN_WINDOW, WM_MOUSEMOVE, 0, position);
}

void reset_queue() {
    queue.clear();
    timer = Timer{};
    shift_scancodes.clear();
    caps_lock = false;
}

}  // namespace internal

}  // namespace platform::window

namespace platform::input {

void key(std::uint32_t vk, std::uint32_t scancode, bool down, bool repeat) {
    window::post_message(window::MAIN_WINDOW, down ? WM_KEYDOWN : WM_KEYUP, vk,
                         window::key_lparam(scancode, down, repeat));
}

void close() { window::post_message(window::MAIN_WINDOW, WM_CLOSE, 0, 0); }

// A move over the client area sets the cursor at once and queues one mouse-move
// message; moves that follow before it is fetched only update its position.
void mouse_move(int client_x, int client_y) {
    const Surface* client = window::client_surface();
    if (client == nullptr || client_x < 0 || client_y < 0 || client_x >= client->width ||
        client_y >= client->height) {
        return;
    }
    window::send_message(window::MAIN_WINDOW, WM_SETCURSOR, window::MAIN_WINDOW,
                         static_cast<std::int32_t>(window::HT_CLIENT | WM_MOUSEMOVE << 16));
    const auto position = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(client_y & 0xFFFF) << 16 |
        static_cast<std::uint32_t>(client_x & 0xFFFF));
    window::internal::queue_mouse_move(position);
}

}  // namespace platform::input
