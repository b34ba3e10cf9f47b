// One frame of play (NEXTFRAME) on a busy playfield: the full formation, all three
// invader shots and the player's shot in flight, and a saucer crossing with its sound
// loop asking the channel's position and length every frame.
#include <benchmark/benchmark.h>

#include "game/score/sounds.h"
#include "game/sim/random.h"
#include "game/sim/sim.h"

namespace {

using namespace game;

void start_busy_wave() {
    INITPLAY();
    INITLEVEL();
    STARTNUM = WAITFRAME;
    SHIP = ACTOR{60, 184, 1};
}

// Puts the moving objects back where they were, so that every frame does the same
// work: shots in columns clear of shields, invaders and the cannon, and a saucer in
// mid-flight. A handful of stores, negligible beside the frame.
void keep_busy() {
    BULLETSHIP = ACTOR{176, 120, 1};
    BULLET[1] = ACTOR{2, 110, 951};
    BULLET[2] = ACTOR{52, 120, 954};
    BULLET[3] = ACTOR{132, 130, 959};
    UFO2 = ACTOR{90, 8, 3};
}

void BM_NextFrameBusy(benchmark::State& state) {
    static const bool audio = (INITAUDIO(), true);
    benchmark::DoNotOptimize(audio);
    seed_random(1);
    start_busy_wave();
    for (auto _ : state) {
        keep_busy();
        NEXTFRAME();
    }
    state.counters["alive"] = static_cast<double>(INVADERNUM);
}
BENCHMARK(BM_NextFrameBusy);

// The same formation with nothing in flight: the refill and saucer draws and the
// scans without the sound queries.
void BM_NextFrameQuiet(benchmark::State& state) {
    seed_random(1);
    start_busy_wave();
    LEVEL = 0;  // no invader shot is ever fired, so nothing starts to fly
    for (auto _ : state) {
        UFO1.state = UFO2.state = 0;
        NEXTFRAME();
    }
}
BENCHMARK(BM_NextFrameQuiet);

}  // namespace
