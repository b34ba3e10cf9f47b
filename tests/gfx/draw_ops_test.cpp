// Surfaces and the platform drawing operations: size caps, fills, lines and the
// keyed blit, against literal expectations and against the naive reference blit.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <memory>

#include "platform/surface.h"
#include "tests/gfx/fixtures.h"

namespace {

using namespace gfx_test;

struct Target {
    SurfacePtr surface;
    platform::Context context;
    explicit Target(platform::Surface* s) : surface(s) { context.target = s; }
};

int changes = 0;
void count_change(platform::Context&) { ++changes; }

TEST(Surface, CreationRespectsTheCaps) {
    struct Case {
        int width, height;
        bool made;
    } cases[] = {
        {1, 1, true},
        {384, 384, true},
        {platform::MAX_SURFACE_SIDE, 1, true},
        {0, 5, false},
        {5, 0, false},
        {-1, 5, false},
        {5, INT_MIN, false},
        {platform::MAX_SURFACE_SIDE + 1, 1, false},
        {100000, 100000, false},
        {platform::MAX_SURFACE_SIDE, platform::MAX_SURFACE_SIDE, false},  // beyond the area cap
    };
    for (const Case& c : cases) {
        SurfacePtr surface(platform::create_surface(c.width, c.height));
        EXPECT_EQ(surface != nullptr, c.made) << c.width << "x" << c.height;
        if (!surface) continue;
        EXPECT_EQ(surface->width, c.width);
        EXPECT_EQ(surface->height, c.height);
        EXPECT_EQ(surface->pixels.size(), std::size_t(c.width) * c.height);
        EXPECT_EQ(surface->pixels.front(), 0u);
    }
}

TEST(Surface, CopyIsIndependentAndNullStaysNull) {
    SurfacePtr original(patterned_surface(5, 4));
    SurfacePtr copy(platform::copy_surface(original.get()));
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->pixels, original->pixels);
    copy->pixels[0] = 0x123456;
    EXPECT_NE(original->pixels[0], 0x123456u);
    EXPECT_EQ(platform::copy_surface(nullptr), nullptr);
}

TEST(FillRect, FillsTheHalfOpenAreaClipped) {
    struct Case {
        int x, y, w, h;
    } cases[] = {
        {2, 3, 4, 2}, {-3, -2, 5, 4}, {6, 5, 10, 10}, {-100, -100, 1000, 1000},
        {3, 3, 0, 4}, {3, 3, 4, 0},   {3, 3, -2, 4},  {INT_MAX - 1, 2, INT_MAX, 3},
        {8, 0, 3, 3}, {0, 7, 3, 3},
    };
    for (const Case& c : cases) {
        Target t(filled_surface(8, 7, BACKGROUND));
        t.context.brush = {false, 0x00ABCDEF};
        platform::fill_rect(t.context, c.x, c.y, c.w, c.h);
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 8; ++x) {
                const bool inside = x >= c.x && y >= c.y && std::int64_t{x} < std::int64_t{c.x} + c.w &&
                                    std::int64_t{y} < std::int64_t{c.y} + c.h;
                EXPECT_EQ(at(*t.surface, x, y), inside ? 0x00ABCDEFu : BACKGROUND)
                    << "rect " << c.x << "," << c.y << "," << c.w << "," << c.h << " at " << x << "," << y;
            }
        }
    }
}

TEST(FillRect, NullBrushOrSurfaceDrawsNothing) {
    Target t(filled_surface(4, 4, BACKGROUND));
    t.context.brush = {true, 0x00ABCDEF};
    platform::fill_rect(t.context, 0, 0, 4, 4);
    EXPECT_EQ(at(*t.surface, 1, 1), BACKGROUND);
    platform::Context empty;
    empty.brush = {false, 0x00ABCDEF};
    platform::fill_rect(empty, 0, 0, 4, 4);
}

