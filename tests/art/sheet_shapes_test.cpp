// What the pictures must hold for the game to read right: ink only where the rules
// hit, shields that lose material from the side they are hit on, animation frames
// that differ, and a font whose every glyph but the space shows.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "art_fixture.h"
#include "game/screen/sprites.h"

namespace {

using art_test::ink;
using art_test::ink_count;
using display::PBITMAP;

class SheetShapes : public ::testing::Test {
protected:
    static void SetUpTestSuite() { art_test::load_sprites(); }
};

// The columns of a cell that hold ink, as a range [first, last]; {8, -1} when empty.
std::pair<int, int> ink_columns(PBITMAP cell) {
    int first = 8, last = -1;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (ink(cell, x, y)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

bool same_picture(PBITMAP a, PBITMAP b) {
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (ink(a, x, y) != ink(b, x, y)) return false;
    return true;
}

TEST_F(SheetShapes, OnlyWhiteAndBlackPixels) {
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x) {
            const display::COLOR c = art_test::pixel(game::BMPORI, x, y);
            ASSERT_TRUE(c == 0 || c == 0xFFFFFF) << "pixel " << x << "," << y;
        }
}

TEST_F(SheetShapes, EveryGlyphButTheSpaceHasInk) {
    EXPECT_EQ(ink_count(game::BMPCHAR[' ']), 0);
    for (int code = 33; code <= 95; ++code)
        EXPECT_GT(ink_count(game::BMPCHAR[code]), 0) << "glyph " << static_cast<char>(code);
}

TEST_F(SheetShapes, GlyphsAreAllDifferent) {
    for (int a = 32; a <= 95; ++a)
        for (int b = a + 1; b <= 95; ++b)
            EXPECT_FALSE(same_picture(game::BMPCHAR[a], game::BMPCHAR[b]))
                << static_cast<char>(a) << " and " << static_cast<char>(b);
}

// An invader in formation row r is hit in columns x to x + 2 + r; kind 6 - r is drawn
// there, so its ink must lie in those columns or shots would pass through it.
TEST_F(SheetShapes, InvadersLieWithinTheirHitColumns) {
    for (int kind = 1; kind <= 5; ++kind) {
        const int last_hit_column = 2 + (6 - kind);
        for (int frame = 1; frame <= 2; ++frame) {
            const auto [first, last] = ink_columns(game::BMPINVADER[kind][frame]);
            EXPECT_EQ(first, 0) << "kind " << kind << " frame " << frame;
            EXPECT_LE(last, last_hit_column) << "kind " << kind << " frame " << frame;
        }
    }
}

TEST_F(SheetShapes, InvaderKindsDifferAndKindsOneToFourAnimate) {
    for (int kind = 1; kind <= 4; ++kind)
        EXPECT_FALSE(same_picture(game::BMPINVADER[kind][1], game::BMPINVADER[kind][2]))
            << "kind " << kind;
    for (int a = 1; a <= 5; ++a)
        for (int b = a + 1; b <= 5; ++b)
            for (int frame = 1; frame <= 2; ++frame)
                EXPECT_FALSE(same_picture(game::BMPINVADER[a][frame], game::BMPINVADER[b][frame]))
                    << "kinds " << a << " and " << b;
}

// An invader shot hits in columns x + 3 to x + 5; its frames animate.
TEST_F(SheetShapes, InvaderShotsLieWithinTheirHitColumns) {
    const int frames[4] = {0, 2, 4, 4};
    for (int slot = 1; slot <= 3; ++slot)
        for (int f = 1; f <= frames[slot]; ++f) {
            const auto [first, last] = ink_columns(game::BMPBULLET[slot][f]);
            EXPECT_GE(first, 3) << "slot " << slot << " frame " << f;
            EXPECT_LE(last, 5) << "slot " << slot << " frame " << f;
            const int next = f % frames[slot] + 1;
            EXPECT_FALSE(same_picture(game::BMPBULLET[slot][f], game::BMPBULLET[slot][next]))
                << "slot " << slot << " frames " << f << " and " << next;
        }
}

// The player's shot leaves the cannon at its column 8; the barrel tip is there and
// the cannon is the same on both sides of it.
TEST_F(SheetShapes, CannonIsSymmetricAboutItsBarrel) {
    auto cannon = [](int x, int y) { return ink(game::BMPSHIP[x / 8 + 1], x % 8, y); };
    int top = 0;
    while (top < 8 && !cannon(8, top)) ++top;
    ASSERT_LT(top, 8);
    for (int x = 0; x < 16; ++x) EXPECT_EQ(cannon(x, top), x == 8) << "barrel row, column " << x;
    for (int y = 0; y < 8; ++y)
        for (int d = 1; d <= 7; ++d) EXPECT_EQ(cannon(8 - d, y), cannon(8 + d, y)) << d << "," << y;
}

// The set of inked pixels of a cell.
std::set<int> material(PBITMAP cell) {
    std::set<int> pixels;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (ink(cell, x, y)) pixels.insert(8 * y + x);
    return pixels;
}

// Pixels of before missing from after, split into the top and bottom halves.
std::pair<int, int> removed(PBITMAP before, PBITMAP after) {
    int top = 0, bottom = 0;
    for (int p : material(before))
        if (!material(after).count(p)) (p < 32 ? top : bottom)++;
    return {top, bottom};
}

// One more hit takes material away and adds none, from the top edge when it came from
// above and from the bottom edge when it came from below.
template <int N>
void check_shield(PBITMAP (&table)[N][N], const char* name) {
    for (int below = 0; below < N; ++below)
        for (int above = 0; above + below < N; ++above) {
            PBITMAP piece = table[above][below];
            ASSERT_NE(piece, nullptr);
            EXPECT_GT(ink_count(piece), 0) << name << " " << above << "," << below;
            const std::pair<PBITMAP, bool> earlier[] = {
                {above > 0 ? table[above - 1][below] : nullptr, true},
                {below > 0 ? table[above][below - 1] : nullptr, false}};
            for (const auto& [before, from_above] : earlier) {
                if (before == nullptr) continue;
                const std::set<int> was = material(before), is = material(piece);
                EXPECT_LT(is.size(), was.size()) << name << " " << above << "," << below;
                for (int p : is) EXPECT_TRUE(was.count(p)) << name << " grows at " << p;
                const auto [top, bottom] = removed(before, piece);
                if (from_above) EXPECT_GT(top, bottom) << name << " " << above << "," << below;
                else EXPECT_GT(bottom, top) << name << " " << above << "," << below;
            }
        }
}

TEST_F(SheetShapes, ShieldDamageEatsFromTheSideHit) {
    check_shield(game::BMPWALLR, "ordinary piece");
    check_shield(game::BMPWALLT1, "top-left corner");
    check_shield(game::BMPWALLT2, "top-right corner");
}

TEST_F(SheetShapes, ShieldPiecesHaveTheirShapes) {
    EXPECT_EQ(ink_count(game::BMPWALLR[0][0]), 64);
    // The corners are cut at their outer top corner and full at the bottom.
    EXPECT_FALSE(ink(game::BMPWALLT1[0][0], 0, 0));
    EXPECT_TRUE(ink(game::BMPWALLT1[0][0], 7, 0));
    EXPECT_FALSE(ink(game::BMPWALLT2[0][0], 7, 0));
    EXPECT_TRUE(ink(game::BMPWALLT2[0][0], 0, 0));
    for (int x = 0; x < 8; ++x) {
        EXPECT_TRUE(ink(game::BMPWALLT1[0][0], x, 7));
        EXPECT_TRUE(ink(game::BMPWALLT2[0][0], x, 7));
    }
    // The arch's middle is closed at its top and open at its bottom.
    for (int x = 0; x < 8; ++x) {
        EXPECT_TRUE(ink(game::BMPWALLT, x, 0));
        EXPECT_FALSE(ink(game::BMPWALLT, x, 7));
    }
}

}  // namespace
