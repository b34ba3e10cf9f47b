// The state dump: its keys in order, and every array index in the game's own order
// shifted to start at 0, checked with records that differ in every position.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apps/headless/state_dump.h"
#include "game/flow/flow.h"
#include "game/score/score_table.h"
#include "game/sim/state.h"

namespace {

TEST(StateDump, KeysAreTheVariablesNamesInAFixedOrder) {
    nlohmann::ordered_json json = driver::state_json("Quorvax");
    std::vector<std::string> keys;
    for (auto it = json.begin(); it != json.end(); ++it) keys.push_back(it.key());
    const std::vector<std::string> expected = {
        "LEVEL",    "SCORE",      "LIFE",       "GAMEOVER", "INVADERNUM", "FRAMENUM",
        "STEPNUM",  "MOVENUM",    "DOWNNUM",    "STARTNUM", "ENDNUM",     "STARTTIME",
        "INVADERD", "INVADERS",   "SHIPD",      "SHIPL",    "SHIPR",      "SHIPF",
        "CHOOSE",   "SCORENUM",   "PLAYERNAME", "CAPTION",  "SHIP",       "BULLETSHIP",
        "UFO1",     "UFO2",       "INVADERLEFT", "INVADERRIGHT", "INVADER", "BULLET",
        "WALL"};
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(json["CAPTION"], "Quorvax");
}

TEST(StateDump, ScalarsKeepTheirTypesAndValues) {
    game::LEVEL = 4;
    game::SCORE = -20;
    game::GAMEOVER = true;
    game::STARTTIME = 4294967295U;
    game::INVADERD = -2;
    game::SHIPL = true;
    game::SHIPR = false;
    game::CHOOSE = 2;
    game::SCORENUM = 7;
    game::PLAYERNAME = "ACE!";
    nlohmann::ordered_json json = driver::state_json("High Score");
    EXPECT_EQ(json["LEVEL"], 4);
    EXPECT_EQ(json["SCORE"], -20);
    EXPECT_EQ(json["GAMEOVER"], true);
    EXPECT_EQ(json["STARTTIME"], 4294967295U);
    EXPECT_EQ(json["INVADERD"], -2);
    EXPECT_EQ(json["SHIPL"], true);
    EXPECT_EQ(json["SHIPR"], false);
    EXPECT_EQ(json["CHOOSE"], 2);
    EXPECT_EQ(json["SCORENUM"], 7);
    EXPECT_EQ(json["PLAYERNAME"], "ACE!");
}

// A record whose fields tell where it came from.
game::ACTOR tagged(int a, int b, int c) { return {a * 100 + b * 10 + c, -(a * 100 + b * 10 + c), a + b + c}; }

TEST(StateDump, ArraysAreByColumnThenRowThenShield) {
    for (int c = 1; c <= 11; ++c)
        for (int r = 1; r <= 5; ++r) game::INVADER[c][r] = tagged(c, r, 0);
    for (int slot = 1; slot <= 3; ++slot) game::BULLET[slot] = tagged(0, 0, slot);
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r)
            for (int k = 1; k <= 4; ++k) game::WALL[c][r][k] = tagged(c, r, k);
    game::SHIP = {100, 184, -5};

    nlohmann::ordered_json json = driver::state_json("");
    ASSERT_EQ(json["INVADER"].size(), 11U);
    ASSERT_EQ(json["INVADER"][0].size(), 5U);
    EXPECT_EQ(json["INVADER"][10][4]["x"], 1150);  // column 11, row 5
    EXPECT_EQ(json["INVADER"][2][1]["x"], 320);    // column 3, row 2
    EXPECT_EQ(json["INVADER"][2][1]["y"], -320);
    ASSERT_EQ(json["BULLET"].size(), 3U);
    EXPECT_EQ(json["BULLET"][2]["x"], 3);
    ASSERT_EQ(json["WALL"].size(), 3U);
    ASSERT_EQ(json["WALL"][0].size(), 3U);
    ASSERT_EQ(json["WALL"][0][0].size(), 4U);
    EXPECT_EQ(json["WALL"][1][2][3]["x"], 234);  // column 2, row 3, shield 4
    EXPECT_EQ(json["WALL"][1][2][3]["state"], 9);
    EXPECT_EQ(json["SHIP"], (nlohmann::ordered_json{{"x", 100}, {"y", 184}, {"state", -5}}));
}

TEST(StateDump, TextIsIndentedAndSurvivesBytesThatAreNotUtf8) {
    game::PLAYERNAME = std::string("A\xff", 2);
    std::string text;
    ASSERT_NO_THROW(text = driver::state_text("Quorvax"));
    EXPECT_EQ(text.substr(0, 13), "{\n  \"LEVEL\": ");
    EXPECT_EQ(text.back(), '\n');
    EXPECT_NE(text.find("\"PLAYERNAME\": \"A\xEF\xBF\xBD\""), std::string::npos);
    game::PLAYERNAME.clear();
}

}  // namespace
