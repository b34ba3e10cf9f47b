// quorvax-headless: the whole game (start-up, menu, games, screens) on the headless
// backend, in the current folder, on a virtual clock that runs far faster than real
// time. Input comes from a key script; the outputs are pictures, a sound log and the
// final state.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "apps/headless/key_script.h"
#include "apps/headless/options.h"
#include "apps/headless/run_end.h"
#include "apps/headless/schedule.h"
#include "apps/headless/sound_log.h"
#include "game/flow/flow.h"
#include "platform/headless/headless.h"

namespace {

constexpr int USAGE_EXIT_CODE = 2;

// Refuses the run before it starts; a problem with the options also points to --help.
int refuse(const std::string& problem, bool with_options) {
    std::fprintf(stderr, "quorvax-headless: %s\n", problem.c_str());
    if (with_options) std::fputs("(quorvax-headless --help lists the options)\n", stderr);
    return USAGE_EXIT_CODE;
}

}  // namespace

int main(int argc, char** argv) {
    driver::Options options;
    std::string problem = driver::parse_options(std::vector<std::string>(argv + 1, argv + argc), options);
    if (!problem.empty()) return refuse(problem, true);
    if (options.help) {
        std::fputs(driver::usage(), stdout);
        return 0;
    }
    std::vector<driver::ScriptEvent> events;
    if (!options.keys_path.empty()) problem = driver::read_key_script(options.keys_path, events);
    if (problem.empty()) problem = driver::check_shot_folders(options.shots);
    if (problem.empty()) problem = driver::open_state_file(options.state_path);
    if (problem.empty() && !options.sound_log_path.empty()) {
        problem = driver::start_sound_log(options.sound_log_path);
    }
    if (!problem.empty()) return refuse(problem, false);

    platform::headless::set_screen_size(options.screen_width, options.screen_height);
    driver::schedule_script(events);
    driver::schedule_shots(options.shots);
    if (options.until_ms) driver::schedule_until(*options.until_ms);
    game::start_seed = options.seed;
    std::atexit(driver::finish_run_at_exit);

    int status = game::run_program();
    bool outputs_written = driver::finish_run();
    return status == 0 && !outputs_written ? driver::OUTPUT_EXIT_CODE : status;
}
