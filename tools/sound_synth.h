// The game's sounds as short text recipes, and the synthesiser that renders them.
//
// Recipe format: blank lines and lines starting with ';' are ignored.
//   sound FILE.wav                      starts a sound
//   tone WAVE key value key value ...   adds a voice to the current sound
// WAVE is sine, square, triangle, saw or noise. Keys (seconds, hertz, fractions):
//   start, length   when the voice sounds (length required)
//   freq, to        pitch at its start, and at its end for a sweep (noise: the rate at
//                   which a new random level is drawn)
//   volume          peak level, 0 to 1
//   attack, release linear fades at both ends (at least 1 ms each)
//   decay           time constant of an exponential fall after the attack (0: none)
//   vibrato, depth  pitch wobble rate and its depth as a fraction of the pitch
//   duty            fraction of a square wave's period spent high
//   seed            the noise generator's start value
#pragma once

#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace synth {

constexpr int RATE = 22050;
// Loudest sample a sound may reach, as a fraction of full scale.
constexpr double PEAK_LIMIT = 0.9;

enum class Wave { SINE, SQUARE, TRIANGLE, SAW, NOISE };

struct Tone {
    Wave wave = Wave::SQUARE;
    double start = 0, length = 0;
    double freq = 440, to = 0;  // to 0: no sweep
    double volume = 0.3;
    double attack = 0.002, release = 0.005, decay = 0;
    double vibrato = 0, depth = 0;
    double duty = 0.5;
    std::uint32_t seed = 1;
};

struct Sound {
    std::string file;
    int line = 0;  // where its recipe starts
    std::vector<Tone> tones;
};

// A recipe or a rendering that breaks the rules; the message names the source line.
struct RecipeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<Sound> parse(std::istream& in, const std::string& source_name);

// Mono samples at RATE; throws RecipeError when the mix would reach PEAK_LIMIT.
std::vector<std::int16_t> render(const Sound& sound, const std::string& source_name);

}  // namespace synth
