// The play screen and the menu screen.
#pragma once

#include "display/display.h"

namespace game {

extern const display::COLOR INVADERC[6];  // [row 1..5]
extern const display::COLOR WALLC;

void DRAWPLAY();
void DRAWMENU();

}  // namespace game
