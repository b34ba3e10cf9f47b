// The invaders' fire: each of the three shot slots in turn falls, leaves at the
// bottom, meets the shields and the cannon, and when empty may be refilled from the
// lowest living invader of a random column.
#include <cstdint>

#include "game/score/sounds.h"
#include "game/sim/frame_steps.h"
#include "game/sim/random.h"
#include "game/sim/sim.h"

namespace game {

namespace {

struct Shooter {
    std::int32_t column;
    std::int32_t row;
};

// Draws columns until one holds a living invader and takes its lowest one. With no
// invader left (the last fell earlier in this frame) the first draw ends the search at
// row 1 of that column. INVADERNUM is recounted at every hit, so while it is above 0
// some invader lives and the search ends.
Shooter find_shooter() {
    for (;;) {
        const std::int32_t c = static_cast<std::int32_t>(random_below(11)) + 1;
        std::int32_t r = 5;
        while (r > 1 && INVADER[c][r].state <= 0) r = r - 1;
        if (INVADER[c][r].state > 0 || INVADERNUM == 0) return Shooter{c, r};
    }
}

// An invader whose own shot is still young (age 8 or less) may not fire again. The
// shooter code 10 * row + column repeats across rows (column 11 of row r and column 1
// of row r + 1), and such invaders block each other.
bool recently_fired(std::int32_t code) {
    for (std::int32_t s = 1; s <= 3; ++s) {
        if (BULLET[s].state > 0 && BULLET[s].state % 100 == code && BULLET[s].state / 100 <= 8) {
            return true;
        }
    }
    return false;
}

void hit_cannon(const ACTOR& shot) {
    if (shot.state > 0 && SHIP.state > 0 && SHIP.x + 3 <= shot.x + 5 && shot.x + 3 < SHIP.x + 14 &&
        shot.y + 8 > SHIP.y) {
        SHIP.state = -SHIPFRAME;
        PLAYWAV(WAVLOSE);
    }
}

void refill(ACTOR& shot) {
    const Shooter shooter = find_shooter();
    const ACTOR& invader = INVADER[shooter.column][shooter.row];
    shot.x = invader.x;
    shot.y = invader.y + 8;
    const std::int32_t code = 10 * shooter.row + shooter.column;
    if (recently_fired(code)) return;
    if (static_cast<std::int64_t>(random_below(1000)) < LEVEL) shot.state = 100 + code;
}

}  // namespace

namespace frame_steps {

void invader_shot_slot(std::int32_t slot) {
    ACTOR& shot = BULLET[slot];
    if (shot.state > 0) {
        shot.state = shot.state + 100;
        shot.y = shot.y + 1;
    }
    if (192 - shot.y < 8) shot.state = 0;
    invader_shot_vs_shields(slot);
    // The shot stays where it is: it stands still through the explosion and vanishes
    // with the others at its end.
    hit_cannon(shot);
    if (shot.state == 0) refill(shot);
}

}  // namespace frame_steps

}  // namespace game
