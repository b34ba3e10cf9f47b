// The program's window: creation centred on the screen, the window record and the
// back buffer, the window procedure, the message fetch and the desktop queries.
#include <algorithm>
#include <cstdlib>

#include "display/display.h"
#include "display/ring.h"
#include "platform/window.h"

namespace display {

namespace detail {
std::uint32_t HW = 0;
std::int32_t W = 0, H = 0;
std::int32_t X = 0, Y = 0;
COLOR CFG = 0, CBG = 0;
BITMAPREC MSCR;
}  // namespace detail

namespace {

namespace pw = platform::window;

constexpr std::uint32_t CLASS_STYLE = 3;  // redraw on horizontal and vertical size change
constexpr std::uint32_t WINDOW_STYLE = 0xC0000;  // system menu and sizing frame
constexpr const char* CLASS_NAME = "CreateWin";
constexpr const char* DEFAULT_TITLE = "Display unit default title";
constexpr std::uint32_t WHITE = 0xFFFFFF;
constexpr std::uint32_t BLACK = 0;
constexpr std::uint32_t REFRESH_PERIOD = 1;
constexpr std::int32_t FONT_WIDTH = 10, FONT_HEIGHT = 20;

// Half the room left beside the client area: signed 64-bit difference, division
// truncating toward zero, never left of or above the screen's edge.
std::int32_t centred(std::uint32_t screen, std::int32_t client) {
    const std::int64_t half = (static_cast<std::int64_t>(screen) - client) / 2;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(half, 0, INT32_MAX));
}

void release_bitmap(PBITMAP bitmap) {
    if (bitmap == nullptr) return;
    platform::release_surface(bitmap->IMAGE);
    platform::release_context(bitmap->DC);
    delete bitmap;
}

std::int32_t on_create(std::uint32_t window) {
    WINCREATEMAIN(window);
    SETFONTSIZE(FONT_WIDTH, FONT_HEIGHT);
    detail::TBEGIN = GETTIME();
    pw::drag_accept_files(window, true);
    return 0;
}

std::int32_t on_size(std::uint32_t window, std::int32_t lParam) {
    const auto size = static_cast<std::uint32_t>(lParam);
    detail::W = static_cast<std::int32_t>(size & 0xFFFF);
    detail::H = static_cast<std::int32_t>(size >> 16);
    WINCREATEMAIN(window);
    return 0;
}

bool pointer_over_client() {
    const std::int32_t x = GETMOUSEPOSX(), y = GETMOUSEPOSY();
    return x >= 0 && x <= detail::W && y >= 0 && y <= detail::H;
}

}  // namespace

void CREATEWIN(std::uint32_t width, std::uint32_t height, std::uint32_t foreground,
               std::uint32_t background) {
    detail::W = static_cast<std::int32_t>(width);
    detail::H = static_cast<std::int32_t>(height);
    detail::X = MAX(0, centred(GETSCRWIDTH(), detail::W));
    detail::Y = MAX(0, centred(GETSCRHEIGHT(), detail::H));
    detail::CBG = background;
    detail::CFG = foreground;
    WININIT();
    // Contexts draw no text background, so the device context needs no mode set.
    BAR(0u, 0u, static_cast<std::int32_t>(width), static_cast<std::int32_t>(height),
        detail::CBG, detail::CBG);
    SETFRESH(REFRESH_PERIOD);
}

void CREATEWIN(std::uint32_t width, std::uint32_t height, std::uint32_t background) {
    CREATEWIN(width, height, WHITE, background);
}

void CREATEWIN(std::uint32_t width, std::uint32_t height) { CREATEWIN(width, height, BLACK); }

void WININIT() {
    WINREGISTER();
    WINCREATE();
    WINCREATEMAIN(detail::HW);
}

std::uint16_t WINREGISTER() {
    return pw::register_class({CLASS_STYLE, WNDPROC, CLASS_NAME});
}

