// The play screen and the menu screen.
#pragma once

#include <cstdint>

#include "display/display.h"

namespace game {

extern const display::COLOR INVADERC[6];  // [row 1..5]
extern const display::COLOR WALLC;

void DRAWPLAY();
void DRAWMENU();

// The play screen's picture choices: a shield piece's cell by its place and state
// (null for a state with no picture), and an invader shot's cell by slot and state.
display::PBITMAP wall_sprite(std::int32_t column, std::int32_t row, std::int32_t state);
display::PBITMAP bullet_sprite(std::int32_t slot, std::int32_t state);

}  // namespace game
