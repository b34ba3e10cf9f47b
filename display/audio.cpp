// The display unit's sound channels: each sound file opened under its own alias sN
// and driven by command strings; replies are read as unsigned decimal numbers.
#include "display/audio_reply.h"
#include "display/display.h"
#include "platform/backend.h"
#include "platform/sound.h"

namespace display {

namespace detail {

std::uint32_t CID = 0;
char CA[CAM] = {};

std::uint32_t read_reply(const char* reply) {
    std::uint32_t r = 0;
    for (const char* c = reply; *c != '\0'; ++c) {
        r = r * 10u + (static_cast<std::uint32_t>(static_cast<unsigned char>(*c)) - 48u);
    }
    return r;
}

}  // namespace detail

namespace {

// Command texts are of the unit's 255-character string type: a longer command is cut
// to its first 255 characters, which with the terminating zero fill the 256 bytes
// of a command string.
constexpr std::size_t COMMAND_MAX = 255;

std::string alias(std::uint32_t handle) { return "s" + I2S(handle); }

}  // namespace

std::uint32_t SENDSTRING(const std::string& command) {
    const std::string text = command.substr(0, COMMAND_MAX);
    // The device starts with the first command; without one the channels stay silent.
    platform::backend::audio_start();
    platform::backend::audio_sync();
    platform::backend::audio_lock();
    platform::sound::send_command(text, detail::CA, detail::CAM);
    platform::backend::audio_unlock();
    return detail::read_reply(detail::CA);
}

std::uint32_t LOADAUDIO(const std::string& name) {
    ++detail::CID;
    SENDSTRING("open \"" + name + "\" alias " + alias(detail::CID));
    return detail::CID;
}

void PLAYAUDIO(std::uint32_t handle, const std::string& suffix) {
    SENDSTRING("play " + alias(handle) + suffix);
}

void PLAYAUDIO(std::uint32_t handle) { PLAYAUDIO(handle, ""); }

void STOPAUDIO(std::uint32_t handle) { SENDSTRING("stop " + alias(handle)); }

std::uint32_t GETAUDIOPOS(std::uint32_t handle) {
    return SENDSTRING("status " + alias(handle) + " position");
}

std::uint32_t GETAUDIOLEN(std::uint32_t handle) {
    return SENDSTRING("status " + alias(handle) + " length");
}

void SETAUDIOPOS(std::uint32_t handle, std::uint32_t position) {
    std::string suffix = " from " + I2S(position) + " to ";
    suffix += I2S(GETAUDIOLEN(handle));
    PLAYAUDIO(handle, suffix);
}

}  // namespace display
