// Draws the sprite sheet for people to check:
//   make_contact_sheet SHEET.txt OUT.png
// Every cell enlarged 8 times on a pixel grid, framed, with its place and its name
// written below it in the sheet's own glyphs.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/sheet_source.h"

namespace {

constexpr int ZOOM = 8;
constexpr int SPRITE = sheet::CELL * ZOOM;          // 64
constexpr int CHARS_PER_LINE = SPRITE / sheet::CELL;  // 8
constexpr int LABEL_LINES = 1 + sheet::MAX_NAME / CHARS_PER_LINE;
constexpr int LINE_HEIGHT = sheet::CELL + 1;
constexpr int BOX_WIDTH = SPRITE + 8;
constexpr int BOX_HEIGHT = SPRITE + 6 + LABEL_LINES * LINE_HEIGHT;
constexpr int IMAGE_WIDTH = sheet::COLUMNS * BOX_WIDTH + 1;
constexpr int IMAGE_HEIGHT = sheet::ROWS * BOX_HEIGHT + 1;

struct Rgb {
    std::uint8_t r, g, b;
};
constexpr Rgb INK{255, 255, 255};
constexpr Rgb PIXEL_GRID{40, 40, 56};
constexpr Rgb FRAME{110, 110, 140};
constexpr Rgb LABEL{255, 210, 60};

struct Image {
    std::vector<std::uint8_t> rgb = std::vector<std::uint8_t>(IMAGE_WIDTH * IMAGE_HEIGHT * 3, 0);
    void set(int x, int y, Rgb c) {
        if (x < 0 || y < 0 || x >= IMAGE_WIDTH || y >= IMAGE_HEIGHT) return;
        std::uint8_t* p = &rgb[(y * IMAGE_WIDTH + x) * 3];
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
    }
};

void draw_sprite(Image& image, const sheet::Cell& cell, int left, int top) {
    for (int y = 0; y < SPRITE; ++y)
        for (int x = 0; x < SPRITE; ++x) {
            bool grid = x % ZOOM == 0 || y % ZOOM == 0;
            if (cell.pixels[y / ZOOM][x / ZOOM] == '#')
                image.set(left + x, top + y, INK);
            else if (grid)
                image.set(left + x, top + y, PIXEL_GRID);
        }
}

// Writes text with the sheet's glyphs, one cell per character; codes outside the
// font (32 to 95) show as '?'.
void draw_text(Image& image, const sheet::Sheet& font, const std::string& text, int left, int top) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        int code = std::toupper(static_cast<unsigned char>(text[i]));
        if (code < 32 || code > 95) code = '?';
        const sheet::Cell& glyph = font.cells[4 + (code - 32) / 16][(code - 32) % 16];
        for (int y = 0; y < sheet::CELL; ++y)
            for (int x = 0; x < sheet::CELL; ++x)
                if (glyph.pixels[y][x] == '#')
                    image.set(left + static_cast<int>(i) * sheet::CELL + x, top + y, LABEL);
    }
}

void draw_frames(Image& image) {
    for (int x = 0; x < IMAGE_WIDTH; ++x)
        for (int row = 0; row <= sheet::ROWS; ++row) image.set(x, row * BOX_HEIGHT, FRAME);
    for (int y = 0; y < IMAGE_HEIGHT; ++y)
        for (int column = 0; column <= sheet::COLUMNS; ++column)
            image.set(column * BOX_WIDTH, y, FRAME);
}

void draw_box(Image& image, const sheet::Sheet& sheet, int row, int column) {
    const sheet::Cell& cell = sheet.cells[row][column];
    int left = column * BOX_WIDTH + 4;
    int top = row * BOX_HEIGHT + 3;
    draw_sprite(image, cell, left, top);
    int text_top = top + SPRITE + 3;
    draw_text(image, sheet, std::to_string(row + 1) + "," + std::to_string(column + 1), left,
              text_top);
    for (std::size_t start = 0, line = 1; start < cell.name.size();
         start += CHARS_PER_LINE, ++line)
        draw_text(image, sheet, cell.name.substr(start, CHARS_PER_LINE), left,
                  text_top + static_cast<int>(line) * LINE_HEIGHT);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_contact_sheet SHEET.txt OUT.png\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::fprintf(stderr, "make_contact_sheet: cannot read %s\n", argv[1]);
        return 1;
    }
    sheet::Sheet source;
    try {
        source = sheet::parse(in, argv[1]);
    } catch (const sheet::SourceError& error) {
        std::fprintf(stderr, "make_contact_sheet: %s\n", error.what());
        return 1;
    }
    Image image;
    draw_frames(image);
    for (int row = 0; row < sheet::ROWS; ++row)
        for (int column = 0; column < sheet::COLUMNS; ++column) draw_box(image, source, row, column);
    if (!stbi_write_png(argv[2], IMAGE_WIDTH, IMAGE_HEIGHT, 3, image.rgb.data(), IMAGE_WIDTH * 3)) {
        std::fprintf(stderr, "make_contact_sheet: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
