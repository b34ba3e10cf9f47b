// Renders the game's sounds from their recipes into WAV files:
//   make_sounds RECIPES.txt AUDIO_DIR
// Each sound becomes AUDIO_DIR/<its file>: 16-bit PCM, mono, 22050 Hz.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/sound_synth.h"

namespace {

void put16(std::ofstream& out, std::uint16_t v) {
    const char bytes[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

bool write_wav(const std::string& path, const std::vector<std::int16_t>& samples) {
    std::ofstream out(path, std::ios::binary);
    const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + data_bytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);                // format chunk size
    put16(out, 1);                 // PCM
    put16(out, 1);                 // mono
    put32(out, synth::RATE);
    put32(out, synth::RATE * 2);   // bytes per second
    put16(out, 2);                 // bytes per sample frame
    put16(out, 16);                // bits per sample
    out.write("data", 4);
    put32(out, data_bytes);
    for (std::int16_t s : samples) put16(out, static_cast<std::uint16_t>(s));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_sounds RECIPES.txt AUDIO_DIR\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "make_sounds: cannot read %s\n", argv[1]);
        return 1;
    }
    try {
        for (const synth::Sound& sound : synth::parse(in, argv[1])) {
            std::string path = std::string(argv[2]) + "/" + sound.file;
            if (!write_wav(path, synth::render(sound, argv[1]))) {
                std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
                return 1;
            }
        }
    } catch (const synth::RecipeError& error) {
        std::fprintf(stderr, "make_sounds: %s\n", error.what());
        return 1;
    }
    return 0;
}
