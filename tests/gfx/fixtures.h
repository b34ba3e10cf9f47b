// Small fixtures for the graphics tests: in-memory bitmaps with a pattern of distinct
// colours, a naive reference blit to compare against, hand-built BMP files in a
// temporary folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "display/display.h"
#include "platform/surface.h"

namespace gfx_test {

using platform::Colour;

constexpr Colour KEY = 0x00FF00FF;  // appears in the pattern, so key skipping shows
constexpr Colour BACKGROUND = 0x00303030;

struct SurfaceFree {
    void operator()(platform::Surface* surface) const { platform::release_surface(surface); }
};
using SurfacePtr = std::unique_ptr<platform::Surface, SurfaceFree>;

// A distinct colour for every (x, y), with scattered pixels of KEY and of colour 1.
Colour pattern(int x, int y);

// A surface of the given size filled with pattern (or with one colour).
platform::Surface* patterned_surface(int width, int height);
platform::Surface* filled_surface(int width, int height, Colour colour);

// A bitmap record over a surface: IMAGE, DC with it selected, recorded size, key.
display::PBITMAP make_bitmap(platform::Surface* image, Colour key);
void free_bitmap(display::PBITMAP bitmap);

Colour at(const platform::Surface& surface, int x, int y);

// Nearest-neighbour keyed blit, one pixel at a time, clipped to both surfaces.
void reference_blit(const platform::Surface& source, int sx, int sy, int sw, int sh,
                    platform::Surface& dest, int dx, int dy, int dw, int dh, Colour key);

// Bytes of an uncompressed BMP with a 40-byte info header. Palette depths (1, 4, 8)
// use palette_colour; 24 and 32 bits use pattern. important goes to offset 50.
std::vector<unsigned char> bmp_bytes(int bits, int width, int height, bool top_down,
                                     std::uint32_t important = 0);
// The colour bmp_bytes stores at (x, y) for a depth.
Colour bmp_colour(int bits, int x, int y);

// A fresh temporary folder, removed with its contents on destruction.
struct TempDir {
    std::filesystem::path path;
    TempDir();
    ~TempDir();
    std::string write(const std::string& name, const std::vector<unsigned char>& bytes) const;
};

}  // namespace gfx_test
