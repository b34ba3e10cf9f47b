// Setting up a game and a wave, and the two summaries of the formation that the
// march and the tempo read: the outermost living invaders and the living count.
#include "display/display.h"
#include "game/sim/sim.h"

namespace game {

void INITPLAY() {
    GAMEOVER = false;
    LEVEL = 0;
    SCORE = 0;
    LIFE = 3;
}

void INITLEVEL() {
    LEVEL = LEVEL + 1;
    for (std::int32_t r = 1; r <= 5; ++r) {
        for (std::int32_t c = 1; c <= 11; ++c) {
            INVADER[c][r] = ACTOR{16 * (c - 1) + 2, 16 * r + 8, 1};
        }
    }
    INVADERD = 2;
    INVADERS = 1;
    GETINVADERLEFTRIGHT();
    GETINVADERNUM();

    SHIP = ACTOR{0, 184, 0};
    SHIPD = 0;
    SHIPL = SHIPR = SHIPF = false;

    // Absent objects keep their last place; only the state says they are gone.
    UFO1.state = 0;
    UFO2.state = 0;
    BULLETSHIP.state = 0;
    for (std::int32_t s = 1; s <= 3; ++s) BULLET[s].state = 0;

    for (std::int32_t k = 1; k <= 4; ++k) {
        for (std::int32_t r = 1; r <= 3; ++r) {
            for (std::int32_t c = 1; c <= 3; ++c) {
                WALL[c][r][k] = ACTOR{8 * (5 * (k - 1) + c + 2), 8 * (r + 18), 99};
            }
        }
    }

    STARTTIME = display::GETTIME();
    FRAMENUM = 0;
    STEPNUM = 0;
    MOVENUM = 0;
    DOWNNUM = 0;
    STARTNUM = 0;
    ENDNUM = 0;
}

// The last copy wins: scanning right to left leaves the lowest living invader of the
// leftmost occupied column, and the other way round for the right.
void GETINVADERLEFTRIGHT() {
    for (std::int32_t c = 11; c >= 1; --c) {
        for (std::int32_t r = 1; r <= 5; ++r) {
            if (INVADER[c][r].state == 1) INVADERLEFT = INVADER[c][r];
        }
    }
    for (std::int32_t c = 1; c <= 11; ++c) {
        for (std::int32_t r = 1; r <= 5; ++r) {
            if (INVADER[c][r].state == 1) INVADERRIGHT = INVADER[c][r];
        }
    }
}

void GETINVADERNUM() {
    std::uint32_t count = 0;
    for (std::int32_t c = 1; c <= 11; ++c) {
        for (std::int32_t r = 1; r <= 5; ++r) {
            if (INVADER[c][r].state == 1) ++count;
        }
    }
    INVADERNUM = count;
}

}  // namespace game