// The window model shows the window as it creates it.
std::uint32_t WINCREATE() {
    detail::W += 2 * static_cast<std::int32_t>(GETBORDERWIDTH());
    detail::H += 2 * static_cast<std::int32_t>(GETBORDERHEIGHT()) +
                 static_cast<std::int32_t>(GETBORDERTITLE());
    detail::HW = pw::create_window(CLASS_NAME, DEFAULT_TITLE, WINDOW_STYLE, detail::X, detail::Y,
                                   detail::W, detail::H);
    return detail::HW;
}

// Rebuilds the window record for the current size and replaces the back buffer with
// a copy of what the window shows; the replaced one is released.
void WINCREATEMAIN(std::uint32_t window) {
    detail::DC = pw::get_dc(window);
    detail::MSCR.IMAGE = nullptr;
    detail::MSCR.DC = detail::DC;
    detail::MSCR.WIDTH = static_cast<std::uint32_t>(detail::W);
    detail::MSCR.HEIGHT = static_cast<std::uint32_t>(detail::H);
    detail::MSCR.KEYCOLOR = platform::NO_COLOUR;
    detail::PMSCR = &detail::MSCR;
    const PBITMAP replaced = detail::PMAIN;
    detail::PMAIN = COPYBMP(detail::PMSCR);
    release_bitmap(replaced);
}

std::int32_t WNDPROC(std::uint32_t window, std::uint32_t message, std::uint32_t wParam,
                     std::int32_t lParam) {
    switch (message) {
        case platform::WM_CREATE:
            return on_create(window);
        case platform::WM_SIZE:
            return on_size(window, lParam);
        case platform::WM_CLOSE:
            std::exit(0);
        case platform::WM_SETCURSOR:
            if (!pointer_over_client()) break;
            pw::set_arrow_cursor();
            return 0;
        case platform::WM_TIMER:
        case platform::WM_MOUSEMOVE:
            FRESHWIN();
            return 0;
        case platform::WM_USER:
            ring::store(message, wParam, lParam);
            return 0;
        default:
            break;
    }
    return pw::def_window_proc(window, message, wParam, lParam);
}

bool NEXTMSG() {
    if (ring::take()) return true;
    const bool result = pw::get_message(detail::MS);
    SENDMSG();
    return result;
}

void SENDMSG() {
    pw::translate_message(detail::MS);
    pw::dispatch_message(detail::MS);
}

void FRESHWIN() { DRAWBMP(detail::PMAIN, detail::PMSCR); }

void SETFRESH(std::uint32_t period) { pw::set_timer(detail::HW, 0, period); }

void SETTITLE(const std::string& text) { pw::set_caption(detail::HW, text); }

std::uint32_t GETSCRWIDTH() {
    return static_cast<std::uint32_t>(pw::system_metrics().screen_width);
}

std::uint32_t GETSCRHEIGHT() {
    return static_cast<std::uint32_t>(pw::system_metrics().screen_height);
}

std::uint32_t GETBORDERWIDTH() {
    return static_cast<std::uint32_t>(pw::system_metrics().frame_width);
}

std::uint32_t GETBORDERHEIGHT() {
    return static_cast<std::uint32_t>(pw::system_metrics().frame_height);
}

std::uint32_t GETBORDERTITLE() {
    return static_cast<std::uint32_t>(pw::system_metrics().caption_height);
}

std::int32_t GETPOSX() { return pw::window_rect(detail::HW).left; }

std::int32_t GETPOSY() { return pw::window_rect(detail::HW).top; }

std::int32_t GETMOUSEABSX() { return pw::cursor_position().x; }

std::int32_t GETMOUSEABSY() { return pw::cursor_position().y; }

std::int32_t GETMOUSEWINX() { return GETMOUSEABSX() - GETPOSX(); }

std::int32_t GETMOUSEWINY() { return GETMOUSEABSY() - GETPOSY(); }

std::int32_t GETMOUSEPOSX() { return GETMOUSEWINX() - static_cast<std::int32_t>(GETBORDERWIDTH()); }

std::int32_t GETMOUSEPOSY() {
    return GETMOUSEWINY() - static_cast<std::int32_t>(GETBORDERHEIGHT()) -
           static_cast<std::int32_t>(GETBORDERTITLE());
}

}  // namespace display
