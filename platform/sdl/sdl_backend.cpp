// The desktop backend's window side over SDL2: the monotonic clock, one resizable
// window, keys mapped from scan codes to US-layout virtual keys, and presentation
// that never blocks the game thread (the newest pixels are shown at most once per
// display refresh, without vsync).
#include <SDL.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "platform/backend.h"
#include "platform/input.h"
#include "platform/window.h"

namespace platform::backend {

namespace {

constexpr int FALLBACK_REFRESH_HZ = 60;
constexpr std::uint32_t RIGHT_SHIFT_SCANCODE = 0x36;

struct Screen {
    bool video = false;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int texture_width = 0, texture_height = 0;
    SDL_Cursor* arrow = nullptr;
    // The newest client pixels and whether they still wait to be presented.
    int width = 0, height = 0;
    std::vector<Colour> pixels;
    bool pending = false;
    std::uint32_t refresh_ms = 1000 / FALLBACK_REFRESH_HZ;
    std::uint32_t next_present = 0;
};
Screen screen;

// A desktop without a display cannot run the program at all; say so and stop.
void ensure_video() {
    if (screen.video) return;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "quorvax: cannot open the display: %s\n", SDL_GetError());
        std::exit(1);
    }
    screen.video = true;
}

bool reached(std::uint32_t now, std::uint32_t when) {
    return static_cast<std::int32_t>(now - when) >= 0;
}

// Windows virtual-key codes by SDL scan code (USB usage), so that the US-layout
// codes hold whatever layout the keyboard is set to.
constexpr std::array<std::uint8_t, SDL_NUM_SCANCODES> make_vk_table() {
    std::array<std::uint8_t, SDL_NUM_SCANCODES> vk{};
    for (int i = 0; i < 26; ++i) vk[SDL_SCANCODE_A + i] = static_cast<std::uint8_t>('A' + i);
    for (int i = 0; i < 9; ++i) vk[SDL_SCANCODE_1 + i] = static_cast<std::uint8_t>('1' + i);
    vk[SDL_SCANCODE_0] = '0';
    vk[SDL_SCANCODE_RETURN] = 13;
    vk[SDL_SCANCODE_ESCAPE] = 27;
    vk[SDL_SCANCODE_BACKSPACE] = 8;
    vk[SDL_SCANCODE_TAB] = 9;
    vk[SDL_SCANCODE_SPACE] = 32;
    vk[SDL_SCANCODE_MINUS] = 189;
    vk[SDL_SCANCODE_EQUALS] = 187;
    vk[SDL_SCANCODE_LEFTBRACKET] = 219;
    vk[SDL_SCANCODE_RIGHTBRACKET] = 221;
    vk[SDL_SCANCODE_BACKSLASH] = 220;
    vk[SDL_SCANCODE_NONUSHASH] = 220;
    vk[SDL_SCANCODE_SEMICOLON] = 186;
    vk[SDL_SCANCODE_APOSTROPHE] = 222;
    vk[SDL_SCANCODE_GRAVE] = 192;
    vk[SDL_SCANCODE_COMMA] = 188;
    vk[SDL_SCANCODE_PERIOD] = 190;
    vk[SDL_SCANCODE_SLASH] = 191;
    vk[SDL_SCANCODE_CAPSLOCK] = 20;
    for (int i = 0; i < 12; ++i) vk[SDL_SCANCODE_F1 + i] = static_cast<std::uint8_t>(112 + i);
    vk[SDL_SCANCODE_INSERT] = 45;
    vk[SDL_SCANCODE_HOME] = 36;
    vk[SDL_SCANCODE_PAGEUP] = 33;
    vk[SDL_SCANCODE_DELETE] = 46;
    vk[SDL_SCANCODE_END] = 35;
    vk[SDL_SCANCODE_PAGEDOWN] = 34;
    vk[SDL_SCANCODE_RIGHT] = 39;
    vk[SDL_SCANCODE_LEFT] = 37;
    vk[SDL_SCANCODE_DOWN] = 40;
    vk[SDL_SCANCODE_UP] = 38;
    vk[SDL_SCANCODE_KP_DIVIDE] = 111;
    vk[SDL_SCANCODE_KP_MULTIPLY] = 106;
    vk[SDL_SCANCODE_KP_MINUS] = 109;
    vk[SDL_SCANCODE_KP_PLUS] = 107;
    vk[SDL_SCANCODE_KP_ENTER] = 13;
    for (int i = 0; i < 9; ++i) vk[SDL_SCANCODE_KP_1 + i] = static_cast<std::uint8_t>(97 + i);
    vk[SDL_SCANCODE_KP_0] = 96;
    vk[SDL_SCANCODE_KP_PERIOD] = 110;
    vk[SDL_SCANCODE_LCTRL] = 17;
    vk[SDL_SCANCODE_RCTRL] = 17;
    vk[SDL_SCANCODE_LSHIFT] = 16;
    vk[SDL_SCANCODE_RSHIFT] = 16;
    vk[SDL_SCANCODE_LALT] = 18;
    vk[SDL_SCANCODE_RALT] = 18;
    return vk;
}
constexpr std::array<std::uint8_t, SDL_NUM_SCANCODES> VK_BY_SCANCODE = make_vk_table();

