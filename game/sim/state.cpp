// The game state's storage: every object and counter declared in state.h, zeroed at
// program start; INITPLAY and INITLEVEL give them their game and wave values.
#include "game/sim/state.h"

namespace game {

ACTOR INVADER[12][6];
ACTOR INVADERLEFT;
ACTOR INVADERRIGHT;
ACTOR SHIP;
ACTOR BULLETSHIP;
ACTOR BULLET[4];
ACTOR WALL[4][4][5];
ACTOR UFO1;
ACTOR UFO2;

std::int32_t INVADERD = 0;
std::int32_t INVADERS = 0;
std::uint32_t INVADERNUM = 0;
std::int32_t SHIPD = 0;
bool SHIPL = false, SHIPR = false, SHIPF = false;
std::uint32_t STARTTIME = 0;
std::uint32_t FRAMENUM = 0;
std::uint32_t STEPNUM = 0;
std::uint32_t MOVENUM = 0;
std::uint32_t DOWNNUM = 0;
std::uint32_t STARTNUM = 0;
std::uint32_t ENDNUM = 0;
std::int32_t LEVEL = 0;
std::int32_t SCORE = 0;
std::int32_t LIFE = 0;
bool GAMEOVER = false;

}  // namespace game
