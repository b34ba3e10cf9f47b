// Key-script parsing: the four event forms, comments and blanks, and every kind of
// malformed line refused with the file and line named.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "apps/headless/key_script.h"

namespace {

using driver::ScriptEvent;
using driver::Verb;

std::vector<ScriptEvent> parse_ok(const std::string& text) {
    std::vector<ScriptEvent> events;
    EXPECT_EQ(driver::parse_key_script(text, "k.txt", events), "");
    return events;
}

TEST(KeyScript, ReadsEveryEventFormInFileOrder) {
    std::vector<ScriptEvent> events = parse_ok(
        "# start a game\n"
        "\n"
        "100 down 13\n"
        "  150\tup 13   # trailing comment\r\n"
        "150 size 500 300\n"
        "4294967295 close\n"
        "   \n"
        "#\n");
    ASSERT_EQ(events.size(), 4U);
    EXPECT_EQ(events[0].ms, 100U);
    EXPECT_EQ(events[0].verb, Verb::down);
    EXPECT_EQ(events[0].vk, 13U);
    EXPECT_EQ(events[1].ms, 150U);
    EXPECT_EQ(events[1].verb, Verb::up);
    EXPECT_EQ(events[1].vk, 13U);
    EXPECT_EQ(events[2].verb, Verb::size);
    EXPECT_EQ(events[2].width, 500);
    EXPECT_EQ(events[2].height, 300);
    EXPECT_EQ(events[3].ms, 4294967295U);
    EXPECT_EQ(events[3].verb, Verb::close);
}

TEST(KeyScript, AcceptsTheEdgesOfEachRange) {
    std::vector<ScriptEvent> events = parse_ok(
        "0 down 0\n"
        "0 up 255\n"
        "0 size 1 1\n"
        "0 size 16384 4096\n"  // 64 Mi pixels, the largest surface
        "007 down 040\n");
    ASSERT_EQ(events.size(), 5U);
    EXPECT_EQ(events[1].vk, 255U);
    EXPECT_EQ(events[3].width, 16384);
    EXPECT_EQ(events[4].ms, 7U);
    EXPECT_EQ(events[4].vk, 40U);
}

TEST(KeyScript, EmptyScriptHasNoEvents) {
    EXPECT_TRUE(parse_ok("").empty());
    EXPECT_TRUE(parse_ok("# nothing\n\n").empty());
}

struct Malformed {
    std::string text;
    std::string problem;
};

TEST(KeyScript, MalformedLinesAreRefusedNamingFileAndLine) {
    const Malformed cases[] = {
        {"10 press 13\n", "k.txt:1: unknown event \"press\" (down, up, close or size)"},
        {"10 Down 13\n", "k.txt:1: unknown event \"Down\" (down, up, close or size)"},
        {"10\n", "k.txt:1: a time needs an event: down, up, close or size"},
        {"10 down\n", "k.txt:1: down takes 1 value, not 0"},
        {"10 up 13 14\n", "k.txt:1: up takes 1 value, not 2"},
        {"10 close 1\n", "k.txt:1: close takes 0 values, not 1"},
        {"10 size 500\n", "k.txt:1: size takes 2 values, not 1"},
        {"ten down 13\n", "k.txt:1: \"ten\" is not a time in milliseconds from 0 to 4294967295"},
        {"-5 down 13\n", "k.txt:1: \"-5\" is not a time in milliseconds from 0 to 4294967295"},
        {"4294967296 close\n",
         "k.txt:1: \"4294967296\" is not a time in milliseconds from 0 to 4294967295"},
        {"10 down 256\n", "k.txt:1: \"256\" is not a virtual-key code from 0 to 255"},
        {"10 down 0x0D\n", "k.txt:1: \"0x0D\" is not a virtual-key code from 0 to 255"},
        {"10 down +13\n", "k.txt:1: \"+13\" is not a virtual-key code from 0 to 255"},
        {"10 size 0 300\n",
         "k.txt:1: size 0 300 is out of range (each side from 1 to 16384, at most 67108864 pixels)"},
        {"10 size 16385 1\n",
         "k.txt:1: size 16385 1 is out of range (each side from 1 to 16384, at most 67108864 pixels)"},
        {"10 size 16384 16384\n",
         "k.txt:1: size 16384 16384 is out of range (each side from 1 to 16384, at most 67108864 pixels)"},
        {"10 size 5x 5\n",
         "k.txt:1: size 5x 5 is out of range (each side from 1 to 16384, at most 67108864 pixels)"},
        {"# ok\n\n100 down 13\n99 up 13\n",
         "k.txt:4: time 99 comes before the previous 100; times must not go backwards"},
        {"100 down 13\r\n100 up 13\r\n50 close\r\n",
         "k.txt:3: time 50 comes before the previous 100; times must not go backwards"},
    };
    for (const Malformed& c : cases) {
        std::vector<ScriptEvent> events;
        EXPECT_EQ(driver::parse_key_script(c.text, "k.txt", events), c.problem) << c.text;
    }
}

TEST(KeyScript, FirstBadLineIsTheOneReported) {
    std::vector<ScriptEvent> events;
    EXPECT_EQ(driver::parse_key_script("1 down 13\n2 jump\n3 fly\n", "s", events),
              "s:2: unknown event \"jump\" (down, up, close or size)");
}

class KeyScriptFile : public testing::Test {
protected:
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("quorvax_keys_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                    "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }
};

TEST_F(KeyScriptFile, ReadsAFileAndNamesItInProblems) {
    std::string path = (folder / "game.keys").string();
    std::ofstream(path) << "100 down 40\n200 up 40\n300 hold 40\n";
    std::vector<ScriptEvent> events;
    EXPECT_EQ(driver::read_key_script(path, events),
              path + ":3: unknown event \"hold\" (down, up, close or size)");
}

TEST_F(KeyScriptFile, UnreadableFilesAreProblems) {
    std::vector<ScriptEvent> events;
    std::string missing = (folder / "missing.keys").string();
    EXPECT_EQ(driver::read_key_script(missing, events),
              "cannot read keys file " + missing + ": No such file or directory");
    EXPECT_EQ(driver::read_key_script(folder.string(), events),
              "cannot read keys file " + folder.string() + ": Is a directory");
}

}  // namespace
