// Child-process runner for the flow tests (see flow_fixture.h).
#include "flow_fixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "display/display.h"
#include "game/score/sounds.h"
#include "platform/backend.h"
#include "platform/headless/headless.h"
#include "platform/headless/virtual_clock.h"
#include "platform/sound.h"

namespace flow_test {

namespace fs = std::filesystem;

namespace {

std::FILE* log_file = nullptr;

std::string sound_name(std::uint32_t handle) {
    using namespace game;
    for (int i = 1; i <= 4; ++i)
        if (handle == WAVINVADER[i]) return "note" + std::to_string(i);
    const std::pair<std::uint32_t, const char*> named[] = {
        {WAVFIRE, "fire"}, {WAVHIT, "hit"},       {WAVLOSE, "lose"},
        {WAVUFO, "ufo"},   {WAVUFOHIT, "ufohit"}, {WAVLIFEUP, "lifeup"}};
    for (const auto& [h, name] : named)
        if (handle == h) return name;
    return "s" + std::to_string(handle);
}

// A folder of its own for each child: the score file lands there.
fs::path make_run_folder() {
    std::string pattern = (fs::temp_directory_path() / "quorvax-flow-XXXXXX").string();
    const fs::path folder = mkdtemp(pattern.data());
    for (const char* sub : {"image", "audio"}) {
        if (fs::exists(sub)) fs::create_directory_symlink(fs::absolute(sub), folder / sub);
    }
    return folder;
}

}  // namespace

void note(const std::string& line) {
    std::fprintf(log_file, "%s\n", line.c_str());
    std::fflush(log_file);
}

void log_sounds() {
    platform::sound::set_command_observer([](const std::string& command) {
        unsigned handle = 0;
        if (std::sscanf(command.c_str(), "play s%u", &handle) == 1) note("sound " + sound_name(handle));
    });
}

namespace {

void poll_caption(std::uint32_t at, std::shared_ptr<std::string> last) {
    platform::headless::at_time(at, [at, last] {
        const std::string now = platform::backend::caption();
        if (now != *last) note("caption " + now);
        *last = now;
        poll_caption(at + 1, last);
    });
}

}  // namespace

void log_captions() {
    auto last = std::make_shared<std::string>(platform::backend::caption());
    note("caption " + *last);
    poll_caption(platform::headless::virtual_now() + 1, last);
}

void press(std::uint32_t ms, std::uint32_t vk) {
    platform::headless::script_key(ms, vk, true);
    platform::headless::script_key(ms + 30, vk, false);
}

Outcome run_child(const std::function<int()>& body, std::uint32_t watchdog_ms) {
    const fs::path folder = make_run_folder();
    const fs::path log_path = folder / "log.txt";
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        fs::current_path(folder);
        // Start from a desktop with no window, whatever the parent did before.
        platform::headless::reset();
        display::detail::TBEGIN = 0;
        log_file = std::fopen(log_path.c_str(), "w");
        platform::headless::at_time(platform::headless::virtual_now() + watchdog_ms, [] {
            note("watchdog");
            std::_Exit(WATCHDOG_STATUS);
        });
        // Whatever happens, the child never returns into the test runner.
        int status = EXCEPTION_STATUS;
        try {
            status = body();
        } catch (const std::exception& error) {
            note(std::string("exception ") + error.what());
        }
        std::fflush(nullptr);
        std::_Exit(status);
    }
    Outcome outcome;
    int raw = 0;
    if (child > 0 && waitpid(child, &raw, 0) == child && WIFEXITED(raw)) outcome.status = WEXITSTATUS(raw);
    std::ifstream in(log_path);
    for (std::string line; std::getline(in, line);) outcome.log.push_back(line);
    fs::remove_all(folder);
    return outcome;
}

std::vector<std::string> lines_with(const Outcome& outcome, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& line : outcome.log)
        if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
}

}  // namespace flow_test
