// WAV decoding into the mixer's one sample format (implemented over SDL's loader and
// converter; needs no SDL_Init, so a silent run never touches the audio device).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The format every channel is held in: interleaved stereo, signed 16-bit samples.
constexpr std::uint32_t MIX_RATE = 44100;
constexpr std::uint32_t MIX_CHANNELS = 2;

// Decodes the WAV file at path (a native path) into MIX_RATE stereo samples.
// A missing, empty, truncated or malformed file gives no samples.
std::vector<std::int16_t> decode_wav(const std::string& path);

}  // namespace platform
