// BMP files into surfaces, over SDL's BMP loader (every depth and row order SDL
// reads). Needs no SDL_Init. The header is checked first, so that a corrupt size
// never makes SDL allocate a huge surface for a small file.
#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/bmp_decode.h"
#include "platform/paths.h"

namespace platform {

namespace {

std::uint32_t read_u32(const unsigned char* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint16_t read_u16(const unsigned char* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

// Whether the header states a size within the surface caps and, for uncompressed
// pixels, a pixel array that the file is long enough to hold.
bool header_plausible(SDL_RWops* file) {
    unsigned char header[34] = {};
    if (SDL_RWread(file, header, 1, sizeof header) != sizeof header) return false;
    if (header[0] != 'B' || header[1] != 'M') return false;
    const std::uint32_t info_size = read_u32(header + 14);
    std::int64_t width, height, bits, compression = 0;
    if (info_size == 12) {
        width = read_u16(header + 18);
        height = read_u16(header + 20);
        bits = read_u16(header + 24);
    } else {
        width = static_cast<std::int32_t>(read_u32(header + 18));
        height = std::llabs(static_cast<std::int32_t>(read_u32(header + 22)));
        bits = read_u16(header + 28);
        compression = read_u32(header + 30);
    }
    if (width <= 0 || height <= 0 || width > MAX_SURFACE_SIDE || height > MAX_SURFACE_SIDE) return false;
    if (width * height > MAX_SURFACE_PIXELS) return false;
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
    if (!uncompressed) return true;
    const std::int64_t row_bytes = (width * bits + 31) / 32 * 4;
    const std::int64_t pixel_offset = read_u32(header + 10);
    return pixel_offset + row_bytes * height <= SDL_RWsize(file);
}

struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SdlSurface = std::unique_ptr<SDL_Surface, SurfaceFree>;

}  // namespace

Surface* decode_bmp(const std::string& path) {
    SDL_RWops* file = SDL_RWFromFile(native_path(path).c_str(), "rb");
    if (!file) return nullptr;
    if (!header_plausible(file) || SDL_RWseek(file, 0, RW_SEEK_SET) != 0) {
        SDL_RWclose(file);
        return nullptr;
    }
    const SdlSurface loaded(SDL_LoadBMP_RW(file, 1));
    if (!loaded) return nullptr;
    const SdlSurface abgr(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ABGR8888, 0));
    if (!abgr) return nullptr;

    Surface* surface = create_surface(abgr->w, abgr->h);
    if (!surface) return nullptr;
    const auto* bytes = static_cast<const unsigned char*>(abgr->pixels);
    for (int y = 0; y < abgr->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(bytes + std::size_t(y) * abgr->pitch);
        Colour* out = surface->pixels.data() + std::size_t(y) * abgr->w;
        // ABGR8888 is a packed 0xAABBGGRR value: dropping alpha leaves our colour.
        for (int x = 0; x < abgr->w; ++x) out[x] = row[x] & 0x00FFFFFFu;
    }
    return surface;
}

}  // namespace platform
