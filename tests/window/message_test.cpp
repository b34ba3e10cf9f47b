// The current message's questions and the unit's clock.
#include <gtest/gtest.h>

#include "display/display.h"
#include "fixture.h"
#include "platform/headless/virtual_clock.h"

namespace {

using namespace display;
using window_test::DisplayTest;

MSG message(std::uint32_t code, std::uint32_t wParam, std::int32_t lParam) {
    MSG m;
    m.message = code;
    m.wParam = wParam;
    m.lParam = lParam;
    return m;
}

struct Question {
    const char* name;
    MSG current;
    bool iskey;
    std::uint32_t getkey;
    bool iskey_space, iskey_escape, iskey_enter;
    std::uint64_t getmsg_keydown;
};

constexpr std::int32_t KEYUP_BITS = static_cast<std::int32_t>(0xC0390001u);

TEST(CurrentMessage, KeyQuestions) {
    const Question cases[] = {
        {"space down", message(256, 32, 0x390001), true, 32, true, false, false,
         32ULL << 32 | 0x390001},
        {"space up", message(257, 32, KEYUP_BITS), false, 0, false, false, false, 0},
        {"escape up", message(257, 27, KEYUP_BITS), false, 0, false, false, false, 0},
        {"escape char", message(258, 27, 0x10001), false, 0, false, false, false, 0},
        {"enter down", message(256, 13, 1), true, 13, false, false, true, 13ULL << 32 | 1},
        {"negative lParam taken unsigned", message(256, 27, -1), true, 27, false, true, false,
         27ULL << 32 | 0xFFFFFFFFu},
        {"timer", message(275, 0, 0), false, 0, false, false, false, 0},
    };
    for (const Question& q : cases) {
        detail::MS = q.current;
        EXPECT_EQ(ISKEY(), q.iskey) << q.name;
        EXPECT_EQ(GETKEY(), q.getkey) << q.name;
        EXPECT_EQ(ISKEY(32), q.iskey_space) << q.name;
        EXPECT_EQ(ISKEY(27), q.iskey_escape) << q.name;
        EXPECT_EQ(ISKEY(13), q.iskey_enter) << q.name;
        EXPECT_EQ(GETMSG(256), q.getmsg_keydown) << q.name;
    }
    detail::MS = MSG{};
}

TEST(CurrentMessage, KeyUpStillCarriesItsKeyInWParam) {
    detail::MS = message(257, 32, KEYUP_BITS);
    EXPECT_TRUE(ISMSG(257));
    EXPECT_FALSE(ISKEY());
    EXPECT_EQ(detail::MS.wParam, 32u);
    EXPECT_EQ(GETMSG(257), 32ULL << 32 | 0xC0390001u);
    detail::MS = MSG{};
}

TEST(CurrentMessage, ListForms) {
    detail::MS = message(257, 40, 7);
    EXPECT_FALSE(ISMSG({}));
    EXPECT_EQ(GETMSG({}), 0u);
    EXPECT_TRUE(ISMSG({256, 257}));
    EXPECT_TRUE(ISMSG({257, 256, 257}));
    EXPECT_FALSE(ISMSG({256, 258}));
    EXPECT_EQ(GETMSG({256, 257}), 40ULL << 32 | 7);
    EXPECT_EQ(GETMSG({256, 258}), 0u);
    detail::MS = MSG{};
}

struct ClockCase {
    std::uint32_t tbegin, now, expected;
};

TEST(Clock, ElapsedSinceCreationAcrossTheWrap) {
    const ClockCase cases[] = {
        {0, 12345, 12345},                // before the window: the raw count
        {1000, 1500, 500},
        {0xFFFFFF00u, 0xFFFFFFFFu, 0xFF},
        {0xFFFFFF00u, 0x10, 0x110},       // the count has wrapped
        {0xFFFFFFFFu, 0, 1},
        {5, 4, 0xFFFFFFFFu},
    };
    for (const ClockCase& c : cases) {
        detail::TBEGIN = c.tbegin;
        platform::headless::set_virtual_now(c.now);
        EXPECT_EQ(GETTIME(), c.expected) << c.tbegin << " " << c.now;
    }
    detail::TBEGIN = 0;
    platform::headless::set_virtual_now(0);
}

TEST_F(DisplayTest, ClockStartedJustBeforeTheWrapKeepsCounting) {
    window_test::reset_all(0xFFFFFFF0u);
    CREATEWIN(64, 64);
    EXPECT_EQ(detail::TBEGIN, 0xFFFFFFF0u);
    DELAY(0x25);
    EXPECT_EQ(platform::headless::virtual_now(), 0x15u);
    EXPECT_EQ(GETTIME(), 0x25u);
    NEXTMSG();
    EXPECT_EQ(detail::MS.message, platform::WM_TIMER);
    EXPECT_EQ(GETTIME(), 0x25u) << "the tick missed across the wrap is due at once";
    NEXTMSG();
    EXPECT_EQ(GETTIME(), 0x28u);
}

}  // namespace
