// The player's cannon: the keys (GETACT), the cannon's move, the flight of its one
// shot, the shot against invader shots and against invaders, and scoring.
#include <cstdint>
#include <limits>

#include "display/display.h"
#include "game/score/sounds.h"
#include "game/sim/frame_steps.h"
#include "game/sim/sim.h"

namespace game {

namespace {

constexpr std::uint32_t KEY_SPACE = 32;
constexpr std::uint32_t KEY_LEFT = 37;
constexpr std::uint32_t KEY_RIGHT = 39;
constexpr std::uint32_t KEY_ESCAPE = 27;
constexpr std::uint32_t MSG_KEYDOWN = 256;
constexpr std::uint32_t MSG_KEYUP = 257;

void set_key_flag(std::uint32_t key, bool held) {
    if (key == KEY_LEFT) SHIPL = held;
    if (key == KEY_RIGHT) SHIPR = held;
    if (key == KEY_SPACE) SHIPF = held;
}

}  // namespace

// Steps 3 to 5 run on every call whatever the message, so a held Space fires again
// as soon as the previous shot is gone.
void GETACT() {
    const std::uint32_t key = display::detail::MS.wParam;
    if (display::ISMSG(MSG_KEYDOWN)) set_key_flag(key, true);
    if (display::ISMSG(MSG_KEYUP)) set_key_flag(key, false);

    SHIPD = 0;
    if (SHIPL) SHIPD = SHIPD - 1;
    if (SHIPR) SHIPD = SHIPD + 1;

    if (SHIPF && BULLETSHIP.state == 0) {
        BULLETSHIP = ACTOR{SHIP.x + 4, SHIP.y - 8, 1};
        PLAYWAV(WAVFIRE);
    }

    if (display::ISKEY(KEY_ESCAPE)) GAMEOVER = true;
}

// A life each time the score reaches or passes a multiple of 3000. The sum is taken
// in 64 bits; the score stops at the largest 32-bit value rather than turning negative.
void ADDSCORE(std::uint32_t points) {
    const std::int64_t before = SCORE;
    const std::int64_t after = before + points;
    if (before % 3000 > after % 3000) {
        LIFE = LIFE + 1;
        PLAYWAV(WAVLIFEUP);
    }
    constexpr std::int64_t top = std::numeric_limits<std::int32_t>::max();
    SCORE = static_cast<std::int32_t>(after > top ? top : after);
}

namespace frame_steps {

void move_cannon() {
    SHIP.x = SHIP.x + SHIPD;
    if (SHIP.x < 0) SHIP.x = 0;
    if (SHIP.x > 175) SHIP.x = 175;
}

void fly_player_shot() {
    if (BULLETSHIP.state > 0) BULLETSHIP.y = BULLETSHIP.y - 2;
    if (BULLETSHIP.y < 8) BULLETSHIP.state = 0;
}

// Only one vertical bound: any invader shot in the column band whose bottom edge is
// below the player's shot's top counts, however far below it is.
void player_shot_vs_invader_shots() {
    for (std::int32_t s = 1; s <= 3; ++s) {
        if (BULLETSHIP.state <= 0 || BULLET[s].state <= 0) continue;
        const std::int64_t dx = static_cast<std::int64_t>(BULLETSHIP.x) - BULLET[s].x;
        if (dx > -2 && dx < 2 && BULLET[s].y + 8 > BULLETSHIP.y) {
            BULLETSHIP.state = 0;
            BULLET[s].state = 0;
        }
    }
}

// Bottom row first. The hit box starts at the invader's x and narrows to the right
// for the upper rows: row r is hit on columns x to x + 2 + r.
void player_shot_vs_invaders() {
    if (BULLETSHIP.state <= 0) return;
    const std::int32_t column = BULLETSHIP.x + 4;
    for (std::int32_t r = 5; r >= 1; --r) {
        for (std::int32_t c = 1; c <= 11; ++c) {
            ACTOR& invader = INVADER[c][r];
            if (invader.state <= 0) continue;
            if (invader.x <= column && column < invader.x + 3 + r &&
                invader.y - 8 < BULLETSHIP.y && BULLETSHIP.y < invader.y + 8) {
                BULLETSHIP.state = 0;
                invader.state = -INVADERFRAME;
                PLAYWAV(WAVHIT);
                ADDSCORE(static_cast<std::uint32_t>((6 - r) * 10));
                GETINVADERNUM();
                return;
            }
        }
    }
}

}  // namespace frame_steps

}  // namespace game
