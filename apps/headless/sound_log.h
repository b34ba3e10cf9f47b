// The sound log of a headless run: every sound command text as sent, one a line,
// after the virtual time at which it was sent and a space.
#pragma once

#include <string>

namespace driver {

// Opens (empties) the log file and starts recording. Returns the problem, or an
// empty text.
std::string start_sound_log(const std::string& path);

// Stops recording and closes the file. Returns the problem when the file could not be
// written completely, or an empty text (also when no log is open).
std::string finish_sound_log();

}  // namespace driver
