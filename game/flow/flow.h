// The program's top level: start-up, the menu loop and the play loop.
#pragma once

#include <cstdint>

namespace game {

constexpr std::int32_t W = 384;  // client width of the window
constexpr std::int32_t H = 384;  // client height of the window
constexpr double FRAMESPEED = 0.1;  // logical frames per millisecond

extern std::int32_t CHOOSE;  // menu selection: 1 play, 2 high scores

void INIT();
void MENU();
void PLAY();

}  // namespace game
