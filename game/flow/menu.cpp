// The menu loop: the screen every other screen returns to.
#include "display/display.h"
#include "game/flow/flow.h"
#include "game/score/score_table.h"
#include "game/score/sounds.h"
#include "game/screen/screens.h"

namespace game {

std::int32_t CHOOSE = 1;

namespace {

constexpr std::uint32_t KEY_ENTER = 13, KEY_ESCAPE = 27, KEY_SPACE = 32, KEY_UP = 38,
                        KEY_DOWN = 40;

}  // namespace

void MENU() {
    for (;;) {
        display::SETTITLE("Quorvax");
        DRAWMENU();
        display::NEXTMSG();
        if (display::ISKEY(KEY_DOWN) && CHOOSE == 1) {
            CHOOSE = 2;
            PLAYWAV(WAVFIRE);
        }
        if (display::ISKEY(KEY_UP) && CHOOSE == 2) {
            CHOOSE = 1;
            PLAYWAV(WAVFIRE);
        }
        if (display::ISKEY(KEY_SPACE) || display::ISKEY(KEY_ENTER)) {
            if (CHOOSE == 1) {
                PLAYWAV(WAVUFOHIT);
                PLAY();
            }
            if (CHOOSE == 2) {
                PLAYWAV(WAVHIT);
                HIGHSCORE();
            }
            // The key that closed the last screen is still current; fetch past it so
            // that an Escape on the high-score screen does not also leave the menu.
            display::NEXTMSG();
        }
        if (display::ISKEY(KEY_ESCAPE)) return;
    }
}

}  // namespace game
