// The sound channels behind the command interpreter: each holds a decoded sound in
// the mixer's format, a play range and a position. Positions are kept in
// thousandths of a frame, so that milliseconds convert exactly (1 ms = MIX_RATE of
// them) and virtual time advances them without drift. Callers hold
// platform::backend::audio_lock around every call while a device is mixing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::mixer {

struct Channel {
    std::vector<std::int16_t> samples;  // interleaved stereo, MIX_RATE
    std::uint64_t position = 0;         // thousandths of a frame
    std::uint64_t end = 0;              // where playing stops, thousandths of a frame
    bool playing = false;
};

// The channel opened under alias (compared without regard to case); null if none.
Channel* find(const std::string& alias);
// Adds a stopped channel at position 0; false if the alias is taken.
bool add(const std::string& alias, std::vector<std::int16_t> samples);
// Closes one channel (false if none) or all of them.
bool remove(const std::string& alias);
void remove_all();

// Length and position in milliseconds. The length is rounded up, so that a position
// equals the length exactly when the channel stands at its end.
std::uint32_t length_ms(const Channel& channel);
std::uint32_t position_ms(const Channel& channel);

// Plays from from_ms (default: the current position) to to_ms (default: the end).
// False, with nothing changed, when a bound lies beyond the length or the range
// runs backwards.
bool play(Channel& channel, std::optional<std::uint32_t> from_ms,
          std::optional<std::uint32_t> to_ms);
// Stops and keeps the position.
void stop(Channel& channel);

// Device callback: writes frames stereo frames, the sum of all playing channels
// clipped to 16 bits, and advances those channels.
void mix(std::int16_t* out, std::size_t frames);
// Advances all playing channels by ms without producing sound (virtual time, or a
// desktop without an audio device).
void advance_ms(std::uint32_t ms);

}  // namespace platform::mixer
