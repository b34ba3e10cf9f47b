// What a headless run does at virtual times besides the game: the key script's
// events, the pictures of the window, and the stop time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "apps/headless/key_script.h"
#include "apps/headless/options.h"

namespace driver {

// Exit status of a run stopped by --until.
constexpr int UNTIL_EXIT_CODE = 3;
// Exit status when an output file cannot be written during the run.
constexpr int OUTPUT_EXIT_CODE = 1;

// Hands every event to the headless backend, in file order.
void schedule_script(const std::vector<ScriptEvent>& events);
// Checks before the run that every picture's folder exists and can be written to.
// Returns the problem with the first one that cannot, or an empty text.
std::string check_shot_folders(const std::vector<ShotRequest>& shots);
// Writes each picture when its time comes; a picture that cannot be written stops
// the run with OUTPUT_EXIT_CODE.
void schedule_shots(const std::vector<ShotRequest>& shots);
// Ends the run with UNTIL_EXIT_CODE when the clock reaches ms.
void schedule_until(std::uint32_t ms);
// Tells on stderr which pictures were not taken because the run ended before them.
void report_missed_shots();

}  // namespace driver
