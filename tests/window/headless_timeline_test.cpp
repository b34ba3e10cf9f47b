// The headless backend's timeline: actions and scripted input happen at their own
// virtual times, in order, whether the program sleeps or waits.
#include <gtest/gtest.h>

#include <vector>

#include "platform/backend.h"
#include "platform/headless/headless.h"
#include "platform/headless/virtual_clock.h"
#include "platform/window.h"

namespace {

namespace hl = platform::headless;
namespace pw = platform::window;

class Timeline : public ::testing::Test {
protected:
    void SetUp() override {
        hl::reset();
        hl::set_virtual_now(0);
    }
    void TearDown() override { hl::reset(); }
};

std::int32_t quiet_proc(std::uint32_t, std::uint32_t, std::uint32_t, std::int32_t) { return 0; }

TEST_F(Timeline, SleepRunsActionsInTimeOrderAtTheirOwnTimes) {
    std::vector<std::pair<int, std::uint32_t>> seen;  // action id, clock while it ran
    hl::at_time(30, [&] { seen.push_back({3, hl::virtual_now()}); });
    hl::at_time(10, [&] { seen.push_back({1, hl::virtual_now()}); });
    hl::at_time(10, [&] { seen.push_back({2, hl::virtual_now()}); });
    hl::at_time(51, [&] { seen.push_back({4, hl::virtual_now()}); });
    platform::backend::sleep_ms(50);
    const std::vector<std::pair<int, std::uint32_t>> expected = {{1, 10}, {2, 10}, {3, 30}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(hl::virtual_now(), 50u);
    EXPECT_TRUE(hl::has_pending());
    platform::backend::sleep_ms(1);
    EXPECT_EQ(seen.back(), (std::pair<int, std::uint32_t>{4, 51}));
    EXPECT_FALSE(hl::has_pending());
}

TEST_F(Timeline, WaitStopsAtTheDeadlineOrTheNextEvent) {
    std::uint32_t ran_at = 0;
    hl::at_time(25, [&] { ran_at = hl::virtual_now(); });
    platform::backend::wait_events(true, 20);
    EXPECT_EQ(hl::virtual_now(), 20u);
    EXPECT_EQ(ran_at, 0u);
    platform::backend::wait_events(true, 40);
    EXPECT_EQ(ran_at, 25u);
    EXPECT_EQ(hl::virtual_now(), 25u);
}

TEST_F(Timeline, PastTimesRunAtTheNextWaitAndTheClockNeverGoesBack) {
    hl::advance(100);
    std::uint32_t ran_at = 0;
    hl::at_time(40, [&] { ran_at = hl::virtual_now(); });
    platform::backend::wait_events(true, 200);
    EXPECT_EQ(ran_at, 100u);
    EXPECT_EQ(hl::virtual_now(), 100u);
}

TEST_F(Timeline, TimesAcrossTheClockWrapKeepTheirOrder) {
    hl::set_virtual_now(0xFFFFFFF0u);
    std::vector<std::uint32_t> seen;
    hl::at_time(0x00000010u, [&] { seen.push_back(hl::virtual_now()); });
    hl::at_time(0xFFFFFFF8u, [&] { seen.push_back(hl::virtual_now()); });
    platform::backend::sleep_ms(0x40);
    const std::vector<std::uint32_t> expected = {0xFFFFFFF8u, 0x10u};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(hl::virtual_now(), 0x30u);
}

TEST_F(Timeline, KeysScriptedDuringASleepAreQueuedWithTheirTimes) {
    ASSERT_NE(pw::register_class({3, quiet_proc, "Quiet"}), 0);
    ASSERT_EQ(pw::create_window("Quiet", "", 0, 0, 0, 100, 100), pw::MAIN_WINDOW);
    hl::script_key(7, 65, true);
    platform::backend::sleep_ms(20);
    platform::Msg msg;
    ASSERT_TRUE(pw::get_message(msg));
    EXPECT_EQ(msg.message, platform::WM_KEYDOWN);
    EXPECT_EQ(msg.time, 7u);
}

TEST_F(Timeline, ScreenSizeAndFixedMetrics) {
    platform::backend::Metrics m = platform::backend::metrics();
    EXPECT_EQ(m.screen_width, 1920);
    EXPECT_EQ(m.screen_height, 1080);
    hl::set_screen_size(1366, 768);
    m = platform::backend::metrics();
    EXPECT_EQ(m.screen_width, 1366);
    EXPECT_EQ(m.screen_height, 768);
    EXPECT_EQ(m.frame_width, hl::FRAME_WIDTH);
    EXPECT_EQ(m.caption_height, hl::CAPTION_HEIGHT);
}

TEST_F(Timeline, StallHandlerRunsBeforeTheExit) {
    EXPECT_EXIT(
        {
            hl::set_stall_handler([] { std::fputs("handler ran\n", stderr); });
            platform::backend::wait_events(false, 0);
        },
        ::testing::ExitedWithCode(hl::STALL_EXIT_CODE), "handler ran");
}

}  // namespace
