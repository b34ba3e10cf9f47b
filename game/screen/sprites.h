// The sprite sheet cut into 8 by 8 cells, the named sprite tables that share those
// cells, the glyphs of the bitmap font and the frame image. Filled once by INITIMAGE.
#pragma once

#include "display/display.h"

namespace game {

using display::PBITMAP;

extern PBITMAP BMPMAIN;              // the logical frame, 192 by 192 shown
extern PBITMAP BMPORI;               // the whole sheet
extern PBITMAP BMP[9][17];           // [row 1..8][column 1..16]: every cell
extern PBITMAP BMPSHIP[3];           // [half 1..2]
extern PBITMAP BMPSHIPX[3][3];       // [half 1..2][frame 1..2]
extern PBITMAP BMPUFO1[3];           // [half 1..2]
extern PBITMAP BMPUFO1X[3];          // [half 1..2]
extern PBITMAP BMPUFO2[4];           // [third 1..3]
extern PBITMAP BMPUFO2X[4];          // [third 1..3]
extern PBITMAP BMPWALLR[5][5];       // [hits from above 0..4][hits from below 0..4], sum <= 4
extern PBITMAP BMPWALLT1[3][3];      // top-left corner [above 0..2][below 0..2], sum <= 2
extern PBITMAP BMPWALLT2[3][3];      // top-right corner, as BMPWALLT1
extern PBITMAP BMPWALLT;             // bottom-middle piece
extern PBITMAP BMPBULLET[4][5];      // [slot 1..3][frame 1..4]
extern PBITMAP BMPINVADER[6][3];     // [kind 1..5][frame 1..2]
extern PBITMAP BMPINVADERX;          // an invader's explosion
extern PBITMAP BMPCHAR[96];          // [code 32..95]
extern PBITMAP BMPBLANK;             // scratch cell for colouring

void INITIMAGE();

}  // namespace game
