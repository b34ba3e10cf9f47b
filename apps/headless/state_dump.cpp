// Reads the program-wide game state into JSON. Arrays keep the game's own index order
// but start at 0: INVADER[c - 1][r - 1], BULLET[slot - 1], WALL[c - 1][r - 1][k - 1].
#include "apps/headless/state_dump.h"

#include "game/flow/flow.h"
#include "game/score/score_table.h"
#include "game/sim/state.h"

namespace driver {

namespace {

nlohmann::ordered_json actor(const game::ACTOR& record) {
    nlohmann::ordered_json json;
    json["x"] = record.x;
    json["y"] = record.y;
    json["state"] = record.state;
    return json;
}

nlohmann::ordered_json invaders() {
    nlohmann::ordered_json columns = nlohmann::ordered_json::array();
    for (int c = 1; c <= 11; ++c) {
        nlohmann::ordered_json rows = nlohmann::ordered_json::array();
        for (int r = 1; r <= 5; ++r) rows.push_back(actor(game::INVADER[c][r]));
        columns.push_back(rows);
    }
    return columns;
}

nlohmann::ordered_json walls() {
    nlohmann::ordered_json columns = nlohmann::ordered_json::array();
    for (int c = 1; c <= 3; ++c) {
        nlohmann::ordered_json rows = nlohmann::ordered_json::array();
        for (int r = 1; r <= 3; ++r) {
            nlohmann::ordered_json shields = nlohmann::ordered_json::array();
            for (int k = 1; k <= 4; ++k) shields.push_back(actor(game::WALL[c][r][k]));
            rows.push_back(shields);
        }
        columns.push_back(rows);
    }
    return columns;
}

}  // namespace

nlohmann::ordered_json state_json(const std::string& caption) {
    using namespace game;
    nlohmann::ordered_json json;
    json["LEVEL"] = LEVEL;
    json["SCORE"] = SCORE;
    json["LIFE"] = LIFE;
    json["GAMEOVER"] = GAMEOVER;
    json["INVADERNUM"] = INVADERNUM;
    json["FRAMENUM"] = FRAMENUM;
    json["STEPNUM"] = STEPNUM;
    json["MOVENUM"] = MOVENUM;
    json["DOWNNUM"] = DOWNNUM;
    json["STARTNUM"] = STARTNUM;
    json["ENDNUM"] = ENDNUM;
    json["STARTTIME"] = STARTTIME;
    json["INVADERD"] = INVADERD;
    json["INVADERS"] = INVADERS;
    json["SHIPD"] = SHIPD;
    json["SHIPL"] = SHIPL;
    json["SHIPR"] = SHIPR;
    json["SHIPF"] = SHIPF;
    json["CHOOSE"] = CHOOSE;
    json["SCORENUM"] = SCORENUM;
    json["PLAYERNAME"] = PLAYERNAME;
    json["CAPTION"] = caption;
    json["SHIP"] = actor(SHIP);
    json["BULLETSHIP"] = actor(BULLETSHIP);
    json["UFO1"] = actor(UFO1);
    json["UFO2"] = actor(UFO2);
    json["INVADERLEFT"] = actor(INVADERLEFT);
    json["INVADERRIGHT"] = actor(INVADERRIGHT);
    json["INVADER"] = invaders();
    nlohmann::ordered_json bullets = nlohmann::ordered_json::array();
    for (int slot = 1; slot <= 3; ++slot) bullets.push_back(actor(BULLET[slot]));
    json["BULLET"] = bullets;
    json["WALL"] = walls();
    return json;
}

std::string state_text(const std::string& caption) {
    // Names typed or read from a score file may hold bytes that are not UTF-8.
    return state_json(caption).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace driver
