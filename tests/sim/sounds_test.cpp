// The game's sound set: the ten channels opened in table order, and PLAYWAV as a
// restart from the beginning.
#include "game/score/sounds.h"
#include "sim_fixture.h"

namespace {

using SoundSet = sim_test::SimTest;

TEST(Sounds, StartUpOpensTheTenFilesAsChannels1To10) {
    EXPECT_EQ(sim_test::first_handles(),
              (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(sim_test::start_up_commands(),
              (std::vector<std::string>{
                  R"(open "audio\1.wav" alias s1)",      R"(open "audio\2.wav" alias s2)",
                  R"(open "audio\3.wav" alias s3)",      R"(open "audio\4.wav" alias s4)",
                  R"(open "audio\fire.wav" alias s5)",   R"(open "audio\hit.wav" alias s6)",
                  R"(open "audio\lose.wav" alias s7)",   R"(open "audio\ufo.wav" alias s8)",
                  R"(open "audio\ufohit.wav" alias s9)", R"(open "audio\lifeup.wav" alias s10)"}));
}

TEST_F(SoundSet, PlaywavAsksTheLengthThenPlaysFromTheStart) {
    game::PLAYWAV(game::WAVHIT);
    EXPECT_EQ(sim_test::sound_commands(),
              (std::vector<std::string>{"status s6 length", "play s6 from 0 to 0"}));
}

}  // namespace