TEST(DrawLine, StartPaintedEndExcludedInEveryDirection) {
    struct Case {
        int dx, dy;
    } cases[] = {
        {5, 0}, {-5, 0}, {0, 5}, {0, -5}, {4, 4}, {-4, 4}, {4, -4}, {-4, -4},
        {6, 2}, {-6, 2}, {2, 6}, {2, -6}, {-3, -7}, {7, -1}, {1, 0}, {0, -1},
    };
    const int x0 = 8, y0 = 8;
    for (const Case& c : cases) {
        Target t(filled_surface(17, 17, BACKGROUND));
        t.context.pen = {false, 0x00FFFFFF};
        platform::draw_line(t.context, x0, y0, x0 + c.dx, y0 + c.dy);
        int painted = 0;
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 17; ++x) {
                if (at(*t.surface, x, y) == BACKGROUND) continue;
                ++painted;
                EXPECT_TRUE(x >= std::min(x0, x0 + c.dx) && x <= std::max(x0, x0 + c.dx) &&
                            y >= std::min(y0, y0 + c.dy) && y <= std::max(y0, y0 + c.dy))
                    << "stray pixel " << x << "," << y << " for " << c.dx << "," << c.dy;
            }
        }
        EXPECT_EQ(at(*t.surface, x0, y0), 0x00FFFFFFu) << c.dx << "," << c.dy;
        EXPECT_EQ(at(*t.surface, x0 + c.dx, y0 + c.dy), BACKGROUND) << c.dx << "," << c.dy;
        EXPECT_EQ(painted, std::max(std::abs(c.dx), std::abs(c.dy))) << c.dx << "," << c.dy;
    }
}

TEST(DrawLine, VerticalSevenPaintsSevenPixels) {
    Target t(filled_surface(4, 12, BACKGROUND));
    t.context.pen = {false, 0x00FFFFFF};
    platform::draw_line(t.context, 2, 1, 2, 8);
    for (int y = 0; y < 12; ++y)
        EXPECT_EQ(at(*t.surface, 2, y), y >= 1 && y <= 7 ? 0x00FFFFFFu : BACKGROUND) << y;
}

TEST(DrawLine, NothingForZeroLengthNullPenOrNoSurface) {
    Target t(filled_surface(4, 4, BACKGROUND));
    t.context.pen = {false, 0x00FFFFFF};
    platform::draw_line(t.context, 1, 1, 1, 1);
    t.context.pen = {true, 0x00FFFFFF};
    platform::draw_line(t.context, 0, 0, 3, 0);
    for (platform::Colour c : t.surface->pixels) EXPECT_EQ(c, BACKGROUND);
    platform::Context empty;
    empty.pen = {false, 0x00FFFFFF};
    platform::draw_line(empty, 0, 0, 3, 3);
}

TEST(DrawLine, HugeCoordinatesClipQuickly) {
    Target t(filled_surface(6, 6, BACKGROUND));
    t.context.pen = {false, 0x00FFFFFF};
    platform::draw_line(t.context, INT_MIN, 2, INT_MAX, 2);
    platform::draw_line(t.context, 4, INT_MAX, 4, INT_MIN);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(at(*t.surface, x, y), (y == 2 || x == 4) ? 0x00FFFFFFu : BACKGROUND) << x << "," << y;
}

TEST(KeyedBlit, DoubleSizeMakesTwoByTwoBlocks) {
    Target source(platform::create_surface(2, 2));
    source.surface->pixels = {0x11, 0x22, 0x33, KEY};
    Target dest(filled_surface(4, 4, BACKGROUND));
    platform::keyed_blit(source.context, 0, 0, 2, 2, dest.context, 0, 0, 4, 4, KEY);
    const std::vector<platform::Colour> expected = {
        0x11, 0x11, 0x22,       0x22,       0x11, 0x11, 0x22,       0x22,
        0x33, 0x33, BACKGROUND, BACKGROUND, 0x33, 0x33, BACKGROUND, BACKGROUND,
    };
    EXPECT_EQ(dest.surface->pixels, expected);
}

