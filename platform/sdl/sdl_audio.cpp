// The desktop sound device: an SDL audio device whose callback mixes the playing
// channels. Without a device the program stays silent, and channel positions follow
// the real clock instead, so that sounds still end when they would have.
#include <SDL.h>

#include <cstdlib>

#include "platform/backend.h"
#include "platform/mixer.h"
#include "platform/wav_decode.h"

namespace platform::backend {

namespace {

// About 23 ms at 44100 Hz: short enough for effects to start promptly, long enough
// not to stutter on a busy machine.
constexpr Uint16 BUFFER_FRAMES = 1024;

SDL_AudioDeviceID device = 0;
bool started = false;
bool synced = false;
std::uint32_t last_sync = 0;

// Runs on SDL's audio thread with the device locked; touches only the mixer.
void fill(void*, Uint8* stream, int length) {
    mixer::mix(reinterpret_cast<std::int16_t*>(stream),
               static_cast<std::size_t>(length) / (sizeof(std::int16_t) * MIX_CHANNELS));
}

// The program ends through exit() from anywhere (the close button included). The
// device's thread must stop mixing before the channel table is destroyed, so the
// device is closed by a handler registered after the table was made, which exit()
// runs first.
void close_device() {
    if (device != 0) SDL_CloseAudioDevice(device);
    device = 0;
}

SDL_AudioDeviceID open_device() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    SDL_AudioSpec want{};
    want.freq = static_cast<int>(MIX_RATE);
    want.format = AUDIO_S16SYS;
    want.channels = static_cast<Uint8>(MIX_CHANNELS);
    want.samples = BUFFER_FRAMES;
    want.callback = fill;
    // No changes allowed: SDL converts our one format to whatever the hardware takes.
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (id == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    SDL_PauseAudioDevice(id, 0);
    return id;
}

}  // namespace

bool audio_start() {
    if (!started) {
        started = true;
        device = open_device();
        if (device != 0) std::atexit(close_device);
    }
    return device != 0;
}

void audio_lock() {
    if (device != 0) SDL_LockAudioDevice(device);
}

void audio_unlock() {
    if (device != 0) SDL_UnlockAudioDevice(device);
}

void audio_sync() {
    if (device != 0) return;
    const std::uint32_t now = now_ms();
    if (synced) mixer::advance_ms(now - last_sync);
    synced = true;
    last_sync = now;
}

}  // namespace platform::backend
