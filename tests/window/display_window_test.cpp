// The display unit's window: creation and centring, the back buffer, presentation,
// the message fetch with the user-message ring, and the close button.
#include <gtest/gtest.h>

#include "display/display.h"
#include "fixture.h"
#include "platform/backend.h"
#include "platform/headless/headless.h"
#include "platform/headless/virtual_clock.h"
#include "platform/window.h"

namespace {

namespace hl = platform::headless;
namespace pw = platform::window;
using namespace display;
using window_test::DisplayTest;
using window_test::pixel;

TEST_F(DisplayTest, CreateWinBuildsAClientSizedWindowAndBackBuffer) {
    hl::set_virtual_now(5000);
    CREATEWIN(384, 384, 0x00FF00, 0x123456);
    EXPECT_EQ(detail::HW, pw::MAIN_WINDOW);
    EXPECT_EQ(detail::W, 384);
    EXPECT_EQ(detail::H, 384);
    EXPECT_EQ(detail::CFG, 0x00FF00u);
    EXPECT_EQ(detail::CBG, 0x123456u);
    EXPECT_EQ(GETTIME(), 0u) << "the clock starts with the window";
    ASSERT_NE(detail::PMAIN, nullptr);
    ASSERT_NE(detail::PMAIN->IMAGE, nullptr);
    EXPECT_EQ(detail::PMAIN->WIDTH, 384u);
    EXPECT_EQ(detail::PMAIN->IMAGE->width, 384);
    EXPECT_EQ(detail::PMAIN->IMAGE->height, 384);
    EXPECT_EQ(detail::PMAIN->KEYCOLOR, platform::NO_COLOUR);
    EXPECT_EQ(pixel(detail::PMAIN, 0, 0), 0x123456u);
    EXPECT_EQ(pixel(detail::PMAIN, 383, 383), 0x123456u);
    EXPECT_EQ(detail::PMSCR, &detail::MSCR);
    EXPECT_EQ(detail::MSCR.IMAGE, nullptr);
    EXPECT_EQ(detail::MSCR.DC, pw::get_dc(detail::HW));
    EXPECT_EQ(detail::MSCR.WIDTH, 384u);
    EXPECT_EQ(detail::MSCR.KEYCOLOR, platform::NO_COLOUR);
    EXPECT_EQ(pw::caption(detail::HW), "Display unit default title");
    EXPECT_TRUE(pw::accepts_files());
}

TEST_F(DisplayTest, ShortFormsGiveWhiteOnBlack) {
    CREATEWIN(100, 50);
    EXPECT_EQ(detail::CFG, 0xFFFFFFu);
    EXPECT_EQ(detail::CBG, 0u);
    EXPECT_EQ(pixel(detail::PMAIN, 99, 49), 0u);
}

TEST_F(DisplayTest, ThreeArgumentFormTakesTheBackground) {
    CREATEWIN(100, 50, 0x0000FF);
    EXPECT_EQ(detail::CFG, 0xFFFFFFu);
    EXPECT_EQ(detail::CBG, 0x0000FFu);
}

struct Centring {
    int screen_w, screen_h;
    std::uint32_t w, h;
    std::int32_t x, y;
};

TEST(CreateWinCentring, ClientSizeCentredTruncatedAndClamped) {
    const Centring cases[] = {
        {1366, 768, 384, 384, 491, 192},  {1365, 768, 384, 384, 490, 192},
        {300, 200, 384, 384, 0, 0},       {1920, 1080, 384, 384, 768, 348},
        {384, 384, 384, 384, 0, 0},       {385, 1000, 384, 1001, 0, 0},
        {1000, 1000, 0x80000000u, 10, 1073742324, 495},  // width taken as signed: negative
    };
    for (const Centring& c : cases) {
        window_test::reset_all();
        hl::set_screen_size(c.screen_w, c.screen_h);
        CREATEWIN(c.w, c.h);
        EXPECT_EQ(detail::X, c.x) << c.screen_w << "x" << c.screen_h << " " << c.w;
        EXPECT_EQ(detail::Y, c.y) << c.screen_w << "x" << c.screen_h << " " << c.h;
        if (detail::HW != 0) {
            EXPECT_EQ(GETPOSX(), c.x);
            EXPECT_EQ(GETPOSY(), c.y);
        }
    }
    window_test::reset_all();
}

TEST_F(DisplayTest, WindowMetricsAndPointer) {
    hl::set_screen_size(1366, 768);
    CREATEWIN(384, 384);
    EXPECT_EQ(GETSCRWIDTH(), 1366u);
    EXPECT_EQ(GETSCRHEIGHT(), 768u);
    EXPECT_EQ(GETBORDERWIDTH(), static_cast<std::uint32_t>(hl::FRAME_WIDTH));
    EXPECT_EQ(GETBORDERHEIGHT(), static_cast<std::uint32_t>(hl::FRAME_HEIGHT));
    EXPECT_EQ(GETBORDERTITLE(), static_cast<std::uint32_t>(hl::CAPTION_HEIGHT));
    hl::script_mouse(0, 17, 9);
    NEXTMSG();
    EXPECT_EQ(detail::MS.message, platform::WM_MOUSEMOVE);
    EXPECT_EQ(GETMOUSEABSX(), 491 + hl::FRAME_WIDTH + 17);
    EXPECT_EQ(GETMOUSEWINX(), hl::FRAME_WIDTH + 17);
    EXPECT_EQ(GETMOUSEPOSX(), 17);
    EXPECT_EQ(GETMOUSEPOSY(), 9);
}

TEST_F(DisplayTest, TimerTicksWithNoInputPresentTheBackBuffer) {
    CREATEWIN(384, 384);
    const std::uint64_t shown = hl::frames_shown();
    for (std::uint32_t tick = 1; tick <= 3; ++tick) {
        EXPECT_TRUE(NEXTMSG());
        EXPECT_EQ(detail::MS.message, platform::WM_TIMER);
        EXPECT_EQ(GETTIME(), tick * pw::MIN_TIMER_PERIOD);
    }
    EXPECT_EQ(hl::frames_shown(), shown + 3);
    EXPECT_EQ(hl::window_pixels()->pixels[0], 0u);
}

TEST_F(DisplayTest, ColourOnePixelsAreNotCopiedToTheWindow) {
    CREATEWIN(16, 16, 0x0000FF);
    FRESHWIN();
    const platform::Surface* window = hl::window_pixels();
    ASSERT_EQ(window->pixels[5 * 16 + 5], 0x0000FFu);
    detail::PMAIN->IMAGE->pixels[5 * 16 + 5] = platform::NO_COLOUR;
    detail::PMAIN->IMAGE->pixels[5 * 16 + 6] = 0xABCDEF;
    FRESHWIN();
    EXPECT_EQ(window->pixels[5 * 16 + 5], 0x0000FFu) << "the window keeps what it showed";
    EXPECT_EQ(window->pixels[5 * 16 + 6], 0xABCDEFu);
}

TEST_F(DisplayTest, ResizeRebuildsTheRecordAndBackBuffer) {
    CREATEWIN(384, 384, 0x00FF00);
    FRESHWIN();
    hl::script_resize(3, 500, 300);
    EXPECT_TRUE(NEXTMSG());
    EXPECT_EQ(detail::MS.message, platform::WM_TIMER) << "the size change is not fetched";
    EXPECT_EQ(detail::W, 500);
    EXPECT_EQ(detail::H, 300);
    EXPECT_EQ(detail::MSCR.WIDTH, 500u);
    EXPECT_EQ(detail::MSCR.HEIGHT, 300u);
    ASSERT_NE(detail::PMAIN->IMAGE, nullptr);
    EXPECT_EQ(detail::PMAIN->IMAGE->width, 500);
    EXPECT_EQ(detail::PMAIN->IMAGE->height, 300);
    EXPECT_EQ(pixel(detail::PMAIN, 100, 100), 0x00FF00u) << "copied from what the window showed";
    EXPECT_EQ(hl::window_pixels()->width, 500);
    // Many size changes leave exactly one back buffer behind (the leak checker of
    // the sanitizer build sees any replaced one that was not released).
    for (int i = 0; i < 20; ++i) hl::script_resize(4, 200 + i, 100 + i);
    NEXTMSG();
    EXPECT_EQ(detail::W, 219);
    EXPECT_EQ(detail::PMAIN->IMAGE->width, 219);
}

TEST_F(DisplayTest, UserMessageSentDirectlyIsTakenFromTheRingWithoutWaiting) {
    CREATEWIN(64, 64);
    EXPECT_EQ(pw::send_message(detail::HW, platform::WM_USER, 11, 22), 0);
    const std::uint32_t before = hl::virtual_now();
    EXPECT_TRUE(NEXTMSG());
    EXPECT_EQ(detail::MS.message, platform::WM_USER);
    EXPECT_EQ(detail::MS.wParam, 11u);
    EXPECT_EQ(detail::MS.lParam, 22);
    EXPECT_EQ(hl::virtual_now(), before);
    EXPECT_EQ(detail::MSI, 2u);
    EXPECT_TRUE(NEXTMSG());
    EXPECT_EQ(detail::MS.message, platform::WM_TIMER);
}

TEST_F(DisplayTest, UserMessagePostedIsReturnedTwice) {
    CREATEWIN(64, 64);
    pw::post_message(detail::HW, platform::WM_USER, 5, -6);
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(NEXTMSG());
        EXPECT_EQ(detail::MS.message, platform::WM_USER) << "round " << round;
        EXPECT_EQ(detail::MS.wParam, 5u);
        EXPECT_EQ(detail::MS.lParam, -6);
    }
    EXPECT_TRUE(NEXTMSG());
    EXPECT_EQ(detail::MS.message, platform::WM_TIMER);
}

