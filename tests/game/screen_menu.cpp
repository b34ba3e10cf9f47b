// The menu screen as presented in the window, drawn with the marker sheet: texts,
// colours, the selection mark and the legend's invaders.
#include <gtest/gtest.h>

#include "game/flow/flow.h"
#include "game/screen/screens.h"
#include "screen_fixture.h"

namespace {

using namespace screen_test;
constexpr display::COLOR WHITE = 0xFFFFFF, CYAN = 0xFFFF00, ORANGE = 0x3399FF;

// A pixel of the logical frame as presented 2:1 in the 384 by 384 window.
display::COLOR shown(int x, int y) { return window_pixel(2 * x, 2 * y); }

class MenuScreen : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        load_test_sheet();
        open_window();
    }
    void SetUp() override { fill_frame(0); }
    void TearDown() override { game::CHOOSE = 1; }
    static void expect_glyph(char c, int x, int y, display::COLOR ink) {
        EXPECT_EQ(shown(x, y), marker(glyph_row(c), glyph_column(c))) << "'" << c << "' at " << x;
        EXPECT_EQ(shown(x + 1, y), ink) << "'" << c << "' ink at " << x + 1;
    }
};

TEST_F(MenuScreen, SelectionMarkAndCyanFollowTheChoice) {
    struct Case {
        std::int32_t choose;
        bool play_marked;
    };
    for (const Case& c : {Case{1, true}, Case{2, false}, Case{0, false}, Case{7, false}}) {
        fill_frame(0);
        game::CHOOSE = c.choose;
        game::DRAWMENU();
        // "* PLAY GAME  " starts at x = 44 on row 17, "* HIGH SCORE  " at x = 40 on row 19.
        if (c.play_marked) {
            expect_glyph('*', 44, 136, CYAN);
            EXPECT_EQ(shown(40, 152), 0u);
        } else {
            expect_glyph('*', 40, 152, CYAN);
            EXPECT_EQ(shown(44, 136), 0u);
        }
        expect_glyph('P', 60, 136, c.play_marked ? CYAN : WHITE);
        expect_glyph('H', 56, 152, c.play_marked ? WHITE : CYAN);
    }
}

TEST_F(MenuScreen, TitleLegendAndCreditStandOnTheirRowsInTheirColours) {
    game::DRAWMENU();
    expect_glyph('Q', 68, 16, WHITE);
    for (int j = 1; j <= 5; ++j) {
        const int y = 16 * j + 32;
        expect_glyph('=', 60, y, game::INVADERC[j]);
        expect_glyph(static_cast<char>('0' + 6 - j), 76, y, game::INVADERC[j]);
        // The invader of kind 6 - j, second frame, over the two leading spaces.
        const int kind = 6 - j;
        EXPECT_EQ(shown(48, y), marker(4, kind == 5 ? 12 : 12 + kind)) << "legend " << j;
        EXPECT_EQ(shown(49, y), game::INVADERC[j]) << "legend " << j;
        for (int x = 56; x < 60; ++x) EXPECT_EQ(shown(x, y + 1), 0u) << "gap before '=' at " << x;
    }
    expect_glyph('M', 36, 176, ORANGE);
}

}  // namespace
