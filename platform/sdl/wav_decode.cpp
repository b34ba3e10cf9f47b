// WAV files to the mixer's format: SDL's loader reads the RIFF file (PCM, float,
// ADPCM, any rate and channel count) and an SDL audio stream converts it.
#include "platform/wav_decode.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

namespace {

constexpr std::uint64_t PIECE_FRAMES = 256;

// The converted sound keeps the source's duration to the frame, whatever the
// resampler's own rounding: a sound's length in milliseconds must not depend on it.
std::uint64_t target_frames(std::uint64_t source_frames, std::uint32_t source_rate) {
    return (source_frames * MIX_RATE + source_rate / 2) / source_rate;
}

std::vector<std::int16_t> convert(const SDL_AudioSpec& spec, const Uint8* data, Uint32 length) {
    std::vector<std::int16_t> out;
    const std::uint32_t frame_bytes = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
    if (frame_bytes == 0 || spec.freq <= 0) return out;
    const std::uint64_t source_frames = length / frame_bytes;
    if (source_frames == 0) return out;

    SDL_AudioStream* stream = SDL_NewAudioStream(spec.format, spec.channels, spec.freq,
                                                 AUDIO_S16SYS, MIX_CHANNELS, MIX_RATE);
    if (!stream) return out;
    // The stream's resampler loses most of a large block handed over at once, so the
    // sound goes in small pieces.
    bool ok = true;
    for (std::uint64_t frame = 0; ok && frame < source_frames; frame += PIECE_FRAMES) {
        const std::uint64_t n = std::min<std::uint64_t>(PIECE_FRAMES, source_frames - frame);
        ok = SDL_AudioStreamPut(stream, data + frame * frame_bytes,
                                static_cast<int>(n * frame_bytes)) == 0;
    }
    ok = ok && SDL_AudioStreamFlush(stream) == 0;
    std::int16_t piece[PIECE_FRAMES * MIX_CHANNELS];
    int got = 0;
    while (ok && (got = SDL_AudioStreamGet(stream, piece, sizeof piece)) > 0) {
        out.insert(out.end(), piece, piece + static_cast<std::size_t>(got) / sizeof(std::int16_t));
    }
    SDL_FreeAudioStream(stream);
    if (!ok || got < 0) return {};
    out.resize(target_frames(source_frames, static_cast<std::uint32_t>(spec.freq)) * MIX_CHANNELS);
    return out;
}

}  // namespace

std::vector<std::int16_t> decode_wav(const std::string& path) {
    // A file cut short is refused rather than played in part.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file) return {};
    SDL_AudioSpec spec;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(file, 1, &spec, &data, &length)) return {};
    std::vector<std::int16_t> out = convert(spec, data, length);
    SDL_FreeWAV(data);
    return out;
}

}  // namespace platform
