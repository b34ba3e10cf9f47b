// Graphics test fixtures: patterned bitmaps, the reference blit, BMP bytes.
#include "tests/gfx/fixtures.h"

#include <fstream>
#include <random>

namespace gfx_test {

Colour pattern(int x, int y) {
    if ((x * 3 + y) % 7 == 0) return 1;
    if ((x + 2 * y) % 5 == 0) return KEY;
    return 0x00100000u + static_cast<Colour>(y) * 256 + static_cast<Colour>(x);
}

platform::Surface* patterned_surface(int width, int height) {
    platform::Surface* surface = platform::create_surface(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) surface->pixels[y * width + x] = pattern(x, y);
    return surface;
}

platform::Surface* filled_surface(int width, int height, Colour colour) {
    platform::Surface* surface = platform::create_surface(width, height);
    surface->pixels.assign(surface->pixels.size(), colour);
    return surface;
}

display::PBITMAP make_bitmap(platform::Surface* image, Colour key) {
    auto* bitmap = new display::BITMAPREC;
    bitmap->IMAGE = image;
    bitmap->DC = platform::create_context();
    bitmap->DC->target = image;
    bitmap->WIDTH = image ? image->width : 0;
    bitmap->HEIGHT = image ? image->height : 0;
    bitmap->KEYCOLOR = key;
    return bitmap;
}

void free_bitmap(display::PBITMAP bitmap) {
    if (!bitmap) return;
    platform::release_surface(bitmap->IMAGE);
    platform::release_context(bitmap->DC);
    delete bitmap;
}

Colour at(const platform::Surface& surface, int x, int y) {
    return surface.pixels[static_cast<std::size_t>(y) * surface.width + x];
}

void reference_blit(const platform::Surface& source, int sx, int sy, int sw, int sh,
                    platform::Surface& dest, int dx, int dy, int dw, int dh, Colour key) {
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    for (std::int64_t j = 0; j < dh; ++j) {
        for (std::int64_t i = 0; i < dw; ++i) {
            const std::int64_t x = dx + i, y = dy + j;
            const std::int64_t u = sx + i * sw / dw, v = sy + j * sh / dh;
            if (x < 0 || y < 0 || x >= dest.width || y >= dest.height) continue;
            if (u < 0 || v < 0 || u >= source.width || v >= source.height) continue;
            const Colour c = source.pixels[v * source.width + u];
            if (c != key) dest.pixels[y * dest.width + x] = c;
        }
    }
}

namespace {

void put_u16(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value) {
    bytes[at] = value & 0xFF;
    bytes[at + 1] = (value >> 8) & 0xFF;
}

void put_u32(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value) {
    put_u16(bytes, at, value & 0xFFFF);
    put_u16(bytes, at + 2, value >> 16);
}

int palette_size(int bits) { return bits <= 8 ? 1 << bits : 0; }

int palette_index(int bits, int x, int y) { return (x + 3 * y) % palette_size(bits); }

Colour palette_colour(int index) {
    const Colour r = (index * 37 + 11) & 0xFF, g = (index * 91 + 5) & 0xFF, b = (index * 53 + 200) & 0xFF;
    return r | g << 8 | b << 16;
}

}  // namespace

Colour bmp_colour(int bits, int x, int y) {
    if (bits <= 8) return palette_colour(palette_index(bits, x, y));
    return pattern(x, y);
}

std::vector<unsigned char> bmp_bytes(int bits, int width, int height, bool top_down,
                                     std::uint32_t important) {
    const int colours = palette_size(bits);
    const std::size_t row_bytes = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    const std::size_t offset = 54 + 4 * static_cast<std::size_t>(colours);
    std::vector<unsigned char> bytes(offset + row_bytes * height, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    put_u32(bytes, 2, static_cast<std::uint32_t>(bytes.size()));
    put_u32(bytes, 10, static_cast<std::uint32_t>(offset));
    put_u32(bytes, 14, 40);
    put_u32(bytes, 18, static_cast<std::uint32_t>(width));
    put_u32(bytes, 22, static_cast<std::uint32_t>(top_down ? -height : height));
    put_u16(bytes, 26, 1);
    put_u16(bytes, 28, static_cast<std::uint32_t>(bits));
    put_u32(bytes, 34, static_cast<std::uint32_t>(row_bytes * height));
    put_u32(bytes, 46, static_cast<std::uint32_t>(colours));
    put_u32(bytes, 50, important);
    for (int k = 0; k < colours; ++k) {
        const Colour c = palette_colour(k);
        bytes[54 + 4 * k] = (c >> 16) & 0xFF;
        bytes[55 + 4 * k] = (c >> 8) & 0xFF;
        bytes[56 + 4 * k] = c & 0xFF;
    }
    for (int y = 0; y < height; ++y) {
        const int stored_row = top_down ? y : height - 1 - y;
        unsigned char* row = bytes.data() + offset + row_bytes * stored_row;
        for (int x = 0; x < width; ++x) {
            if (bits <= 8) {
                const int index = palette_index(bits, x, y);
                const int bit = x * bits;
                row[bit / 8] |= static_cast<unsigned char>(index << (8 - bits - bit % 8));
            } else {
                const Colour c = pattern(x, y);
                unsigned char* pixel = row + x * (bits / 8);
                pixel[0] = (c >> 16) & 0xFF;
                pixel[1] = (c >> 8) & 0xFF;
                pixel[2] = c & 0xFF;
                if (bits == 32) pixel[3] = 0x80;  // alpha noise that decoding must drop
            }
        }
    }
    return bytes;
}

TempDir::TempDir() {
    std::random_device seed;
    path = std::filesystem::temp_directory_path() / ("quorvax-gfx-" + std::to_string(seed()));
    std::filesystem::create_directories(path);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::string TempDir::write(const std::string& name, const std::vector<unsigned char>& bytes) const {
    const std::filesystem::path file = path / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file.string();
}

}  // namespace gfx_test
