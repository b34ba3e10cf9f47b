// Drawing sprite cells in a colour, bitmap-font text, and presenting the logical
// frame scaled in the window.
#pragma once

#include <cstdint>
#include <string>

#include "display/display.h"

namespace game {

extern bool DRAWBLANK;       // paint a black cell behind every character
extern std::uint32_t SZ;     // side of the square the frame was last scaled to

void DRAWBMPC(display::PBITMAP sprite, std::int32_t x, std::int32_t y, display::COLOR colour);
void DRAWSTRING(const std::string& text, std::int32_t x, std::int32_t y, display::COLOR colour);
void DRAWSTRLEFT(const std::string& text, std::int32_t row, display::COLOR colour);
void DRAWSTRMID(const std::string& text, std::int32_t row, display::COLOR colour);
void DRAWSTRRIGHT(const std::string& text, std::int32_t row, display::COLOR colour);
void DRAWWIN();

}  // namespace game
