// The command interpreter: what each command does to a channel, its replies, and
// that nothing malformed is carried out, answered or crashes.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/mixer.h"
#include "platform/sound.h"
#include "wav_writer.h"

namespace {

namespace sound = platform::sound;
namespace mixer = platform::mixer;

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        mixer::remove_all();
        // 250 ms at 8000 Hz.
        wav_writer::write("audio/tone.wav", wav_writer::pcm_file({8000, 1, 16}, 2000, 3000));
        ASSERT_EQ(send("open \"audio\\tone.wav\" alias s1"), 0);
    }
    void TearDown() override {
        mixer::remove_all();
        sound::set_command_observer(nullptr);
    }

    int send(const std::string& command) {
        std::strcpy(reply, "junk");
        return sound::send_command(command, reply, sizeof reply);
    }

    wav_writer::TempDir dir;
    char reply[256] = {};
};

TEST_F(Commands, StatusRepliesInMilliseconds) {
    struct Step {
        const char* command;
        std::uint32_t advance_after;
        const char* reply;
    };
    const Step steps[] = {
        {"status s1 length", 0, "250"},
        {"status s1 position", 0, "0"},
        {"play s1", 100, ""},
        {"status s1 position", 0, "100"},
        {"stop s1", 50, ""},
        {"status s1 position", 0, "100"},
        {"play s1 from 200", 1000, ""},
        {"status s1 position", 0, "250"},
        {"play s1 from 10 to 40", 1000, ""},
        {"status s1 position", 0, "40"},
        {"play s1", 1000, ""},
        {"status s1 position", 0, "250"},
        {"play s1 to 250", 1000, ""},
        {"status s1 position", 0, "250"},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(send(s.command), 0) << s.command;
        EXPECT_STREQ(reply, s.reply) << s.command;
        mixer::advance_ms(s.advance_after);
    }
}

TEST_F(Commands, KeywordsAndAliasesIgnoreCaseAndExtraBlanks) {
    EXPECT_EQ(send("  PLAY\tS1   From 20  TO 30 "), 0);
    mixer::advance_ms(100);
    EXPECT_EQ(send("Status s1 POSITION"), 0);
    EXPECT_STREQ(reply, "30");
}

TEST_F(Commands, MalformedOrUnknownIsRefusedWithEmptyReplyAndNoEffect) {
    const char* commands[] = {
        "",
        "   ",
        "play",
        "jump s1",
        "play s9",
        "stop s9",
        "status s9 position",
        "close s9",
        "open \"audio\\tone.wav\" alias s1",
        "open audio\\tone.wav",
        "open \"audio\\tone.wav\" alias",
        "open \"audio\\tone.wav\" as s2",
        "open \"audio\\tone.wav alias s2",
        "play s1 from",
        "play s1 from x",
        "play s1 from 10 from 20",
        "play s1 at 5",
        "play s1 from -1",
        "play s1 from 4294967296",
        "play s1 from 251",
        "play s1 to 251",
        "play s1 from 200 to 100",
        "stop",
        "stop s1 now",
        "status s1",
        "status s1 mode",
        "status s1 position now",
        "close",
    };
    for (const char* command : commands) {
        EXPECT_NE(send(command), 0) << command;
        EXPECT_STREQ(reply, "") << command;
        const mixer::Channel* ch = mixer::find("s1");
        ASSERT_NE(ch, nullptr) << command;
        EXPECT_FALSE(ch->playing) << command;
        EXPECT_EQ(mixer::position_ms(*ch), 0u) << command;
        EXPECT_EQ(mixer::length_ms(*ch), 250u) << command;
    }
    EXPECT_EQ(mixer::find("s2"), nullptr);
}

TEST_F(Commands, UnreadableFileStillOpensASilentChannel) {
    wav_writer::write_text("audio/junk.wav", "junk");
    const char* names[] = {"audio\\missing.wav", "audio\\junk.wav"};
    int n = 2;
    for (const char* name : names) {
        const std::string alias = "s" + std::to_string(n++);
        EXPECT_NE(send("open \"" + std::string(name) + "\" alias " + alias), 0) << name;
        EXPECT_EQ(send("play " + alias), 0) << name;
        EXPECT_EQ(send("status " + alias + " length"), 0) << name;
        EXPECT_STREQ(reply, "0") << name;
        EXPECT_EQ(send("status " + alias + " position"), 0) << name;
        EXPECT_STREQ(reply, "0") << name;
        EXPECT_EQ(send("play " + alias + " from 0 to 0"), 0) << name;
    }
}

TEST_F(Commands, ObserverSeesEveryTextExactlyAndFirst) {
    std::vector<std::string> seen;
    std::vector<bool> s2_existed;
    sound::set_command_observer([&](const std::string& command) {
        seen.push_back(command);
        s2_existed.push_back(mixer::find("s2") != nullptr);
    });
    const std::vector<std::string> sent = {"open \"audio\\tone.wav\" alias s2", "play s2",
                                           "nonsense  here", ""};
    for (const std::string& command : sent) send(command);
    EXPECT_EQ(seen, sent);
    EXPECT_EQ(s2_existed, (std::vector<bool>{false, true, true, true}));

    sound::set_command_observer(nullptr);
    send("stop s2");
    EXPECT_EQ(seen.size(), sent.size());
}

TEST_F(Commands, ReplyIsCutToTheBufferAndAlwaysTerminated) {
    char small[3] = {'x', 'x', 'x'};
    EXPECT_EQ(sound::send_command("status s1 length", small, sizeof small), 0);
    EXPECT_STREQ(small, "25");
    EXPECT_EQ(sound::send_command("status s1 length", nullptr, 0), 0);
}

TEST_F(Commands, CloseForgetsChannels) {
    EXPECT_EQ(send("open \"audio\\tone.wav\" alias s2"), 0);
    EXPECT_EQ(send("close s1"), 0);
    EXPECT_NE(send("play s1"), 0);
    EXPECT_EQ(send("play s2"), 0);
    EXPECT_EQ(send("close all"), 0);
    EXPECT_NE(send("play s2"), 0);
    EXPECT_EQ(send("open \"audio\\tone.wav\" alias s1"), 0);
}

}  // namespace