TEST_F(DisplayTest, RingWrapsAfter4096AndOverwritesTheOldest) {
    CREATEWIN(64, 64);
    for (std::uint32_t i = 1; i <= detail::MSUSR_SIZE; ++i) {
        WNDPROC(detail::HW, platform::WM_USER, i, 0);
    }
    EXPECT_EQ(detail::MSUSRI, 1u);
    WNDPROC(detail::HW, platform::WM_USER, 9999, 0);  // full: replaces entry 1
    EXPECT_EQ(detail::MSUSRI, 2u);
    EXPECT_TRUE(NEXTMSG());
    EXPECT_EQ(detail::MS.wParam, 9999u);
    for (std::uint32_t i = 2; i <= detail::MSUSR_SIZE; ++i) {
        ASSERT_TRUE(NEXTMSG());
        ASSERT_EQ(detail::MS.wParam, i);
    }
    EXPECT_EQ(detail::MSI, 1u);
    EXPECT_TRUE(NEXTMSG());
    EXPECT_EQ(detail::MS.message, platform::WM_TIMER);
}

TEST_F(DisplayTest, OtherMessagesGetTheDefaultHandling) {
    CREATEWIN(64, 64);
    EXPECT_EQ(WNDPROC(detail::HW, platform::WM_PAINT, 0, 0), 0);
    EXPECT_EQ(WNDPROC(detail::HW, platform::WM_SETCURSOR, detail::HW, 1), 0);
    EXPECT_EQ(WNDPROC(detail::HW, 0x233, 0, 0), 0);  // a file drop
}

