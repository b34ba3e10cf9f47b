// Presenting the logical frame: scaled to the largest centred square of the client
// area with black bands, cleared afterwards; and the play screen's hold-back while the
// game is over.
#include <gtest/gtest.h>

#include "game/flow/flow.h"
#include "game/screen/screens.h"
#include "game/screen/sprites.h"
#include "game/screen/text.h"
#include "game/sim/state.h"
#include "platform/headless/headless.h"
#include "platform/headless/virtual_clock.h"
#include "screen_fixture.h"

namespace {

using namespace screen_test;
constexpr display::COLOR WHITE = 0xFFFFFF, RED = 0x0000FF;

class Present : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        load_test_sheet();
        open_window();
    }
    static void resize(int width, int height) {
        platform::headless::script_resize(platform::headless::virtual_now(), width, height);
        while (display::detail::W != width || display::detail::H != height) display::NEXTMSG();
    }
    void TearDown() override { resize(game::W, game::H); }
};

TEST_F(Present, FrameFillsTheLargestCentredSquareBetweenBlackBands) {
    struct Case {
        int width, height;
        std::uint32_t side;
        int left, top;
    };
    for (const Case& c : {Case{384, 384, 384, 0, 0}, Case{500, 300, 300, 100, 0},
                          Case{300, 500, 300, 0, 100}, Case{501, 300, 300, 100, 0},
                          Case{192, 192, 192, 0, 0}}) {
        resize(c.width, c.height);
        fill_frame(WHITE);
        display::BAR(game::BMPMAIN, 0, 0, 1, 1, RED);  // marks the frame's top-left pixel
        game::DRAWWIN();
        EXPECT_EQ(game::SZ, c.side) << c.width << "x" << c.height;
        const int right = c.left + static_cast<int>(c.side), bottom = c.top + static_cast<int>(c.side);
        EXPECT_EQ(window_pixel(c.left, c.top), RED) << c.width << "x" << c.height;
        EXPECT_EQ(window_pixel(right - 1, bottom - 1), WHITE) << c.width << "x" << c.height;
        if (c.left > 0) {
            EXPECT_EQ(window_pixel(c.left - 1, c.top), 0u) << "left band";
            EXPECT_EQ(window_pixel(right, c.top), 0u) << "right band";
            EXPECT_EQ(window_pixel(c.width - 1, c.height - 1), 0u) << "right band";
        }
        if (c.top > 0) {
            EXPECT_EQ(window_pixel(c.left, c.top - 1), 0u) << "top band";
            EXPECT_EQ(window_pixel(c.left, bottom), 0u) << "bottom band";
        }
        EXPECT_EQ(frame_pixel(0, 0), 0u) << "the frame is cleared after presenting";
        EXPECT_EQ(frame_pixel(191, 191), 0u) << "the frame is cleared after presenting";
    }
}

TEST_F(Present, PresentingShowsTheFrameAtOnceAndSleepsOneMillisecond) {
    const std::uint64_t shown = platform::headless::frames_shown();
    const std::uint32_t before = platform::headless::virtual_now();
    fill_frame(WHITE);
    game::DRAWWIN();
    EXPECT_GE(platform::headless::frames_shown(), shown + 1);
    EXPECT_EQ(platform::headless::window_pixels()->pixels[0], WHITE);
    EXPECT_GE(platform::headless::virtual_now() - before, 1u);
}

TEST_F(Present, PlayScreenIsNotPresentedWhileTheGameIsOver) {
    for (bool over : {true, false}) {
        fill_frame(0);
        game::DRAWWIN();  // the window shows black
        clear_game_state();
        game::SHIP = {40, 184, 1};
        game::GAMEOVER = over;
        game::DRAWPLAY();
        const display::COLOR in_window = window_pixel(2 * 41, 2 * 184);
        EXPECT_EQ(in_window, over ? 0u : WHITE) << "game over " << over;
        EXPECT_EQ(frame_pixel(41, 184), over ? WHITE : 0u) << "game over " << over;
    }
}

}  // namespace
