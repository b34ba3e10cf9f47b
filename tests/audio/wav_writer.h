// Small WAV files written byte by byte for the sound tests, in a temporary folder
// that the tests also use as their working directory.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace wav_writer {

struct Format {
    std::uint32_t rate = 22050;
    std::uint16_t channels = 1;
    std::uint16_t bits = 8;
};

// The complete file: RIFF header, fmt chunk (PCM) and data chunk holding frames
// frames in which every sample has the value sample (8-bit: unsigned, 16-bit: signed).
std::vector<std::uint8_t> pcm_file(const Format& format, std::uint32_t frames, int sample);

void write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
void write_text(const std::filesystem::path& path, const std::string& text);

// Makes a fresh folder with an audio/ subfolder, enters it, and on destruction goes
// back and removes it.
struct TempDir {
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::filesystem::path root;
    std::filesystem::path previous;
};

}  // namespace wav_writer
