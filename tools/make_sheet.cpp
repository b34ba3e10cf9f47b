// Builds the game's two images from the sheet's text source:
//   make_sheet SHEET.txt IMAGE_DIR
// writes IMAGE_DIR/quorvax.bmp (the 128 by 64 sprite sheet, white ink on black) and
// IMAGE_DIR/blank.bmp (the 192 by 192 black frame), both plain 24-bit BMP files.
#include <SDL.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "tools/sheet_source.h"

namespace {

constexpr int BLANK_SIDE = 192;

// A 24-bit surface, black; nullptr when SDL cannot make it.
SDL_Surface* black_surface(int width, int height) {
    return SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_BGR24);
}

void set_white(SDL_Surface* surface, int x, int y) {
    auto* p = static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * 3;
    p[0] = p[1] = p[2] = 0xFF;
}

bool save(SDL_Surface* surface, const std::string& path) {
    bool ok = surface != nullptr && SDL_SaveBMP(surface, path.c_str()) == 0;
    if (!ok) std::fprintf(stderr, "make_sheet: cannot write %s: %s\n", path.c_str(), SDL_GetError());
    SDL_FreeSurface(surface);
    return ok;
}

SDL_Surface* draw_sheet(const sheet::Sheet& sheet) {
    SDL_Surface* surface = black_surface(sheet::WIDTH, sheet::HEIGHT);
    if (surface == nullptr) return nullptr;
    for (int y = 0; y < sheet::HEIGHT; ++y)
        for (int x = 0; x < sheet::WIDTH; ++x)
            if (sheet.ink(x, y)) set_white(surface, x, y);
    return surface;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_sheet SHEET.txt IMAGE_DIR\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "make_sheet: cannot read %s\n", argv[1]);
        return 1;
    }
    sheet::Sheet source;
    try {
        source = sheet::parse(in, argv[1]);
    } catch (const sheet::SourceError& error) {
        std::fprintf(stderr, "make_sheet: %s\n", error.what());
        return 1;
    }
    const std::string dir = argv[2];
    bool ok = save(draw_sheet(source), dir + "/quorvax.bmp");
    ok = save(black_surface(BLANK_SIDE, BLANK_SIDE), dir + "/blank.bmp") && ok;
    return ok ? 0 : 1;
}
