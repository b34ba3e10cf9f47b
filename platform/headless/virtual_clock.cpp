// The virtual clock: a wrapping 32-bit reading and the unwrapped distance travelled.
#include "platform/headless/virtual_clock.h"

namespace platform::headless {

namespace {
std::uint32_t now = 0;
std::uint64_t elapsed = 0;
}  // namespace

std::uint32_t virtual_now() { return now; }

std::uint64_t virtual_elapsed() { return elapsed; }

void advance(std::uint32_t ms) {
    now += ms;
    elapsed += ms;
}

void set_virtual_now(std::uint32_t ms) { now = ms; }

}  // namespace platform::headless
