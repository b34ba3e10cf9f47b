// The bonus saucer: its looping flight sound, its random appearance (most likely with
// about half of the formation left), its flight and exits, and the player's shot
// against it. The small saucer gives a life, the large one 200 points.
#include <cstdint>
#include <limits>

#include "display/display.h"
#include "game/score/sounds.h"
#include "game/sim/frame_steps.h"
#include "game/sim/random.h"
#include "game/sim/sim.h"

namespace game {

namespace {

constexpr std::int32_t SMALL_WIDTH = 16;
constexpr std::int32_t LARGE_WIDTH = 24;
constexpr std::int32_t FLYING_LEFT = 1;  // state 3 flies right

bool flying() { return UFO1.state >= 1 || UFO2.state >= 1; }

// The sound has run to its end when its position equals its length; the position is
// asked first.
void loop_sound() {
    if (!flying()) return;
    const std::uint32_t position = display::GETAUDIOPOS(WAVUFO);
    const std::uint32_t length = display::GETAUDIOLEN(WAVUFO);
    if (position == length) PLAYWAV(WAVUFO);
}

// One chance in (|INVADERNUM - 27| + 10) * 200, taken in 64 bits; with at most 55
// invaders the range is far inside 32 bits.
std::uint32_t appearance_range() {
    const std::int64_t left = static_cast<std::int64_t>(INVADERNUM) - 27;
    const std::int64_t range = ((left < 0 ? -left : left) + 10) * 200;
    constexpr std::int64_t top = std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(range > top ? top : range);
}

void appear() {
    if (random_below(appearance_range()) != 0) return;
    display::PLAYAUDIO(WAVUFO);
    const bool small = random_below(10) == 0;
    ACTOR& ufo = small ? UFO1 : UFO2;
    const std::int32_t width = small ? SMALL_WIDTH : LARGE_WIDTH;
    ufo.state = static_cast<std::int32_t>(random_below(2)) * 2 + 1;
    ufo.x = ufo.state == FLYING_LEFT ? 192 - width : 0;
    ufo.y = 8;
}

void move() {
    if (UFO1.state >= 1) {
        UFO1.x = UFO1.x + UFO1.state - 2;
    } else if (UFO2.state >= 1) {
        UFO2.x = UFO2.x + UFO2.state - 2;
    } else if (UFO1.state < 0) {
        UFO1.state = UFO1.state + 1;
    } else if (UFO2.state < 0) {
        UFO2.state = UFO2.state + 1;
    }
}

// The flight sound is not stopped at an exit: it plays to its end and, with no saucer
// flying, is not started again.
void exit_at_edges() {
    if (UFO1.x < 0 || UFO1.x + SMALL_WIDTH > 192) UFO1.state = 0;
    if (UFO2.x < 0 || UFO2.x + LARGE_WIDTH > 192) UFO2.state = 0;
}

// The shot's hit column must lie inside the saucer's box, inset by `inset` on each
// side, while the shot's top is within the saucer's row.
bool shot_hits(const ACTOR& ufo, std::int32_t width, std::int32_t inset) {
    const std::int32_t column = BULLETSHIP.x + 4;
    return ufo.state > 0 && BULLETSHIP.state > 0 && ufo.x + inset <= column &&
           column < ufo.x + width - inset && BULLETSHIP.y < ufo.y + 8;
}

void hit(ACTOR& ufo) {
    BULLETSHIP.state = 0;
    ufo.state = -UFOFRAME;
    display::STOPAUDIO(WAVUFO);
    PLAYWAV(WAVUFOHIT);
}

}  // namespace

namespace frame_steps {

void saucer() {
    loop_sound();
    if (UFO1.state == 0 && UFO2.state == 0) {
        appear();
    } else {
        move();
    }
    exit_at_edges();
    if (shot_hits(UFO1, SMALL_WIDTH, 1)) {
        hit(UFO1);
        PLAYWAV(WAVLIFEUP);
        LIFE = LIFE + 1;
    }
    if (shot_hits(UFO2, LARGE_WIDTH, 2)) {
        hit(UFO2);
        ADDSCORE(200);
    }
}

}  // namespace frame_steps

}  // namespace game
