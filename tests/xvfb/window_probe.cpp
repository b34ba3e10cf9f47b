// A small program on the desktop backend for the real-window test: it opens the
// window, fills the back buffer with a known colour and prints every key message it
// fetches, one a line ("KEYDOWN 32 0x00390001"), until a key-up of Escape.
#include <cstdio>

#include "display/display.h"

namespace {

constexpr display::COLOR BACKGROUND = 0x0000FF;  // red in 0x00BBGGRR
constexpr std::uint32_t ESCAPE = 27;

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
    display::CREATEWIN(384, 384, BACKGROUND);
    display::FRESHWIN();
    std::printf("ready %d %d\n", display::detail::W, display::detail::H);
    std::fflush(stdout);
    for (;;) {
        display::NEXTMSG();
        const display::MSG& ms = display::detail::MS;
        const char* name = name_of(ms.message);
        if (name == nullptr) continue;
        std::printf("%s %u 0x%08X\n", name, ms.wParam, static_cast<unsigned>(ms.lParam));
        std::fflush(stdout);
        if (ms.message == platform::WM_KEYUP && ms.wParam == ESCAPE) return 0;
    }
}
