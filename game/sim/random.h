// The program's one pseudo-random generator, fixed exactly so that a seed gives the
// same game everywhere: SplitMix64, with a draw from 0 to n - 1 taken as
// ((next() >> 32) * n) >> 32.
#pragma once

#include <cstdint>
#include <functional>

namespace game {

void seed_random(std::uint64_t seed);
std::uint64_t random_next();
// A uniform draw from 0 to n - 1 (n >= 1).
std::uint32_t random_below(std::uint32_t n);

// Tests may replace the generator by a script of draws; an empty function restores it.
void set_random_source(std::function<std::uint32_t(std::uint32_t n)> source);

}  // namespace game
