// The ten sound files: they open through our sound channels with the lengths their
// jobs need, and every one is a small, quiet-edged 16-bit mono PCM file.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "display/display.h"

namespace {

struct SoundCase {
    const char* file;
    std::uint32_t min_ms, max_ms;
};

// March notes are short beats; the lose sound outlasts the others.
const SoundCase SOUNDS[] = {
    {"1.wav", 50, 149},     {"2.wav", 50, 149},    {"3.wav", 50, 149},
    {"4.wav", 50, 149},     {"fire.wav", 100, 400}, {"hit.wav", 150, 500},
    {"lose.wav", 800, 2000}, {"ufo.wav", 200, 1000}, {"ufohit.wav", 300, 1000},
    {"lifeup.wav", 300, 1000},
};

struct Wav {
    SDL_AudioSpec spec{};
    std::vector<std::int16_t> samples;
};

Wav load_wav(const std::string& file) {
    Wav wav;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(("audio/" + file).c_str(), &wav.spec, &data, &length) == nullptr) {
        ADD_FAILURE() << file << ": " << SDL_GetError();
        return wav;
    }
    wav.samples.assign(reinterpret_cast<std::int16_t*>(data),
                       reinterpret_cast<std::int16_t*>(data + length));
    SDL_FreeWAV(data);
    return wav;
}

TEST(Sounds, OpenThroughTheSoundChannelsWithTheirLengths) {
    for (const SoundCase& c : SOUNDS) {
        const std::uint32_t handle = display::LOADAUDIO(std::string("audio\\") + c.file);
        const std::uint32_t length = display::GETAUDIOLEN(handle);
        EXPECT_GE(length, c.min_ms) << c.file;
        EXPECT_LE(length, c.max_ms) << c.file;
    }
}

TEST(Sounds, AreSmallMonoPcmThatStartAndEndSilentBelowFullScale) {
    for (const SoundCase& c : SOUNDS) {
        const Wav wav = load_wav(c.file);
        ASSERT_FALSE(wav.samples.empty()) << c.file;
        EXPECT_EQ(wav.spec.format, AUDIO_S16LSB) << c.file;
        EXPECT_EQ(wav.spec.channels, 1) << c.file;
        EXPECT_TRUE(wav.spec.freq == 22050 || wav.spec.freq == 44100) << c.file;
        int peak = 0;
        for (std::int16_t s : wav.samples) peak = std::max(peak, std::abs(int{s}));
        EXPECT_LT(peak, 32767 * 95 / 100) << c.file << " clips";
        EXPECT_GT(peak, 32767 / 10) << c.file << " is too quiet to hear";
        // A fade at each end: silence at the first and last sample, and well below the
        // peak throughout the first and last half millisecond.
        EXPECT_LT(std::abs(int{wav.samples.front()}), 330) << c.file << " starts with a click";
        EXPECT_LT(std::abs(int{wav.samples.back()}), 330) << c.file << " ends with a click";
        const std::size_t edge = static_cast<std::size_t>(wav.spec.freq) / 2000;
        for (std::size_t i = 0; i < edge; ++i) {
            EXPECT_LT(std::abs(int{wav.samples[i]}), peak / 2) << c.file << " starts abruptly";
            EXPECT_LT(std::abs(int{wav.samples[wav.samples.size() - 1 - i]}), peak / 2)
                << c.file << " stops abruptly";
        }
    }
}

TEST(Sounds, AreAllDifferent) {
    for (std::size_t a = 0; a < std::size(SOUNDS); ++a)
        for (std::size_t b = a + 1; b < std::size(SOUNDS); ++b)
            EXPECT_NE(load_wav(SOUNDS[a].file).samples, load_wav(SOUNDS[b].file).samples)
                << SOUNDS[a].file << " and " << SOUNDS[b].file;
}

// The lag, within bass pitches, at which a sound best matches itself: its period.
// The sum is not normalised, so that a fading note prefers its first period to the
// multiples of it.
int period_in_samples(const std::vector<std::int16_t>& s, int rate) {
    int best_lag = 0;
    double best = -1e300;
    for (int lag = rate / 250; lag <= rate / 40; ++lag) {
        double sum = 0;
        for (std::size_t i = 0; i + static_cast<std::size_t>(lag) < s.size(); ++i)
            sum += static_cast<double>(s[i]) * s[i + static_cast<std::size_t>(lag)];
        if (sum > best) {
            best = sum;
            best_lag = lag;
        }
    }
    return best_lag;
}

TEST(Sounds, MarchNotesDescendInPitch) {
    double previous_hz = 1e9;
    for (const char* file : {"1.wav", "2.wav", "3.wav", "4.wav"}) {
        const Wav wav = load_wav(file);
        const double hz = double(wav.spec.freq) / period_in_samples(wav.samples, wav.spec.freq);
        EXPECT_LT(hz, previous_hz) << file;
        EXPECT_LT(hz, 200.0) << file << " is no bass note";
        previous_hz = hz;
    }
}

}  // namespace
