// How the sound channels read a reply: private to the display unit, visible to its
// tests.
#pragma once

#include <cstdint>

namespace display::detail {

// The reply up to its first zero byte as an unsigned decimal number: r := r * 10 +
// (byte - 48) for every byte, in wrapping 32-bit arithmetic, with no test for
// digits. An empty reply reads 0.
std::uint32_t read_reply(const char* reply);

}  // namespace display::detail
