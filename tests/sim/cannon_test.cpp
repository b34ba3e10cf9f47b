// The player's cannon: keys, movement, the shot's flight, its meetings with invader
// shots, shields and invaders in that order, invader explosions, and scoring.
#include "sim_fixture.h"

namespace {

using namespace game;
using sim_test::message;
using sim_test::SimTest;

using Cannon = SimTest;

constexpr std::uint32_t DOWN = 256, UP = 257, TIMER = 275, CHAR = 258;
constexpr std::uint32_t LEFT = 37, RIGHT = 39, SPACE = 32, ESCAPE = 27;

struct Msg {
    std::uint32_t code, key;
};

struct KeysCase {
    const char* name;
    std::vector<Msg> messages;
    bool left, right;
    std::int32_t move;
};

TEST_F(Cannon, ArrowKeysSetTheMove) {
    const KeysCase cases[] = {
        {"left down", {{DOWN, LEFT}}, true, false, -1},
        {"right down", {{DOWN, RIGHT}}, false, true, 1},
        {"both held stand still", {{DOWN, LEFT}, {DOWN, RIGHT}}, true, true, 0},
        {"releasing one moves towards the other", {{DOWN, LEFT}, {DOWN, RIGHT}, {UP, LEFT}}, false, true, 1},
        {"auto-repeat keeps the flag", {{DOWN, RIGHT}, {DOWN, RIGHT}, {TIMER, 0}}, false, true, 1},
        {"other messages carrying a key code do nothing", {{TIMER, LEFT}, {CHAR, RIGHT}}, false, false, 0},
        {"release of a key never pressed", {{UP, LEFT}}, false, false, 0},
    };
    for (const KeysCase& c : cases) {
        SHIPL = SHIPR = SHIPF = false;
        for (const Msg& m : c.messages) {
            message(m.code, m.key);
            GETACT();
        }
        EXPECT_EQ(SHIPL, c.left) << c.name;
        EXPECT_EQ(SHIPR, c.right) << c.name;
        EXPECT_EQ(SHIPD, c.move) << c.name;
        EXPECT_FALSE(SHIPF) << c.name;
        EXPECT_FALSE(GAMEOVER) << c.name;
    }
    EXPECT_TRUE(sim_test::sounds().empty());
}

TEST_F(Cannon, SpaceLaunchesOneShotAndAHeldSpaceFiresAgainOnceItIsGone) {
    SHIP.x = 100;
    message(DOWN, SPACE);
    GETACT();
    EXPECT_EQ(BULLETSHIP.x, 104);
    EXPECT_EQ(BULLETSHIP.y, 176);
    EXPECT_EQ(BULLETSHIP.state, 1);
    EXPECT_EQ(sim_test::sounds(), std::vector<std::string>{"PLAYWAV fire"});

    // Released and pressed again while the shot flies: nothing.
    BULLETSHIP.y = 120;
    message(UP, SPACE);
    GETACT();
    message(DOWN, SPACE);
    GETACT();
    EXPECT_EQ(BULLETSHIP.y, 120);
    EXPECT_EQ(sim_test::sounds().size(), 1u);

    // Still held: the next call of any message after the shot has gone fires.
    BULLETSHIP.state = 0;
    SHIP.x = 30;
    message(TIMER, 0);
    GETACT();
    EXPECT_EQ(BULLETSHIP.x, 34);
    EXPECT_EQ(BULLETSHIP.state, 1);
    EXPECT_EQ(sim_test::sounds(), (std::vector<std::string>{"PLAYWAV fire", "PLAYWAV fire"}));

    // Released: no new shot.
    message(UP, SPACE);
    GETACT();
    BULLETSHIP.state = 0;
    message(TIMER, 0);
    GETACT();
    EXPECT_EQ(BULLETSHIP.state, 0);
}

TEST_F(Cannon, OnlyAKeyDownOfEscapeEndsTheGame) {
    const Msg cases[] = {{UP, ESCAPE}, {CHAR, ESCAPE}, {TIMER, ESCAPE}, {DOWN, ESCAPE}};
    for (const Msg& m : cases) {
        GAMEOVER = false;
        message(m.code, m.key);
        GETACT();
        EXPECT_EQ(GAMEOVER, m.code == DOWN) << "message " << m.code;
    }
}

struct MoveCase {
    std::int32_t from, move;
    int frames;
    std::int32_t to;
};

TEST_F(Cannon, MovesOnePixelPerFrameWithin0To175) {
    const MoveCase cases[] = {{170, 1, 4, 174}, {170, 1, 10, 175}, {3, -1, 10, 0}, {100, 0, 5, 100}};
    for (const MoveCase& c : cases) {
        SHIP.x = c.from;
        SHIPD = c.move;
        for (int i = 0; i < c.frames; ++i) NEXTFRAME();
        EXPECT_EQ(SHIP.x, c.to) << "from " << c.from << " move " << c.move;
    }
}

// Column 184 is clear of shields and invaders: the shot climbs 2 pixels a frame and
// is removed in its 85th frame, when it reaches y 6.
TEST_F(Cannon, ShotThatMeetsNothingLeavesAtTheTop) {
    BULLETSHIP = ACTOR{180, 176, 1};
    for (int i = 0; i < 84; ++i) NEXTFRAME();
    EXPECT_EQ(BULLETSHIP.y, 8);
    EXPECT_EQ(BULLETSHIP.state, 1);
    NEXTFRAME();
    EXPECT_EQ(BULLETSHIP.y, 6);
    EXPECT_EQ(BULLETSHIP.state, 0);
}

struct HitBoxCase {
    std::int32_t row;
    std::int32_t offset;  // shot's hit column minus the invader's x
    bool hit;
};

// Invader 4 of each row stands at x 50, between shields 1 and 2.
TEST_F(Cannon, HitBoxNarrowsForTheUpperRows) {
    const HitBoxCase cases[] = {
        {1, -1, false}, {1, 0, true}, {1, 3, true}, {1, 4, false},
        {2, 0, true},   {2, 4, true}, {2, 5, false},
        {3, 5, true},   {3, 6, false},
        {4, 6, true},   {4, 7, false},
        {5, -1, false}, {5, 0, true}, {5, 7, true}, {5, 8, false},
    };
    for (const HitBoxCase& c : cases) {
        INITPLAY();
        INITLEVEL();
        SHIP.state = 1;
        sim_test::clear_sounds();
        const ACTOR target = INVADER[4][c.row];
        BULLETSHIP = ACTOR{target.x + c.offset - 4, target.y + 2, 1};
        NEXTFRAME();
        const std::string name = "row " + std::to_string(c.row) + " offset " + std::to_string(c.offset);
        if (c.hit) {
            EXPECT_EQ(INVADER[4][c.row].state, -INVADERFRAME + 1) << name;
            EXPECT_EQ(BULLETSHIP.state, 0) << name;
            EXPECT_EQ(SCORE, (6 - c.row) * 10) << name;
            EXPECT_EQ(INVADERNUM, 54u) << name;
            EXPECT_EQ(sim_test::sounds(), std::vector<std::string>{"PLAYWAV hit"}) << name;
        } else {
            EXPECT_EQ(INVADER[4][c.row].state, 1) << name;
            EXPECT_EQ(BULLETSHIP.state, 1) << name;
            EXPECT_EQ(SCORE, 0) << name;
            EXPECT_EQ(INVADERNUM, 55u) << name;
        }
    }
}

struct VerticalCase {
    std::int32_t shot_y;  // after the frame's flight
    bool hit;
};

TEST_F(Cannon, ShotMustBeWithinSevenPixelsOfTheInvaderRow) {
    // Row 3 stands at y 56: the shot's top must be 49 to 63.
    const VerticalCase cases[] = {{48, false}, {50, true}, {62, true}, {64, false}};
    for (const VerticalCase& c : cases) {
        INITLEVEL();
        SHIP.state = 1;
        BULLETSHIP = ACTOR{INVADER[4][3].x, c.shot_y + 2, 1};
        NEXTFRAME();
        EXPECT_EQ(INVADER[4][3].state < 0, c.hit) << "y " << c.shot_y;
    }
}

TEST_F(Cannon, HitInvaderExplodesFor32FramesOfPlay) {
    BULLETSHIP = ACTOR{INVADER[4][5].x, INVADER[4][5].y + 2, 1};
    NEXTFRAME();
    EXPECT_EQ(INVADER[4][5].state, -31);
    for (int i = 0; i < 30; ++i) NEXTFRAME();
    EXPECT_EQ(INVADER[4][5].state, -1);
    NEXTFRAME();
    EXPECT_EQ(INVADER[4][5].state, 0);
    // Only one invader per shot: the one above in the same column is untouched.
    EXPECT_EQ(INVADER[4][4].state, 1);
}

struct ScoreCase {
    std::int32_t score;
    std::uint32_t points;
    std::int32_t expected;
    bool life;
};

TEST_F(Cannon, ALifeAtEveryMultipleOf3000) {
    const ScoreCase cases[] = {
        {2990, 10, 3000, true},   {2900, 200, 3100, true}, {3000, 10, 3010, false},
        {2980, 10, 2990, false},  {5990, 10, 6000, true},  {5950, 50, 6000, true},
        {0, 50, 50, false},       {8999, 200, 9199, true},
        // Near the top of the 32-bit range the score stops instead of turning negative.
        {2147483600, 200, 2147483647, false},
    };
    for (const ScoreCase& c : cases) {
        SCORE = c.score;
        LIFE = 2;
        sim_test::clear_sounds();
        ADDSCORE(c.points);
        EXPECT_EQ(SCORE, c.expected) << c.score << " + " << c.points;
        EXPECT_EQ(LIFE, c.life ? 3 : 2) << c.score << " + " << c.points;
        EXPECT_EQ(sim_test::sounds(),
                  c.life ? std::vector<std::string>{"PLAYWAV lifeup"} : std::vector<std::string>{})
            << c.score << " + " << c.points;
    }
}

// A shot rising at column 24 reaches, in one frame, an invader shot, the bottom-left
// piece of shield 1 and an invader placed just above the shield.
struct OrderCase {
    const char* name;
    bool invader_shot, shield;
    const char* stopped_by;
};

TEST_F(Cannon, InvaderShotsBeforeShieldsBeforeInvaders) {
    const OrderCase cases[] = {
        {"all three", true, true, "invader shot"},
        {"shield and invader", false, true, "shield"},
        {"invader alone", false, false, "invader"},
    };
    for (const OrderCase& c : cases) {
        INITLEVEL();
        SHIP.state = 1;
        BULLET[1] = ACTOR{};
        INVADER[2][5].x = 24;
        INVADER[2][5].y = 144;
        if (c.invader_shot) BULLET[1] = ACTOR{20, 150, 125};
        if (!c.shield) sim_test::clear_shields();
        BULLETSHIP = ACTOR{20, 152, 1};
        NEXTFRAME();
        const std::string stopped = BULLET[1].state == 0 && c.invader_shot ? "invader shot"
                                    : WALL[1][3][1].state == 98         ? "shield"
                                    : INVADER[2][5].state < 0           ? "invader"
                                                                        : "nothing";
        EXPECT_EQ(stopped, c.stopped_by) << c.name;
        EXPECT_EQ(BULLETSHIP.state, 0) << c.name;
        if (c.shield && std::string(c.stopped_by) != "shield") {
            EXPECT_EQ(WALL[1][3][1].state, 99) << c.name;
        }
        if (std::string(c.stopped_by) != "invader") {
            EXPECT_EQ(INVADER[2][5].state, 1) << c.name;
        }
    }
}

// An invader shot counts however far below the player's shot it is, as long as its
// bottom edge is below the player's shot's top and it is less than 2 pixels aside.
TEST_F(Cannon, ShotMeetsInvaderShotsBelowItInItsBand) {
    struct Case {
        std::int32_t dx, shot_y;
        bool meet;
    };
    const Case cases[] = {{0, 100, true}, {1, 170, true}, {-1, 100, true}, {2, 100, false},
                          {-2, 100, false}, {0, 92, false}, {0, 93, true}};
    for (const Case& c : cases) {
        BULLETSHIP = ACTOR{180, 102, 1};  // y 100 after its flight
        BULLET[2] = ACTOR{180 + c.dx, c.shot_y, 711};
        NEXTFRAME();
        EXPECT_EQ(BULLETSHIP.state == 0, c.meet) << c.dx << "," << c.shot_y;
        EXPECT_EQ(BULLET[2].state == 0, c.meet) << c.dx << "," << c.shot_y;
        BULLET[2] = ACTOR{};
    }
}

}  // namespace
