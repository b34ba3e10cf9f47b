// The mixer: summing with clipping, stopping exactly at a range's end, and
// millisecond positions that follow time without drift.
#include <gtest/gtest.h>

#include "platform/mixer.h"
#include "platform/wav_decode.h"

namespace {

namespace mixer = platform::mixer;

std::vector<std::int16_t> steady(std::size_t frames, std::int16_t value) {
    return std::vector<std::int16_t>(frames * platform::MIX_CHANNELS, value);
}

mixer::Channel& open(const std::string& alias, std::size_t frames, std::int16_t value = 0) {
    EXPECT_TRUE(mixer::add(alias, steady(frames, value)));
    return *mixer::find(alias);
}

class Mixer : public ::testing::Test {
protected:
    void SetUp() override { mixer::remove_all(); }
    void TearDown() override { mixer::remove_all(); }
};

TEST_F(Mixer, SumsPlayingChannelsAndClips) {
    struct Case {
        std::int16_t a, b, expected;
    };
    const Case cases[] = {
        {1000, 2000, 3000},      {-20000, 5000, -15000}, {30000, 30000, 32767},
        {-30000, -30000, -32768}, {32767, -32768, -1},
    };
    for (const Case& c : cases) {
        mixer::remove_all();
        mixer::play(open("a", 8, c.a), std::nullopt, std::nullopt);
        mixer::play(open("b", 8, c.b), std::nullopt, std::nullopt);
        open("quiet", 8, 12345);  // open but never played: not heard
        std::vector<std::int16_t> out(8 * platform::MIX_CHANNELS, 99);
        mixer::mix(out.data(), 8);
        for (std::int16_t s : out) ASSERT_EQ(s, c.expected) << c.a << " + " << c.b;
    }
}

TEST_F(Mixer, MixStopsAtTheEndAcrossCallsAndFillsSilence) {
    mixer::Channel& ch = open("a", 1000, 500);
    ASSERT_TRUE(mixer::play(ch, std::nullopt, std::nullopt));
    std::vector<std::int16_t> out(1200 * platform::MIX_CHANNELS, 99);
    mixer::mix(out.data(), 600);
    EXPECT_TRUE(ch.playing);
    mixer::mix(out.data() + 600 * platform::MIX_CHANNELS, 600);
    for (std::size_t i = 0; i < out.size(); ++i) {
        ASSERT_EQ(out[i], i < 1000 * platform::MIX_CHANNELS ? 500 : 0) << i;
    }
    EXPECT_FALSE(ch.playing);
    EXPECT_EQ(mixer::position_ms(ch), mixer::length_ms(ch));
}

TEST_F(Mixer, LengthRoundsUpSoOnlyTheEndEqualsIt) {
    struct Case {
        std::size_t frames;
        std::uint32_t length;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {44100, 1000}, {4412, 101}, {44101, 1001}};
    for (const Case& c : cases) {
        mixer::remove_all();
        mixer::Channel& ch = open("a", c.frames);
        EXPECT_EQ(mixer::length_ms(ch), c.length) << c.frames;
        ASSERT_TRUE(mixer::play(ch, std::nullopt, std::nullopt));
        mixer::advance_ms(c.length == 0 ? 0 : c.length - 1);
        if (c.frames > 0) {
            EXPECT_LT(mixer::position_ms(ch), c.length) << c.frames;
        }
        mixer::advance_ms(1);
        EXPECT_EQ(mixer::position_ms(ch), c.length) << c.frames;
        EXPECT_FALSE(ch.playing);
    }
}

TEST_F(Mixer, MillisecondStepsDoNotDrift) {
    mixer::Channel& ch = open("a", 44100 * 3);
    ASSERT_TRUE(mixer::play(ch, 7u, std::nullopt));
    for (std::uint32_t ms = 1; ms <= 2993; ++ms) {
        mixer::advance_ms(1);
        ASSERT_EQ(mixer::position_ms(ch), 7 + ms);
    }
    EXPECT_FALSE(ch.playing);
}

TEST_F(Mixer, PlayRangeIsCheckedAgainstTheLength) {
    struct Case {
        std::optional<std::uint32_t> from, to;
        bool accepted;
        bool playing;
        std::uint32_t position;  // after the play, then after running out
        std::uint32_t final_position;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, true, true, 300, 1000},
        {250u, 750u, true, true, 250, 750},
        {std::nullopt, 400u, true, true, 300, 400},
        {600u, 600u, true, false, 600, 600},
        {1000u, std::nullopt, true, false, 1000, 1000},
        {1001u, std::nullopt, false, false, 300, 300},
        {0u, 1001u, false, false, 300, 300},
        {700u, 200u, false, false, 300, 300},
        {std::nullopt, 100u, false, false, 300, 300},
    };
    for (const Case& c : cases) {
        mixer::remove_all();
        mixer::Channel& ch = open("a", 44100);
        mixer::play(ch, 300u, 300u);
        EXPECT_EQ(mixer::play(ch, c.from, c.to), c.accepted);
        EXPECT_EQ(ch.playing, c.playing);
        EXPECT_EQ(mixer::position_ms(ch), c.position);
        mixer::advance_ms(5000);
        EXPECT_EQ(mixer::position_ms(ch), c.final_position);
    }
}

TEST_F(Mixer, AliasesIgnoreCaseAndAreNotReused) {
    open("S1", 10);
    EXPECT_NE(mixer::find("s1"), nullptr);
    EXPECT_FALSE(mixer::add("s1", steady(5, 0)));
    EXPECT_TRUE(mixer::remove("s1"));
    EXPECT_EQ(mixer::find("S1"), nullptr);
    EXPECT_FALSE(mixer::remove("s1"));
}

}  // namespace
