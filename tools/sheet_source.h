// The sprite sheet's text source: 128 named cells of 8 by 8 pixels, '#' for white ink
// and '.' for black. Read by the sheet and contact-sheet tools.
#pragma once

#include <array>
#include <istream>
#include <stdexcept>
#include <string>

namespace sheet {

constexpr int ROWS = 8;
constexpr int COLUMNS = 16;
constexpr int CELL = 8;
constexpr int WIDTH = COLUMNS * CELL;   // 128
constexpr int HEIGHT = ROWS * CELL;     // 64
constexpr std::size_t MAX_NAME = 24;

struct Cell {
    std::string name;  // empty while the source has not given the cell
    std::array<std::string, CELL> pixels;
};

struct Sheet {
    Cell cells[ROWS][COLUMNS];  // [row 0..7][column 0..15]
    bool ink(int x, int y) const {
        return cells[y / CELL][x / CELL].pixels[y % CELL][x % CELL] == '#';
    }
};

// A source that breaks the format; the message names the source and its line.
struct SourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Format: blank lines and lines starting with ';' are ignored. Each cell is a header
// "cell ROW COLUMN NAME" (row 1..8, column 1..16, name of letters, digits and '-')
// followed by eight lines of eight '#' or '.'. Every cell appears exactly once.
Sheet parse(std::istream& in, const std::string& source_name);

}  // namespace sheet
