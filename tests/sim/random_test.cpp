// The pseudo-random generator: the fixed SplitMix64 sequence, the draw formula, and
// replacing it by a script.
#include <gtest/gtest.h>

#include <vector>

#include "game/sim/random.h"

namespace {

TEST(Random, SeedZeroGivesTheFixedSequence) {
    game::seed_random(0);
    EXPECT_EQ(game::random_next(), 0xE220A8397B1DCDAFULL);
    EXPECT_EQ(game::random_next(), 0x6E789E6AA1B965F4ULL);
    EXPECT_EQ(game::random_next(), 0x06C45D188009454FULL);
}

// With seed 0 the first output's high half is 0xE220A839 and the second's 0x6E789E6A:
// a draw takes (high * n) >> 32.
TEST(Random, DrawsScaleTheHighHalf) {
    struct Case {
        std::uint32_t n;
        std::uint32_t first, second;
    };
    const Case cases[] = {{11, 9, 4}, {1000, 883, 431}, {1, 0, 0}, {2, 1, 0}};
    for (const Case& c : cases) {
        game::seed_random(0);
        EXPECT_EQ(game::random_below(c.n), c.first) << "n " << c.n;
        EXPECT_EQ(game::random_below(c.n), c.second) << "n " << c.n;
    }
}

TEST(Random, ReseedingRepeatsTheSequence) {
    game::seed_random(123456789);
    std::vector<std::uint32_t> first;
    for (int i = 0; i < 20; ++i) first.push_back(game::random_below(7600));
    game::seed_random(123456789);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(game::random_below(7600), first[i]) << "draw " << i;
}

TEST(Random, ScriptReplacesDrawsUntilRemoved) {
    game::seed_random(0);
    std::vector<std::uint32_t> asked;
    game::set_random_source([&](std::uint32_t n) {
        asked.push_back(n);
        return n / 2;
    });
    EXPECT_EQ(game::random_below(11), 5u);
    EXPECT_EQ(game::random_below(1000), 500u);
    game::set_random_source({});
    EXPECT_EQ(asked, (std::vector<std::uint32_t>{11, 1000}));
    // The generator was not advanced while the script served the draws.
    EXPECT_EQ(game::random_below(11), 9u);
}

}  // namespace
