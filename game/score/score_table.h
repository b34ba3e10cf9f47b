// The high-score table of the ten best games and its file, the high-score screen,
// and name entry.
#pragma once

#include <cstdint>
#include <string>

#include "display/display.h"

namespace game {

struct SCOREREC {
    std::int32_t wave = 0;
    std::string name;
    std::int32_t points = 0;
};

extern SCOREREC SCOREA[11];        // [1..10], best first
extern std::uint32_t SCORENUM;     // valid entries, 0..10
extern const std::string SCOREFILE;  // "quorvax_score.dat"

void LOADHIGHSCORE();
void SAVEHIGHSCORE();

extern const display::COLOR SCOREC[11];  // [rank 1..10]
void HIGHSCORE();
void DRAWHIGHSCORE();

extern std::string PLAYERNAME;
extern bool SHIFTON;
void GETHIGHSCORE();
void DRAWGETHIGHSCORE();

}  // namespace game
