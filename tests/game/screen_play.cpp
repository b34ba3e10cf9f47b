// The play screen drawn from hand-set game states with the marker sheet: which cell
// lands where, in which colour. GAMEOVER is set so the picture stays in the frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/screen/screens.h"
#include "game/screen/sprites.h"
#include "game/sim/state.h"
#include "screen_fixture.h"

namespace {

using namespace screen_test;
constexpr display::COLOR WHITE = 0xFFFFFF;

class Play : public ::testing::Test {
protected:
    static void SetUpTestSuite() { load_test_sheet(); }
    void SetUp() override {
        clear_game_state();
        fill_frame(0);
    }
    // The cell (row, column) of the sheet stands at (x, y), its ink in colour.
    static void expect_cell(int x, int y, int row, int column, display::COLOR colour) {
        EXPECT_EQ(frame_pixel(x, y), marker(row, column)) << "cell at " << x << "," << y;
        EXPECT_EQ(frame_pixel(x + 1, y), colour) << "ink at " << x + 1 << "," << y;
    }
    // Spaces are blank in the test sheet: only the other characters carry markers.
    static void expect_text(const std::string& text, int x, int y) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == ' ') continue;
            EXPECT_EQ(frame_pixel(x + 8 * static_cast<int>(i), y),
                      marker(glyph_row(text[i]), glyph_column(text[i])))
                << "'" << text << "' character " << i;
        }
    }
};

struct Spares {
    std::int32_t life;
    std::vector<int> cannons;  // x of each cannon's left half on the status line
    std::string number;        // the count drawn left of a single cannon
};

void PrintTo(const Spares& s, std::ostream* os) { *os << "LIFE " << s.life; }

class SpareCannons : public Play, public ::testing::WithParamInterface<Spares> {};

