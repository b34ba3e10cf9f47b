// The play loop's frame choice, tempo test and pacing against the clock, driven
// directly on the headless backend's virtual clock.
#include <gtest/gtest.h>

#include "display/display.h"
#include "flow_fixture.h"
#include "game/flow/flow.h"
#include "game/score/sounds.h"
#include "game/sim/random.h"
#include "game/sim/sim.h"
#include "game/sim/state.h"
#include "platform/headless/headless.h"
#include "platform/headless/virtual_clock.h"
#include "screen_fixture.h"

namespace {

struct Pace {
    std::uint32_t frames, now, start;
    bool ahead;
};

void PrintTo(const Pace& p, std::ostream* os) {
    *os << p.frames << " frames, clock " << p.now << ", wave began " << p.start;
}

class FramesAhead : public ::testing::TestWithParam<Pace> {};

TEST_P(FramesAhead, FrameNWaitsUntilTenNMillisecondsHavePassed) {
    const Pace& p = GetParam();
    EXPECT_EQ(game::frames_ahead(p.frames, p.now, p.start), p.ahead);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, FramesAhead,
    ::testing::Values(Pace{0, 0, 0, false}, Pace{1, 0, 0, true}, Pace{1, 9, 0, true},
                      Pace{1, 10, 0, false}, Pace{100, 999, 0, true}, Pace{100, 1000, 0, false},
                      Pace{5, 5049, 5000, true}, Pace{5, 5050, 5000, false},
                      // The clock wraps past 2^32 during the wave: 80 ms have passed.
                      Pace{9, 30, 0xFFFFFFCEu, true}, Pace{8, 30, 0xFFFFFFCEu, false},
                      Pace{429496730, 0xFFFFFFFFu, 0, true},
                      Pace{429496729, 0xFFFFFFFFu, 0, false}));

class PlayLoop : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        screen_test::load_test_sheet();
        screen_test::open_window();
        game::INITAUDIO();
    }
    void SetUp() override {
        game::seed_random(7);
        game::INITPLAY();
        game::INITLEVEL();
    }
};

TEST_F(PlayLoop, FrameKindFollowsThePhase) {
    struct Case {
        const char* phase;
        std::uint32_t startnum;
        bool cleared;
        std::int32_t ship;
        // what the frame changed
        std::uint32_t startnum_after, endnum_after, stepnum_after;
        std::int32_t ship_after;
    };
    const Case cases[] = {
        {"start wait", 0, false, 0, 1, 0, 0, 0},
        {"end wait", 128, true, 1, 128, 1, 0, 1},
        {"end wait over an explosion", 128, true, -50, 128, 1, 0, -50},
        {"explosion", 128, false, -50, 128, 0, 0, -49},
        {"play", 128, false, 1, 128, 0, 1, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        game::STARTNUM = c.startnum;
        game::SHIP.state = c.ship;
        game::SHIP.y = 184;
        if (c.cleared) {
            for (auto& column : game::INVADER)
                for (auto& invader : column) invader.state = 0;
            game::INVADERNUM = 0;
        }
        game::play_frame();
        EXPECT_EQ(game::FRAMENUM, 1u) << c.phase;
        EXPECT_EQ(game::STARTNUM, c.startnum_after) << c.phase;
        EXPECT_EQ(game::ENDNUM, c.endnum_after) << c.phase;
        EXPECT_EQ(game::STEPNUM, c.stepnum_after) << c.phase;
        EXPECT_EQ(game::SHIP.state, c.ship_after) << c.phase;
    }
}

TEST_F(PlayLoop, FormationStepsOnlyWhenStepCountExceedsTheThreshold) {
    // Wave 1, full formation, no descents: the threshold is about 77.42.
    struct Case {
        std::uint32_t stepnum_before;
        std::uint32_t stepnum_after;
    };
    for (const Case& c : {Case{0, 1}, Case{76, 77}, Case{77, 0}, Case{200, 0}}) {
        SetUp();
        game::STARTNUM = game::WAITFRAME;
        game::SHIP.state = 1;
        game::STEPNUM = c.stepnum_before;
        const std::uint32_t moves = game::MOVENUM;
        game::play_frame();
        EXPECT_EQ(game::STEPNUM, c.stepnum_after) << "from " << c.stepnum_before;
        EXPECT_EQ(game::MOVENUM, moves + (c.stepnum_after == 0 ? 1 : 0)) << "from " << c.stepnum_before;
    }
}

TEST_F(PlayLoop, AStallIsFollowedByAboutFiveFramesBackToBack) {
    for (int i = 0; i < 300; ++i) {
        game::play_frame();
        game::play_wait();
    }
    ASSERT_FALSE(game::GAMEOVER);
    platform::headless::advance(50);  // the window system held the thread
    std::uint32_t back_to_back = 0;
    for (;;) {
        game::play_frame();
        if (game::play_wait() > 0) break;
        ++back_to_back;
    }
    // Five frames make up the 50 ms; the wait that preceded the stall may add one.
    EXPECT_GE(back_to_back, 5u);
    EXPECT_LE(back_to_back, 6u);
}

TEST_F(PlayLoop, EveryWaitPassFetchesOneMessageAndRedraws) {
    const std::uint64_t shown = platform::headless::frames_shown();
    std::uint32_t fetched = 0;
    for (int i = 0; i < 100; ++i) {
        game::play_frame();
        fetched += game::play_wait();
    }
    EXPECT_GT(fetched, 0u);
    // Each pass presents once; the refresh timer's ticks present as well.
    EXPECT_GE(platform::headless::frames_shown() - shown, fetched);
    // A hundred frames take a virtual second.
    EXPECT_GE(display::GETTIME() - game::STARTTIME, 1000u);
    EXPECT_LE(display::GETTIME() - game::STARTTIME, 1020u);
}

TEST(PlayLoopWrap, ClockPassingTwoToThe32DuringAWaveKeepsThePace) {
    const flow_test::Outcome outcome = flow_test::run_child(
        [] {
            screen_test::load_test_sheet();
            display::CREATEWIN(game::W, game::H);
            game::seed_random(3);
            game::INITPLAY();
            // The wave begins 300 ms before the clock wraps.
            platform::headless::set_virtual_now(display::detail::TBEGIN + 0xFFFFFED4u);
            game::INITLEVEL();
            for (int i = 0; i < 100; ++i) {
                game::play_frame();
                game::play_wait();
            }
            flow_test::note("elapsed " + std::to_string(display::GETTIME() - game::STARTTIME));
            return 0;
        },
        10000);
    ASSERT_EQ(outcome.status, 0) << "the pacing stalled at the wrap";
    ASSERT_EQ(outcome.log.size(), 1u);
    const int elapsed = std::stoi(outcome.log[0].substr(8));
    EXPECT_GE(elapsed, 1000);
    EXPECT_LE(elapsed, 1020);
}

}  // namespace
