// Writes the state file and closes the sound log at the end of a run.
#include "apps/headless/run_end.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "apps/headless/schedule.h"
#include "apps/headless/sound_log.h"
#include "apps/headless/state_dump.h"
#include "platform/window.h"

namespace driver {

namespace {
std::FILE* state_file = nullptr;
std::string state_path;
bool finished = false;

bool write_state() {
    if (!state_file) return true;
    std::string text = state_text(platform::window::caption(platform::window::MAIN_WINDOW));
    bool ok = std::fwrite(text.data(), 1, text.size(), state_file) == text.size();
    ok = std::fclose(state_file) == 0 && ok;
    state_file = nullptr;
    if (!ok) std::fprintf(stderr, "quorvax-headless: cannot write state file %s\n", state_path.c_str());
    return ok;
}
}  // namespace

std::string open_state_file(const std::string& path) {
    if (path.empty()) return {};
    state_path = path;
    state_file = std::fopen(path.c_str(), "wb");
    if (!state_file) return "cannot write state file " + path + ": " + std::strerror(errno);
    return {};
}

bool finish_run() {
    if (finished) return true;
    finished = true;
    bool ok = write_state();
    std::string problem = finish_sound_log();
    if (!problem.empty()) {
        std::fprintf(stderr, "quorvax-headless: %s\n", problem.c_str());
        ok = false;
    }
    report_missed_shots();
    return ok;
}

void finish_run_at_exit() { finish_run(); }

}  // namespace driver
