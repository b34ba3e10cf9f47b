// The display unit's sound channels on the virtual-time backend: handles and
// aliases, the exact command texts, reading replies, and how positions follow time.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "display/audio_reply.h"
#include "display/display.h"
#include "platform/headless/virtual_clock.h"
#include "platform/mixer.h"
#include "platform/sound.h"
#include "platform/wav_decode.h"
#include "wav_writer.h"

namespace {

using namespace display;
using Texts = std::vector<std::string>;

class DisplayAudio : public ::testing::Test {
protected:
    void SetUp() override {
        platform::sound::send_command("close all", nullptr, 0);
        detail::CID = 0;
        platform::headless::set_virtual_now(5000);
        // 250 ms and 100 ms.
        wav_writer::write("audio/tone.wav", wav_writer::pcm_file({22050, 1, 8}, 5512, 200));
        wav_writer::write("audio/fire.wav", wav_writer::pcm_file({11025, 1, 8}, 1102, 60));
        platform::sound::set_command_observer([this](const std::string& c) { sent.push_back(c); });
    }
    void TearDown() override {
        platform::sound::set_command_observer(nullptr);
        platform::sound::send_command("close all", nullptr, 0);
    }
    static void advance(std::uint32_t ms) { platform::headless::advance(ms); }

    wav_writer::TempDir dir;
    Texts sent;
};

TEST_F(DisplayAudio, HandlesCountFromOneAndNameTheirAliases) {
    for (std::uint32_t n = 1; n <= 10; ++n) {
        const std::string name = n == 5 ? "audio\\fire.wav" : "audio\\" + std::to_string(n) + ".wav";
        EXPECT_EQ(LOADAUDIO(name), n);
        ASSERT_EQ(sent.size(), n);
        EXPECT_EQ(sent.back(), "open \"" + name + "\" alias s" + std::to_string(n));
    }
    EXPECT_EQ(sent[4], "open \"audio\\fire.wav\" alias s5");
    EXPECT_EQ(GETAUDIOLEN(5), 100u);
    for (std::uint32_t n = 1; n <= 10; ++n) {
        EXPECT_EQ(platform::sound::send_command("play s" + std::to_string(n), nullptr, 0), 0)
            << "alias s" << n << " should exist, even without a sound";
    }
}

TEST_F(DisplayAudio, EachOperationSendsItsExactCommands) {
    LOADAUDIO("audio\\tone.wav");
    LOADAUDIO("audio\\missing.wav");
    struct Case {
        const char* name;
        std::function<void()> call;
        Texts expected;
    };
    const Case cases[] = {
        {"play", [] { PLAYAUDIO(1); }, {"play s1"}},
        {"play with suffix", [] { PLAYAUDIO(12, " from 5"); }, {"play s12 from 5"}},
        {"stop", [] { STOPAUDIO(10); }, {"stop s10"}},
        {"position", [] { GETAUDIOPOS(1); }, {"status s1 position"}},
        {"length", [] { GETAUDIOLEN(2); }, {"status s2 length"}},
        {"set position", [] { SETAUDIOPOS(1, 40); }, {"status s1 length", "play s1 from 40 to 250"}},
        {"set on silent", [] { SETAUDIOPOS(2, 0); }, {"status s2 length", "play s2 from 0 to 0"}},
        {"set on unknown", [] { SETAUDIOPOS(99, 7); }, {"status s99 length", "play s99 from 7 to 0"}},
        {"send", [] { SENDSTRING("status s1 mode"); }, {"status s1 mode"}},
    };
    for (const Case& c : cases) {
        sent.clear();
        c.call();
        EXPECT_EQ(sent, c.expected) << c.name;
    }
}

TEST_F(DisplayAudio, MissingFileUsesUpItsHandleAndStaysSilent) {
    EXPECT_EQ(LOADAUDIO("audio\\missing.wav"), 1u);
    EXPECT_EQ(LOADAUDIO("audio\\tone.wav"), 2u);
    PLAYAUDIO(1);
    SETAUDIOPOS(1, 0);
    std::vector<std::int16_t> out(64 * platform::MIX_CHANNELS, 99);
    platform::mixer::mix(out.data(), 64);
    for (std::int16_t s : out) ASSERT_EQ(s, 0);
    advance(1000);
    EXPECT_EQ(GETAUDIOPOS(1), 0u);
    EXPECT_EQ(GETAUDIOLEN(1), 0u);
    EXPECT_EQ(GETAUDIOPOS(2), 0u);
    EXPECT_EQ(GETAUDIOLEN(2), 250u);
}

// A script of operations and clock steps, with the position expected after each.
struct Step {
    enum Op { WAIT, RESTART, PLAY, STOP } op;
    std::uint32_t ms;
    std::uint32_t position;
};

void run(std::uint32_t handle, const std::vector<Step>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        switch (s.op) {
            case Step::WAIT: platform::headless::advance(s.ms); break;
            case Step::RESTART: SETAUDIOPOS(handle, s.ms); break;
            case Step::PLAY: PLAYAUDIO(handle); break;
            case Step::STOP: STOPAUDIO(handle); break;
        }
        EXPECT_EQ(GETAUDIOPOS(handle), s.position) << "step " << i;
    }
}

