// Runs the program, or a part of it, in a child process on the headless backend, in a
// temporary folder that sees the build's image/ and audio/, with a virtual-time
// watchdog. The child writes what it observes to a log the test then reads.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace flow_test {

struct Outcome {
    int status = -1;               // exit status, or -1 when the child did not exit
    std::vector<std::string> log;  // lines written with note()
};

// Exit status of a child that the watchdog stopped (the program never finished).
constexpr int WATCHDOG_STATUS = 3;
// Exit status of a child whose body threw (the exception is logged).
constexpr int EXCEPTION_STATUS = 2;

// Runs body in a child process; the child exits with body's result. The watchdog
// stops it once the virtual clock has moved watchdog_ms past its start.
Outcome run_child(const std::function<int()>& body, std::uint32_t watchdog_ms = 600000);

// In the child: appends a line to the log.
void note(const std::string& line);
// In the child: logs "sound <name>" for every sound started, by its channel's name.
void log_sounds();
// In the child: logs "caption <text>" whenever the caption has changed, checking
// every millisecond of virtual time from now on.
void log_captions();
// In the child: presses a key (down at ms, up 30 ms later).
void press(std::uint32_t ms, std::uint32_t vk);
// Lines of the log that start with prefix.
std::vector<std::string> lines_with(const Outcome& outcome, const std::string& prefix);

constexpr std::uint32_t ENTER = 13, ESCAPE = 27, SPACE = 32, UP = 38, DOWN = 40;

}  // namespace flow_test
