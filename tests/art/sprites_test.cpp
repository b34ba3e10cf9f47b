// INITIMAGE: the cells cut from the sheet, the named tables and glyphs that point at
// them, and what happens with a small or a missing image file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "art_fixture.h"
#include "game/screen/sprites.h"
#include "tools/sheet_source.h"

namespace {

using art_test::ink;
using art_test::pixel;
using display::PBITMAP;

class Sprites : public ::testing::Test {
protected:
    static void SetUpTestSuite() { art_test::load_sprites(); }
};

TEST_F(Sprites, EveryCellIsItsEightByEightSquareOfTheSheet) {
    for (int j = 1; j <= 8; ++j)
        for (int i = 1; i <= 16; ++i) {
            PBITMAP cell = game::BMP[j][i];
            ASSERT_NE(cell, nullptr) << j << "," << i;
            EXPECT_EQ(cell->WIDTH, 8u);
            EXPECT_EQ(cell->HEIGHT, 8u);
            EXPECT_EQ(cell->KEYCOLOR, 0u);
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    ASSERT_EQ(pixel(cell, x, y), pixel(game::BMPORI, 8 * (i - 1) + x, 8 * (j - 1) + y))
                        << "cell " << j << "," << i << " pixel " << x << "," << y;
        }
}

// The built sheet holds exactly the pixels of its text source, the right way up.
TEST_F(Sprites, SheetMatchesItsSource) {
    std::ifstream in(QUORVAX_SHEET_SOURCE);
    const sheet::Sheet source = sheet::parse(in, QUORVAX_SHEET_SOURCE);
    ASSERT_EQ(game::BMPORI->WIDTH, 128u);
    ASSERT_EQ(game::BMPORI->HEIGHT, 64u);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x)
            ASSERT_EQ(pixel(game::BMPORI, x, y), source.ink(x, y) ? 0xFFFFFFu : 0u)
                << "pixel " << x << "," << y;
}

TEST_F(Sprites, LoadedImagesKeepTheirSizesAndKeys) {
    EXPECT_EQ(game::BMPMAIN->WIDTH, 192u);
    EXPECT_EQ(game::BMPMAIN->HEIGHT, 192u);
    EXPECT_EQ(game::BMPMAIN->KEYCOLOR, 1u);
    EXPECT_EQ(game::BMPORI->KEYCOLOR, 0u);
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 192; ++x) ASSERT_EQ(pixel(game::BMPMAIN, x, y), 0u);
}

struct Named {
    const char* what;
    PBITMAP* entry;
    int row, column;
};

TEST_F(Sprites, NamedTablesPointAtTheirCells) {
    const Named table[] = {
        {"cannon left", &game::BMPSHIP[1], 1, 1},
        {"cannon right", &game::BMPSHIP[2], 1, 2},
        {"cannon explosion 1 left", &game::BMPSHIPX[1][1], 1, 3},
        {"cannon explosion 1 right", &game::BMPSHIPX[2][1], 1, 4},
        {"cannon explosion 2 left", &game::BMPSHIPX[1][2], 1, 5},
        {"cannon explosion 2 right", &game::BMPSHIPX[2][2], 1, 6},
        {"small saucer", &game::BMPUFO1[1], 1, 7},
        {"small saucer right", &game::BMPUFO1[2], 1, 8},
        {"small saucer explosion", &game::BMPUFO1X[1], 1, 9},
        {"small saucer explosion right", &game::BMPUFO1X[2], 1, 10},
        {"large saucer", &game::BMPUFO2[1], 1, 11},
        {"large saucer right", &game::BMPUFO2[3], 1, 13},
        {"large saucer explosion", &game::BMPUFO2X[1], 1, 14},
        {"large saucer explosion right", &game::BMPUFO2X[3], 1, 16},
        {"undamaged piece", &game::BMPWALLR[0][0], 2, 1},
        {"one hit from above", &game::BMPWALLR[1][0], 2, 2},
        {"four hits from above", &game::BMPWALLR[4][0], 2, 5},
        {"one hit from below", &game::BMPWALLR[0][1], 2, 6},
        {"three above, one below", &game::BMPWALLR[3][1], 2, 9},
        {"one above, two below", &game::BMPWALLR[1][2], 2, 11},
        {"one above, three below", &game::BMPWALLR[1][3], 2, 14},
        {"four hits from below", &game::BMPWALLR[0][4], 2, 15},
        {"bottom middle", &game::BMPWALLT, 2, 16},
        {"top-left corner", &game::BMPWALLT1[0][0], 3, 1},
        {"top-left two above", &game::BMPWALLT1[2][0], 3, 3},
        {"top-left one each", &game::BMPWALLT1[1][1], 3, 5},
        {"top-left two below", &game::BMPWALLT1[0][2], 3, 6},
        {"top-right corner", &game::BMPWALLT2[0][0], 3, 7},
        {"top-right one below", &game::BMPWALLT2[0][1], 3, 10},
        {"top-right two below", &game::BMPWALLT2[0][2], 3, 12},
        {"invader 1 frame 1", &game::BMPINVADER[1][1], 3, 13},
        {"invader 4 frame 1", &game::BMPINVADER[4][1], 3, 16},
        {"invader 1 frame 2", &game::BMPINVADER[1][2], 4, 13},
        {"invader 4 frame 2", &game::BMPINVADER[4][2], 4, 16},
        {"invader 5 frame 1", &game::BMPINVADER[5][1], 4, 12},
        {"invader 5 frame 2", &game::BMPINVADER[5][2], 4, 12},
        {"invader explosion", &game::BMPINVADERX, 4, 11},
        {"shot 1 frame 1", &game::BMPBULLET[1][1], 4, 1},
        {"shot 1 frame 2", &game::BMPBULLET[1][2], 4, 2},
        {"shot 2 frame 1", &game::BMPBULLET[2][1], 4, 3},
        {"shot 2 frame 4", &game::BMPBULLET[2][4], 4, 6},
        {"shot 3 frame 1", &game::BMPBULLET[3][1], 4, 7},
        {"shot 3 frame 4", &game::BMPBULLET[3][4], 4, 10},
        {"space", &game::BMPCHAR[' '], 5, 1},
        {"slash", &game::BMPCHAR['/'], 5, 16},
        {"zero", &game::BMPCHAR['0'], 6, 1},
        {"question mark", &game::BMPCHAR['?'], 6, 16},
        {"at sign", &game::BMPCHAR['@'], 7, 1},
        {"A", &game::BMPCHAR['A'], 7, 2},
        {"P", &game::BMPCHAR['P'], 8, 1},
        {"underscore", &game::BMPCHAR['_'], 8, 16},
    };
    for (const Named& n : table) EXPECT_EQ(*n.entry, game::BMP[n.row][n.column]) << n.what;
}

