// Records sound commands through the sound layer's observer, stamped with the
// virtual clock.
#include "apps/headless/sound_log.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/headless/virtual_clock.h"
#include "platform/sound.h"

namespace driver {

namespace {
std::FILE* log_file = nullptr;
std::string log_path;
}

std::string start_sound_log(const std::string& path) {
    log_path = path;
    log_file = std::fopen(path.c_str(), "wb");
    if (!log_file) return "cannot write sound log " + path + ": " + std::strerror(errno);
    platform::sound::set_command_observer([](const std::string& command) {
        std::fprintf(log_file, "%u ", static_cast<unsigned>(platform::headless::virtual_now()));
        std::fwrite(command.data(), 1, command.size(), log_file);
        std::fputc('\n', log_file);
    });
    return {};
}

std::string finish_sound_log() {
    if (!log_file) return {};
    platform::sound::set_command_observer({});
    bool failed = std::ferror(log_file) != 0;
    failed = std::fclose(log_file) != 0 || failed;
    log_file = nullptr;
    return failed ? "cannot write sound log " + log_path + " completely" : "";
}

}  // namespace driver
