// The three frame operations: a frame of play with its fixed order of steps, a frame
// of the wave-start or wave-end wait, and a frame of the cannon's explosion.
#include "game/sim/frame_steps.h"
#include "game/sim/sim.h"

namespace game {

void NEXTFRAME() {
    FRAMENUM = FRAMENUM + 1;
    STEPNUM = STEPNUM + 1;
    frame_steps::move_cannon();
    frame_steps::fly_player_shot();
    // The player's shot meets invader shots before shields, and shields before invaders.
    frame_steps::player_shot_vs_invader_shots();
    frame_steps::player_shot_vs_shields();
    frame_steps::player_shot_vs_invaders();
    for (std::int32_t s = 1; s <= 3; ++s) frame_steps::invader_shot_slot(s);
    frame_steps::invaders_vs_shields();
    for (std::int32_t c = 1; c <= 11; ++c) {
        for (std::int32_t r = 1; r <= 5; ++r) {
            if (INVADER[c][r].state < 0) INVADER[c][r].state = INVADER[c][r].state + 1;
        }
    }
    frame_steps::saucer();
}

void NEXTFRAMEWAIT() {
    if (STARTNUM < WAITFRAME) STARTNUM = STARTNUM + 1;
    if (INVADERNUM == 0) ENDNUM = ENDNUM + 1;
    FRAMENUM = FRAMENUM + 1;
    // The start wait is over: the cannon comes into play and the formation takes its
    // first step of the wave in the same frame.
    if (STARTNUM == WAITFRAME && ENDNUM == 0) {
        SHIP.state = 1;
        NEXTSTEP();
    }
}

// The life is taken when the explosion ends, not at the hit.
void NEXTFRAMEHIT() {
    FRAMENUM = FRAMENUM + 1;
    SHIP.state = SHIP.state + 1;
    if (SHIP.state == 0) {
        SHIP.state = 1;
        for (std::int32_t s = 1; s <= 3; ++s) BULLET[s].state = 0;
        LIFE = LIFE - 1;
        if (LIFE <= 0) GAMEOVER = true;
    }
}

}  // namespace game