void deliver_key(const SDL_KeyboardEvent& key) {
    const SDL_Scancode code = key.keysym.scancode;
    if (code < 0 || code >= SDL_NUM_SCANCODES || VK_BY_SCANCODE[code] == 0) return;
    const std::uint32_t vk = VK_BY_SCANCODE[code];
    const std::uint32_t scancode =
        code == SDL_SCANCODE_RSHIFT ? RIGHT_SHIFT_SCANCODE : window::vk_scancode(vk);
    input::key(vk, scancode, key.type == SDL_KEYDOWN, key.repeat != 0);
}

void client_size(int& width, int& height) {
    width = height = 0;
    if (screen.renderer == nullptr ||
        SDL_GetRendererOutputSize(screen.renderer, &width, &height) != 0) {
        SDL_GetWindowSize(screen.window, &width, &height);
    }
}

// Reports one SDL event to the window model; true when it became input.
bool deliver(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            input::close();
            return true;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            deliver_key(event.key);
            return true;
        case SDL_MOUSEMOTION:
            input::mouse_move(event.motion.x, event.motion.y);
            return true;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    input::close();
                    return true;
                case SDL_WINDOWEVENT_SIZE_CHANGED: {
                    int width = 0, height = 0;
                    client_size(width, height);
                    input::resize(width, height);
                    return true;
                }
                case SDL_WINDOWEVENT_EXPOSED:
                    screen.pending = true;
                    return false;
                default:
                    return false;
            }
        default:
            return false;
    }
}

bool make_texture(int width, int height) {
    if (screen.texture != nullptr && screen.texture_width == width &&
        screen.texture_height == height) {
        return true;
    }
    if (screen.texture != nullptr) SDL_DestroyTexture(screen.texture);
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    screen.texture = SDL_CreateTexture(screen.renderer, SDL_PIXELFORMAT_XBGR8888,
                                       SDL_TEXTUREACCESS_STREAMING, width, height);
    screen.texture_width = screen.texture != nullptr ? width : 0;
    screen.texture_height = screen.texture != nullptr ? height : 0;
    return screen.texture != nullptr;
}

// Uploads the newest pixels 1:1 to the top-left of the window and presents them.
void present() {
    screen.pending = false;
    screen.next_present = now_ms() + screen.refresh_ms;
    int out_w = 0, out_h = 0;
    client_size(out_w, out_h);
    if (out_w <= 0 || out_h <= 0 || !make_texture(out_w, out_h)) return;
    void* texels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(screen.texture, nullptr, &texels, &pitch) != 0) return;
    const int w = std::min(out_w, screen.width);
    for (int y = 0; y < out_h; ++y) {
        auto* row = reinterpret_cast<Colour*>(static_cast<std::uint8_t*>(texels) + y * pitch);
        int copied = 0;
        if (y < screen.height) {
            std::memcpy(row, screen.pixels.data() + static_cast<std::size_t>(y) * screen.width,
                        static_cast<std::size_t>(w) * sizeof(Colour));
            copied = w;
        }
        std::fill(row + copied, row + out_w, Colour{0});
    }
    SDL_UnlockTexture(screen.texture);
    SDL_RenderCopy(screen.renderer, screen.texture, nullptr, nullptr);
    SDL_RenderPresent(screen.renderer);
}

void present_if_due() {
    if (screen.pending && screen.renderer != nullptr && reached(now_ms(), screen.next_present)) {
        present();
    }
}

