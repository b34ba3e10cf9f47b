// Sound channels driven by command strings, written once above the backends:
//   open "FILE" alias A, play A, play A from X to Y, stop A,
//   status A position, status A length
// Positions and lengths are milliseconds; replies are decimal text. A missing or
// unreadable file leaves a silent channel; no audio device means silence.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace platform::sound {

// Carries out one command; the reply (possibly empty) is written to reply as a
// zero-terminated text of at most reply_size bytes. Returns 0 on success, non-zero
// when the command failed (unknown alias, bad syntax).
int send_command(const std::string& command, char* reply, std::size_t reply_size);

// Sees every command text exactly as sent, before it is carried out (sound logs, tests).
// An empty function removes the observer.
void set_command_observer(std::function<void(const std::string& command)> observer);

}  // namespace platform::sound
