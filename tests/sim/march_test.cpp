// The formation's march step: notes, the edge test on the positions before the move,
// the turn and drop of all 55 records, and the landing test.
#include "sim_fixture.h"

namespace {

using namespace game;
using sim_test::SimTest;

using March = SimTest;

// Steps until the next descent and returns how many steps it took.
int steps_to_next_descent() {
    const std::uint32_t before = DOWNNUM;
    int steps = 0;
    while (DOWNNUM == before && steps < 100) {
        NEXTSTEP();
        ++steps;
    }
    return steps;
}

TEST_F(March, ElevenStepsToTheRightEdgeThenTurnAndDrop) {
    for (int i = 1; i <= 11; ++i) NEXTSTEP();
    EXPECT_EQ(INVADER[11][1].x, 184);
    EXPECT_EQ(INVADER[1][1].x, 24);
    EXPECT_EQ(DOWNNUM, 0u);
    EXPECT_EQ(INVADERD, 2);

    NEXTSTEP();
    EXPECT_EQ(INVADERD, -2);
    EXPECT_EQ(DOWNNUM, 1u);
    EXPECT_EQ(INVADER[11][1].x, 182);
    for (std::int32_t c = 1; c <= 11; ++c) {
        for (std::int32_t r = 1; r <= 5; ++r) EXPECT_EQ(INVADER[c][r].y, 16 * r + 16) << c << "," << r;
    }
    EXPECT_FALSE(GAMEOVER);
}

TEST_F(March, TurnsAtTheLeftEdgeOneStepAfterReachingIt) {
    INVADERD = -2;
    NEXTSTEP();
    EXPECT_EQ(INVADER[1][3].x, 0);
    EXPECT_EQ(DOWNNUM, 0u);
    NEXTSTEP();
    EXPECT_EQ(INVADER[1][3].x, 2);
    EXPECT_EQ(INVADERD, 2);
    EXPECT_EQ(DOWNNUM, 1u);
}

TEST_F(March, NotesCountersAndAnimationFrame) {
    STEPNUM = 40;
    for (int i = 0; i < 6; ++i) NEXTSTEP();
    EXPECT_EQ(sim_test::sounds(),
              (std::vector<std::string>{"PLAYWAV note1", "PLAYWAV note2", "PLAYWAV note3",
                                        "PLAYWAV note4", "PLAYWAV note1", "PLAYWAV note2"}));
    EXPECT_EQ(MOVENUM, 6u);
    EXPECT_EQ(STEPNUM, 0u);
    EXPECT_EQ(INVADERS, 1);
    NEXTSTEP();
    EXPECT_EQ(INVADERS, 2);
}

TEST_F(March, OuterColumnsGoneTheFormationTravelsFurther) {
    for (std::int32_t r = 1; r <= 5; ++r) {
        sim_test::remove_invader(1, r);
        sim_test::remove_invader(11, r);
    }
    // Column 10 starts at 146: nineteen steps to 184, the turn at the twentieth.
    EXPECT_EQ(steps_to_next_descent(), 20);
    EXPECT_EQ(INVADER[10][5].x, 182);
    // Column 2 starts the way back at 18 + 38 - 2 = 54: 27 steps to 0, the turn at the 28th.
    EXPECT_EQ(steps_to_next_descent(), 28);
    EXPECT_EQ(INVADER[2][5].x, 2);
}

TEST_F(March, ExplodingAndGoneInvadersDropButDoNotMoveSideways) {
    INVADER[5][2].state = -10;
    INVADER[6][2].state = 0;
    GETINVADERNUM();
    const std::int32_t x5 = INVADER[5][2].x, x6 = INVADER[6][2].x;
    EXPECT_EQ(steps_to_next_descent(), 12);
    EXPECT_EQ(INVADER[5][2].x, x5);
    EXPECT_EQ(INVADER[6][2].x, x6);
    EXPECT_EQ(INVADER[5][2].y, 48);
    EXPECT_EQ(INVADER[6][2].y, 48);
}

struct LandingCase {
    const char* name;
    std::int32_t lowest_living_row;  // rows below it are destroyed
    std::uint32_t landing_descent;
};

TEST_F(March, LandingEndsTheGameWhenTheLowestRowReachesTheCannon) {
    const LandingCase cases[] = {
        {"row 5 alive", 5, 12},
        {"rows 4 and 5 destroyed", 3, 16},
        {"only row 1 left", 1, 20},
    };
    for (const LandingCase& c : cases) {
        INITPLAY();
        INITLEVEL();
        for (std::int32_t r = c.lowest_living_row + 1; r <= 5; ++r) {
            for (std::int32_t col = 1; col <= 11; ++col) sim_test::remove_invader(col, r);
        }
        while (DOWNNUM < c.landing_descent - 1) steps_to_next_descent();
        EXPECT_FALSE(GAMEOVER) << c.name;
        steps_to_next_descent();
        EXPECT_TRUE(GAMEOVER) << c.name;
        EXPECT_EQ(INVADER[1][c.lowest_living_row].y, 184) << c.name;
    }
}

// After the last invader has died a step may still run: the note sounds, a turn
// drops the gone records, but nothing moves sideways and there is no landing test.
TEST_F(March, StepWithNoInvaderLeft) {
    for (std::int32_t c = 1; c <= 11; ++c) {
        for (std::int32_t r = 1; r <= 5; ++r) INVADER[c][r].state = 0;
    }
    INVADER[11][5].state = -31;
    GETINVADERNUM();
    INVADERRIGHT.x = 184;
    DOWNNUM = 25;
    NEXTSTEP();
    EXPECT_EQ(sim_test::sounds(), std::vector<std::string>{"PLAYWAV note1"});
    EXPECT_EQ(DOWNNUM, 26u);
    EXPECT_EQ(INVADER[11][5].y, 96);
    EXPECT_EQ(INVADER[11][5].x, 162);
    EXPECT_EQ(INVADERRIGHT.x, 184);
    EXPECT_EQ(INVADERS, 2);
    EXPECT_FALSE(GAMEOVER);
}

}  // namespace
