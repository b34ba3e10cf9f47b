// The desktop sound path: with SDL's dummy driver (a device that consumes sound in
// real time), with no usable driver, and with the machine's default, starting audio
// returns promptly and a sound still plays to its end. Each case runs in a child process, since SDL
// reads the driver's name once.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ostream>
#include <thread>

#include "../wav_writer.h"
#include "display/display.h"
#include "platform/backend.h"

#include <SDL.h>

namespace {

// Plays a 100 ms sound and waits for it to end, for at most ten seconds of real time.
bool plays_to_the_end() {
    wav_writer::TempDir dir;
    wav_writer::write("audio/beep.wav", wav_writer::pcm_file({22050, 1, 8}, 2205, 160));
    const std::uint32_t h = display::LOADAUDIO("audio\\beep.wav");
    if (display::GETAUDIOLEN(h) != 100) return false;
    display::SETAUDIOPOS(h, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (display::GETAUDIOPOS(h) == display::GETAUDIOLEN(h)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

enum class Device { YES, NO, EITHER };

struct Driver {
    const char* label;
    const char* name;  // null: whatever SDL picks on this machine
    Device device;
};

void PrintTo(const Driver& driver, std::ostream* out) { *out << driver.label; }

class SdlAudio : public ::testing::TestWithParam<Driver> {};

TEST_P(SdlAudio, StartsWithoutHangingAndSoundsEnd) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const Driver driver = GetParam();
    EXPECT_EXIT(
        {
            if (driver.name) setenv("SDL_AUDIODRIVER", driver.name, 1);
            const bool started = platform::backend::audio_start();
            const bool as_expected = driver.device == Device::EITHER ||
                                     started == (driver.device == Device::YES);
            const bool ended = plays_to_the_end();
            std::exit(!as_expected ? 2 : ended ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
}

// The game never starts the device itself: its first sound command does.
TEST(SdlAudioStart, FirstSoundCommandOpensTheDevice) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            display::LOADAUDIO("audio\\missing.wav");
            std::exit(SDL_WasInit(SDL_INIT_AUDIO) != 0 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// The machine's own choice may open a real device, or (as on a server) start a driver
// that then finds no card: either way sounds must end.
INSTANTIATE_TEST_SUITE_P(Drivers, SdlAudio,
                         ::testing::Values(Driver{"Dummy", "dummy", Device::YES},
                                           Driver{"Unknown", "no_such_driver", Device::NO},
                                           Driver{"Default", nullptr, Device::EITHER}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