TEST_F(DisplayTest, SetTitleChangesTheCaption) {
    CREATEWIN(64, 64);
    SETTITLE("Quorvax");
    EXPECT_EQ(pw::caption(detail::HW), "Quorvax");
    EXPECT_EQ(platform::backend::caption(), "Quorvax");
}

using DisplayDeathTest = DisplayTest;

TEST_F(DisplayDeathTest, CloseButtonEndsTheProcessWithCodeZero) {
    EXPECT_EXIT(
        {
            CREATEWIN(384, 384);
            hl::script_close(50);
            while (NEXTMSG()) {
            }
            std::exit(7);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace

namespace {

struct CursorCase {
    int client_x, client_y;  // pointer relative to the client area's corner
    bool arrow;
};

// The window procedure sets the arrow only with the pointer inside the client area,
// both bounds included; elsewhere the default handling keeps the frame's cursors.
TEST_F(DisplayTest, ArrowCursorOnlyOverTheClientArea) {
    const CursorCase cases[] = {
        {0, 0, true},     {383, 383, true}, {384, 384, true},  {192, 10, true},
        {-1, 10, false},  {10, -1, false},  {385, 10, false},  {10, 385, false},
        {-4, -27, false},
    };
    for (const CursorCase& c : cases) {
        window_test::reset_all();
        CREATEWIN(384, 384);
        // Place the pointer without a move event, then ask as the window system would.
        hl::script_mouse(0, c.client_x, c.client_y);
        platform::backend::sleep_ms(0);
        const std::uint64_t before = hl::arrow_cursor_requests();
        WNDPROC(detail::HW, platform::WM_SETCURSOR, detail::HW, 1);
        EXPECT_EQ(hl::arrow_cursor_requests() - before, c.arrow ? 1u : 0u)
            << c.client_x << "," << c.client_y;
    }
}

}  // namespace
