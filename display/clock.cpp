// The unit's millisecond clock, counted from the window's creation, and its sleep.
#include "display/display.h"
#include "platform/backend.h"

namespace display {

namespace detail {
std::uint32_t TBEGIN = 0;
}

// Unsigned 32-bit subtraction is the elapsed time across the counter's wrap too.
std::uint32_t GETTIME() {
    const std::uint32_t t = platform::backend::now_ms();
    if (t >= detail::TBEGIN) return t - detail::TBEGIN;
    return static_cast<std::uint32_t>(0x100000000ULL - detail::TBEGIN + t);
}

void DELAY(std::uint32_t ms) { platform::backend::sleep_ms(ms); }

}  // namespace display
