// One march step of the formation: its note, the turn and drop at a side, the landing
// test, and the sideways move of every living invader.
#include "game/score/sounds.h"
#include "game/sim/sim.h"

namespace game {

namespace {

// Drops all 55 records, living or not, so every record keeps y = 16 * row + 8 +
// 8 * DOWNNUM; the game ends when the lowest living row reaches the cannon's row.
void turn_and_drop() {
    INVADERD = -INVADERD;
    for (std::int32_t c = 1; c <= 11; ++c) {
        for (std::int32_t r = 1; r <= 5; ++r) INVADER[c][r].y = INVADER[c][r].y + 8;
    }
    DOWNNUM = DOWNNUM + 1;

    std::int32_t lowest = 0;
    for (std::int32_t r = 5; r >= 1 && lowest == 0; --r) {
        for (std::int32_t c = 1; c <= 11; ++c) {
            if (INVADER[c][r].state > 0) lowest = r;
        }
    }
    if (lowest != 0 && 2 * static_cast<std::int64_t>(lowest - 1) + DOWNNUM >= 20) {
        GAMEOVER = true;
    }
}

}  // namespace

void NEXTSTEP() {
    PLAYWAV(WAVINVADER[MOVENUM % 4 + 1]);
    MOVENUM = MOVENUM + 1;
    STEPNUM = 0;
    GETINVADERLEFTRIGHT();
    // The edge test sees the positions from before this step's move, so the formation
    // first steps onto the edge and turns at the following step.
    if (INVADERLEFT.x <= 0 || INVADERRIGHT.x >= 184) turn_and_drop();
    for (std::int32_t c = 1; c <= 11; ++c) {
        for (std::int32_t r = 1; r <= 5; ++r) {
            if (INVADER[c][r].state > 0) INVADER[c][r].x = INVADER[c][r].x + INVADERD;
        }
    }
    INVADERS = 3 - INVADERS;
}

}  // namespace game
