// The formation's tempo: the threshold that STEPNUM must exceed for the next march
// step. A narrower, smaller, lower formation and later waves step sooner.
#include <cmath>
#include <cstdint>

#include "game/sim/sim.h"

namespace game {

// Extended precision throughout. The width is a 32-bit difference, 20 - DOWNNUM a
// signed 64-bit one that turns negative after 20 descents; INITLEVEL has made LEVEL at
// least 1, so the square root is never 0.
long double tempo_threshold() {
    const auto width = static_cast<std::int32_t>(static_cast<std::int64_t>(INVADERRIGHT.x) -
                                                 INVADERLEFT.x);
    const std::int64_t descents_left = 20 - static_cast<std::int64_t>(DOWNNUM);
    const long double numerator =
        static_cast<long double>(width) / 16.0L * 5.0L + static_cast<long double>(descents_left);
    return numerator / std::sqrt(static_cast<long double>(LEVEL)) +
           std::sqrt(static_cast<long double>(INVADERNUM));
}

}  // namespace game
