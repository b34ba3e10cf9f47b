// The desktop sound path: with SDL's dummy driver (a device that consumes sound in
// real time) and with no usable driver at all, starting audio returns promptly and
// a sound still plays to its end. Each case runs in a child process, since SDL
// reads the driver's name once.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "../wav_writer.h"
#include "display/display.h"
#include "platform/backend.h"

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

struct Driver {
    const char* name;
    bool has_device;
};

class SdlAudio : public ::testing::TestWithParam<Driver> {};

TEST_P(SdlAudio, StartsWithoutHangingAndSoundsEnd) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const Driver driver = GetParam();
    EXPECT_EXIT(
        {
            setenv("SDL_AUDIODRIVER", driver.name, 1);
            const bool started = platform::backend::audio_start();
            const bool ended = plays_to_the_end();
            std::exit(started != driver.has_device ? 2 : ended ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(Drivers, SdlAudio,
                         ::testing::Values(Driver{"dummy", true}, Driver{"no_such_driver", false}),
                         [](const auto& info) { return std::string(info.param.has_device ? "Dummy" : "None"); });

}  // namespace