std::uint32_t refresh_interval() {
    SDL_DisplayMode mode;
    const int hz = SDL_GetWindowDisplayMode(screen.window, &mode) == 0 && mode.refresh_rate > 0
                       ? mode.refresh_rate
                       : FALLBACK_REFRESH_HZ;
    return static_cast<std::uint32_t>(std::max(1, 1000 / hz));
}

}  // namespace

std::uint32_t now_ms() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void sleep_ms(std::uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The window's frame belongs to the window manager, so the window is placed and
// measured by its client area: no frame, no caption.
Metrics metrics() {
    ensure_video();
    Metrics m;
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(0, &bounds) == 0) {
        m.screen_width = bounds.w;
        m.screen_height = bounds.h;
    }
    return m;
}

bool open_window(const std::string& caption, int x, int y, int width, int height) {
    ensure_video();
    screen.window = SDL_CreateWindow(caption.c_str(), x, y, width, height,
                                     SDL_WINDOW_RESIZABLE | SDL_WINDOW_SHOWN);
    if (screen.window == nullptr) {
        std::fprintf(stderr, "quorvax: cannot open the window: %s\n", SDL_GetError());
        return false;
    }
    SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
    screen.renderer = SDL_CreateRenderer(screen.window, -1, 0);
    if (screen.renderer == nullptr) {
        screen.renderer = SDL_CreateRenderer(screen.window, -1, SDL_RENDERER_SOFTWARE);
    }
    screen.refresh_ms = refresh_interval();
    set_arrow_cursor();
    int client_w = 0, client_h = 0;
    client_size(client_w, client_h);
    if (client_w != width || client_h != height) input::resize(client_w, client_h);
    return true;
}

void set_caption(const std::string& caption) {
    if (screen.window != nullptr) SDL_SetWindowTitle(screen.window, caption.c_str());
}

std::string caption() { return screen.window != nullptr ? SDL_GetWindowTitle(screen.window) : ""; }

// Keeps a copy of the newest pixels; unchanged pixels need no new presentation.
void show_pixels(const Surface& client) {
    const std::size_t count = client.pixels.size();
    const bool same = client.width == screen.width && client.height == screen.height &&
                      std::memcmp(client.pixels.data(), screen.pixels.data(),
                                  count * sizeof(Colour)) == 0;
    if (!same) {
        screen.width = client.width;
        screen.height = client.height;
        screen.pixels = client.pixels;
        screen.pending = true;
    }
    present_if_due();
}

Rect window_rect() {
    Rect r;
    if (screen.window == nullptr) return r;
    int w = 0, h = 0;
    SDL_GetWindowPosition(screen.window, &r.left, &r.top);
    SDL_GetWindowSize(screen.window, &w, &h);
    r.right = r.left + w;
    r.bottom = r.top + h;
    return r;
}

Point cursor_position() {
    Point p;
    SDL_GetGlobalMouseState(&p.x, &p.y);
    return p;
}

void set_arrow_cursor() {
    if (screen.arrow == nullptr) screen.arrow = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    if (screen.arrow != nullptr && SDL_GetCursor() != screen.arrow) SDL_SetCursor(screen.arrow);
}

// Waits in SDL until input arrives or the deadline passes, waking in between to
// present a frame that waits for its refresh.
void wait_events(bool has_deadline, std::uint32_t deadline) {
    ensure_video();
    bool delivered = false;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) delivered = deliver(event) || delivered;
    for (;;) {
        present_if_due();
        if (delivered) return;
        const std::uint32_t now = now_ms();
        if (has_deadline && reached(now, deadline)) return;
        std::int64_t timeout = -1;
        if (has_deadline) timeout = static_cast<std::int32_t>(deadline - now);
        if (screen.pending && screen.renderer != nullptr) {
            const std::int64_t until_present =
                std::max<std::int32_t>(0, static_cast<std::int32_t>(screen.next_present - now));
            timeout = timeout < 0 ? until_present : std::min(timeout, until_present);
        }
        const int got = timeout < 0 ? SDL_WaitEvent(&event)
                                    : SDL_WaitEventTimeout(&event, static_cast<int>(timeout));
        if (got == 0) continue;
        delivered = deliver(event) || delivered;
        while (SDL_PollEvent(&event) != 0) delivered = deliver(event) || delivered;
    }
}

}  // namespace platform::backend
