// The headless sound device: no output, and channel positions that follow the
// virtual clock exactly, so a scripted run hears its sounds end at the same
// virtual millisecond every time.
#include "platform/backend.h"
#include "platform/headless/virtual_clock.h"
#include "platform/mixer.h"

namespace platform::backend {

namespace {
bool synced = false;
std::uint32_t last_sync = 0;
}  // namespace

bool audio_start() { return false; }

void audio_lock() {}

void audio_unlock() {}

void audio_sync() {
    const std::uint32_t now = headless::virtual_now();
    const std::uint32_t elapsed = now - last_sync;
    // The clock only moves forward, across its 2^32 wrap included; a reading behind
    // the last one means it was set back (a test starting afresh), which moves no
    // sound on.
    if (synced && elapsed < 0x80000000u) mixer::advance_ms(elapsed);
    synced = true;
    last_sync = now;
}

}  // namespace platform::backend
