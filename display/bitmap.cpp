// Bitmap records: loading BMP files, copying rectangles into new bitmaps, and the
// colour-keyed, scaling blit between bitmaps, with all their shorter forms.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "display/display.h"
#include "platform/bmp_decode.h"
#include "platform/paths.h"

namespace display {

namespace detail {
platform::Context* DC = nullptr;
PBITMAP PMAIN = nullptr;
PBITMAP PMSCR = nullptr;
}  // namespace detail

namespace {

constexpr std::size_t NAME_LIMIT = 255;
// The header fields read: width at 18, height at 22, key colour at 50, 4 bytes each.
constexpr std::size_t HEADER_BYTES = 54;

std::uint32_t read_u32(const unsigned char* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

struct Header {
    std::uint32_t width = 0, height = 0;
    COLOR key = 0;
};

Header read_header(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) throw IoError(path + ": cannot open: " + std::strerror(errno));
    unsigned char bytes[HEADER_BYTES];
    const std::size_t got = std::fread(bytes, 1, sizeof bytes, file);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) throw IoError(path + ": cannot read: " + std::strerror(error));
    if (got < sizeof bytes) throw IoError(path + ": file too short for a BMP header");

    Header header;
    header.width = read_u32(bytes + 18);
    // A negative height marks rows stored top-down; the image is as tall as its magnitude.
    const auto height = static_cast<std::int32_t>(read_u32(bytes + 22));
    header.height = height < 0 ? 0u - static_cast<std::uint32_t>(height) : static_cast<std::uint32_t>(height);
    header.key = read_u32(bytes + 50);
    return header;
}

// Bitmap coordinates are unsigned; the surfaces take them as signed, wrapping as the
// platform's 32-bit coordinates do, so a huge value acts as a negative one.
int coord(std::uint32_t value) { return static_cast<std::int32_t>(value); }

platform::Context* new_context(platform::Surface* image) {
    platform::Context* context = platform::create_context();
    context->target = image;
    return context;
}

// A blank surface of the recorded size, for a source that has no image of its own.
platform::Surface* blank_of_recorded_size(const BITMAPREC& source) {
    if (source.WIDTH > INT32_MAX || source.HEIGHT > INT32_MAX) return nullptr;
    return platform::create_surface(coord(source.WIDTH), coord(source.HEIGHT));
}

}  // namespace

PBITMAP LOADBMP(const std::string& name) {
    const std::string path = platform::native_path(name);
    const Header header = read_header(path);
    auto* bitmap = new BITMAPREC;
    bitmap->FILENAME = name.substr(0, NAME_LIMIT);
    bitmap->WIDTH = header.width;
    bitmap->HEIGHT = header.height;
    bitmap->KEYCOLOR = header.key;
    bitmap->IMAGE = platform::decode_bmp(path);
    bitmap->DC = new_context(bitmap->IMAGE);
    return bitmap;
}

PBITMAP LOADBMP(const std::string& name, COLOR key) {
    PBITMAP bitmap = LOADBMP(name);
    bitmap->KEYCOLOR = key;
    return bitmap;
}

void DRAWBMP(PBITMAP src, PBITMAP dst, std::uint32_t sx, std::uint32_t sy, std::uint32_t sw,
             std::uint32_t sh, std::uint32_t dx, std::uint32_t dy, std::uint32_t dw,
             std::uint32_t dh, COLOR key) {
    if (!src || !dst || !src->DC || !dst->DC) return;
    platform::keyed_blit(*src->DC, coord(sx), coord(sy), coord(sw), coord(sh), *dst->DC, coord(dx),
                         coord(dy), coord(dw), coord(dh), key);
}

void DRAWBMP(PBITMAP src, PBITMAP dst, std::uint32_t sx, std::uint32_t sy, std::uint32_t dx,
             std::uint32_t dy, std::uint32_t w, std::uint32_t h, COLOR key) {
    DRAWBMP(src, dst, sx, sy, w, h, dx, dy, w, h, key);
}

void DRAWBMP(PBITMAP src, PBITMAP dst, std::uint32_t x, std::uint32_t y, std::uint32_t w,
             std::uint32_t h, COLOR key) {
    DRAWBMP(src, dst, 0, 0, x, y, w, h, key);
}

void DRAWBMP(PBITMAP src, PBITMAP dst, std::uint32_t x, std::uint32_t y, COLOR key) {
    if (!src) return;
    DRAWBMP(src, dst, x, y, src->WIDTH, src->HEIGHT, key);
}

void DRAWBMP(PBITMAP src, PBITMAP dst, COLOR key) { DRAWBMP(src, dst, 0, 0, key); }

void DRAWBMP(PBITMAP src, PBITMAP dst) {
    if (!src) return;
    DRAWBMP(src, dst, src->KEYCOLOR);
}

PBITMAP COPYBMP(PBITMAP src, std::uint32_t sx, std::uint32_t sy, std::uint32_t sw,
                std::uint32_t sh, std::uint32_t dx, std::uint32_t dy, std::uint32_t dw,
                std::uint32_t dh, COLOR key) {
    if (!src) return nullptr;
    auto* bitmap = new BITMAPREC;
    bitmap->IMAGE = platform::copy_surface(src->IMAGE);
    if (!bitmap->IMAGE) bitmap->IMAGE = blank_of_recorded_size(*src);
    bitmap->DC = new_context(bitmap->IMAGE);
    // The fill paints the key-coloured pixels that the blit then skips, so the
    // rectangle becomes an exact copy; key 1 is the null brush and fills nothing.
    SETBRUSHCOLOR(bitmap, key);
    platform::fill_rect(*bitmap->DC, coord(dx), coord(dy), coord(dw), coord(dh));
    DRAWBMP(src, bitmap, sx, sy, sw, sh, dx, dy, dw, dh, key);
    bitmap->WIDTH = dw;
    bitmap->HEIGHT = dh;
    bitmap->KEYCOLOR = key;
    return bitmap;
}

PBITMAP COPYBMP(PBITMAP src, std::uint32_t sx, std::uint32_t sy, std::uint32_t dx,
                std::uint32_t dy, std::uint32_t w, std::uint32_t h, COLOR key) {
    return COPYBMP(src, sx, sy, w, h, dx, dy, w, h, key);
}

PBITMAP COPYBMP(PBITMAP src, std::uint32_t sx, std::uint32_t sy, std::uint32_t dx,
                std::uint32_t dy, std::uint32_t w, std::uint32_t h) {
    if (!src) return nullptr;
    return COPYBMP(src, sx, sy, dx, dy, w, h, src->KEYCOLOR);
}

PBITMAP COPYBMP(PBITMAP src, std::uint32_t x, std::uint32_t y, std::uint32_t w, std::uint32_t h,
                COLOR key) {
    return COPYBMP(src, 0, 0, x, y, w, h, key);
}

PBITMAP COPYBMP(PBITMAP src, std::uint32_t x, std::uint32_t y, COLOR key) {
    if (!src) return nullptr;
    return COPYBMP(src, x, y, src->WIDTH, src->HEIGHT, key);
}

PBITMAP COPYBMP(PBITMAP src, COLOR key) { return COPYBMP(src, 0, 0, key); }

PBITMAP COPYBMP(PBITMAP src) {
    if (!src) return nullptr;
    return COPYBMP(src, src->KEYCOLOR);
}

}  // namespace display
