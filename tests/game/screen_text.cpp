// Sprite colouring and bitmap-font text on the logical frame, drawn with a test sheet
// whose cells carry markers, so every check names the exact cell and position.
#include <gtest/gtest.h>

#include <string>

#include "game/screen/sprites.h"
#include "game/screen/text.h"
#include "screen_fixture.h"

namespace {

using namespace screen_test;
constexpr display::COLOR GREY = 0x808080, GREEN = 0x00FF00;

class Text : public ::testing::Test {
protected:
    static void SetUpTestSuite() { load_test_sheet(); }
    void SetUp() override {
        game::DRAWBLANK = false;
        fill_frame(GREY);
    }
};

TEST_F(Text, DrawbmpcPaintsInkInColourKeepsOtherColoursAndLeavesBlack) {
    game::DRAWBMPC(game::BMP[1][1], 10, 20, GREEN);
    EXPECT_EQ(frame_pixel(10, 20), marker(1, 1));  // own colour kept
    EXPECT_EQ(frame_pixel(11, 20), GREEN);         // white ink in the colour
    EXPECT_EQ(frame_pixel(17, 27), GREY);          // black left the frame alone
    EXPECT_EQ(frame_pixel(18, 20), GREY);          // nothing beyond 8 by 8
    EXPECT_EQ(frame_pixel(10, 28), GREY);
}

TEST_F(Text, DrawbmpcInColourZeroDrawsOnlyPixelsNeitherWhiteNorBlack) {
    game::DRAWBMPC(game::BMP[2][3], 0, 0, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(frame_pixel(x, y), x == 0 && y == 0 ? marker(2, 3) : GREY) << x << "," << y;
}

struct Placement {
    const char* name;
    void (*draw)(const std::string&, std::int32_t, display::COLOR);
    std::string text;
    int first_x;  // where the first character lands
};

void PrintTo(const Placement& p, std::ostream* os) { *os << p.name; }

class Aligned : public Text, public ::testing::WithParamInterface<Placement> {};

TEST_P(Aligned, FirstCharacterLandsAtItsColumnAndTheOthersFollow) {
    const Placement& p = GetParam();
    p.draw(p.text, 5, GREEN);
    for (std::size_t i = 0; i < p.text.size(); ++i) {
        const int x = p.first_x + 8 * static_cast<int>(i);
        if (x < 0 || x > 191) continue;
        EXPECT_EQ(frame_pixel(x, 40), marker(glyph_row(p.text[i]), glyph_column(p.text[i])))
            << "character " << i;
    }
    if (p.first_x > 0) {
        EXPECT_EQ(frame_pixel(p.first_x - 1, 41), GREY);
    }
    const int end = p.first_x + 8 * static_cast<int>(p.text.size());
    if (end < 192) {
        EXPECT_EQ(frame_pixel(end, 41), GREY);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Aligned,
    ::testing::Values(Placement{"LeftOne", game::DRAWSTRLEFT, "A", 0},
                      Placement{"MidOdd", game::DRAWSTRMID, "ABC", 84},
                      Placement{"MidEven", game::DRAWSTRMID, "READY!", 72},
                      Placement{"RightOne", game::DRAWSTRRIGHT, "7", 184},
                      Placement{"RightFull", game::DRAWSTRRIGHT, std::string(24, 'W'), 0},
                      Placement{"MidFull", game::DRAWSTRMID, std::string(24, 'M'), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Text, CentredTextOfTwentyFiveCharactersIsClippedAtTheLeftEdge) {
    // Starts at x = -4: the first glyph shows only its right half.
    game::DRAWSTRMID("B" + std::string(24, 'C'), 3, GREEN);
    EXPECT_EQ(frame_pixel(0, 25), GREEN);
    EXPECT_EQ(frame_pixel(4, 24), marker(glyph_row('C'), glyph_column('C')));
    EXPECT_EQ(frame_pixel(188, 24), marker(glyph_row('C'), glyph_column('C')));
}

TEST_F(Text, TextsAreCutTo255CharactersBeforeTheyArePlaced) {
    // Right-aligned, the 255 kept characters end at the right edge; the cut-off
    // tail is never drawn.
    game::DRAWSTRRIGHT(std::string(255, 'X') + std::string(45, 'Y'), 0, GREEN);
    EXPECT_EQ(frame_pixel(0, 0), marker(glyph_row('X'), glyph_column('X')));
    EXPECT_EQ(frame_pixel(184, 0), marker(glyph_row('X'), glyph_column('X')));
    game::DRAWSTRMID(std::string(280, 'Z'), 1, GREEN);  // 255 characters from 96 - 1020
    EXPECT_EQ(frame_pixel(4, 8), marker(glyph_row('Z'), glyph_column('Z')));
}

TEST_F(Text, EmptyTextDrawsNothing) {
    game::DRAWBLANK = true;
    game::DRAWSTRMID("", 0, GREEN);
    game::DRAWSTRING("", 0, 0, GREEN);
    for (int x = 0; x < 192; x += 7) EXPECT_EQ(frame_pixel(x, 3), GREY);
}

TEST_F(Text, DrawblankPaintsEachCellBlackBeforeItsGlyph) {
    struct Case {
        bool blank;
        display::COLOR under_space, under_black_pixel;
    };
    for (const Case& c : {Case{false, GREY, GREY}, Case{true, 0, 0}}) {
        fill_frame(GREY);
        game::DRAWBLANK = c.blank;
        game::DRAWSTRING(" A", 16, 16, GREEN);
        EXPECT_EQ(frame_pixel(19, 19), c.under_space) << "blank " << c.blank;
        EXPECT_EQ(frame_pixel(31, 23), c.under_black_pixel) << "blank " << c.blank;
        EXPECT_EQ(frame_pixel(25, 16), GREEN) << "blank " << c.blank;
        EXPECT_EQ(frame_pixel(32, 16), GREY) << "blank " << c.blank;
    }
}

TEST_F(Text, CharactersOutsideTheFontAreDrawnAsBlanks) {
    const std::string outside = {'\x01', '\x1F', 'a', '~', '\x7F', '\x80', '\xC8', '\xFF'};
    for (bool blank : {false, true}) {
        fill_frame(GREY);
        game::DRAWBLANK = blank;
        game::DRAWSTRING(outside, 0, 0, GREEN);
        for (int x = 0; x < 8 * static_cast<int>(outside.size()); ++x)
            for (int y = 0; y < 8; ++y)
                ASSERT_EQ(frame_pixel(x, y), blank ? 0 : GREY) << x << "," << y << " blank " << blank;
    }
}

}  // namespace
