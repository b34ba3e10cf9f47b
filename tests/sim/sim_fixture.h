// Shared set-up for the rules' tests: a fresh wave already in play, a scripted random
// source, a log of the sounds the rules start, and helpers to place objects.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/sim/random.h"
#include "game/sim/sim.h"

namespace sim_test {

// Random draws. A scripted value goes to the next draw whose range matches it; every
// other draw is quiet: no invader fires, no saucer appears, and column draws go round
// the columns so that a shooter search always ends.
void script_draw(std::uint32_t range, std::uint32_t value);
// The ranges of all draws made since the test began, in order.
const std::vector<std::uint32_t>& draw_ranges();

// Sounds started since the test began (or since clear_sounds), named after their
// handle: "PLAYWAV fire", "PLAYAUDIO ufo", "STOPAUDIO ufo".
std::vector<std::string> sounds();
// Every sound command sent, as sent.
const std::vector<std::string>& sound_commands();
void clear_sounds();

// The handles INITAUDIO gave at the test program's start-up, and the commands it sent.
const std::vector<std::uint32_t>& first_handles();
const std::vector<std::string>& start_up_commands();

// Sets the current message of the display unit.
void message(std::uint32_t code, std::uint32_t key);

// Removes every shield piece.
void clear_shields();
// Kills an invader outright (state 0) and recounts.
void remove_invader(std::int32_t column, std::int32_t row);

// A new game and wave, past the start wait: the cannon in play at x 0, nothing in
// flight, no saucer, the formation where INITLEVEL put it.
class SimTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace sim_test
