// WAV decoding: every PCM layout the game may ship becomes MIX_RATE stereo of the
// same duration and level; anything unreadable becomes no samples at all.
#include <gtest/gtest.h>

#include <ostream>

#include "platform/wav_decode.h"
#include "wav_writer.h"

namespace {

using wav_writer::Format;

struct FormatCase {
    Format format;
    std::uint32_t frames;
    int sample;                   // as stored in the file
    std::int16_t expected;        // the same level in 16 bits
    std::uint64_t expected_frames;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.format.rate << " Hz, " << c.format.channels << " channel(s), " << c.format.bits
         << " bits, " << c.frames << " frames";
}

class WavFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(WavFormats, KeepsDurationLevelAndFillsBothSides) {
    const FormatCase& c = GetParam();
    wav_writer::TempDir dir;
    wav_writer::write("audio/t.wav", wav_writer::pcm_file(c.format, c.frames, c.sample));

    const std::vector<std::int16_t> pcm = platform::decode_wav("audio/t.wav");

    ASSERT_EQ(pcm.size(), c.expected_frames * platform::MIX_CHANNELS);
    // A steady sound keeps its level on both sides from start to end, whatever the
    // resampler does within a few frames of the edges.
    const std::size_t edge = 64 * platform::MIX_CHANNELS;
    for (std::size_t i = edge; i + edge < pcm.size(); ++i) {
        ASSERT_NEAR(pcm[i], c.expected, 200) << "sample " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, WavFormats,
    ::testing::Values(
        FormatCase{{44100, 1, 16}, 4410, -12000, -12000, 4410},
        FormatCase{{44100, 2, 16}, 4410, 20000, 20000, 4410},
        FormatCase{{22050, 1, 8}, 2205, 192, 16384, 4410},
        FormatCase{{22050, 2, 16}, 2205, 1000, 1000, 4410},
        FormatCase{{11025, 1, 8}, 1103, 64, -16384, 4412},
        FormatCase{{11025, 2, 8}, 11025, 128, 0, 44100},
        FormatCase{{8000, 1, 16}, 800, 30000, 30000, 4410}));

TEST(WavDecode, SameFormatPassesThroughUnchanged) {
    wav_writer::TempDir dir;
    wav_writer::write("audio/t.wav", wav_writer::pcm_file({44100, 2, 16}, 300, -7));
    const std::vector<std::int16_t> pcm = platform::decode_wav("audio/t.wav");
    ASSERT_EQ(pcm.size(), 600u);
    for (std::int16_t s : pcm) ASSERT_EQ(s, -7);
}

struct BadFile {
    const char* name;
    std::vector<std::uint8_t> bytes;
    bool write;
};

std::vector<std::uint8_t> cut(std::vector<std::uint8_t> bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

TEST(WavDecode, UnreadableFilesGiveNoSamples) {
    wav_writer::TempDir dir;
    const std::vector<std::uint8_t> good = wav_writer::pcm_file({22050, 1, 16}, 2205, 100);
    const std::string text = "not a sound at all, just some text";
    const BadFile cases[] = {
        {"missing", {}, false},
        {"empty", {}, true},
        {"text", std::vector<std::uint8_t>(text.begin(), text.end()), true},
        {"cut in the header", cut(good, 30), true},
        {"cut in the data", cut(good, good.size() / 2), true},
        {"no samples", wav_writer::pcm_file({22050, 1, 16}, 0, 0), true},
    };
    for (const BadFile& c : cases) {
        const std::string path = std::string("audio/") + c.name + ".wav";
        if (c.write) wav_writer::write(path, c.bytes);
        EXPECT_TRUE(platform::decode_wav(path).empty()) << c.name;
    }
}

}  // namespace
