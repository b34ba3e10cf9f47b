// The headless backend's virtual millisecond clock. Nothing waits in real time: a
// sleep moves the clock by its length, a fetch with nothing waiting moves it to the
// next timer tick or scripted event.
#pragma once

#include <cstdint>

namespace platform::headless {

// The clock's value, a millisecond count that wraps at 2^32 like the real one.
std::uint32_t virtual_now();
// Milliseconds the clock has moved forward in all, without wrapping. Setting the clock
// does not change it; it orders the scheduled events.
std::uint64_t virtual_elapsed();
// Moves the clock forward by ms. Scheduled events are not run: that is the work of
// the backend's sleep and wait.
void advance(std::uint32_t ms);
// Sets the clock (tests use it to start near the 2^32 wrap).
void set_virtual_now(std::uint32_t ms);

}  // namespace platform::headless
