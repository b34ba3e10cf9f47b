// Whole screens drawn with the game's own art and compared, pixel for pixel on the
// logical frame, with stored golden images (tests/game/golden/*.txt). After a
// deliberate change of art or layout, rewrite them with QUORVAX_UPDATE_GOLDEN=1.
#include <gtest/gtest.h>

#include "game/flow/flow.h"
#include "game/score/score_table.h"
#include "game/screen/screens.h"
#include "game/sim/sim.h"
#include "game/sim/state.h"
#include "screen_fixture.h"

namespace {

using namespace screen_test;

class Golden : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        load_real_art();
        open_window();
    }
    void SetUp() override { fill_frame(0); }
};

TEST_F(Golden, MenuWithEachSelection) {
    for (std::int32_t choose : {1, 2}) {
        game::CHOOSE = choose;
        game::DRAWMENU();
        EXPECT_EQ(compare_golden("menu_" + std::to_string(choose), presented_frame_text()), "");
    }
    game::CHOOSE = 1;
}

TEST_F(Golden, FirstFrameOfAGame) {
    game::INITPLAY();
    game::INITLEVEL();
    game::DRAWPLAY();
    EXPECT_EQ(compare_golden("first_frame", presented_frame_text()), "");
}

TEST_F(Golden, HighScoreScreenWithAFullTable) {
    const game::SCOREREC table[] = {
        {7, "ACE", 12340}, {5, "BOB", 9000},  {4, "C.J.", 7770},   {3, "DEE", 3000},
        {3, "EVE", 2990},  {2, "FLO", 1500},  {2, "GUS", 1500},    {1, "HAL-9000", 450},
        {1, "", 10},       {1, "ZZ", -5},
    };
    for (std::uint32_t i = 0; i < 10; ++i) game::SCOREA[i + 1] = table[i];
    game::SCORENUM = 10;
    game::DRAWHIGHSCORE();
    EXPECT_EQ(compare_golden("high_score", presented_frame_text()), "");
}

TEST_F(Golden, NameEntryOverTheFinalPlayfield) {
    game::INITPLAY();
    game::INITLEVEL();
    game::STARTNUM = game::WAITFRAME;
    game::SHIP = {60, 184, 1};
    game::SCORE = 1230;
    game::GAMEOVER = true;
    game::PLAYERNAME = "QUORVAX_1";
    game::FRAMENUM = 3;
    game::DRAWPLAY();
    game::DRAWGETHIGHSCORE();
    EXPECT_EQ(compare_golden("name_entry", presented_frame_text()), "");
}

}  // namespace