TEST_P(SpareCannons, StatusLineShowsCannonsOrOneCannonAndTheCount) {
    const Spares& s = GetParam();
    game::LIFE = s.life;
    game::DRAWPLAY();
    for (int x = 104; x <= 184; x += 8) {
        const bool left = std::count(s.cannons.begin(), s.cannons.end(), x) > 0;
        const bool right = std::count(s.cannons.begin(), s.cannons.end(), x - 8) > 0;
        const int first_digit = 176 - 8 * static_cast<int>(s.number.size());
        const bool digit = !s.number.empty() && x >= first_digit && x < 176;
        if (left) {
            expect_cell(x, 0, 1, 1, WHITE);
        } else if (right) {
            expect_cell(x, 0, 1, 2, WHITE);
        } else if (digit) {
            const char c = s.number[static_cast<std::size_t>((x - first_digit) / 8)];
            expect_cell(x, 0, glyph_row(c), glyph_column(c), WHITE);
        } else {
            EXPECT_EQ(frame_pixel(x, 0), 0u) << "x " << x;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lives, SpareCannons,
                         ::testing::Values(Spares{0, {}, ""}, Spares{1, {}, ""},
                                           Spares{3, {176, 160}, ""},
                                           Spares{5, {176, 160, 144, 128}, ""},
                                           Spares{6, {176}, "5"}, Spares{12, {176}, "11"},
                                           Spares{101, {176}, "100"}));

TEST_F(Play, StatusLineShowsWaveLeftAndScoreCentred) {
    struct Case {
        std::int32_t level, score;
        std::string wave_text, score_text;
        int score_x;
    };
    for (const Case& c : {Case{1, 0, "1", "0", 92}, Case{12, 1230, "12", "1230", 80},
                          Case{3, -5, "3", "-5", 88}}) {
        fill_frame(0);
        game::LEVEL = c.level;
        game::SCORE = c.score;
        game::DRAWPLAY();
        expect_text(c.wave_text, 0, 0);
        expect_text(c.score_text, c.score_x, 0);
    }
}

TEST_F(Play, EachFormationRowShowsItsKindInItsColourAndFrame) {
    for (std::int32_t frame : {1, 2}) {
        fill_frame(0);
        game::INVADERS = frame;
        for (int r = 1; r <= 5; ++r) game::INVADER[r + 3][r] = {16 * r, 24 + 16 * r, 1};
        game::INVADER[1][3] = {4, 100, -7};  // exploding
        game::INVADER[2][3] = {20, 100, 0};  // gone
        game::DRAWPLAY();
        for (int r = 1; r <= 5; ++r) {
            const int kind = 6 - r;
            // Kinds 1 to 4 alternate between sheet rows 3 and 4; kind 5 keeps one cell.
            const int row = kind == 5 ? 4 : (frame == 1 ? 3 : 4);
            const int column = kind == 5 ? 12 : 12 + kind;
            expect_cell(16 * r, 24 + 16 * r, row, column, game::INVADERC[r]);
        }
        expect_cell(4, 100, 4, 11, game::INVADERC[3]);
        EXPECT_EQ(frame_pixel(20, 100), 0u);
    }
}

TEST_F(Play, CannonShowsWholeOrItsAlternatingExplosion) {
    struct Case {
        std::int32_t state;
        int left_column;  // sheet row 1; 0 for no cannon
    };
    for (const Case& c : {Case{1, 1}, Case{-128, 3}, Case{-127, 5}, Case{-2, 3}, Case{-1, 5},
                          Case{0, 0}}) {
        fill_frame(0);
        game::SHIP = {40, 184, c.state};
        game::DRAWPLAY();
        if (c.left_column == 0) {
            EXPECT_EQ(frame_pixel(40, 184), 0u);
            EXPECT_EQ(frame_pixel(49, 185), 0u);
            continue;
        }
        expect_cell(40, 184, 1, c.left_column, WHITE);
        expect_cell(48, 184, 1, c.left_column + 1, WHITE);
    }
}

TEST_F(Play, SaucersShowTheirCellsOrTheirExplosions) {
    struct Case {
        std::int32_t large_state, small_state;
        int large_column, small_column;  // first cell in sheet row 1
    };
    for (const Case& c : {Case{1, 1, 11, 7}, Case{-40, -3, 14, 9}, Case{5, -64, 11, 9}}) {
        fill_frame(0);
        game::UFO2 = {30, 8, c.large_state};
        game::UFO1 = {100, 8, c.small_state};
        game::DRAWPLAY();
        for (int i = 0; i < 3; ++i) expect_cell(30 + 8 * i, 8, 1, c.large_column + i, WHITE);
        for (int i = 0; i < 2; ++i) expect_cell(100 + 8 * i, 8, 1, c.small_column + i, WHITE);
    }
}

TEST_F(Play, ShieldPiecePictureFollowsPlaceAndDamage) {
    struct Case {
        std::int32_t column, row, state;
        int sheet_row, sheet_column;  // 0: no picture
    };
    const Case cases[] = {
        {2, 2, 99, 2, 1},  {2, 2, 89, 2, 2},  {2, 2, 98, 2, 6},  {2, 2, 87, 2, 11},
        {1, 3, 59, 2, 5},  {3, 2, 95, 2, 15}, {1, 1, 99, 3, 1},  {1, 1, 79, 3, 3},
        {1, 1, 88, 3, 5},  {3, 1, 99, 3, 7},  {3, 1, 97, 3, 12}, {2, 3, 99, 2, 16},
        {2, 1, 89, 2, 2},  {1, 1, 69, 0, 0},  {2, 2, 49, 0, 0},  {3, 3, 100, 0, 0},
        {2, 2, 0, 0, 0},   {2, 3, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const display::PBITMAP expected =
            c.sheet_row == 0 ? nullptr : game::BMP[c.sheet_row][c.sheet_column];
        EXPECT_EQ(game::wall_sprite(c.column, c.row, c.state), expected)
            << "column " << c.column << " row " << c.row << " state " << c.state;
    }
}

TEST_F(Play, ShieldPiecesAreDrawnInOrangeWhereTheyStand) {
    game::WALL[2][2][3] = {100, 160, 87};
    game::WALL[1][1][4] = {140, 152, 0};  // gone
    game::DRAWPLAY();
    expect_cell(100, 160, 2, 11, game::WALLC);
    EXPECT_EQ(frame_pixel(141, 153), 0u);
}

TEST_F(Play, InvaderShotCyclesThroughItsSlotsFrames) {
    struct Case {
        std::int32_t slot, state;
        int sheet_column;  // sheet row 4
    };
    for (const Case& c : {Case{1, 512, 2}, Case{1, 401, 1}, Case{2, 712, 6}, Case{2, 100, 4},
                          Case{3, 1, 7}, Case{3, 310, 10}}) {
        EXPECT_EQ(game::bullet_sprite(c.slot, c.state), game::BMP[4][c.sheet_column])
            << "slot " << c.slot << " state " << c.state;
    }
    game::BULLET[2] = {60, 90, 712};
    game::BULLET[3] = {70, 90, 0};
    game::DRAWPLAY();
    expect_cell(60, 90, 4, 6, WHITE);
    EXPECT_EQ(frame_pixel(71, 91), 0u);
}

TEST_F(Play, PlayerShotIsASevenPixelWhiteLine) {
    game::BULLETSHIP = {50, 100, 1};
    game::DRAWPLAY();
    for (int y = 99; y <= 107; ++y)
        EXPECT_EQ(frame_pixel(54, y), y >= 100 && y <= 106 ? WHITE : 0u) << "y " << y;
    EXPECT_EQ(frame_pixel(53, 100), 0u);
    EXPECT_EQ(frame_pixel(55, 100), 0u);
}

TEST_F(Play, WaveTextsMarkTheTwoWaits) {
    struct Case {
        std::uint32_t startnum, invadernum;
        bool ready, next;
    };
    for (const Case& c : {Case{0, 55, true, false}, Case{127, 55, true, false},
                          Case{128, 55, false, false}, Case{128, 0, false, true}}) {
        fill_frame(0);
        game::LEVEL = 3;
        game::STARTNUM = c.startnum;
        game::INVADERNUM = c.invadernum;
        game::DRAWPLAY();
        const auto wave = marker(glyph_row('W'), glyph_column('W'));
        const auto ready = marker(glyph_row('R'), glyph_column('R'));
        const auto next = marker(glyph_row('N'), glyph_column('N'));
        EXPECT_EQ(frame_pixel(72, 112) == wave, c.ready) << "WAVE 3 at row 14";
        EXPECT_EQ(frame_pixel(72, 128) == ready, c.ready) << "READY! at row 16";
        EXPECT_EQ(frame_pixel(60, 96) == next, c.next) << "NEXT WAVE at row 12";
        if (c.ready) expect_text("WAVE 3", 72, 112);
    }
}

}  // namespace
