// The window model below the display unit: re-entrant creation, the order in which
// the queue hands out input, character translation and the window timer.
#include <gtest/gtest.h>

#include <vector>

#include "platform/headless/headless.h"
#include "platform/headless/virtual_clock.h"
#include "platform/window.h"

namespace {

namespace pw = platform::window;
namespace hl = platform::headless;
using platform::Msg;

struct Call {
    std::uint32_t message;
    std::uint32_t wParam;
    std::int32_t lParam;
    bool operator==(const Call&) const = default;
};
std::vector<Call> calls;

std::int32_t recording_proc(std::uint32_t, std::uint32_t message, std::uint32_t wParam,
                            std::int32_t lParam) {
    calls.push_back({message, wParam, lParam});
    return 0;
}

class WindowModel : public ::testing::Test {
protected:
    void SetUp() override {
        hl::reset();
        hl::set_virtual_now(0);
        calls.clear();
    }
    void TearDown() override { hl::reset(); }

    // A window with a 384 x 384 client area and a running timer of the given period.
    void open(std::uint32_t period = 0) {
        ASSERT_NE(pw::register_class({3, recording_proc, "Test"}), 0);
        const int outer_w = 384 + 2 * hl::FRAME_WIDTH;
        const int outer_h = 384 + 2 * hl::FRAME_HEIGHT + hl::CAPTION_HEIGHT;
        ASSERT_EQ(pw::create_window("Test", "caption", 0, 10, 20, outer_w, outer_h),
                  pw::MAIN_WINDOW);
        if (period != 0) pw::set_timer(pw::MAIN_WINDOW, 7, period);
        calls.clear();
    }

