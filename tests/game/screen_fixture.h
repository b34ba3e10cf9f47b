// Shared set-up for the screen and flow tests: a sprite sheet of our own whose cells
// say where they came from, the real art of the build folder, the one headless window,
// and reading pixels back from the logical frame and the back buffer.
#pragma once

#include <cstdint>
#include <string>

#include "display/display.h"

namespace screen_test {

// Every cell of the test sheet carries a marker pixel at its top-left corner whose
// colour names the cell (row and column of the sheet), a black pixel at (7, 7) and
// white ink everywhere else. The space glyph is all black.
display::COLOR marker(int row, int column);
constexpr int SPACE_ROW = 5, SPACE_COLUMN = 1;

// The sheet cell that holds a character's glyph.
int glyph_row(char character);
int glyph_column(char character);

// Writes a 24-bit BMP of width by height whose pixel (x, y) is pixel(x, y).
void write_bmp(const std::string& path, int width, int height,
               display::COLOR (*pixel)(int x, int y));

// Cuts the test sheet with INITIMAGE (from a temporary folder).
void load_test_sheet();
// Cuts the real art of the build folder (image/ in the working directory).
void load_real_art();
// Opens the headless window unless one is open.
void open_window();

// The logical frame.
display::COLOR frame_pixel(int x, int y);
void fill_frame(display::COLOR colour);
// The back buffer (the window's contents).
display::COLOR window_pixel(int x, int y);

// Clears every object of the game state, so a test sets only what it draws.
void clear_game_state();

// The logical frame as read from the 2x back buffer after a presentation, in the
// compact text form of the golden files: a palette, then one run-length line per row.
std::string presented_frame_text();
// Compares text with tests/game/golden/<name>.txt, or rewrites that file when
// QUORVAX_UPDATE_GOLDEN=1. Returns an empty string on a match, else a description.
std::string compare_golden(const std::string& name, const std::string& text);

}  // namespace screen_test
