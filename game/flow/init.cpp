// Start-up: seed the generator, load images, sounds and scores, then open the window.
#include "display/display.h"
#include "game/flow/flow.h"
#include "game/score/score_table.h"
#include "game/score/sounds.h"
#include "game/screen/sprites.h"
#include "game/sim/random.h"

namespace game {

std::optional<std::uint64_t> start_seed;

void INIT() {
    // Before the window exists the clock reads the raw system count.
    seed_random(start_seed ? *start_seed : display::GETTIME());
    INITIMAGE();
    INITAUDIO();
    LOADHIGHSCORE();
    display::CREATEWIN(W, H);
}

}  // namespace game
