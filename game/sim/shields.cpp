// The shields: the damage record of a piece and its removal (CLEARWALL), and the
// three shield tests of a frame: the player's shot, an invader shot, and invaders.
// A piece's state keeps two digits: the tens count down hits from above, the units
// hits from below; no limit exceeds 5, so the digits never borrow from each other.
#include "game/sim/frame_steps.h"
#include "game/sim/sim.h"

namespace game {

void CLEARWALL(std::uint32_t column, std::uint32_t row, std::uint32_t shield) {
    if (column < 1 || column > 3 || row < 1 || row > 3 || shield < 1 || shield > 4) return;
    ACTOR& piece = WALL[column][row][shield];
    const std::int32_t from_above = 9 - piece.state / 10;
    const std::int32_t from_below = 9 - piece.state % 10;
    if (from_above + from_below >= WALLHP[column][row]) piece.state = 0;
}

namespace {

// The box around every live piece, widened by 8 on each side: an invader outside it
// touches no piece, which spares the full pairwise test while the formation is high.
struct Band {
    std::int32_t left, right, top, bottom;  // exclusive bounds for an invader's x and y
    bool any;
};

Band live_piece_band() {
    Band band{0, 0, 0, 0, false};
    for (std::int32_t k = 1; k <= 4; ++k) {
        for (std::int32_t r = 1; r <= 3; ++r) {
            for (std::int32_t c = 1; c <= 3; ++c) {
                const ACTOR& piece = WALL[c][r][k];
                if (piece.state <= 0) continue;
                if (!band.any || piece.x - 8 < band.left) band.left = piece.x - 8;
                if (!band.any || piece.x + 8 > band.right) band.right = piece.x + 8;
                if (!band.any || piece.y - 8 < band.top) band.top = piece.y - 8;
                if (!band.any || piece.y + 8 > band.bottom) band.bottom = piece.y + 8;
                band.any = true;
            }
        }
    }
    return band;
}

void invader_vs_shields(const ACTOR& invader) {
    for (std::int32_t k = 1; k <= 4; ++k) {
        for (std::int32_t pr = 1; pr <= 3; ++pr) {
            for (std::int32_t pc = 1; pc <= 3; ++pc) {
                ACTOR& piece = WALL[pc][pr][k];
                if (piece.state > 0 && piece.x - 8 < invader.x && invader.x < piece.x + 8 &&
                    piece.y - 8 < invader.y && invader.y < piece.y + 8) {
                    piece.state = 0;
                }
            }
        }
    }
}

}  // namespace

namespace frame_steps {

// Shields 1 to 4, rows bottom to top, columns left to right: a rising shot meets the
// lowest live piece of its column first.
void player_shot_vs_shields() {
    if (BULLETSHIP.state <= 0) return;
    const std::int32_t column = BULLETSHIP.x + 4;
    for (std::int32_t k = 1; k <= 4; ++k) {
        for (std::int32_t r = 3; r >= 1; --r) {
            for (std::int32_t c = 1; c <= 3; ++c) {
                ACTOR& piece = WALL[c][r][k];
                if (piece.state <= 0) continue;
                if (piece.x <= column && column < piece.x + 8 && BULLETSHIP.y < piece.y + 8) {
                    BULLETSHIP.state = 0;
                    piece.state = piece.state - 1;
                    CLEARWALL(c, r, k);
                    return;
                }
            }
        }
    }
}

// The same scan order; a falling shot's bottom edge passes only the top live piece's
// top edge, and when its three hit columns straddle two pieces the left one is hit.
void invader_shot_vs_shields(std::int32_t slot) {
    ACTOR& shot = BULLET[slot];
    if (shot.state <= 0) return;
    for (std::int32_t k = 1; k <= 4; ++k) {
        for (std::int32_t r = 3; r >= 1; --r) {
            for (std::int32_t c = 1; c <= 3; ++c) {
                ACTOR& piece = WALL[c][r][k];
                if (piece.state <= 0) continue;
                if (piece.x <= shot.x + 5 && shot.x + 3 < piece.x + 8 && shot.y + 8 > piece.y) {
                    shot.state = 0;
                    piece.state = piece.state - 10;
                    CLEARWALL(c, r, k);
                    return;
                }
            }
        }
    }
}

// Every living invader wipes out every live piece it overlaps by any amount; the
// order of the scan does not change the outcome.
void invaders_vs_shields() {
    const Band band = live_piece_band();
    if (!band.any) return;
    for (std::int32_t r = 5; r >= 1; --r) {
        for (std::int32_t c = 1; c <= 11; ++c) {
            const ACTOR& invader = INVADER[c][r];
            if (invader.state <= 0) continue;
            if (band.left < invader.x && invader.x < band.right && band.top < invader.y &&
                invader.y < band.bottom) {
                invader_vs_shields(invader);
            }
        }
    }
}

}  // namespace frame_steps

}  // namespace game
