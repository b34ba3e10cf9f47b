// One pass of the play loop's wait: the play screen of a full formation with all four
// shields, the cannon, shots and both saucers, presented in the window. On the
// headless backend the presentation's 1 ms sleep only moves the virtual clock.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "display/display.h"
#include "game/flow/flow.h"
#include "game/screen/screens.h"
#include "game/screen/sprites.h"
#include "game/sim/sim.h"
#include "game/sim/state.h"

namespace {

// The art lives in the build folder, one level above this program.
void enter_build_folder() {
    namespace fs = std::filesystem;
    if (fs::exists("image")) return;
    fs::current_path(fs::read_symlink("/proc/self/exe").parent_path().parent_path());
}

void set_up_game() {
    enter_build_folder();
    game::INITIMAGE();
    display::CREATEWIN(game::W, game::H);
    game::INITPLAY();
    game::INITLEVEL();
    game::STARTNUM = game::WAITFRAME;
    game::SHIP = {60, 184, 1};
    game::BULLETSHIP = {64, 120, 1};
    for (std::int32_t l = 1; l <= 3; ++l) game::BULLET[l] = {40 * l, 100, 100 * l + 1};
    game::UFO1 = {20, 8, 1};
    game::UFO2 = {120, 8, 1};
    game::LIFE = 3;
}

void BM_PlayPass(benchmark::State& state) {
    static std::string problem;
    static const bool ready = [] {
        try {
            set_up_game();
        } catch (const display::IoError& error) {
            problem = error.what();
        }
        return true;
    }();
    benchmark::DoNotOptimize(ready);
    if (!problem.empty()) {
        state.SkipWithError(problem.c_str());
        return;
    }
    for (auto _ : state) game::DRAWPLAY();
}
BENCHMARK(BM_PlayPass)->Unit(benchmark::kMicrosecond);

}  // namespace
