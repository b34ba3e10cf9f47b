// Setting up a game and a wave, and the formation summaries (outermost living
// invaders, living count).
#include "display/display.h"
#include "platform/headless/virtual_clock.h"
#include "sim_fixture.h"

namespace {

using namespace game;
using sim_test::SimTest;

using Level = SimTest;

TEST_F(Level, FirstWaveOfANewGame) {
    platform::headless::set_virtual_now(4321);
    INITPLAY();
    INITLEVEL();
    EXPECT_EQ(LEVEL, 1);
    EXPECT_EQ(SCORE, 0);
    EXPECT_EQ(LIFE, 3);
    EXPECT_FALSE(GAMEOVER);
    EXPECT_EQ(INVADERNUM, 55u);
    EXPECT_EQ(INVADERLEFT.x, 2);
    EXPECT_EQ(INVADERRIGHT.x, 162);
    EXPECT_EQ(INVADERD, 2);
    EXPECT_EQ(INVADERS, 1);
    EXPECT_EQ(SHIP.x, 0);
    EXPECT_EQ(SHIP.y, 184);
    EXPECT_EQ(SHIP.state, 0);
    EXPECT_EQ(STARTTIME, display::GETTIME());
    EXPECT_EQ(STARTTIME, 4321u);
    for (std::int32_t c = 1; c <= 11; ++c) {
        for (std::int32_t r = 1; r <= 5; ++r) {
            EXPECT_EQ(INVADER[c][r].x, 16 * c - 14) << c << "," << r;
            EXPECT_EQ(INVADER[c][r].y, 16 * r + 8) << c << "," << r;
            EXPECT_EQ(INVADER[c][r].state, 1) << c << "," << r;
        }
    }
    // Shields at x 24-47, 64-87, 104-127, 144-167 and y 152-175, all intact.
    const std::int32_t shield_left[] = {0, 24, 64, 104, 144};
    for (std::int32_t k = 1; k <= 4; ++k) {
        for (std::int32_t r = 1; r <= 3; ++r) {
            for (std::int32_t c = 1; c <= 3; ++c) {
                EXPECT_EQ(WALL[c][r][k].x, shield_left[k] + 8 * (c - 1));
                EXPECT_EQ(WALL[c][r][k].y, 144 + 8 * r);
                EXPECT_EQ(WALL[c][r][k].state, 99);
            }
        }
    }
}

TEST_F(Level, NextWaveKeepsScoreAndLivesAndResetsTheRest) {
    SCORE = 1230;
    LIFE = 2;
    SHIP = ACTOR{77, 184, -5};
    SHIPD = 1;
    SHIPL = SHIPR = SHIPF = true;
    INVADERD = -2;
    INVADERS = 2;
    INVADER[4][2] = ACTOR{40, 99, -3};
    WALL[2][3][1].state = 0;
    WALL[1][1][4].state = 78;
    BULLETSHIP = ACTOR{30, 60, 1};
    BULLET[2] = ACTOR{90, 120, 534};
    UFO2 = ACTOR{50, 8, 3};
    FRAMENUM = STEPNUM = MOVENUM = DOWNNUM = ENDNUM = 9;
    INITLEVEL();
    EXPECT_EQ(LEVEL, 2);
    EXPECT_EQ(SCORE, 1230);
    EXPECT_EQ(LIFE, 2);
    EXPECT_EQ(SHIP.x, 0);
    EXPECT_EQ(SHIP.state, 0);
    EXPECT_EQ(SHIPD, 0);
    EXPECT_FALSE(SHIPL || SHIPR || SHIPF);
    EXPECT_EQ(INVADERD, 2);
    EXPECT_EQ(INVADERS, 1);
    EXPECT_EQ(INVADER[4][2].x, 50);
    EXPECT_EQ(INVADER[4][2].y, 40);
    EXPECT_EQ(INVADER[4][2].state, 1);
    EXPECT_EQ(WALL[2][3][1].state, 99);
    EXPECT_EQ(WALL[1][1][4].state, 99);
    EXPECT_EQ(FRAMENUM + STEPNUM + MOVENUM + DOWNNUM + STARTNUM + ENDNUM, 0u);
    // Absent objects keep their place; only their state is cleared.
    EXPECT_EQ(BULLETSHIP.state, 0);
    EXPECT_EQ(BULLETSHIP.x, 30);
    EXPECT_EQ(BULLET[2].state, 0);
    EXPECT_EQ(BULLET[2].y, 120);
    EXPECT_EQ(UFO2.state, 0);
    EXPECT_EQ(UFO2.x, 50);
}

struct Cell {
    std::int32_t column, row;
};

struct OutermostCase {
    const char* name;
    std::vector<Cell> living;     // every other invader is gone
    std::vector<Cell> exploding;  // negative state
    Cell left, right;
};

TEST_F(Level, OutermostLivingInvaders) {
    const OutermostCase cases[] = {
        {"full formation: the lowest of the outer columns", {}, {}, {1, 5}, {11, 5}},
        {"one invader is both", {{3, 2}}, {}, {3, 2}, {3, 2}},
        {"the lowest living one of a column", {{2, 1}, {2, 3}, {9, 4}, {9, 2}}, {{2, 5}}, {2, 3}, {9, 4}},
        {"exploding invaders do not count", {{5, 1}, {6, 1}}, {{1, 5}, {11, 5}}, {5, 1}, {6, 1}},
    };
    for (const OutermostCase& c : cases) {
        INITLEVEL();
        if (!c.living.empty()) {
            for (std::int32_t col = 1; col <= 11; ++col) {
                for (std::int32_t row = 1; row <= 5; ++row) INVADER[col][row].state = 0;
            }
            for (const Cell& cell : c.living) INVADER[cell.column][cell.row].state = 1;
        }
        for (const Cell& cell : c.exploding) INVADER[cell.column][cell.row].state = -7;
        GETINVADERLEFTRIGHT();
        GETINVADERNUM();
        EXPECT_EQ(INVADERLEFT.x, INVADER[c.left.column][c.left.row].x) << c.name;
        EXPECT_EQ(INVADERLEFT.y, INVADER[c.left.column][c.left.row].y) << c.name;
        EXPECT_EQ(INVADERLEFT.state, 1) << c.name;
        EXPECT_EQ(INVADERRIGHT.x, INVADER[c.right.column][c.right.row].x) << c.name;
        EXPECT_EQ(INVADERRIGHT.y, INVADER[c.right.column][c.right.row].y) << c.name;
        const std::size_t living = c.living.empty() ? 55 - c.exploding.size() : c.living.size();
        EXPECT_EQ(INVADERNUM, living) << c.name;
    }
}

TEST_F(Level, NoLivingInvaderLeavesTheOutermostRecordsAlone) {
    INVADERLEFT = ACTOR{40, 56, 1};
    INVADERRIGHT = ACTOR{120, 72, 1};
    for (std::int32_t c = 1; c <= 11; ++c) {
        for (std::int32_t r = 1; r <= 5; ++r) INVADER[c][r].state = (c + r) % 2 == 0 ? 0 : -1;
    }
    GETINVADERLEFTRIGHT();
    GETINVADERNUM();
    EXPECT_EQ(INVADERNUM, 0u);
    EXPECT_EQ(INVADERLEFT.x, 40);
    EXPECT_EQ(INVADERLEFT.y, 56);
    EXPECT_EQ(INVADERRIGHT.x, 120);
    EXPECT_EQ(INVADERRIGHT.y, 72);
}

}  // namespace
