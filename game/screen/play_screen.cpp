// The play screen: one whole picture of the running game drawn from the game state,
// presented unless the game is over (name entry then draws over it and presents).
#include <cstdint>
#include <string>

#include "display/display.h"
#include "game/screen/screens.h"
#include "game/screen/sprites.h"
#include "game/screen/text.h"
#include "game/sim/state.h"

namespace game {

const display::COLOR INVADERC[6] = {0, 0x3333FF, 0x33FFFF, 0x33FF33, 0xFF6633, 0xFF33FF};
const display::COLOR WALLC = 0x3399FF;

PBITMAP wall_sprite(std::int32_t column, std::int32_t row, std::int32_t state) {
    const std::int32_t a = 9 - state / 10;  // hits taken from invader shots
    const std::int32_t b = 9 - state % 10;  // hits taken from the cannon's shots
    if (state <= 0) return nullptr;
    if (column == 2 && row == 3) return BMPWALLT;
    // A state the shield rules never produce has no picture; it is left out rather
    // than read from beyond a table.
    const bool corner = row == 1 && column != 2;
    if (a < 0 || b < 0 || a + b > (corner ? 2 : 4)) return nullptr;
    if (corner) return column == 1 ? BMPWALLT1[a][b] : BMPWALLT2[a][b];
    return BMPWALLR[a][b];
}

PBITMAP bullet_sprite(std::int32_t slot, std::int32_t state) {
    return BMPBULLET[slot][(state / 100) % BULLETHP[slot] + 1];
}

namespace {

constexpr display::COLOR WHITE = 0xFFFFFF;

void draw_invaders() {
    for (std::int32_t r = 1; r <= 5; ++r) {
        for (std::int32_t c = 1; c <= 11; ++c) {
            const ACTOR& invader = INVADER[c][r];
            if (invader.state == 1) {
                DRAWBMPC(BMPINVADER[6 - r][INVADERS], invader.x, invader.y, INVADERC[r]);
            } else if (invader.state < 0) {
                DRAWBMPC(BMPINVADERX, invader.x, invader.y, INVADERC[r]);
            }
        }
    }
}

void draw_ship() {
    if (SHIP.state == 1) {
        DRAWBMPC(BMPSHIP[1], SHIP.x, SHIP.y, WHITE);
        DRAWBMPC(BMPSHIP[2], SHIP.x + 8, SHIP.y, WHITE);
    } else if (SHIP.state < 0) {
        const std::int32_t f = (-SHIP.state) % 2 + 1;
        DRAWBMPC(BMPSHIPX[1][f], SHIP.x, SHIP.y, WHITE);
        DRAWBMPC(BMPSHIPX[2][f], SHIP.x + 8, SHIP.y, WHITE);
    }
}

void draw_saucers() {
    if (UFO2.state != 0) {
        PBITMAP* cells = UFO2.state > 0 ? BMPUFO2 : BMPUFO2X;
        for (std::int32_t i = 1; i <= 3; ++i) DRAWBMPC(cells[i], UFO2.x + 8 * (i - 1), UFO2.y, WHITE);
    }
    if (UFO1.state != 0) {
        PBITMAP* cells = UFO1.state > 0 ? BMPUFO1 : BMPUFO1X;
        for (std::int32_t i = 1; i <= 2; ++i) DRAWBMPC(cells[i], UFO1.x + 8 * (i - 1), UFO1.y, WHITE);
    }
}

void draw_walls() {
    for (std::int32_t k = 1; k <= 4; ++k) {
        for (std::int32_t r = 1; r <= 3; ++r) {
            for (std::int32_t c = 1; c <= 3; ++c) {
                const ACTOR& piece = WALL[c][r][k];
                if (PBITMAP sprite = wall_sprite(c, r, piece.state)) {
                    DRAWBMPC(sprite, piece.x, piece.y, WALLC);
                }
            }
        }
    }
}

void draw_shots() {
    if (BULLETSHIP.state > 0) {
        display::LINE(BMPMAIN, static_cast<std::uint32_t>(BULLETSHIP.x + 4),
                      static_cast<std::uint32_t>(BULLETSHIP.y), 0, 7, WHITE);
    }
    for (std::int32_t l = 1; l <= 3; ++l) {
        if (BULLET[l].state > 0) DRAWBMPC(bullet_sprite(l, BULLET[l].state), BULLET[l].x, BULLET[l].y, WHITE);
    }
}

void draw_cannon_icon(std::int32_t x) {
    DRAWBMPC(BMPSHIP[1], x, 0, WHITE);
    DRAWBMPC(BMPSHIP[2], x + 8, 0, WHITE);
}

void draw_status() {
    DRAWSTRLEFT(display::I2S(LEVEL), 0, WHITE);
    DRAWSTRMID(display::I2S(SCORE), 0, WHITE);
    if (LIFE > 5) {
        // Too many to line up: one cannon and the count of spares beside it.
        draw_cannon_icon(176);
        const std::string spares = display::I2S(LIFE - 1);
        DRAWSTRING(spares, 176 - 8 * static_cast<std::int32_t>(spares.size()), 0, WHITE);
    } else {
        for (std::int32_t i = 2; i <= LIFE; ++i) draw_cannon_icon(192 - 16 * (i - 1));
    }
}

void draw_wave_texts() {
    if (STARTNUM < WAITFRAME) {
        DRAWSTRMID("WAVE " + display::I2S(LEVEL), 14, WHITE);
        DRAWSTRMID("READY!", 16, WHITE);
    }
    if (INVADERNUM == 0) DRAWSTRMID("NEXT WAVE", 12, WHITE);
}

}  // namespace

void DRAWPLAY() {
    draw_invaders();
    draw_ship();
    draw_saucers();
    draw_walls();
    draw_shots();
    draw_status();
    draw_wave_texts();
    if (!GAMEOVER) DRAWWIN();
}

}  // namespace game
