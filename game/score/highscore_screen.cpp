// The high-score screen: the table as ten rows in their rank colours under a white
// title, shown until Space, Enter or Escape. Opening it saves the table.
#include "display/display.h"
#include "game/score/score_table.h"
#include "game/score/sounds.h"
#include "game/screen/text.h"

namespace game {

const display::COLOR SCOREC[11] = {
    0,
    0x3333FF,  // red
    0x3399FF,  // orange
    0x33FFFF,  // yellow
    0x33FF33,  // green
    0xFFFF00,  // cyan
    0xFF6633,  // blue
    0xFF33FF,  // magenta
    0xBB33BB,  // purple
    0x773377,  // dark purple
    0x333333,  // dark grey
};

namespace {

constexpr std::uint32_t KEY_ENTER = 13, KEY_ESCAPE = 27, KEY_SPACE = 32;
constexpr display::COLOR WHITE = 0xFFFFFF;
constexpr std::int32_t TITLE_ROW = 2;

// One row of the table. The blanks around each piece place it in its column: the rank
// in column 1 (a two-digit rank reaches back to x = 4), the wave from column 3, the
// name centred one column left of the middle, and the points ending in column 22.
void draw_row(std::uint32_t rank) {
    const SCOREREC& entry = SCOREA[rank];
    const std::int32_t row = 2 * (static_cast<std::int32_t>(rank) + 1);
    const display::COLOR colour = SCOREC[rank];
    DRAWSTRMID(display::I2S(rank) + std::string(21, ' '), row, colour);
    DRAWSTRLEFT("   " + display::I2S(entry.wave), row, colour);
    DRAWSTRMID(entry.name + "  ", row, colour);
    DRAWSTRRIGHT(display::I2S(entry.points) + " ", row, colour);
}

}  // namespace

void DRAWHIGHSCORE() {
    DRAWSTRMID("HIGH SCORE", TITLE_ROW, WHITE);
    for (std::uint32_t rank = 1; rank <= SCORENUM && rank <= 10; ++rank) draw_row(rank);
    DRAWWIN();
}

void HIGHSCORE() {
    SAVEHIGHSCORE();
    display::SETTITLE("High Score");
    do {
        DRAWHIGHSCORE();
        display::NEXTMSG();
    } while (!display::ISKEY(KEY_SPACE) && !display::ISKEY(KEY_ENTER) &&
             !display::ISKEY(KEY_ESCAPE));
    PLAYWAV(WAVHIT);
}

}  // namespace game
