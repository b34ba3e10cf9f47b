// The end of a headless run, however it comes (the program returns, --until, the
// close button's process exit): the state file is written and the logs are closed,
// exactly once.
#pragma once

#include <string>

namespace driver {

// Opens (empties) the state file to be written at the end; an empty path writes none.
// Returns the problem, or an empty text.
std::string open_state_file(const std::string& path);

// Writes the outputs once; later calls do nothing. Returns false when an output could
// not be written (the problem is on stderr).
bool finish_run();

// finish_run for std::atexit, for runs that end by a process exit.
void finish_run_at_exit();

}  // namespace driver
