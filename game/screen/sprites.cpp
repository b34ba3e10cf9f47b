// Loads the frame image and the sprite sheet, cuts the sheet into its 128 cells and
// points the named sprite tables and the glyph table at them.
#include "game/screen/sprites.h"

namespace game {

PBITMAP BMPMAIN = nullptr;
PBITMAP BMPORI = nullptr;
PBITMAP BMP[9][17] = {};
PBITMAP BMPSHIP[3] = {};
PBITMAP BMPSHIPX[3][3] = {};
PBITMAP BMPUFO1[3] = {};
PBITMAP BMPUFO1X[3] = {};
PBITMAP BMPUFO2[4] = {};
PBITMAP BMPUFO2X[4] = {};
PBITMAP BMPWALLR[5][5] = {};
PBITMAP BMPWALLT1[3][3] = {};
PBITMAP BMPWALLT2[3][3] = {};
PBITMAP BMPWALLT = nullptr;
PBITMAP BMPBULLET[4][5] = {};
PBITMAP BMPINVADER[6][3] = {};
PBITMAP BMPINVADERX = nullptr;
PBITMAP BMPCHAR[96] = {};
PBITMAP BMPBLANK = nullptr;

namespace {

constexpr int CELL = 8;

void cut_cells() {
    for (int j = 1; j <= 8; ++j)
        for (int i = 1; i <= 16; ++i)
            BMP[j][i] = display::COPYBMP(BMPORI, CELL * (i - 1), CELL * (j - 1), 0, 0, CELL, CELL);
}

// Row 1: the cannon, its explosion and the two saucers with theirs.
void name_row_1() {
    for (int h = 1; h <= 2; ++h) {
        BMPSHIP[h] = BMP[1][h];
        BMPSHIPX[h][1] = BMP[1][2 + h];
        BMPSHIPX[h][2] = BMP[1][4 + h];
        BMPUFO1[h] = BMP[1][6 + h];
        BMPUFO1X[h] = BMP[1][8 + h];
    }
    for (int t = 1; t <= 3; ++t) {
        BMPUFO2[t] = BMP[1][10 + t];
        BMPUFO2X[t] = BMP[1][13 + t];
    }
}

// Fills a shield table row by row of the sheet: within a group the hits from above
// run fastest, and each group (equal hits from below) is one shorter than the last.
template <int N>
void name_shield(PBITMAP (&table)[N][N], int row, int first_column) {
    int column = first_column;
    for (int below = 0; below < N; ++below)
        for (int above = 0; above + below < N; ++above)
            table[above][below] = BMP[row][column++];
}

// Rows 2 to 4: shield pieces, invaders and invader shots.
void name_rows_2_to_4() {
    name_shield(BMPWALLR, 2, 1);
    BMPWALLT = BMP[2][16];
    name_shield(BMPWALLT1, 3, 1);
    name_shield(BMPWALLT2, 3, 7);
    for (int kind = 1; kind <= 4; ++kind) {
        BMPINVADER[kind][1] = BMP[3][12 + kind];
        BMPINVADER[kind][2] = BMP[4][12 + kind];
    }
    BMPINVADER[5][1] = BMP[4][12];
    BMPINVADER[5][2] = BMP[4][12];
    BMPINVADERX = BMP[4][11];
    BMPBULLET[1][1] = BMP[4][1];
    BMPBULLET[1][2] = BMP[4][2];
    for (int f = 1; f <= 4; ++f) {
        BMPBULLET[2][f] = BMP[4][2 + f];
        BMPBULLET[3][f] = BMP[4][6 + f];
    }
}

}  // namespace

void INITIMAGE() {
    BMPMAIN = display::LOADBMP("image\\blank.bmp", 1);
    BMPORI = display::LOADBMP("image\\quorvax.bmp", 0);
    cut_cells();
    name_row_1();
    name_rows_2_to_4();
    for (int j = 1; j <= 4; ++j)
        for (int i = 1; i <= 16; ++i)
            BMPCHAR[32 + 16 * (j - 1) + (i - 1)] = BMP[j + 4][i];
    BMPBLANK = display::COPYBMP(BMPCHAR[32]);
}

}  // namespace game
