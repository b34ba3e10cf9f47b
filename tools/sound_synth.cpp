// Reads sound recipes and renders them: oscillators, noise, envelopes and sweeps.
#include "tools/sound_synth.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <sstream>

namespace synth {

namespace {

[[noreturn]] void fail(const std::string& source, int line, const std::string& what) {
    throw RecipeError(source + ":" + std::to_string(line) + ": " + what);
}

Wave wave_named(const std::string& name, const std::string& source, int line) {
    static const std::map<std::string, Wave> waves = {{"sine", Wave::SINE},
                                                      {"square", Wave::SQUARE},
                                                      {"triangle", Wave::TRIANGLE},
                                                      {"saw", Wave::SAW},
                                                      {"noise", Wave::NOISE}};
    auto found = waves.find(name);
    if (found == waves.end()) fail(source, line, "unknown wave \"" + name + "\"");
    return found->second;
}

void set_key(Tone& tone, const std::string& key, double value, const std::string& source,
             int line) {
    std::map<std::string, double*> keys = {
        {"start", &tone.start},     {"length", &tone.length},   {"freq", &tone.freq},
        {"to", &tone.to},           {"volume", &tone.volume},   {"attack", &tone.attack},
        {"release", &tone.release}, {"decay", &tone.decay},     {"vibrato", &tone.vibrato},
        {"depth", &tone.depth},     {"duty", &tone.duty}};
    if (key == "seed") {
        tone.seed = static_cast<std::uint32_t>(value);
        return;
    }
    auto found = keys.find(key);
    if (found == keys.end()) fail(source, line, "unknown key \"" + key + "\"");
    if (!(value >= 0)) fail(source, line, "\"" + key + "\" must not be negative");
    *found->second = value;
}

Tone read_tone(std::istringstream& words, const std::string& source, int line) {
    std::string name, key;
    if (!(words >> name)) fail(source, line, "a tone needs a wave");
    Tone tone;
    tone.wave = wave_named(name, source, line);
    while (words >> key) {
        double value = 0;
        if (!(words >> value)) fail(source, line, "\"" + key + "\" needs a number");
        set_key(tone, key, value, source, line);
    }
    if (tone.length <= 0) fail(source, line, "a tone needs a length");
    if (tone.attack < 0.001 || tone.release < 0.001)
        fail(source, line, "attack and release must be at least 0.001 s, or the tone clicks");
    if (tone.attack + tone.release > tone.length)
        fail(source, line, "attack and release are longer than the tone");
    if (tone.volume > 1 || tone.duty <= 0 || tone.duty >= 1)
        fail(source, line, "volume is at most 1 and duty lies between 0 and 1");
    return tone;
}

// The level at t seconds into the tone, left seconds before its last sample: rising
// from 0 at the first sample and falling to 0 at the last.
double envelope(const Tone& tone, double t, double left) {
    double level = 1;
    if (t < tone.attack) level = t / tone.attack;
    else if (tone.decay > 0) level = std::exp(-(t - tone.attack) / tone.decay);
    if (left < tone.release) level *= left / tone.release;
    return level;
}

double pitch(const Tone& tone, double t) {
    double f = tone.freq;
    if (tone.to > 0) f *= std::pow(tone.to / tone.freq, t / tone.length);
    if (tone.vibrato > 0) f *= 1 + tone.depth * std::sin(2 * std::numbers::pi * tone.vibrato * t);
    return f;
}

// Adds one voice into the mix, sample by sample.
std::size_t first_sample(const Tone& tone) {
    return static_cast<std::size_t>(std::lround(tone.start * RATE));
}

std::size_t sample_count(const Tone& tone) {
    return static_cast<std::size_t>(std::lround(tone.length * RATE));
}

void add_tone(const Tone& tone, std::vector<double>& mix) {
    const std::size_t first = first_sample(tone);
    const std::size_t count = sample_count(tone);
    double phase = 0;
    std::uint32_t noise = tone.seed ? tone.seed : 1;
    double level = 0;
    for (std::size_t i = 0; i < count; ++i) {
        double t = static_cast<double>(i) / RATE;
        double v = 0;
        switch (tone.wave) {
            case Wave::SINE: v = std::sin(2 * std::numbers::pi * phase); break;
            case Wave::SQUARE: v = phase < tone.duty ? 1 : -1; break;
            case Wave::TRIANGLE: v = phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase; break;
            case Wave::SAW: v = 2 * phase - 1; break;
            case Wave::NOISE: v = level; break;
        }
        mix[first + i] += tone.volume * envelope(tone, t, static_cast<double>(count - 1 - i) / RATE) * v;
        phase += pitch(tone, t) / RATE;
        if (phase >= 1) {
            phase -= std::floor(phase);
            noise ^= noise << 13;
            noise ^= noise >> 17;
            noise ^= noise << 5;
            level = static_cast<double>(noise) / 2147483648.0 - 1;
        }
    }
}

}  // namespace

std::vector<Sound> parse(std::istream& in, const std::string& source_name) {
    std::vector<Sound> sounds;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        std::istringstream words(text);
        std::string keyword;
        if (!(words >> keyword) || keyword[0] == ';') continue;
        if (keyword == "sound") {
            std::string file, extra;
            if (!(words >> file) || (words >> extra) || file.size() < 5 ||
                file.substr(file.size() - 4) != ".wav")
                fail(source_name, line, "a sound is \"sound NAME.wav\"");
            sounds.push_back(Sound{file, line, {}});
        } else if (keyword == "tone") {
            if (sounds.empty()) fail(source_name, line, "a tone before any sound");
            sounds.back().tones.push_back(read_tone(words, source_name, line));
        } else {
            fail(source_name, line, "expected \"sound\" or \"tone\", found \"" + keyword + "\"");
        }
    }
    for (const Sound& sound : sounds)
        if (sound.tones.empty()) fail(source_name, sound.line, sound.file + " has no tone");
    return sounds;
}

std::vector<std::int16_t> render(const Sound& sound, const std::string& source_name) {
    std::size_t end = 0;
    for (const Tone& tone : sound.tones) end = std::max(end, first_sample(tone) + sample_count(tone));
    std::vector<double> mix(end, 0.0);
    for (const Tone& tone : sound.tones) add_tone(tone, mix);
    std::vector<std::int16_t> samples;
    samples.reserve(mix.size());
    for (double v : mix) {
        if (std::fabs(v) >= PEAK_LIMIT)
            fail(source_name, sound.line, sound.file + " reaches full scale; lower its volumes");
        samples.push_back(static_cast<std::int16_t>(std::lround(v * 32767)));
    }
    return samples;
}

}  // namespace synth
