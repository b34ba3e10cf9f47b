// The formation's tempo threshold: its value and the frame at which a step falls due
// (the first STEPNUM strictly above it).
#include <gtest/gtest.h>

#include <cmath>

#include "sim_fixture.h"

namespace {

using namespace game;

struct TempoCase {
    const char* name;
    std::int32_t left_x, right_x;
    std::uint32_t descents;
    std::int32_t level;
    std::uint32_t invaders;
    long double expected;
    std::uint32_t step_at;  // first STEPNUM above the threshold
};

TEST(Tempo, ThresholdAndStepFrame) {
    const TempoCase cases[] = {
        {"full formation, wave 1", 2, 162, 0, 1, 55, 77.416198487095663L, 78},
        {"full formation, wave 4", 2, 162, 0, 4, 55, 42.416198487095663L, 43},
        {"one invader, wave 1", 90, 90, 0, 1, 1, 21.0L, 22},
        {"four invaders 32 apart", 50, 82, 0, 1, 4, 32.0L, 33},
        // The width is divided as a real number: 150 / 16 * 5 = 46.875.
        {"width 150, none left", 2, 152, 0, 1, 0, 66.875L, 67},
        // 20 - DOWNNUM goes negative after 20 descents instead of wrapping round.
        {"25 descents", 2, 162, 25, 1, 55, 52.416198487095663L, 53},
        {"30 descents, narrow", 80, 80, 30, 1, 1, -9.0L, 0},
    };
    for (const TempoCase& c : cases) {
        INVADERLEFT.x = c.left_x;
        INVADERRIGHT.x = c.right_x;
        DOWNNUM = c.descents;
        LEVEL = c.level;
        INVADERNUM = c.invaders;
        const long double t = tempo_threshold();
        EXPECT_NEAR(static_cast<double>(t), static_cast<double>(c.expected), 1e-9) << c.name;
        std::uint32_t step = 0;
        while (!(static_cast<long double>(step) > t)) ++step;
        EXPECT_EQ(step, c.step_at) << c.name;
    }
}

TEST(Tempo, ExactIntegerThresholdIsNotExceededByItself) {
    INVADERLEFT.x = 50;
    INVADERRIGHT.x = 82;
    DOWNNUM = 0;
    LEVEL = 1;
    INVADERNUM = 4;
    EXPECT_EQ(tempo_threshold(), 32.0L);
}

}  // namespace
