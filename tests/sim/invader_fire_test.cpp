// The invaders' fire: slot flight and exit, the cannon hit, and the refill with its
// shooter search, its no-double-shot rule and its chance, with the draws in order.
#include "sim_fixture.h"

namespace {

using namespace game;
using sim_test::script_draw;
using sim_test::SimTest;

using InvaderFire = SimTest;

constexpr std::uint32_t COLUMNS = 11, CHANCE = 1000;

TEST_F(InvaderFire, ShotFromTheBottomRowStartsBelowItAndFallsFromTheNextFrame) {
    for (std::int32_t c = 1; c <= 11; ++c) {
        for (std::int32_t r = 1; r <= 5; ++r) INVADER[c][r].y += 64;  // row 5 at y 152
    }
    script_draw(COLUMNS, 0);
    script_draw(CHANCE, 0);
    NEXTFRAME();
    EXPECT_EQ(BULLET[1].state, 151);
    EXPECT_EQ(BULLET[1].x, INVADER[1][5].x);
    EXPECT_EQ(BULLET[1].y, 160);
    NEXTFRAME();
    EXPECT_EQ(BULLET[1].state, 251);
    EXPECT_EQ(BULLET[1].y, 161);
}

struct ShooterCase {
    const char* name;
    std::vector<std::int32_t> gone_rows_of_column_7;
    std::vector<std::uint32_t> column_draws;  // 0-based, as drawn
    std::int32_t column, row;
};

TEST_F(InvaderFire, ShooterIsTheLowestLivingInvaderOfADrawnColumn) {
    const ShooterCase cases[] = {
        {"full column: row 5", {}, {6}, 7, 5},
        {"rows 4 and 5 gone: row 3", {4, 5}, {6}, 7, 3},
        {"a gap above does not matter", {2, 3}, {6}, 7, 5},
        {"only row 1 left", {2, 3, 4, 5}, {6}, 7, 1},
        {"empty column is drawn again", {1, 2, 3, 4, 5}, {6, 6, 2}, 3, 5},
    };
    for (const ShooterCase& c : cases) {
        SetUp();
        for (std::int32_t r : c.gone_rows_of_column_7) sim_test::remove_invader(7, r);
        for (std::uint32_t d : c.column_draws) script_draw(COLUMNS, d);
        script_draw(CHANCE, 0);
        NEXTFRAME();
        const ACTOR& shooter = INVADER[c.column][c.row];
        EXPECT_EQ(BULLET[1].state, 100 + 10 * c.row + c.column) << c.name;
        EXPECT_EQ(BULLET[1].x, shooter.x) << c.name;
        EXPECT_EQ(BULLET[1].y, shooter.y + 8) << c.name;
        // Slot 1's draws come first: its columns, then its chance.
        std::vector<std::uint32_t> expected(c.column_draws.size(), COLUMNS);
        expected.push_back(CHANCE);
        const std::vector<std::uint32_t>& drawn = sim_test::draw_ranges();
        EXPECT_EQ(std::vector<std::uint32_t>(drawn.begin(), drawn.begin() + expected.size()), expected)
            << c.name;
    }
}

TEST_F(InvaderFire, ChanceIsLevelInAThousand) {
    struct Case {
        std::int32_t level;
        std::uint32_t draw;
        bool fires;
    };
    const Case cases[] = {{1, 0, true}, {1, 1, false}, {5, 4, true}, {5, 5, false}, {1000, 999, true}};
    for (const Case& c : cases) {
        SetUp();
        LEVEL = c.level;
        script_draw(COLUMNS, 0);
        script_draw(CHANCE, c.draw);
        NEXTFRAME();
        EXPECT_EQ(BULLET[1].state != 0, c.fires) << "level " << c.level << " draw " << c.draw;
        // The place is written whether or not the slot fires.
        EXPECT_EQ(BULLET[1].x, INVADER[1][5].x);
        EXPECT_EQ(BULLET[1].y, INVADER[1][5].y + 8);
    }
}

// A shot whose state mod 100 is the shooter's code and whose age is 8 or less blocks
// the shooter; the blocked slot makes no chance draw. Slots are taken in order, so a
// lower slot's shot has already aged in this frame when a higher slot refills.
struct BlockCase {
    const char* name;
    std::int32_t holder_slot, holder_state;
    std::int32_t refill_slot;
    std::vector<std::pair<std::int32_t, std::int32_t>> gone;  // (column, row)
    std::uint32_t column_draw;                                // 0-based
    bool blocked;
};

TEST_F(InvaderFire, NoDoubleShotWhileTheOwnShotIsYoung) {
    const BlockCase cases[] = {
        {"later slot, age 8", 2, 855, 1, {}, 4, true},
        {"later slot, age 9", 2, 955, 1, {}, 4, false},
        {"earlier slot aged to 8 in this frame", 1, 755, 2, {}, 4, true},
        {"earlier slot aged to 9 in this frame", 1, 855, 2, {}, 4, false},
        {"other shooter", 2, 154, 1, {}, 4, false},
        // Column 11 of row 4 and column 1 of row 5 share the code 51.
        {"row 4 column 11 blocks row 5 column 1", 2, 351, 1, {}, 0, true},
        {"row 5 column 1 blocks row 4 column 11", 2, 351, 1, {{11, 5}}, 10, true},
    };
    for (const BlockCase& c : cases) {
        SetUp();
        for (const auto& [col, row] : c.gone) sim_test::remove_invader(col, row);
        BULLET[c.holder_slot] = ACTOR{180, 40, c.holder_state};
        for (std::int32_t s = 1; s <= 3; ++s) {
            if (s != c.holder_slot && s != c.refill_slot) BULLET[s] = ACTOR{182, 60, 999};
        }
        script_draw(COLUMNS, c.column_draw);
        if (!c.blocked) script_draw(CHANCE, 0);
        NEXTFRAME();
        EXPECT_EQ(BULLET[c.refill_slot].state == 0, c.blocked) << c.name;
        // After the refill's draws only the saucer's draw follows.
        std::vector<std::uint32_t> drawn = sim_test::draw_ranges();
        ASSERT_FALSE(drawn.empty()) << c.name;
        drawn.pop_back();
        const std::vector<std::uint32_t> expected =
            c.blocked ? std::vector<std::uint32_t>{COLUMNS} : std::vector<std::uint32_t>{COLUMNS, CHANCE};
        EXPECT_EQ(drawn, expected) << c.name;
    }
}

struct CannonHitCase {
    std::int32_t shot_x, shot_y;  // before the frame's flight
    bool hit;
};

// The cannon at x 100 is hit on columns 103 to 113 by a shot 177 to 184 high.
TEST_F(InvaderFire, ShotHitsTheCannonOnItsColumnsInTheBottomRow) {
    const CannonHitCase cases[] = {
        {98, 180, true},  {97, 180, false}, {110, 180, true}, {111, 180, false},
        {104, 175, false}, {104, 176, true}, {104, 183, true}, {104, 184, false},
    };
    for (const CannonHitCase& c : cases) {
        SetUp();
        sim_test::clear_shields();
        SHIP.x = 100;
        BULLET[2] = ACTOR{c.shot_x, c.shot_y, 321};
        NEXTFRAME();
        const std::string name = std::to_string(c.shot_x) + "," + std::to_string(c.shot_y);
        if (c.hit) {
            EXPECT_EQ(SHIP.state, -SHIPFRAME) << name;
            // The shot stays where it is, live, through the explosion.
            EXPECT_EQ(BULLET[2].state, 421) << name;
            EXPECT_EQ(BULLET[2].y, c.shot_y + 1) << name;
            EXPECT_EQ(sim_test::sounds(), std::vector<std::string>{"PLAYWAV lose"}) << name;
        } else {
            EXPECT_EQ(SHIP.state, 1) << name;
            EXPECT_TRUE(sim_test::sounds().empty()) << name;
        }
    }
}

TEST_F(InvaderFire, OnlyTheFirstShotToReachTheCannonHitsIt) {
    sim_test::clear_shields();
    SHIP.x = 100;
    BULLET[1] = ACTOR{100, 180, 321};
    BULLET[3] = ACTOR{104, 180, 333};
    NEXTFRAME();
    EXPECT_EQ(SHIP.state, -SHIPFRAME);
    EXPECT_EQ(sim_test::sounds(), std::vector<std::string>{"PLAYWAV lose"});
}

TEST_F(InvaderFire, CannonOutOfPlayCannotBeHit) {
    sim_test::clear_shields();
    SHIP = ACTOR{100, 184, 0};
    BULLET[1] = ACTOR{100, 180, 321};
    NEXTFRAME();
    EXPECT_EQ(SHIP.state, 0);
    EXPECT_TRUE(sim_test::sounds().empty());
}

// The bottom-left piece of shield 1 stands between the shot and the cannon.
TEST_F(InvaderFire, ShieldPieceStopsTheShotBeforeTheCannon) {
    SHIP.x = 22;
    BULLET[1] = ACTOR{24, 176, 321};
    NEXTFRAME();
    EXPECT_EQ(SHIP.state, 1);
    EXPECT_EQ(WALL[1][3][1].state, 89);
    EXPECT_TRUE(sim_test::sounds().empty());
}

struct FreedSlotCase {
    const char* name;
    ACTOR shot;
    ACTOR player_shot;
};

// A slot emptied earlier in the frame draws for a new shot in the same frame.
TEST_F(InvaderFire, SlotFreedInTheFrameIsRefilledAtOnce) {
    const FreedSlotCase cases[] = {
        {"left at the bottom", ACTOR{182, 184, 921}, ACTOR{}},
        {"met the player's shot", ACTOR{182, 100, 921}, ACTOR{182, 102, 1}},
        {"hit a shield", ACTOR{24, 144, 921}, ACTOR{}},
    };
    for (const FreedSlotCase& c : cases) {
        SetUp();
        BULLET[1] = c.shot;
        BULLETSHIP = c.player_shot;
        script_draw(COLUMNS, 2);
        script_draw(CHANCE, 0);
        NEXTFRAME();
        EXPECT_EQ(BULLET[1].state, 153) << c.name;
        EXPECT_EQ(BULLET[1].x, INVADER[3][5].x) << c.name;
    }
}

}  // namespace
