// The menu screen: the title, the points legend with its invaders, the two choices
// with the mark at the selected one, and the credit line.
#include <cstdint>

#include "display/display.h"
#include "game/flow/flow.h"
#include "game/screen/screens.h"
#include "game/screen/sprites.h"
#include "game/screen/text.h"

namespace game {

namespace {

constexpr display::COLOR WHITE = 0xFFFFFF;
constexpr display::COLOR CYAN = 0xFFFF00;
constexpr display::COLOR ORANGE = 0x3399FF;

constexpr const char* LEGEND[6] = {"", "  = 50 POINTS", "  = 40 POINTS", "  = 30 POINTS",
                                   "  = 20 POINTS", "  = 10 POINTS"};

}  // namespace

void DRAWMENU() {
    DRAWSTRMID("QUORVAX", 2, WHITE);
    for (std::int32_t j = 1; j <= 5; ++j) DRAWSTRMID(LEGEND[j], 4 + 2 * j, INVADERC[j]);
    if (CHOOSE == 1) {
        DRAWSTRMID("* PLAY GAME  ", 17, CYAN);
        DRAWSTRMID("  HIGH SCORE  ", 19, WHITE);
    } else {
        DRAWSTRMID("  PLAY GAME  ", 17, WHITE);
        DRAWSTRMID("* HIGH SCORE  ", 19, CYAN);
    }
    DRAWSTRMID("MADE BY ZEBRIND", 22, ORANGE);
    for (std::int32_t j = 1; j <= 5; ++j) DRAWBMPC(BMPINVADER[6 - j][2], 48, 16 * j + 32, INVADERC[j]);
    DRAWWIN();
}

}  // namespace game
