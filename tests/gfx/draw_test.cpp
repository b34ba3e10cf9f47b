// Pens, brushes, fills, lines and the font of the display unit: BAR in all its forms,
// the framed rectangle's exact pixels, LINE's excluded end point, colour 1 as no pen
// and no brush, and the shared objects selected into the named bitmap only.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "display/display.h"
#include "tests/gfx/fixtures.h"

namespace {

using namespace gfx_test;
using display::PBITMAP;

struct BitmapFree {
    void operator()(display::BITMAPREC* bitmap) const { free_bitmap(bitmap); }
};
using BitmapPtr = std::unique_ptr<display::BITMAPREC, BitmapFree>;

constexpr platform::Colour RED = 0x000000FF, BLUE = 0x00FF0000;

// The back buffer for the forms that name no bitmap, restored after each test.
class DrawTest : public ::testing::Test {
protected:
    BitmapPtr back{make_bitmap(filled_surface(12, 10, BACKGROUND), 1)};
    PBITMAP saved_main = display::detail::PMAIN;
    PBITMAP saved_window = display::detail::PMSCR;
    void SetUp() override { display::detail::PMAIN = back.get(); }
    void TearDown() override {
        display::detail::PMAIN = saved_main;
        display::detail::PMSCR = saved_window;
    }
};

// The pixels of a 12 by 10 surface as rows of characters: '.' background, 'r', 'b'.
std::vector<std::string> picture(const platform::Surface& surface) {
    std::vector<std::string> rows;
    for (int y = 0; y < surface.height; ++y) {
        std::string row;
        for (int x = 0; x < surface.width; ++x) {
            const platform::Colour c = at(surface, x, y);
            row += c == BACKGROUND ? '.' : c == RED ? 'r' : c == BLUE ? 'b' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

const std::vector<std::string> BLANK(10, std::string(12, '.'));

TEST_F(DrawTest, BarFormsPaintTheirRectangles) {
    struct Case {
        const char* what;
        std::function<void(PBITMAP)> draw;
        std::vector<std::string> expected;
    } cases[] = {
        {"fill", [](PBITMAP b) { display::BAR(b, 2, 1, 3, 2, RED); },
         {"............", "..rrr.......", "..rrr.......", "............", "............", "............",
          "............", "............", "............", "............"}},
        {"fill off the edges", [](PBITMAP b) { display::BAR(b, static_cast<std::uint32_t>(-1), 8, 3, 5, RED); },
         {"............", "............", "............", "............", "............", "............",
          "............", "............", "rr..........", "rr.........."}},
        {"colour 1", [](PBITMAP b) { display::BAR(b, 2, 1, 3, 2, 1); }, BLANK},
        {"zero width", [](PBITMAP b) { display::BAR(b, 2, 1, 0, 2, RED); }, BLANK},
        {"zero height", [](PBITMAP b) { display::BAR(b, 2, 1, 3, 0, RED); }, BLANK},
        {"negative width", [](PBITMAP b) { display::BAR(b, 5, 1, -3, 2, RED); }, BLANK},
        {"framed", [](PBITMAP b) { display::BAR(b, 1, 2, 4, 3, BLUE, RED); },
         {"............", "............", ".bbbbb......", ".brrrb......", ".brrrb......", ".bbbbb......",
          "............", "............", "............", "............"}},
        {"framed, null fill", [](PBITMAP b) { display::BAR(b, 1, 2, 4, 3, BLUE, 1); },
         {"............", "............", ".bbbbb......", ".b...b......", ".b...b......", ".bbbbb......",
          "............", "............", "............", "............"}},
        {"framed, null frame", [](PBITMAP b) { display::BAR(b, 1, 2, 4, 3, 1, RED); }, BLANK},
        {"framed, equal colours", [](PBITMAP b) { display::BAR(b, 6, 4, 3, 2, RED, RED); },
         {"............", "............", "............", "............", "......rrrr..", "......rrrr..",
          "......rrrr..", "............", "............", "............"}},
        {"framed, zero size", [](PBITMAP b) { display::BAR(b, 3, 3, 0, 0, BLUE, RED); }, BLANK},
        {"line down", [](PBITMAP b) { display::LINE(b, 3, 1, 0, 7, RED); },
         {"............", "...r........", "...r........", "...r........", "...r........", "...r........",
          "...r........", "...r........", "............", "............"}},
        {"line left", [](PBITMAP b) { display::LINE(b, 9, 2, -5, 0, BLUE); },
         {"............", "............", ".....bbbbb..", "............", "............", "............",
          "............", "............", "............", "............"}},
        {"line colour 1", [](PBITMAP b) { display::LINE(b, 3, 1, 5, 5, 1); }, BLANK},
    };
    for (const Case& c : cases) {
        BitmapPtr bitmap(make_bitmap(filled_surface(12, 10, BACKGROUND), 0));
        c.draw(bitmap.get());
        EXPECT_EQ(picture(*bitmap->IMAGE), c.expected) << c.what;
    }
}

TEST_F(DrawTest, FormsWithoutBitmapDrawOnTheBackBuffer) {
    display::BAR(0u, 0, 2, 1, RED);
    display::BAR(0u, 7, 3, 2, BLUE, BLUE);
    const std::vector<std::string> expected = {
        "rr..........", "............", "............", "............", "............",
        "............", "............", "bbbb........", "bbbb........", "bbbb........",
    };
    EXPECT_EQ(picture(*back->IMAGE), expected);
}

TEST_F(DrawTest, FramedBarClearsTheWholeBackBufferAsWindowCreationDoes) {
    display::BAR(0u, 0, 12, 10, RED, RED);
    for (platform::Colour c : back->IMAGE->pixels) EXPECT_EQ(c, RED);
}

TEST_F(DrawTest, NoBitmapOrNoSurfaceDrawsNothing) {
    display::detail::PMAIN = nullptr;
    display::BAR(0u, 0, 4, 4, RED);
    display::BAR(0u, 0, 4, 4, RED, RED);
    display::LINE(nullptr, 0, 0, 4, 4, RED);
    BitmapPtr no_image(make_bitmap(nullptr, 0));
    display::BAR(no_image.get(), 0, 0, 4, 4, RED, RED);
    display::SETFONT(nullptr);
    EXPECT_EQ(picture(*back->IMAGE), BLANK);
}

TEST_F(DrawTest, SharedObjectsGoToTheNamedBitmapOnly) {
    BitmapPtr first(make_bitmap(filled_surface(2, 2, BACKGROUND), 0));
    BitmapPtr second(make_bitmap(filled_surface(2, 2, BACKGROUND), 0));
    display::SETBRUSHCOLOR(first.get(), RED);
    display::SETBRUSHCOLOR(second.get(), BLUE);
    EXPECT_EQ(first->DC->brush.colour, RED);
    EXPECT_EQ(second->DC->brush.colour, BLUE);
    EXPECT_EQ(display::detail::BR.colour, BLUE);
    display::SETBRUSHCOLOR(first.get(), 1);
    EXPECT_TRUE(first->DC->brush.null);
    EXPECT_TRUE(display::detail::BR.null);
    EXPECT_FALSE(second->DC->brush.null);

    display::SETPENCOLOR(second.get(), 0);  // black is a real colour
    EXPECT_FALSE(second->DC->pen.null);
    EXPECT_EQ(second->DC->pen.colour, 0u);
    display::SETPENCOLOR(second.get(), 1);
    EXPECT_TRUE(display::detail::PE.null);
    EXPECT_TRUE(first->DC->pen.null);  // never set
}

TEST_F(DrawTest, FontSizeMakesTheFontAndSelectsItIntoTheWindow) {
    BitmapPtr window(make_bitmap(filled_surface(2, 2, BACKGROUND), 1));
    display::detail::PMSCR = window.get();
    display::SETFONTSIZE(10, 20);
    EXPECT_EQ(display::detail::FW, 10);
    EXPECT_EQ(display::detail::FH, 20);
    const platform::Font& font = window->DC->font;
    EXPECT_EQ(font.width, 10);
    EXPECT_EQ(font.height, 20);
    EXPECT_EQ(font.weight, 0);
    EXPECT_FALSE(font.italic || font.underline || font.strike_out);
    EXPECT_EQ(font.charset, 0);
    EXPECT_TRUE(font.face.empty());
    EXPECT_EQ(display::detail::FNS.height, 20);
    // Before the window exists the font is still made, just selected nowhere.
    display::detail::PMSCR = nullptr;
    display::SETFONTSIZE(8, 16);
    EXPECT_EQ(display::detail::FNS.width, 8);
    EXPECT_EQ(window->DC->font.width, 10);
}

}  // namespace
