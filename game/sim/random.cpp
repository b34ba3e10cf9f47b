// The program's one pseudo-random generator: SplitMix64 whose state is the seed, with
// draws from 0 to n - 1 taken from the high 32 bits. Fixed exactly, so that a seed
// replays the same game on every compiler.
#include "game/sim/random.h"

#include <utility>

namespace game {

namespace {

std::uint64_t state = 0;
std::function<std::uint32_t(std::uint32_t)> scripted;

}  // namespace

void seed_random(std::uint64_t seed) { state = seed; }

std::uint64_t random_next() {
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint32_t random_below(std::uint32_t n) {
    if (scripted) return scripted(n);
    return static_cast<std::uint32_t>(((random_next() >> 32) * n) >> 32);
}

void set_random_source(std::function<std::uint32_t(std::uint32_t n)> source) {
    scripted = std::move(source);
}

}  // namespace game
