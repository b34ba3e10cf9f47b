// The frame operations and the phases of a wave: the start wait, the cannon's
// explosion taking a life at its end, the end wait, and what stands still meanwhile.
#include "game/flow/flow.h"
#include "sim_fixture.h"

namespace {

using namespace game;
using sim_test::script_draw;
using sim_test::SimTest;

using Frames = SimTest;

TEST_F(Frames, StartWaitBringsTheCannonAndTheFirstStepAtFrame128) {
    INITLEVEL();
    for (int i = 0; i < 127; ++i) simulate_frame();
    EXPECT_EQ(STARTNUM, 127u);
    EXPECT_EQ(SHIP.state, 0);
    EXPECT_EQ(MOVENUM, 0u);
    EXPECT_EQ(STEPNUM, 0u);
    EXPECT_TRUE(sim_test::sounds().empty());
    EXPECT_TRUE(sim_test::draw_ranges().empty());
    simulate_frame();
    EXPECT_EQ(STARTNUM, WAITFRAME);
    EXPECT_EQ(FRAMENUM, 128u);
    EXPECT_EQ(SHIP.state, 1);
    EXPECT_EQ(MOVENUM, 1u);
    EXPECT_EQ(INVADER[1][1].x, 4);
    EXPECT_EQ(sim_test::sounds(), std::vector<std::string>{"PLAYWAV note1"});
    // From now on frames of play count towards the next step.
    simulate_frame();
    EXPECT_EQ(FRAMENUM, 129u);
    EXPECT_EQ(STEPNUM, 1u);
    EXPECT_EQ(STARTNUM, WAITFRAME);
}

struct ExplosionCase {
    std::int32_t lives;
    std::int32_t lives_after;
    bool game_over;
};

TEST_F(Frames, ExplosionTakesTheLifeAtItsEnd) {
    const ExplosionCase cases[] = {{3, 2, false}, {1, 0, true}};
    for (const ExplosionCase& c : cases) {
        SetUp();
        LIFE = c.lives;
        SHIP = ACTOR{60, 184, -SHIPFRAME};
        BULLETSHIP = ACTOR{100, 120, 1};
        BULLET[1] = ACTOR{62, 180, 2311};
        BULLET[3] = ACTOR{150, 60, 535};
        for (int i = 0; i < 127; ++i) simulate_frame();
        EXPECT_EQ(LIFE, c.lives);
        EXPECT_EQ(SHIP.state, -1);
        EXPECT_EQ(BULLET[3].state, 535);
        EXPECT_EQ(BULLETSHIP.y, 120);
        EXPECT_EQ(STEPNUM, 0u);
        simulate_frame();
        EXPECT_EQ(LIFE, c.lives_after);
        EXPECT_EQ(GAMEOVER, c.game_over);
        EXPECT_EQ(SHIP.state, 1);
        EXPECT_EQ(SHIP.x, 60);
        EXPECT_EQ(FRAMENUM, 128u);
        EXPECT_EQ(BULLET[1].state + BULLET[2].state + BULLET[3].state, 0);
        // The player's shot stays, and flies on once play resumes.
        EXPECT_EQ(BULLETSHIP.state, 1);
        EXPECT_TRUE(sim_test::sounds().empty());
        EXPECT_TRUE(sim_test::draw_ranges().empty());
    }
}

TEST_F(Frames, EndWaitLasts128FramesAndMovesNothing) {
    for (std::int32_t c = 1; c <= 11; ++c) {
        for (std::int32_t r = 1; r <= 5; ++r) INVADER[c][r].state = 0;
    }
    INVADER[4][2].state = -20;
    GETINVADERNUM();
    BULLET[2] = ACTOR{40, 100, 734};
    UFO2 = ACTOR{50, 8, 3};
    for (int i = 0; i < 128; ++i) simulate_frame();
    EXPECT_EQ(ENDNUM, WAITFRAME);
    EXPECT_EQ(INVADER[4][2].state, -20);
    EXPECT_EQ(BULLET[2].y, 100);
    EXPECT_EQ(UFO2.x, 50);
    EXPECT_EQ(MOVENUM, 0u);
    EXPECT_TRUE(sim_test::sounds().empty());
}

// The last invader falls in step 6 and an invader shot hits the cannon in step 7 of
// the same frame: the end wait follows, the explosion stays at its first frame, no
// life is lost, and the next wave brings the cannon back.
TEST_F(Frames, LastInvaderAndCannonHitInOneFrame) {
    sim_test::clear_shields();
    for (std::int32_t c = 1; c <= 11; ++c) {
        for (std::int32_t r = 1; r <= 5; ++r) INVADER[c][r].state = 0;
    }
    INVADER[6][5].state = 1;
    GETINVADERNUM();
    BULLETSHIP = ACTOR{INVADER[6][5].x, INVADER[6][5].y + 2, 1};
    SHIP.x = 120;
    BULLET[1] = ACTOR{120, 180, 4215};
    // With no invader left the refill's search ends at row 1 of the drawn column.
    script_draw(11, 2);
    script_draw(1000, 0);
    NEXTFRAME();
    EXPECT_EQ(INVADERNUM, 0u);
    EXPECT_EQ(SHIP.state, -SHIPFRAME);
    EXPECT_EQ(BULLET[2].state, 113);
    EXPECT_EQ(BULLET[2].x, INVADER[3][1].x);
    EXPECT_EQ(BULLET[2].y, INVADER[3][1].y + 8);
    EXPECT_EQ(sim_test::sounds(), (std::vector<std::string>{"PLAYWAV hit", "PLAYWAV lose"}));

    for (int i = 0; i < 128; ++i) simulate_frame();
    EXPECT_EQ(ENDNUM, WAITFRAME);
    EXPECT_EQ(SHIP.state, -SHIPFRAME);
    EXPECT_EQ(LIFE, 3);
    EXPECT_FALSE(GAMEOVER);
    EXPECT_EQ(BULLET[2].y, INVADER[3][1].y + 8);

    INITLEVEL();
    EXPECT_EQ(LEVEL, 2);
    EXPECT_EQ(SHIP.state, 0);
    EXPECT_EQ(LIFE, 3);
}

}  // namespace
