// Helpers for the art tests: the game's sprites loaded from the build folder, pixel
// reads of cut cells, temporary folders and small hand-made BMP files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "display/display.h"

namespace art_test {

// Runs INITIMAGE in folder (the build folder when empty), releasing the bitmaps of an
// earlier run first so that repeated loads leak nothing.
void load_sprites(const std::filesystem::path& folder = {});

// The colour of pixel (x, y) of a bitmap's recorded area.
display::COLOR pixel(display::PBITMAP bitmap, int x, int y);
bool ink(display::PBITMAP cell, int x, int y);
int ink_count(display::PBITMAP cell);

std::vector<unsigned char> read_file(const std::filesystem::path& path);

// A fresh temporary folder, removed with its contents on destruction.
struct TempDir {
    std::filesystem::path path;
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
};

// A 24-bit bottom-up BMP of the given size, white where white(x, y) says so.
void write_bmp(const std::filesystem::path& path, int width, int height,
               bool (*white)(int x, int y));

}  // namespace art_test
