// The play loop: waves of fixed 10 ms frames paced against the clock, the formation's
// tempo, then name entry and the high-score screen.
#include "display/display.h"
#include "game/flow/flow.h"
#include "game/score/score_table.h"
#include "game/score/sounds.h"
#include "game/screen/screens.h"
#include "game/sim/sim.h"
#include "game/sim/state.h"

namespace game {

bool frames_ahead(std::uint32_t frames, std::uint32_t now, std::uint32_t start) {
    const std::uint32_t elapsed = now - start;  // modulo 2^32
    return static_cast<long double>(frames) >
           static_cast<long double>(elapsed) * static_cast<long double>(FRAMESPEED);
}

void simulate_frame() {
    if (STARTNUM < WAITFRAME || INVADERNUM == 0) {
        NEXTFRAMEWAIT();
    } else if (SHIP.state < 0) {
        NEXTFRAMEHIT();
    } else {
        NEXTFRAME();
    }
}

void play_frame() {
    simulate_frame();
    if (static_cast<long double>(STEPNUM) > tempo_threshold()) NEXTSTEP();
}

std::uint32_t play_wait() {
    std::uint32_t fetched = 0;
    while (frames_ahead(FRAMENUM, display::GETTIME(), STARTTIME)) {
        display::NEXTMSG();
        ++fetched;
        if (STARTNUM == WAITFRAME && INVADERNUM != 0) GETACT();
        DRAWPLAY();
    }
    return fetched;
}

namespace {

bool wave_over() { return (INVADERNUM == 0 && ENDNUM >= WAITFRAME) || GAMEOVER; }

}  // namespace

void PLAY() {
    INITPLAY();
    do {
        INITLEVEL();
        do {
            play_frame();
            play_wait();
        } while (!wave_over());
    } while (!GAMEOVER);
    if (LIFE > 0) PLAYWAV(WAVLOSE);
    GETHIGHSCORE();
    HIGHSCORE();
}

}  // namespace game
