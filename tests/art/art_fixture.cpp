// Helpers for the art tests.
#include "art_fixture.h"

#include <fstream>
#include <iterator>
#include <random>

#include "game/screen/sprites.h"
#include "platform/surface.h"

namespace fs = std::filesystem;

namespace art_test {

namespace {

void release(display::PBITMAP& bitmap) {
    if (bitmap == nullptr) return;
    platform::release_context(bitmap->DC);
    platform::release_surface(bitmap->IMAGE);
    delete bitmap;
    bitmap = nullptr;
}

// INITIMAGE owns these records; the named tables only point at the cells.
void release_sprites() {
    release(game::BMPMAIN);
    release(game::BMPORI);
    release(game::BMPBLANK);
    for (auto& row : game::BMP)
        for (auto& cell : row) release(cell);
}

void put16(std::ofstream& out, std::uint32_t v) {
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>((v >> 8) & 0xFF));
}

void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

void load_sprites(const fs::path& folder) {
    release_sprites();
    if (folder.empty()) {
        game::INITIMAGE();
        return;
    }
    const fs::path back = fs::current_path();
    fs::current_path(folder);
    try {
        game::INITIMAGE();
    } catch (...) {
        fs::current_path(back);
        throw;
    }
    fs::current_path(back);
}

display::COLOR pixel(display::PBITMAP bitmap, int x, int y) {
    const platform::Surface& s = *bitmap->IMAGE;
    return s.pixels[static_cast<std::size_t>(y * s.width + x)];
}

bool ink(display::PBITMAP cell, int x, int y) { return pixel(cell, x, y) == 0xFFFFFF; }

int ink_count(display::PBITMAP cell) {
    int count = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) count += ink(cell, x, y);
    return count;
}

std::vector<unsigned char> read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TempDir::TempDir() {
    std::random_device seed;
    path = fs::temp_directory_path() / ("quorvax-art-" + std::to_string(seed()));
    fs::create_directories(path);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

void write_bmp(const fs::path& path, int width, int height, bool (*white)(int x, int y)) {
    const std::uint32_t row_bytes = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t data = row_bytes * static_cast<std::uint32_t>(height);
    std::ofstream out(path, std::ios::binary);
    out.write("BM", 2);
    put32(out, 54 + data);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, 24);
    for (int i = 0; i < 6; ++i) put32(out, 0);  // compression .. important colours
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) out.put(static_cast<char>(white(x, y) ? 0xFF : 0));
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < row_bytes; ++pad)
            out.put(0);
    }
}

}  // namespace art_test
