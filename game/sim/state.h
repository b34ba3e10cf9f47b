// The game state: every object on the playfield, the counters of a wave and the
// tuning constants. Program-wide, written only by the rules in game/sim, read by the
// play loop, the play screen and name entry. Arrays are indexed from 1 as declared;
// index 0 of every dimension is unused.
#pragma once

#include <cstdint>

namespace game {

// Every positioned object: left edge, top edge and state code (0 absent, positive
// active, negative an explosion counting up to 0).
struct ACTOR {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t state = 0;
};

// Tuning constants.
constexpr std::int32_t INVADERFRAME = 32;   // frames an invader explodes
constexpr std::int32_t SHIPFRAME = 128;     // frames the cannon explodes
constexpr std::int32_t UFOFRAME = 64;       // frames a saucer explodes
constexpr std::uint32_t WAITFRAME = 128;    // frames of the wave-start and wave-end waits
// Damage a shield piece takes before it goes, by [column][row].
constexpr std::int32_t WALLHP[4][4] = {
    {0, 0, 0, 0},
    {0, 3, 5, 5},  // column 1: top-left corner, then rows 2 and 3
    {0, 5, 5, 1},  // column 2: the bottom-middle piece goes at the first hit
    {0, 3, 5, 5},  // column 3: top-right corner
};
// Animation frames of the shot sprite of invader-shot slots 1, 2 and 3.
constexpr std::int32_t BULLETHP[4] = {0, 2, 4, 4};

// Objects.
extern ACTOR INVADER[12][6];    // [column 1..11][row 1..5], row 1 at the top
extern ACTOR INVADERLEFT;       // a living invader of the leftmost occupied column
extern ACTOR INVADERRIGHT;      // a living invader of the rightmost occupied column
extern ACTOR SHIP;              // the cannon
extern ACTOR BULLETSHIP;        // the player's one shot
extern ACTOR BULLET[4];         // the invaders' shot slots 1..3
extern ACTOR WALL[4][4][5];     // shield pieces [column 1..3][row 1..3][shield 1..4]
extern ACTOR UFO1;              // the small saucer
extern ACTOR UFO2;              // the large saucer

// Scalars.
extern std::int32_t INVADERD;     // sideways move per march step: +2 or -2
extern std::int32_t INVADERS;     // the formation's animation frame, 1 or 2
extern std::uint32_t INVADERNUM;  // invaders whose state is exactly 1
extern std::int32_t SHIPD;        // the cannon's move per frame: -1, 0 or +1
extern bool SHIPL, SHIPR, SHIPF;  // left, right and fire keys held
extern std::uint32_t STARTTIME;   // clock reading when the wave was set up
extern std::uint32_t FRAMENUM;    // frames simulated in this wave
extern std::uint32_t STEPNUM;     // frames of play since the last march step
extern std::uint32_t MOVENUM;     // march steps in this wave
extern std::uint32_t DOWNNUM;     // descents in this wave
extern std::uint32_t STARTNUM;    // frames of the wave-start wait so far
extern std::uint32_t ENDNUM;      // frames of the wave-end wait so far
extern std::int32_t LEVEL;        // wave number, 1 for the first wave
extern std::int32_t SCORE;
extern std::int32_t LIFE;         // lives, counting the cannon in play
extern bool GAMEOVER;

}  // namespace game