TEST_F(DisplayAudio, RestartMidSoundPlaysAgainToTheEnd) {
    const std::uint32_t h = LOADAUDIO("audio\\tone.wav");
    run(h, {{Step::RESTART, 0, 0},
            {Step::WAIT, 120, 120},
            {Step::RESTART, 0, 0},
            {Step::WAIT, 249, 249},
            {Step::WAIT, 1, 250},
            {Step::WAIT, 500, 250}});
    EXPECT_EQ(GETAUDIOPOS(h), GETAUDIOLEN(h));
}

TEST_F(DisplayAudio, StopKeepsThePositionAndPlayContinues) {
    const std::uint32_t h = LOADAUDIO("audio\\tone.wav");
    run(h, {{Step::RESTART, 0, 0},
            {Step::WAIT, 80, 80},
            {Step::STOP, 0, 80},
            {Step::WAIT, 500, 80},
            {Step::PLAY, 0, 80},
            {Step::WAIT, 100, 180},
            {Step::WAIT, 100, 250},
            {Step::PLAY, 0, 250},
            {Step::WAIT, 100, 250}});
}

TEST_F(DisplayAudio, EndEqualsLengthAcrossTheClockWrap) {
    const std::uint32_t starts[] = {0, 0xFFFFFF80u, 0xFFFFFFFFu};
    for (std::uint32_t start : starts) {
        platform::sound::send_command("close all", nullptr, 0);
        platform::headless::set_virtual_now(start);
        const std::uint32_t tone = LOADAUDIO("audio\\tone.wav");
        const std::uint32_t fire = LOADAUDIO("audio\\fire.wav");
        SETAUDIOPOS(tone, 0);
        advance(30);
        SETAUDIOPOS(fire, 0);
        advance(99);
        EXPECT_EQ(GETAUDIOPOS(tone), 129u) << start;
        EXPECT_EQ(GETAUDIOPOS(fire), 99u) << start;
        advance(1);
        EXPECT_EQ(GETAUDIOPOS(fire), GETAUDIOLEN(fire)) << start;
        advance(1000);
        EXPECT_EQ(GETAUDIOPOS(tone), GETAUDIOLEN(tone)) << start;
    }
}

TEST_F(DisplayAudio, ClockSetBackMovesNoSoundOn) {
    const std::uint32_t h = LOADAUDIO("audio\\tone.wav");
    SETAUDIOPOS(h, 0);
    advance(50);
    EXPECT_EQ(GETAUDIOPOS(h), 50u);
    platform::headless::set_virtual_now(100);
    EXPECT_EQ(GETAUDIOPOS(h), 50u);
    advance(20);
    EXPECT_EQ(GETAUDIOPOS(h), 70u);
}

TEST_F(DisplayAudio, RepliesAreReadDigitByDigitWithoutChecks) {
    struct Case {
        const char* reply;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"", 0},          {"0", 0},           {"1234", 1234},         {"0012", 12},
        {"12a", 169},     {"-", 4294967293u}, {"4294967295", 4294967295u},
        {"4294967296", 0}, {"\xff", 207},
    };
    for (const Case& c : cases) EXPECT_EQ(detail::read_reply(c.reply), c.value) << c.reply;
}

TEST_F(DisplayAudio, EmptyAndZeroRepliesReadZero) {
    const std::uint32_t h = LOADAUDIO("audio\\tone.wav");
    EXPECT_EQ(GETAUDIOLEN(h), 250u);
    EXPECT_EQ(SENDSTRING("stop s1"), 0u);
    EXPECT_STREQ(detail::CA, "");
    EXPECT_EQ(GETAUDIOPOS(h), 0u);
    EXPECT_STREQ(detail::CA, "0");
    EXPECT_EQ(GETAUDIOLEN(h), 250u);
    EXPECT_EQ(GETAUDIOLEN(99), 0u);  // a failed query leaves no older reply behind
    EXPECT_STREQ(detail::CA, "");
}

TEST_F(DisplayAudio, LongCommandsAreCutTo255Characters) {
    const std::string name(300, 'x');
    EXPECT_EQ(LOADAUDIO(name), 1u);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], ("open \"" + name).substr(0, 255));
    sent.clear();
    SENDSTRING(std::string(254, ' ') + "ab");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], std::string(254, ' ') + "a");
}

}  // namespace
