// The window classes and the one top-level window: re-entrant creation, the client
// surface with its drawing context, size changes, caption and desktop queries.
#include <algorithm>
#include <vector>

#include "platform/input.h"
#include "platform/window.h"
#include "platform/window_internal.h"

namespace platform::window {

namespace {

constexpr std::uint16_t FIRST_ATOM = 0xC000;
// The client area shows the class background, white, until something is drawn.
constexpr Colour BACKGROUND = 0xFFFFFF;
constexpr std::int32_t CREATE_FAILED = -1;

std::vector<WindowClass> classes;

struct Window {
    bool exists = false;
    bool creating = false;
    WindowProc procedure = nullptr;
    std::string caption;
    Surface* client = nullptr;
    Context* dc = nullptr;
    bool accepts_files = false;
};
Window state;

void show(Context& context) {
    if (context.target != nullptr) backend::show_pixels(*context.target);
}

std::int32_t size_lparam(int width, int height) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(height & 0xFFFF) << 16 |
                                     static_cast<std::uint32_t>(width & 0xFFFF));
}

// A new client surface of the given size keeping what the old one showed where they
// overlap; the rest shows the background.
void replace_client(int width, int height) {
    Surface* fresh = create_surface(width, height);
    if (fresh != nullptr) {
        std::fill(fresh->pixels.begin(), fresh->pixels.end(), BACKGROUND);
        if (state.client != nullptr) {
            const int w = std::min(width, state.client->width);
            const int h = std::min(height, state.client->height);
            for (int y = 0; y < h; ++y) {
                const auto from = state.client->pixels.begin() + y * state.client->width;
                std::copy(from, from + w, fresh->pixels.begin() + y * width);
            }
        }
    }
    release_surface(state.client);
    state.client = fresh;
    state.dc->target = fresh;
}

void destroy() {
    release_surface(state.client);
    release_context(state.dc);
    state = Window{};
}

}  // namespace

std::uint16_t register_class(const WindowClass& window_class) {
    if (window_class.name.empty() || window_class.procedure == nullptr) return 0;
    for (const WindowClass& known : classes) {
        if (known.name == window_class.name) return 0;
    }
    classes.push_back(window_class);
    return static_cast<std::uint16_t>(FIRST_ATOM + classes.size() - 1);
}

std::uint32_t create_window(const std::string& class_name, const std::string& caption,
                            std::uint32_t, int x, int y, int width, int height) {
    const auto known = std::find_if(classes.begin(), classes.end(), [&](const WindowClass& c) {
        return c.name == class_name;
    });
    if (known == classes.end() || state.exists) return 0;

    const backend::Metrics m = backend::metrics();
    const int client_width = std::max(0, width - 2 * m.frame_width);
    const int client_height = std::max(0, height - 2 * m.frame_height - m.caption_height);
    state.exists = true;
    state.creating = true;
    state.procedure = known->procedure;
    state.caption = caption;
    state.dc = create_context();
    state.dc->changed = show;
    replace_client(client_width, client_height);
    if (!backend::open_window(caption, x, y, width, height)) {
        destroy();
        return 0;
    }
    state.creating = false;

    if (send_message(MAIN_WINDOW, WM_CREATE, 0, 0) == CREATE_FAILED) {
        destroy();
        return 0;
    }
    const int w = state.client != nullptr ? state.client->width : 0;
    const int h = state.client != nullptr ? state.client->height : 0;
    send_message(MAIN_WINDOW, WM_SIZE, 0, size_lparam(w, h));
    return MAIN_WINDOW;
}

bool is_window(std::uint32_t hwnd) { return hwnd == MAIN_WINDOW && state.exists; }

std::int32_t send_message(std::uint32_t hwnd, std::uint32_t message, std::uint32_t wParam,
                          std::int32_t lParam) {
    if (!is_window(hwnd)) return 0;
    return state.procedure(hwnd, message, wParam, lParam);
}

Context* get_dc(std::uint32_t hwnd) { return is_window(hwnd) ? state.dc : nullptr; }

const Surface* client_surface() { return state.client; }

void set_caption(std::uint32_t hwnd, const std::string& text) {
    if (!is_window(hwnd)) return;
    state.caption = text;
    backend::set_caption(text);
}

std::string caption(std::uint32_t hwnd) { return is_window(hwnd) ? state.caption : ""; }

backend::Metrics system_metrics() { return backend::metrics(); }

Rect window_rect(std::uint32_t hwnd) { return is_window(hwnd) ? backend::window_rect() : Rect{}; }

Point cursor_position() { return backend::cursor_position(); }

void set_arrow_cursor() { backend::set_arrow_cursor(); }

void drag_accept_files(std::uint32_t hwnd, bool accept) {
    if (is_window(hwnd)) state.accepts_files = accept;
}

bool accepts_files() { return state.accepts_files; }

void reset() {
    destroy();
    classes.clear();
    internal::reset_queue();
}

}  // namespace platform::window

namespace platform::input {

// A size change makes a new client surface and goes straight to the window
// procedure; while the window is being created it only fixes the size that the
// first WM_SIZE will carry.
void resize(int client_width, int client_height) {
    using namespace platform::window;
    if (!state.exists || client_width < 0 || client_height < 0) return;
    const Surface* client = state.client;
    const int w = client != nullptr ? client->width : 0;
    const int h = client != nullptr ? client->height : 0;
    if (client_width == w && client_height == h) return;
    replace_client(client_width, client_height);
    if (state.creating) return;
    if (state.client != nullptr) backend::show_pixels(*state.client);
    send_message(MAIN_WINDOW, WM_SIZE, 0, size_lparam(client_width, client_height));
}

}  // namespace platform::input