TEST_F(Sprites, EveryTableEntryIsFilled) {
    for (int below = 0; below <= 4; ++below)
        for (int above = 0; above + below <= 4; ++above)
            EXPECT_NE(game::BMPWALLR[above][below], nullptr) << above << "," << below;
    for (int below = 0; below <= 2; ++below)
        for (int above = 0; above + below <= 2; ++above) {
            EXPECT_NE(game::BMPWALLT1[above][below], nullptr) << above << "," << below;
            EXPECT_NE(game::BMPWALLT2[above][below], nullptr) << above << "," << below;
        }
    for (int code = 32; code <= 95; ++code) EXPECT_NE(game::BMPCHAR[code], nullptr) << code;
}

TEST_F(Sprites, ScratchCellIsASeparateCopyOfTheSpaceCell) {
    ASSERT_NE(game::BMPBLANK, nullptr);
    EXPECT_NE(game::BMPBLANK, game::BMPCHAR[32]);
    EXPECT_NE(game::BMPBLANK->IMAGE, game::BMPCHAR[32]->IMAGE);
    EXPECT_EQ(game::BMPBLANK->WIDTH, 8u);
    EXPECT_EQ(game::BMPBLANK->HEIGHT, 8u);
    EXPECT_EQ(game::BMPBLANK->KEYCOLOR, 0u);
}

class SpriteFiles : public ::testing::Test {
protected:
    art_test::TempDir dir;
    void SetUp() override { std::filesystem::create_directories(dir.path / "image"); }
    // Later tests see the game's own sprites again.
    void TearDown() override { art_test::load_sprites(); }
    void copy_blank() {
        std::filesystem::copy_file("image/blank.bmp", dir.path / "image" / "blank.bmp");
    }
};

// Nothing checks the sheet's size: cells beyond a small sheet are partly or wholly
// undefined, but cutting them must not crash.
TEST_F(SpriteFiles, SmallSheetIsCutWithoutCrashing) {
    copy_blank();
    art_test::write_bmp(dir.path / "image" / "quorvax.bmp", 12, 10,
                        [](int x, int y) { return (x + y) % 3 == 0; });
    art_test::load_sprites(dir.path);
    ASSERT_NE(game::BMP[8][16], nullptr);
    EXPECT_EQ(game::BMP[8][16]->WIDTH, 8u);
    EXPECT_EQ(game::BMPINVADER[5][2], game::BMP[4][12]);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(ink(game::BMP[1][1], x, y), (x + y) % 3 == 0);
}

TEST_F(SpriteFiles, MissingImageStopsWithItsName) {
    struct Case {
        bool blank_present;
        const char* named;
    };
    for (const Case& c : {Case{false, "blank.bmp"}, Case{true, "quorvax.bmp"}}) {
        if (c.blank_present) copy_blank();
        try {
            art_test::load_sprites(dir.path);
            ADD_FAILURE() << "no error for a missing " << c.named;
        } catch (const display::IoError& error) {
            EXPECT_NE(std::string(error.what()).find(c.named), std::string::npos) << error.what();
        }
    }
}

}  // namespace
