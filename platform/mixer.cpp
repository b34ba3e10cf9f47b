// The sound channels: a table by alias, play ranges and positions in thousandths of
// a frame, and the two ways of moving positions on (mixing, or time alone).
#include "platform/mixer.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <map>

#include "platform/wav_decode.h"

namespace platform::mixer {

namespace {

constexpr std::uint64_t MILLI = 1000;  // position units per frame

std::map<std::string, Channel> channels;

std::string key(const std::string& alias) {
    std::string lower = alias;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::uint64_t frames(const Channel& channel) { return channel.samples.size() / MIX_CHANNELS; }

std::uint64_t total(const Channel& channel) { return frames(channel) * MILLI; }

// A bound in milliseconds as a position; the length itself means the very end.
std::optional<std::uint64_t> bound(const Channel& channel, std::uint32_t ms) {
    const std::uint32_t length = length_ms(channel);
    if (ms > length) return std::nullopt;
    if (ms == length) return total(channel);
    return std::uint64_t{ms} * MIX_RATE;
}

// Whole frames the channel still has to sound, counting a started one.
std::uint64_t frames_left(const Channel& channel) {
    return (channel.end - channel.position + MILLI - 1) / MILLI;
}

void move_on(Channel& channel, std::uint64_t units) {
    channel.position = std::min(channel.position + units, channel.end);
    channel.playing = channel.position < channel.end;
}

}  // namespace

Channel* find(const std::string& alias) {
    const auto it = channels.find(key(alias));
    return it == channels.end() ? nullptr : &it->second;
}

bool add(const std::string& alias, std::vector<std::int16_t> samples) {
    Channel channel;
    channel.samples = std::move(samples);
    return channels.emplace(key(alias), std::move(channel)).second;
}

bool remove(const std::string& alias) { return channels.erase(key(alias)) > 0; }

void remove_all() { channels.clear(); }

std::uint32_t length_ms(const Channel& channel) {
    return static_cast<std::uint32_t>((total(channel) + MIX_RATE - 1) / MIX_RATE);
}

std::uint32_t position_ms(const Channel& channel) {
    if (channel.position >= total(channel)) return length_ms(channel);
    return static_cast<std::uint32_t>(channel.position / MIX_RATE);
}

bool play(Channel& channel, std::optional<std::uint32_t> from_ms,
          std::optional<std::uint32_t> to_ms) {
    const std::optional<std::uint64_t> from =
        from_ms ? bound(channel, *from_ms) : std::optional<std::uint64_t>(channel.position);
    const std::optional<std::uint64_t> to =
        to_ms ? bound(channel, *to_ms) : std::optional<std::uint64_t>(total(channel));
    if (!from || !to || *from > *to) return false;
    channel.position = *from;
    channel.end = *to;
    channel.playing = *from < *to;
    return true;
}

void stop(Channel& channel) { channel.playing = false; }

void mix(std::int16_t* out, std::size_t frame_count) {
    constexpr std::size_t CHUNK = 256;
    std::int32_t sum[CHUNK * MIX_CHANNELS];
    while (frame_count > 0) {
        const std::size_t n = std::min(frame_count, CHUNK);
        std::fill(sum, sum + n * MIX_CHANNELS, 0);
        for (auto& [alias, channel] : channels) {
            if (!channel.playing) continue;
            const std::size_t m = static_cast<std::size_t>(std::min<std::uint64_t>(n, frames_left(channel)));
            const std::int16_t* source =
                channel.samples.data() + channel.position / MILLI * MIX_CHANNELS;
            for (std::size_t i = 0; i < m * MIX_CHANNELS; ++i) sum[i] += source[i];
            move_on(channel, m * MILLI);
        }
        for (std::size_t i = 0; i < n * MIX_CHANNELS; ++i) {
            out[i] = static_cast<std::int16_t>(
                std::clamp<std::int32_t>(sum[i], std::numeric_limits<std::int16_t>::min(),
                                         std::numeric_limits<std::int16_t>::max()));
        }
        out += n * MIX_CHANNELS;
        frame_count -= n;
    }
}

void advance_ms(std::uint32_t ms) {
    for (auto& [alias, channel] : channels) {
        if (channel.playing) move_on(channel, std::uint64_t{ms} * MIX_RATE);
    }
}

}  // namespace platform::mixer
