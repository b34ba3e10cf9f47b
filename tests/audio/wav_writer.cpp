// Writes the WAV fixtures of the sound tests.
#include "wav_writer.h"

#include <unistd.h>

#include <fstream>

namespace wav_writer {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void put_tag(std::vector<std::uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

}  // namespace

std::vector<std::uint8_t> pcm_file(const Format& format, std::uint32_t frames, int sample) {
    const std::uint32_t block = format.channels * format.bits / 8u;
    const std::uint32_t data_size = frames * block;
    std::vector<std::uint8_t> out;
    put_tag(out, "RIFF");
    put32(out, 36 + data_size);
    put_tag(out, "WAVE");
    put_tag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);
    put16(out, format.channels);
    put32(out, format.rate);
    put32(out, format.rate * block);
    put16(out, block);
    put16(out, format.bits);
    put_tag(out, "data");
    put32(out, data_size);
    for (std::uint32_t i = 0; i < frames * format.channels; ++i) {
        if (format.bits == 8) {
            out.push_back(static_cast<std::uint8_t>(sample));
        } else {
            put16(out, static_cast<std::uint16_t>(sample));
        }
    }
    return out;
}

void write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void write_text(const std::filesystem::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
}

TempDir::TempDir() {
    previous = std::filesystem::current_path();
    root = std::filesystem::temp_directory_path() /
           ("quorvax_audio_" + std::to_string(::getpid()));
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "audio");
    std::filesystem::current_path(root);
}

TempDir::~TempDir() {
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(root);
}

}  // namespace wav_writer
