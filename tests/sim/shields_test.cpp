// The shields: damage digits and limits, the scan orders of the two shot tests, and
// invaders wiping out the pieces they touch.
#include <algorithm>

#include "sim_fixture.h"

namespace {

using namespace game;
using sim_test::SimTest;

using Shields = SimTest;

// A player's shot just below piece (c, r) of shield 1, reaching it in this frame; the
// pieces below it in its column are removed first so that it is the lowest live one.
void hit_from_below(std::int32_t c, std::int32_t r) {
    for (std::int32_t below = r + 1; below <= 3; ++below) WALL[c][below][1].state = 0;
    const ACTOR& piece = WALL[c][r][1];
    BULLETSHIP = ACTOR{piece.x - 2, piece.y + 9, 1};
    NEXTFRAME();
}

// An invader shot whose bottom edge passes the piece's top edge in this frame.
void hit_from_above(std::int32_t c, std::int32_t r) {
    const ACTOR& piece = WALL[c][r][1];
    BULLET[1] = ACTOR{piece.x - 1, piece.y - 8, 921};
    NEXTFRAME();
}

struct DamageCase {
    const char* name;
    std::int32_t column, row;
    const char* hits;  // 'a' from above, 'b' from below
    std::vector<std::int32_t> states;
};

TEST_F(Shields, DamageDigitsAndLimits) {
    const DamageCase cases[] = {
        {"bottom middle goes at a hit from above", 2, 3, "a", {0}},
        {"bottom middle goes at a hit from below", 2, 3, "b", {0}},
        {"top corner: two from above, one from below", 1, 1, "aab", {89, 79, 0}},
        {"other top corner: three from below", 3, 1, "bbb", {98, 97, 0}},
        {"limit 5 from below", 2, 2, "bbbbb", {98, 97, 96, 95, 0}},
        {"limit 5 from above", 1, 2, "aaaaa", {89, 79, 69, 59, 0}},
        {"limit 5 mixed", 3, 3, "abab" "a", {89, 88, 78, 77, 0}},
        {"top middle limit 5", 2, 1, "babab", {98, 88, 87, 77, 0}},
    };
    for (const DamageCase& c : cases) {
        SetUp();
        std::vector<std::int32_t> states;
        for (const char* h = c.hits; *h; ++h) {
            if (*h == 'a') {
                hit_from_above(c.column, c.row);
                EXPECT_EQ(BULLET[1].state, 0) << c.name;
            } else {
                hit_from_below(c.column, c.row);
                EXPECT_EQ(BULLETSHIP.state, 0) << c.name;
            }
            states.push_back(WALL[c.column][c.row][1].state);
        }
        EXPECT_EQ(states, c.states) << c.name;
    }
}

TEST_F(Shields, ClearwallRemovesOnlyAtTheLimit) {
    struct Case {
        std::uint32_t column, row;
        std::int32_t state, after;
    };
    const Case cases[] = {{1, 1, 88, 88}, {1, 1, 87, 0}, {1, 1, 78, 0}, {2, 2, 95, 95},
                          {2, 2, 94, 0},  {2, 2, 59, 59}, {2, 3, 98, 0}, {2, 3, 99, 99}};
    for (const Case& c : cases) {
        WALL[c.column][c.row][3].state = c.state;
        CLEARWALL(c.column, c.row, 3);
        EXPECT_EQ(WALL[c.column][c.row][3].state, c.after) << c.column << "," << c.row << " " << c.state;
    }
}

TEST_F(Shields, ClearwallIgnoresPiecesOutsideTheShields) {
    const std::uint32_t bad[][3] = {{0, 1, 1}, {4, 1, 1}, {1, 0, 1}, {1, 4, 1}, {1, 1, 0}, {1, 1, 5},
                                    {4294967295u, 1, 1}};
    for (const auto& b : bad) CLEARWALL(b[0], b[1], b[2]);
    EXPECT_EQ(WALL[1][1][1].state, 99);
}

struct PlayerShotCase {
    const char* name;
    std::int32_t column;    // the shot's hit column
    std::int32_t y;         // the shot's top after its flight
    std::vector<std::pair<std::int32_t, std::int32_t>> destroyed;  // pieces of shield 1
    std::int32_t hit_column, hit_row;                              // 0: none
};

TEST_F(Shields, PlayerShotMeetsTheLowestLivePieceOfItsColumn) {
    const PlayerShotCase cases[] = {
        {"below the bottom row", 24, 176, {}, 0, 0},
        {"enters the bottom row", 24, 174, {}, 1, 3},
        {"right edge of the shield", 47, 174, {}, 3, 3},
        {"left of the shield", 23, 100, {}, 0, 0},
        {"right of the shield", 48, 100, {}, 0, 0},
        {"passes a destroyed piece", 24, 168, {{1, 3}}, 0, 0},
        {"then meets the next one", 24, 166, {{1, 3}}, 1, 2},
        // Far above the shield, the lowest live piece of the column is still hit.
        {"high above", 36, 40, {{2, 3}}, 2, 2},
        {"through a column cleared entirely", 30, 60, {{1, 1}, {1, 2}, {1, 3}}, 0, 0},
    };
    for (const PlayerShotCase& c : cases) {
        SetUp();
        for (const auto& [col, row] : c.destroyed) WALL[col][row][1].state = 0;
        BULLETSHIP = ACTOR{c.column - 4, c.y + 2, 1};
        NEXTFRAME();
        EXPECT_EQ(BULLETSHIP.state == 0, c.hit_column != 0) << c.name;
        for (std::int32_t col = 1; col <= 3; ++col) {
            for (std::int32_t row = 1; row <= 3; ++row) {
                const bool destroyed = std::find(c.destroyed.begin(), c.destroyed.end(),
                                                 std::make_pair(col, row)) != c.destroyed.end();
                const std::int32_t expected = destroyed                                   ? 0
                                              : col == c.hit_column && row == c.hit_row ? 98
                                                                                          : 99;
                EXPECT_EQ(WALL[col][row][1].state, expected) << c.name << " piece " << col << "," << row;
            }
        }
    }
}

struct InvaderShotCase {
    const char* name;
    std::int32_t x;  // hit columns x + 3 to x + 5
    std::int32_t y;  // after its flight
    std::int32_t hit_column, hit_row;
};

TEST_F(Shields, InvaderShotMeetsTheFirstPieceItsBottomEdgeReaches) {
    const InvaderShotCase cases[] = {
        {"bottom edge on the top edge", 23, 144, 0, 0},
        {"bottom edge past the top edge", 23, 145, 1, 1},
        {"straddling two pieces: the left one", 27, 145, 1, 1},
        {"rightmost columns just inside", 44, 145, 3, 1},
        {"just right of the shield", 45, 145, 0, 0},
        {"leftmost column just inside", 19, 145, 1, 1},
        {"just left of the shield", 18, 145, 0, 0},
        // Fired from below the shield's top: the lowest live piece of the column.
        {"starting inside the shield", 23, 161, 1, 3},
    };
    for (const InvaderShotCase& c : cases) {
        SetUp();
        BULLET[1] = ACTOR{c.x, c.y - 1, 921};
        NEXTFRAME();
        EXPECT_EQ(BULLET[1].state == 0, c.hit_column != 0) << c.name;
        for (std::int32_t col = 1; col <= 3; ++col) {
            for (std::int32_t row = 1; row <= 3; ++row) {
                const std::int32_t expected = col == c.hit_column && row == c.hit_row ? 89 : 99;
                EXPECT_EQ(WALL[col][row][1].state, expected) << c.name << " piece " << col << "," << row;
            }
        }
    }
}

struct TouchCase {
    std::int32_t dx, dy;
    bool removed;
};

TEST_F(Shields, InvadersWipeOutThePiecesTheyTouch) {
    const TouchCase cases[] = {{0, 0, true},   {7, 7, true},  {-7, -7, true}, {7, -7, true},
                               {8, 0, false},  {-8, 0, false}, {0, 8, false}, {0, -8, false}};
    // Also with the target as the only live piece, where the outer bounds of the live
    // pieces are the target's own.
    for (const bool alone : {false, true}) {
        for (const TouchCase& c : cases) {
            SetUp();
            if (alone) sim_test::clear_shields();
            ACTOR& piece = WALL[2][2][3];
            piece.state = 77;  // damage does not matter
            INVADER[6][5].x = piece.x + c.dx;
            INVADER[6][5].y = piece.y + c.dy;
            NEXTFRAME();
            EXPECT_EQ(piece.state == 0, c.removed) << c.dx << "," << c.dy << (alone ? " alone" : "");
        }
    }
}

TEST_F(Shields, ExplodingOrGoneInvadersTouchNothing) {
    for (std::int32_t state : {0, -5}) {
        SetUp();
        const ACTOR& piece = WALL[2][2][3];
        INVADER[6][5] = ACTOR{piece.x, piece.y, state};
        GETINVADERNUM();
        NEXTFRAME();
        EXPECT_EQ(piece.state, 99) << "state " << state;
    }
}

}  // namespace
