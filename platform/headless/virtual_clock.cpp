// The virtual clock and the backend's clock functions over it.
#include "platform/headless/virtual_clock.h"

#include "platform/backend.h"

namespace platform::headless {

namespace {
std::uint32_t now = 0;
}

std::uint32_t virtual_now() { return now; }

void advance(std::uint32_t ms) { now += ms; }

void set_virtual_now(std::uint32_t ms) { now = ms; }

}  // namespace platform::headless

namespace platform::backend {

std::uint32_t now_ms() { return headless::virtual_now(); }

void sleep_ms(std::uint32_t ms) { headless::advance(ms); }

}  // namespace platform::backend
