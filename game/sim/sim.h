// The rules of play: set-up of a game and a wave, the three frame operations, the
// march step, the cannon controls and scoring, the shields. Plain procedures over the
// game state of state.h.
#pragma once

#include <cstdint>

#include "game/sim/state.h"

namespace game {

// Game and wave set-up.
void INITPLAY();
void INITLEVEL();
void GETINVADERLEFTRIGHT();
void GETINVADERNUM();

// The three frame operations.
void NEXTFRAME();
void NEXTFRAMEWAIT();
void NEXTFRAMEHIT();

// One march step of the formation.
void NEXTSTEP();

// Cannon controls: reads the display unit's current message.
void GETACT();
void ADDSCORE(std::uint32_t points);

// Removes a shield piece whose damage has reached its limit.
void CLEARWALL(std::uint32_t column, std::uint32_t row, std::uint32_t shield);

// The formation's tempo threshold: a march step is due when STEPNUM exceeds it.
long double tempo_threshold();

}  // namespace game
