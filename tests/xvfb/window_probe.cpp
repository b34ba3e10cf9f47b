// A small program on the desktop backend for the real-window test: it opens the
// window, fills the back buffer with a known colour and prints every key message it
// fetches ("KEYDOWN 32 0x00390001") and every new client size ("size 500 300"), one
// a line. It runs until the window's close button ends it.
#include <cstdio>

#include "display/display.h"

namespace {

constexpr display::COLOR BACKGROUND = 0x0000FF;  // red in 0x00BBGGRR

const char* name_of(std::uint32_t message) {
    switch (message) {
        case platform::WM_KEYDOWN:
            return "KEYDOWN";
        case platform::WM_KEYUP:
            return "KEYUP";
        case platform::WM_CHAR:
            return "CHAR";
        default:
            return nullptr;
    }
}

}  // namespace

int main() {
    using display::detail::H;
    using display::detail::W;
    display::CREATEWIN(384, 384, BACKGROUND);
    display::FRESHWIN();
    std::printf("ready %d %d\n", W, H);
    std::fflush(stdout);
    std::int32_t shown_w = W, shown_h = H;
    for (;;) {
        display::NEXTMSG();
        if (W != shown_w || H != shown_h) {
            shown_w = W;
            shown_h = H;
            std::printf("size %d %d\n", W, H);
            std::fflush(stdout);
        }
        const display::MSG& ms = display::detail::MS;
        const char* name = name_of(ms.message);
        if (name == nullptr) continue;
        std::printf("%s %u 0x%08X\n", name, ms.wParam, static_cast<unsigned>(ms.lParam));
        std::fflush(stdout);
    }
}
