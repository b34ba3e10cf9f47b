// The headless backend's desktop: a screen of settable size, a window with fixed
// frame metrics, and a timeline of scripted input and actions that the virtual
// clock runs through as the program sleeps and waits.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <utility>

#include "platform/backend.h"
#include "platform/headless/headless.h"
#include "platform/headless/virtual_clock.h"
#include "platform/input.h"
#include "platform/window.h"

namespace platform::headless {

namespace {

constexpr int DEFAULT_SCREEN_WIDTH = 1920;
constexpr int DEFAULT_SCREEN_HEIGHT = 1080;

struct Desktop {
    int screen_width = DEFAULT_SCREEN_WIDTH;
    int screen_height = DEFAULT_SCREEN_HEIGHT;
    bool window_open = false;
    Rect rect;
    std::string caption;
    Point cursor;
    std::set<std::uint32_t> keys_down;
    std::uint64_t frames = 0;
    std::uint64_t arrow_requests = 0;
    std::function<void()> stall_handler;
};
Desktop desktop;

// Scheduled events keyed by the unwrapped clock (virtual_elapsed); a multimap keeps
// events of the same time in the order they were scheduled.
std::multimap<std::uint64_t, std::function<void()>> timeline;

// The unwrapped time of a clock reading: a reading already passed means now.
std::uint64_t unwrapped(std::uint32_t ms) {
    const auto ahead = static_cast<std::int32_t>(ms - virtual_now());
    return virtual_elapsed() + static_cast<std::uint64_t>(ahead > 0 ? ahead : 0);
}

void move_clock_to(std::uint64_t when) {
    if (when > virtual_elapsed()) advance(static_cast<std::uint32_t>(when - virtual_elapsed()));
}

// Runs every event scheduled up to and including when, each at its own time.
void run_until(std::uint64_t when) {
    while (!timeline.empty() && timeline.begin()->first <= when) {
        const auto first = timeline.begin();
        const std::uint64_t at = first->first;
        std::function<void()> action = std::move(first->second);
        timeline.erase(first);
        move_clock_to(at);
        action();
    }
}

[[noreturn]] void stall() {
    if (desktop.stall_handler) {
        desktop.stall_handler();
    } else {
        std::fprintf(stderr,
                     "quorvax: waiting for input at %u ms, but no timer runs and nothing "
                     "is scripted any more\n",
                     virtual_now());
    }
    std::exit(STALL_EXIT_CODE);
}

Point client_origin() {
    return {desktop.rect.left + FRAME_WIDTH, desktop.rect.top + FRAME_HEIGHT + CAPTION_HEIGHT};
}

}  // namespace

void set_screen_size(int width, int height) {
    desktop.screen_width = width;
    desktop.screen_height = height;
}

void at_time(std::uint32_t ms, std::function<void()> action) {
    timeline.emplace(unwrapped(ms), std::move(action));
}

void script_key(std::uint32_t ms, std::uint32_t vk, bool down) {
    at_time(ms, [vk, down] {
        const bool repeat = down && desktop.keys_down.count(vk) != 0;
        if (down) {
            desktop.keys_down.insert(vk);
        } else {
            desktop.keys_down.erase(vk);
        }
        input::key(vk, window::vk_scancode(vk), down, repeat);
    });
}

void script_close(std::uint32_t ms) {
    at_time(ms, [] { input::close(); });
}

void script_resize(std::uint32_t ms, int client_width, int client_height) {
    at_time(ms, [client_width, client_height] {
        desktop.rect.right = desktop.rect.left + client_width + 2 * FRAME_WIDTH;
        desktop.rect.bottom = desktop.rect.top + client_height + 2 * FRAME_HEIGHT + CAPTION_HEIGHT;
        input::resize(client_width, client_height);
    });
}

void script_mouse(std::uint32_t ms, int client_x, int client_y) {
    at_time(ms, [client_x, client_y] {
        const Point origin = client_origin();
        desktop.cursor = {origin.x + client_x, origin.y + client_y};
        input::mouse_move(client_x, client_y);
    });
}

bool has_pending() { return !timeline.empty(); }

const Surface* window_pixels() { return window::client_surface(); }

std::uint64_t frames_shown() { return desktop.frames; }

std::uint64_t arrow_cursor_requests() { return desktop.arrow_requests; }

void set_stall_handler(std::function<void()> handler) {
    desktop.stall_handler = std::move(handler);
}

void reset() {
    timeline.clear();
    desktop = Desktop{};
    window::reset();
}

}  // namespace platform::headless

namespace platform::backend {

using namespace platform::headless;

std::uint32_t now_ms() { return virtual_now(); }

void sleep_ms(std::uint32_t ms) {
    const std::uint64_t end = virtual_elapsed() + ms;
    run_until(end);
    move_clock_to(end);
}

Metrics metrics() {
    return {desktop.screen_width, desktop.screen_height, FRAME_WIDTH, FRAME_HEIGHT,
            CAPTION_HEIGHT};
}

bool open_window(const std::string& caption, int x, int y, int width, int height) {
    desktop.window_open = true;
    desktop.caption = caption;
    desktop.rect = {x, y, x + width, y + height};
    return true;
}

void set_caption(const std::string& caption) { desktop.caption = caption; }

std::string caption() { return desktop.caption; }

void show_pixels(const Surface&) { ++desktop.frames; }

Rect window_rect() { return desktop.rect; }

Point cursor_position() { return desktop.cursor; }

void set_arrow_cursor() { ++desktop.arrow_requests; }

// Moves the clock to the next scheduled event and runs every event of that moment,
// or to the deadline when it comes first.
void wait_events(bool has_deadline, std::uint32_t deadline) {
    const std::uint64_t limit = has_deadline ? unwrapped(deadline) : 0;
    if (!timeline.empty() && (!has_deadline || timeline.begin()->first <= limit)) {
        run_until(timeline.begin()->first);
    } else if (has_deadline) {
        move_clock_to(limit);
    } else {
        stall();
    }
}

}  // namespace platform::backend
