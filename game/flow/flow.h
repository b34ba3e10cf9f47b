// The program's top level: start-up, the menu loop and the play loop.
#pragma once

#include <cstdint>
#include <optional>

namespace game {

constexpr std::int32_t W = 384;  // client width of the window
constexpr std::int32_t H = 384;  // client height of the window
constexpr double FRAMESPEED = 0.1;  // logical frames per millisecond

extern std::int32_t CHOOSE;  // menu selection: 1 play, 2 high scores

// The random generator's seed; when empty, start-up seeds it from the clock.
extern std::optional<std::uint64_t> start_seed;

void INIT();
void MENU();
void PLAY();

// The whole program, shared by both executables: start-up and the menu loop. Returns
// the process exit status: 0, or 1 after an input/output failure, which it reports
// on stderr as "quorvax: <message>".
int run_program();

// Frame pacing: whether `frames` frames of a wave that began at clock reading `start`
// are ahead of the clock reading `now`. The elapsed time is taken modulo 2^32, so a
// clock that wraps during a wave keeps the pace.
bool frames_ahead(std::uint32_t frames, std::uint32_t now, std::uint32_t start);

// The frame operation the wave's phase calls for: the start or end wait, the
// cannon's explosion, or a frame of play.
void simulate_frame();
// One logical frame of a wave: simulate_frame, then the tempo test that may march
// the formation.
void play_frame();
// The play loop's wait: while the simulation is ahead of the clock, fetch a message,
// let the cannon controls read it when play is on, and redraw. Returns the number of
// messages fetched.
std::uint32_t play_wait();

}  // namespace game
