// Command-line parsing of quorvax-headless: accepted forms and every refusal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apps/headless/options.h"

namespace {

using Args = std::vector<std::string>;

TEST(Options, DefaultsWithoutArguments) {
    driver::Options options;
    EXPECT_EQ(driver::parse_options({}, options), "");
    EXPECT_FALSE(options.seed.has_value());
    EXPECT_FALSE(options.until_ms.has_value());
    EXPECT_TRUE(options.keys_path.empty());
    EXPECT_TRUE(options.shots.empty());
    EXPECT_EQ(options.screen_width, 1920);
    EXPECT_EQ(options.screen_height, 1080);
}

TEST(Options, EveryOptionTakesItsValue) {
    driver::Options options;
    Args args = {"--seed", "18446744073709551615", "--keys", "k.txt", "--until", "4294967295",
                 "--shot", "10:a.png", "--shot", "0:dir/b:c.png", "--sound-log", "s.log",
                 "--state", "st.json", "--screen", "1366x768"};
    ASSERT_EQ(driver::parse_options(args, options), "");
    EXPECT_EQ(options.seed, 18446744073709551615ULL);
    EXPECT_EQ(options.keys_path, "k.txt");
    EXPECT_EQ(options.until_ms, 4294967295U);
    ASSERT_EQ(options.shots.size(), 2U);
    EXPECT_EQ(options.shots[0].ms, 10U);
    EXPECT_EQ(options.shots[0].path, "a.png");
    EXPECT_EQ(options.shots[1].ms, 0U);
    EXPECT_EQ(options.shots[1].path, "dir/b:c.png");  // the time ends at the first colon
    EXPECT_EQ(options.sound_log_path, "s.log");
    EXPECT_EQ(options.state_path, "st.json");
    EXPECT_EQ(options.screen_width, 1366);
    EXPECT_EQ(options.screen_height, 768);
}

TEST(Options, HelpIsNoted) {
    for (const char* flag : {"--help", "-h"}) {
        driver::Options options;
        EXPECT_EQ(driver::parse_options({flag}, options), "");
        EXPECT_TRUE(options.help) << flag;
    }
}

struct Refusal {
    Args args;
    std::string problem;
};

TEST(Options, BadArgumentsAreRefusedWithTheirProblem) {
    const Refusal cases[] = {
        {{"--speed", "3"}, "unknown option \"--speed\""},
        {{"-x"}, "unknown option \"-x\""},
        {{"keys.txt"}, "unexpected argument \"keys.txt\""},
        {{"--seed"}, "--seed needs a value"},
        {{"--keys", "--seed", "1"}, "--keys needs a value"},
        {{"--seed", "-1"}, "--seed: \"-1\" is not a whole number from 0 to 18446744073709551615"},
        {{"--seed", "18446744073709551616"},
         "--seed: \"18446744073709551616\" is not a whole number from 0 to 18446744073709551615"},
        {{"--seed", "12x"}, "--seed: \"12x\" is not a whole number from 0 to 18446744073709551615"},
        {{"--until", "4294967296"},
         "--until: \"4294967296\" is not a time in milliseconds from 0 to 4294967295"},
        {{"--until", ""}, "--until: \"\" is not a time in milliseconds from 0 to 4294967295"},
        {{"--shot", "a.png"},
         "--shot: \"a.png\" is not MS:PATH (a time in milliseconds, a colon, a file name)"},
        {{"--shot", "10:"}, "--shot: \"10:\" is not MS:PATH (a time in milliseconds, a colon, a file name)"},
        {{"--shot", ":a.png"},
         "--shot: \":a.png\" is not MS:PATH (a time in milliseconds, a colon, a file name)"},
        {{"--shot", "1s:a.png"},
         "--shot: \"1s:a.png\" is not MS:PATH (a time in milliseconds, a colon, a file name)"},
        {{"--screen", "1920"}, "--screen: \"1920\" is not WxH (each side from 1 to 16384)"},
        {{"--screen", "0x100"}, "--screen: \"0x100\" is not WxH (each side from 1 to 16384)"},
        {{"--screen", "100x16385"}, "--screen: \"100x16385\" is not WxH (each side from 1 to 16384)"},
        {{"--screen", "10x10x10"}, "--screen: \"10x10x10\" is not WxH (each side from 1 to 16384)"},
        {{"--seed", "1", "--seed", "2"}, "--seed is given twice"},
        {{"--state", "a", "--state", "b"}, "--state is given twice"},
    };
    for (const Refusal& c : cases) {
        driver::Options options;
        EXPECT_EQ(driver::parse_options(c.args, options), c.problem) << c.args[0];
    }
}

TEST(Options, LargestScreenIsAccepted) {
    driver::Options options;
    ASSERT_EQ(driver::parse_options({"--screen", "16384x1"}, options), "");
    EXPECT_EQ(options.screen_width, driver::MAX_SCREEN_SIDE);
    EXPECT_EQ(options.screen_height, 1);
}

}  // namespace
