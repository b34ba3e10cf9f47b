// The whole program on the headless backend: the menu's selection and sounds, games
// started and ended from it, the high-score screen, captions, and the ways out.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "display/display.h"
#include "flow_fixture.h"
#include "game/flow/flow.h"
#include "game/sim/state.h"
#include "platform/headless/headless.h"
#include "platform/headless/virtual_clock.h"

namespace {

using namespace flow_test;
using Lines = std::vector<std::string>;

// Starts the program with a fixed seed and runs script(start) before its menu loop
// begins; returns what the child logged and how it ended.
Outcome run_program_with(const std::function<void(std::uint32_t start)>& script) {
    return run_child([&] {
        game::start_seed = 1;
        log_sounds();
        script(platform::headless::virtual_now());
        return game::run_program();
    });
}

// Sounds other than the formation's march notes.
Lines effects(const Outcome& outcome) {
    Lines found;
    for (const std::string& line : lines_with(outcome, "sound "))
        if (line.rfind("sound note", 0) != 0) found.push_back(line);
    return found;
}

struct MenuKeys {
    const char* name;
    std::vector<std::uint32_t> keys;
    Lines sounds;
    std::int32_t choose;
};

void PrintTo(const MenuKeys& k, std::ostream* os) { *os << k.name; }

class MenuSelection : public ::testing::TestWithParam<MenuKeys> {};

TEST_P(MenuSelection, ArrowsMoveTheMarkWithASoundOnlyWhenItMoves) {
    const MenuKeys& c = GetParam();
    const Outcome outcome = run_program_with([&](std::uint32_t start) {
        std::uint32_t at = start + 100;
        for (std::uint32_t key : c.keys) press(at += 100, key);
        platform::headless::at_time(at + 100, [] { note("choose " + std::to_string(game::CHOOSE)); });
        press(at + 200, ESCAPE);
    });
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(lines_with(outcome, "sound "), c.sounds);
    EXPECT_EQ(lines_with(outcome, "choose "), Lines{"choose " + std::to_string(c.choose)});
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MenuSelection,
    ::testing::Values(MenuKeys{"Nothing", {}, {}, 1},
                      MenuKeys{"DownDownUp", {DOWN, DOWN, UP}, {"sound fire", "sound fire"}, 1},
                      MenuKeys{"UpAtTheTop", {UP, UP}, {}, 1},
                      MenuKeys{"DownStays", {DOWN, DOWN, DOWN}, {"sound fire"}, 2},
                      MenuKeys{"OtherKeys", {37, 39, 65, 9}, {}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuLoop, HoldingDownMovesTheMarkOnce) {
    const Outcome outcome = run_program_with([](std::uint32_t start) {
        platform::headless::script_key(start + 100, DOWN, true);
        for (std::uint32_t t = start + 130; t < start + 400; t += 30)
            platform::headless::script_key(t, DOWN, true);  // auto-repeat
        platform::headless::script_key(start + 400, DOWN, false);
        press(start + 500, ESCAPE);
    });
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(lines_with(outcome, "sound "), Lines{"sound fire"});
}

TEST(MenuLoop, OnlyAKeyDownOfEscapeLeavesTheMenu) {
    const Outcome outcome = run_program_with([](std::uint32_t start) {
        platform::headless::script_key(start + 100, ESCAPE, false);  // a release alone
        platform::headless::at_time(start + 300, [] { note("menu open"); });
        press(start + 400, ESCAPE);
    });
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(lines_with(outcome, "menu "), Lines{"menu open"});
}

TEST(MenuLoop, EnterStartsAGameAtWaveOneWithThreeLivesAndEscapeEndsIt) {
    const Outcome outcome = run_program_with([](std::uint32_t start) {
        const std::uint32_t go = start + 100;
        auto probe = [](const char* when) {
            note(std::string(when) + " level " + std::to_string(game::LEVEL) + " life " +
                 std::to_string(game::LIFE) + " score " + std::to_string(game::SCORE) +
                 " over " + std::to_string(game::GAMEOVER));
        };
        press(go, ENTER);
        platform::headless::at_time(go + 300, [=] { probe("ready"); });
        press(go + 500, ESCAPE);  // during "READY!": no effect
        platform::headless::at_time(go + 900, [=] { probe("still"); });
        press(go + 2005, ESCAPE);  // in play, between two frames: the game ends
        platform::headless::at_time(go + 2200, [=] { probe("ended"); });
        press(go + 2300, 65);      // name entry takes an A
        press(go + 2500, ENTER);
        press(go + 3000, ESCAPE);  // high-score screen
        platform::headless::at_time(go + 3300, [=] { note("menu " + std::to_string(game::CHOOSE)); });
        press(go + 3500, ESCAPE);  // menu: the program ends
    });
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(lines_with(outcome, "ready"), Lines{"ready level 1 life 3 score 0 over 0"});
    EXPECT_EQ(lines_with(outcome, "still"), Lines{"still level 1 life 3 score 0 over 0"});
    EXPECT_EQ(lines_with(outcome, "ended"), Lines{"ended level 1 life 3 score 0 over 1"});
    EXPECT_EQ(lines_with(outcome, "menu"), Lines{"menu 1"});
    EXPECT_EQ(effects(outcome), (Lines{"sound ufohit", "sound lose", "sound fire", "sound ufohit", "sound hit"}));
}

TEST(MenuLoop, LosingTheLastLifeSoundsNoSecondLoseAtTheEnd) {
    const Outcome outcome = run_program_with([](std::uint32_t start) {
        press(start + 100, ENTER);
        // After the start wait: the last cannon is one frame from the end of its
        // explosion, its lose sound long played.
        platform::headless::at_time(start + 2000, [] {
            game::LIFE = 1;
            game::SHIP.state = -1;
        });
        press(start + 2500, ENTER);   // name entry
        press(start + 3000, ESCAPE);  // high-score screen
        press(start + 3500, ESCAPE);  // menu
    });
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(effects(outcome), (Lines{"sound ufohit", "sound ufohit", "sound hit"}));
}

TEST(MenuLoop, CaptionFollowsTheScreensAndTheClosingKeyIsNotSeenTwice) {
    const Outcome outcome = run_child([] {
        game::start_seed = 1;
        log_sounds();
        game::INIT();
        log_captions();
        const std::uint32_t start = platform::headless::virtual_now();
        press(start + 100, DOWN);
        press(start + 200, SPACE);   // the high-score screen
        press(start + 400, ESCAPE);  // closes it; the menu stays
        platform::headless::at_time(start + 700, [] {
            note("menu still open, choice " + std::to_string(game::CHOOSE));
        });
        press(start + 800, ESCAPE);
        game::MENU();
        note("menu left");
        return 0;
    });
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(lines_with(outcome, "caption "),
              (Lines{"caption Display unit default title", "caption Quorvax", "caption High Score",
                     "caption Quorvax"}));
    EXPECT_EQ(lines_with(outcome, "menu "), (Lines{"menu still open, choice 2", "menu left"}));
    EXPECT_EQ(lines_with(outcome, "sound "), (Lines{"sound fire", "sound hit", "sound hit"}));
}

TEST(MenuLoopDeathTest, CloseButtonDuringAGameExitsWithZero) {
    EXPECT_EXIT(
        {
            platform::headless::reset();
            display::detail::TBEGIN = 0;
            game::start_seed = 1;
            const std::uint32_t start = platform::headless::virtual_now();
            press(start + 100, ENTER);
            platform::headless::at_time(start + 1500, [] {
                if (!game::GAMEOVER && game::LEVEL == 1) std::fprintf(stderr, "in play\n");
            });
            platform::headless::script_close(start + 1600);
            std::exit(game::run_program() + 10);
        },
        ::testing::ExitedWithCode(0), "in play");
}

TEST(MenuLoopDeathTest, MissingImagesStopWithStatusOneAndAMessage) {
    const auto folder = std::filesystem::temp_directory_path() / "quorvax-no-images";
    std::filesystem::create_directories(folder);
    EXPECT_EXIT(
        {
            std::filesystem::current_path(folder);
            platform::headless::reset();
            std::exit(game::run_program());
        },
        ::testing::ExitedWithCode(1), "^quorvax: .*blank");
    std::filesystem::remove_all(folder);
}

}  // namespace