    // Fetches n messages, translating and dispatching each like the game's fetch.
    std::vector<Msg> fetch(int n) {
        std::vector<Msg> got;
        for (int i = 0; i < n; ++i) {
            Msg msg;
            EXPECT_TRUE(pw::get_message(msg));
            pw::translate_message(msg);
            pw::dispatch_message(msg);
            got.push_back(msg);
        }
        return got;
    }
};

TEST_F(WindowModel, CreationSendsCreateThenClientSizeBeforeReturning) {
    ASSERT_NE(pw::register_class({3, recording_proc, "Test"}), 0);
    const std::uint32_t hwnd = pw::create_window("Test", "t", 0, 0, 0, 500, 400);
    EXPECT_EQ(hwnd, pw::MAIN_WINDOW);
    const int client_w = 500 - 2 * hl::FRAME_WIDTH;
    const int client_h = 400 - 2 * hl::FRAME_HEIGHT - hl::CAPTION_HEIGHT;
    const std::vector<Call> expected = {{platform::WM_CREATE, 0, 0},
                                        {platform::WM_SIZE, 0, client_h << 16 | client_w}};
    EXPECT_EQ(calls, expected);
    ASSERT_NE(pw::client_surface(), nullptr);
    EXPECT_EQ(pw::client_surface()->width, client_w);
    EXPECT_EQ(pw::client_surface()->height, client_h);
    EXPECT_EQ(pw::get_dc(hwnd)->target, pw::client_surface());
}

TEST_F(WindowModel, RegistrationAndCreationRefuseWhatCannotWork) {
    EXPECT_EQ(pw::register_class({3, nullptr, "NoProc"}), 0);
    EXPECT_EQ(pw::register_class({3, recording_proc, ""}), 0);
    const std::uint16_t atom = pw::register_class({3, recording_proc, "Test"});
    EXPECT_NE(atom, 0);
    EXPECT_EQ(pw::register_class({3, recording_proc, "Test"}), 0) << "same name twice";
    EXPECT_EQ(pw::create_window("Unknown", "t", 0, 0, 0, 100, 100), 0u);
    EXPECT_EQ(pw::create_window("Test", "t", 0, 0, 0, 100, 100), pw::MAIN_WINDOW);
    EXPECT_EQ(pw::create_window("Test", "t", 0, 0, 0, 100, 100), 0u) << "one window only";
    EXPECT_FALSE(pw::post_message(2, platform::WM_USER, 0, 0));
    EXPECT_EQ(pw::get_dc(2), nullptr);
}

TEST_F(WindowModel, TimerTicksWithoutInputAtTheTenMillisecondFloor) {
    open(1);
    for (std::uint32_t tick = 1; tick <= 3; ++tick) {
        Msg msg;
        ASSERT_TRUE(pw::get_message(msg));
        EXPECT_EQ(msg.message, platform::WM_TIMER);
        EXPECT_EQ(msg.wParam, 7u);
        EXPECT_EQ(hl::virtual_now(), tick * pw::MIN_TIMER_PERIOD);
    }
}

TEST_F(WindowModel, MissedTicksCoalesceAndStayOnTheirGrid) {
    open(20);
    hl::advance(75);  // ticks at 20, 40 and 60 were missed
    Msg msg;
    ASSERT_TRUE(pw::get_message(msg));
    EXPECT_EQ(msg.message, platform::WM_TIMER);
    EXPECT_EQ(hl::virtual_now(), 75u) << "the missed tick is handed out at once";
    ASSERT_TRUE(pw::get_message(msg));
    EXPECT_EQ(msg.message, platform::WM_TIMER);
    EXPECT_EQ(hl::virtual_now(), 80u) << "one tick for the three missed ones";
}

TEST_F(WindowModel, InputGoesBeforeADueTick) {
    open(10);
    hl::script_key(10, 65, true);
    const std::vector<Msg> got = fetch(3);
    EXPECT_EQ(got[0].message, platform::WM_KEYDOWN);
    EXPECT_EQ(got[1].message, platform::WM_CHAR);
    EXPECT_EQ(got[2].message, platform::WM_TIMER);
    EXPECT_EQ(got[0].time, 10u);
}

struct KeySequence {
    const char* name;
    std::vector<std::pair<std::uint32_t, bool>> keys;  // vk, down; all at 5 ms
    std::vector<Call> fetched;
};

constexpr std::int32_t down_bits(std::uint32_t sc) { return static_cast<std::int32_t>(1 | sc << 16); }
constexpr std::int32_t repeat_bits(std::uint32_t sc) {
    return static_cast<std::int32_t>(1 | sc << 16 | 1u << 30);
}
constexpr std::int32_t up_bits(std::uint32_t sc) {
    return static_cast<std::int32_t>(1 | sc << 16 | 1u << 30 | 1u << 31);
}

class KeySequences : public WindowModel, public ::testing::WithParamInterface<KeySequence> {};

TEST_P(KeySequences, FetchOrder) {
    open(10);
    for (const auto& [vk, down] : GetParam().keys) hl::script_key(5, vk, down);
    std::vector<Call> got;
    for (const Msg& msg : fetch(static_cast<int>(GetParam().fetched.size()))) {
        got.push_back({msg.message, msg.wParam, msg.lParam});
    }
    EXPECT_EQ(got, GetParam().fetched);
}

using platform::WM_CHAR;
using platform::WM_KEYDOWN;
using platform::WM_KEYUP;
using platform::WM_TIMER;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeySequences,
    ::testing::Values(
        KeySequence{"SpaceGivesDownCharUp",
                    {{32, true}, {32, false}},
                    {{WM_KEYDOWN, 32, down_bits(0x39)},
                     {WM_CHAR, 32, down_bits(0x39)},
                     {WM_KEYUP, 32, up_bits(0x39)}}},
        KeySequence{"ArrowGivesNoChar",
                    {{37, true}, {37, false}},
                    {{WM_KEYDOWN, 37, down_bits(0x4B)}, {WM_KEYUP, 37, up_bits(0x4B)}}},
        KeySequence{"HeldKeyRepeatsWithTheRepeatBit",
                    {{13, true}, {13, true}, {13, false}},
                    {{WM_KEYDOWN, 13, down_bits(0x1C)},
                     {WM_CHAR, 13, down_bits(0x1C)},
                     {WM_KEYDOWN, 13, repeat_bits(0x1C)},
                     {WM_CHAR, 13, repeat_bits(0x1C)},
                     {WM_KEYUP, 13, up_bits(0x1C)}}},
        KeySequence{"ShiftMakesCapitalsAndSymbols",
                    {{16, true}, {65, true}, {49, true}, {16, false}, {66, true}},
                    {{WM_KEYDOWN, 16, down_bits(0x2A)},
                     {WM_KEYDOWN, 65, down_bits(0x1E)},
                     {WM_CHAR, 'A', down_bits(0x1E)},
                     {WM_KEYDOWN, 49, down_bits(0x02)},
                     {WM_CHAR, '!', down_bits(0x02)},
                     {WM_KEYUP, 16, up_bits(0x2A)},
                     {WM_KEYDOWN, 66, down_bits(0x30)},
                     {WM_CHAR, 'b', down_bits(0x30)}}},
        KeySequence{"CapsLockTogglesLettersOnly",
                    {{20, true}, {20, false}, {65, true}, {49, true}},
                    {{WM_KEYDOWN, 20, down_bits(0x3A)},
                     {WM_KEYUP, 20, up_bits(0x3A)},
                     {WM_KEYDOWN, 65, down_bits(0x1E)},
                     {WM_CHAR, 'A', down_bits(0x1E)},
                     {WM_KEYDOWN, 49, down_bits(0x02)},
                     {WM_CHAR, '1', down_bits(0x02)}}},
        KeySequence{"NothingPendingGivesTheTimer", {}, {{WM_TIMER, 7, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct CharCase {
    std::uint32_t vk;
    bool shift, caps;
    std::uint32_t expected;
};

TEST(KeyChar, UsLayoutWithShiftAndCapsLock) {
    const CharCase cases[] = {
        {65, false, false, 'a'}, {65, true, false, 'A'},  {65, false, true, 'A'},
        {65, true, true, 'a'},   {90, false, false, 'z'}, {48, false, false, '0'},
        {48, true, false, ')'},  {50, true, false, '@'},  {57, false, true, '9'},
        {32, true, false, ' '},  {13, false, false, 13},  {8, false, false, 8},
        {27, false, false, 27},  {9, true, false, 9},     {186, false, false, ';'},
        {186, true, false, ':'}, {187, true, false, '+'}, {188, false, false, ','},
        {189, true, false, '_'}, {190, true, false, '>'}, {191, false, false, '/'},
        {192, true, false, '~'}, {219, false, false, '['}, {220, true, false, '|'},
        {221, true, false, '}'}, {222, false, false, '\''}, {222, true, false, '"'},
        {96, false, false, '0'}, {106, false, false, '*'}, {37, false, false, 0},
        {40, true, false, 0},    {16, false, false, 0},   {112, false, false, 0},
        {123, false, false, 0},  {255, false, false, 0},  {1000, false, false, 0},
    };
    for (const CharCase& c : cases) {
        EXPECT_EQ(pw::key_char(c.vk, c.shift, c.caps), c.expected)
            << "vk " << c.vk << " shift " << c.shift << " caps " << c.caps;
    }
}

TEST(KeyParam, RepeatCountScanCodeAndFlags) {
    EXPECT_EQ(pw::key_lparam(0x39, true, false), 0x00390001);
    EXPECT_EQ(pw::key_lparam(0x39, true, true), 0x40390001);
    EXPECT_EQ(static_cast<std::uint32_t>(pw::key_lparam(0x39, false, false)), 0xC0390001u);
    EXPECT_EQ(pw::key_lparam(0x1FF, true, false), 0x00FF0001) << "scan code keeps 8 bits";
}

TEST_F(WindowModel, MouseOverClientSetsCursorAndQueuesOneMove) {
    open(10);
    hl::script_mouse(3, 10, 20);
    hl::script_mouse(3, 11, 21);
    hl::script_mouse(3, -1, 5);  // over the frame: not the client area's business
    Msg msg;
    ASSERT_TRUE(pw::get_message(msg));
    EXPECT_EQ(msg.message, platform::WM_MOUSEMOVE);
    EXPECT_EQ(msg.lParam, 21 << 16 | 11) << "a waiting move takes the newer position";
    const std::vector<Call> sent = {
        {platform::WM_SETCURSOR, pw::MAIN_WINDOW, 1 | platform::WM_MOUSEMOVE << 16},
        {platform::WM_SETCURSOR, pw::MAIN_WINDOW, 1 | platform::WM_MOUSEMOVE << 16}};
    EXPECT_EQ(calls, sent);
    ASSERT_TRUE(pw::get_message(msg));
    EXPECT_EQ(msg.message, platform::WM_TIMER);
}

TEST_F(WindowModel, ResizeGoesStraightToTheProcedureWithANewSurface) {
    open(10);
    const platform::Surface* before = pw::client_surface();
    const int w = before->width;
    hl::script_resize(4, 500, 300);
    Msg msg;
    ASSERT_TRUE(pw::get_message(msg));
    EXPECT_EQ(msg.message, platform::WM_TIMER) << "WM_SIZE is never fetched";
    const std::vector<Call> sent = {{platform::WM_SIZE, 0, 300 << 16 | 500}};
    EXPECT_EQ(calls, sent);
    EXPECT_EQ(pw::client_surface()->width, 500);
    EXPECT_EQ(pw::client_surface()->height, 300);
    EXPECT_EQ(pw::get_dc(pw::MAIN_WINDOW)->target, pw::client_surface());
    EXPECT_NE(w, 500);
}

TEST_F(WindowModel, QuitMessageEndsTheFetchWithFalse) {
    open(10);
    pw::post_message(pw::MAIN_WINDOW, platform::WM_USER, 1, 2);
    pw::post_quit_message(3);
    Msg msg;
    EXPECT_TRUE(pw::get_message(msg));
    EXPECT_EQ(msg.message, platform::WM_USER);
    EXPECT_FALSE(pw::get_message(msg));
    EXPECT_EQ(msg.message, pw::WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(WindowModel, CaptionAndRectangle) {
    open();
    EXPECT_EQ(pw::caption(pw::MAIN_WINDOW), "caption");
    pw::set_caption(pw::MAIN_WINDOW, "Quorvax");
    EXPECT_EQ(pw::caption(pw::MAIN_WINDOW), "Quorvax");
    const platform::Rect r = pw::window_rect(pw::MAIN_WINDOW);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 384 + 2 * hl::FRAME_WIDTH);
    EXPECT_EQ(r.bottom - r.top, 384 + 2 * hl::FRAME_HEIGHT + hl::CAPTION_HEIGHT);
}

using WindowModelDeath = WindowModel;

TEST_F(WindowModelDeath, WaitingWithNothingToComeExitsInsteadOfHanging) {
    open();  // no timer
    EXPECT_EXIT(
        {
            Msg msg;
            pw::get_message(msg);
        },
        ::testing::ExitedWithCode(hl::STALL_EXIT_CODE), "nothing is scripted");
}

}  // namespace
