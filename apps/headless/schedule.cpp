// Scheduling of scripted input, pictures and the stop time on the headless backend's
// virtual clock. Pictures are scheduled before the stop, so a picture and the stop at
// the same time still give the picture.
#include "apps/headless/schedule.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "apps/headless/shots.h"
#include "platform/headless/headless.h"
#include "platform/headless/virtual_clock.h"

namespace driver {

namespace {
std::vector<ShotRequest> pending_shots;
}

void schedule_script(const std::vector<ScriptEvent>& events) {
    for (const ScriptEvent& event : events) {
        switch (event.verb) {
            case Verb::down:
            case Verb::up:
                platform::headless::script_key(event.ms, event.vk, event.verb == Verb::down);
                break;
            case Verb::close:
                platform::headless::script_close(event.ms);
                break;
            case Verb::size:
                platform::headless::script_resize(event.ms, event.width, event.height);
                break;
        }
    }
}

std::string check_shot_folders(const std::vector<ShotRequest>& shots) {
    for (const ShotRequest& shot : shots) {
        std::filesystem::path folder = std::filesystem::path(shot.path).parent_path();
        if (folder.empty()) folder = ".";
        std::error_code error;
        if (!std::filesystem::is_directory(folder, error) || ::access(folder.c_str(), W_OK) != 0) {
            return "cannot write " + shot.path + ": its folder " + folder.string() +
                   " does not exist or cannot be written to";
        }
    }
    return {};
}

void schedule_shots(const std::vector<ShotRequest>& shots) {
    pending_shots = shots;
    for (std::size_t i = 0; i < shots.size(); ++i) {
        platform::headless::at_time(shots[i].ms, [i] {
            const platform::Surface* pixels = platform::headless::window_pixels();
            std::string problem = write_png(pending_shots[i].path,
                                            pixels ? *pixels : platform::Surface{});
            pending_shots[i].path.clear();
            if (!problem.empty()) {
                std::fprintf(stderr, "quorvax-headless: %s\n", problem.c_str());
                std::exit(OUTPUT_EXIT_CODE);
            }
        });
    }
}

void schedule_until(std::uint32_t ms) {
    platform::headless::at_time(ms, [] { std::exit(UNTIL_EXIT_CODE); });
}

void report_missed_shots() {
    for (const ShotRequest& shot : pending_shots) {
        if (shot.path.empty()) continue;
        std::fprintf(stderr, "quorvax-headless: no picture for %s: the run ended at %u ms, before %u ms\n",
                     shot.path.c_str(), static_cast<unsigned>(platform::headless::virtual_now()),
                     static_cast<unsigned>(shot.ms));
    }
}

}  // namespace driver
