// The current message and the questions the screen loops ask of it.
#include "display/display.h"

namespace display {

namespace detail {
MSG MS;
}

namespace {
constexpr std::uint32_t KEYDOWN = platform::WM_KEYDOWN;
}

bool ISMSG(std::uint32_t message) { return detail::MS.message == message; }

bool ISMSG(std::initializer_list<std::uint32_t> messages) {
    bool found = false;
    for (const std::uint32_t message : messages) {
        if (message == detail::MS.message) found = true;
    }
    return found;
}

namespace {
std::uint64_t packed() {
    return static_cast<std::uint64_t>(detail::MS.wParam) << 32 |
           static_cast<std::uint32_t>(detail::MS.lParam);
}
}  // namespace

std::uint64_t GETMSG(std::uint32_t message) { return ISMSG(message) ? packed() : 0; }

std::uint64_t GETMSG(std::initializer_list<std::uint32_t> messages) {
    return ISMSG(messages) ? packed() : 0;
}

bool ISKEY() { return ISMSG(KEYDOWN); }

std::uint32_t GETKEY() { return static_cast<std::uint32_t>(GETMSG(KEYDOWN) >> 32); }

bool ISKEY(std::uint32_t key) { return ISKEY() && GETKEY() == key; }

}  // namespace display