TEST(KeyedBlit, MatchesTheReferenceWithClippingAndScaling) {
    struct Case {
        int sx, sy, sw, sh, dx, dy, dw, dh;
    } cases[] = {
        {0, 0, 10, 9, 0, 0, 10, 9},          // straight copy
        {2, 1, 5, 4, 3, 6, 5, 4},            // a rectangle moved
        {0, 0, 10, 9, -3, -2, 10, 9},        // off the top-left edge
        {0, 0, 10, 9, 15, 12, 10, 9},        // off the bottom-right edge
        {0, 0, 10, 9, -50, 0, 10, 9},        // entirely left of the destination
        {-2, -3, 6, 6, 1, 1, 6, 6},          // source rectangle starts outside the source
        {6, 5, 8, 8, 0, 0, 8, 8},            // source rectangle runs past the source
        {0, 0, 10, 9, 0, 0, 20, 18},         // exact double
        {0, 1, 10, 8, -1, 0, 20, 16},        // double, starting on the right half of a pair
        {1, 2, 7, 5, -3, -1, 14, 10},        // double, odd negative start
        {1, 2, 7, 5, 9, 11, 14, 10},         // double, clipped at right and bottom
        {-1, 0, 5, 5, 2, 2, 10, 10},         // double, source starts outside
        {0, 0, 5, 4, 1, 1, 15, 12},          // triple
        {0, 0, 10, 9, 2, 2, 5, 4},           // shrink
        {1, 1, 6, 6, 0, 0, 9, 9},            // one and a half
        {0, 0, 10, 9, 0, 0, 0, 9},           // empty destination
        {0, 0, -4, 9, 0, 0, 4, 9},           // negative source width
        {0, 0, 10, 9, INT_MAX - 5, 0, 10, 9} // far right
    };
    for (const Case& c : cases) {
        Target source(patterned_surface(10, 9));
        Target dest(filled_surface(20, 16, BACKGROUND));
        SurfacePtr expected(filled_surface(20, 16, BACKGROUND));
        platform::keyed_blit(source.context, c.sx, c.sy, c.sw, c.sh, dest.context, c.dx, c.dy, c.dw, c.dh, KEY);
        reference_blit(*source.surface, c.sx, c.sy, c.sw, c.sh, *expected, c.dx, c.dy, c.dw, c.dh, KEY);
        EXPECT_EQ(dest.surface->pixels, expected->pixels)
            << "src " << c.sx << "," << c.sy << "," << c.sw << "," << c.sh << " dst " << c.dx << "," << c.dy
            << "," << c.dw << "," << c.dh;
    }
}

TEST(KeyedBlit, OntoItselfAndWithNullSurfaces) {
    Target t(patterned_surface(6, 6));
    SurfacePtr expected(platform::copy_surface(t.surface.get()));
    platform::keyed_blit(t.context, 0, 0, 6, 6, t.context, 0, 0, 6, 6, KEY);
    EXPECT_EQ(t.surface->pixels, expected->pixels);
    platform::Context empty;
    platform::keyed_blit(empty, 0, 0, 6, 6, t.context, 0, 0, 6, 6, KEY);
    platform::keyed_blit(t.context, 0, 0, 6, 6, empty, 0, 0, 6, 6, KEY);
    EXPECT_EQ(t.surface->pixels, expected->pixels);
}

TEST(ChangeHook, CalledAfterWritingOnly) {
    Target source(patterned_surface(4, 4));
    Target t(filled_surface(4, 4, BACKGROUND));
    t.context.changed = count_change;
    t.context.brush = {false, 5};
    t.context.pen = {false, 6};
    struct Case {
        const char* what;
        void (*draw)(Target&, Target&);
        int calls;
    } cases[] = {
        {"fill", [](Target& d, Target&) { platform::fill_rect(d.context, 1, 1, 2, 2); }, 1},
        {"fill outside", [](Target& d, Target&) { platform::fill_rect(d.context, 9, 9, 2, 2); }, 0},
        {"line", [](Target& d, Target&) { platform::draw_line(d.context, 0, 0, 3, 3); }, 1},
        {"line outside", [](Target& d, Target&) { platform::draw_line(d.context, -5, -5, -1, -9); }, 0},
        {"blit", [](Target& d, Target& s) { platform::keyed_blit(s.context, 0, 0, 4, 4, d.context, 0, 0, 8, 8, KEY); }, 1},
        {"blit outside", [](Target& d, Target& s) { platform::keyed_blit(s.context, 0, 0, 4, 4, d.context, 4, 0, 4, 4, KEY); }, 0},
    };
    for (const Case& c : cases) {
        changes = 0;
        c.draw(t, source);
        EXPECT_EQ(changes, c.calls) << c.what;
    }
}

}  // namespace
