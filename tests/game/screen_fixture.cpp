// Shared set-up for the screen and flow tests (see screen_fixture.h).
#include "screen_fixture.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "game/flow/flow.h"
#include "game/screen/sprites.h"
#include "game/sim/state.h"
#include "platform/headless/headless.h"

namespace screen_test {

namespace fs = std::filesystem;
using display::PBITMAP;

display::COLOR marker(int row, int column) {
    return 0x400000u | static_cast<display::COLOR>(row) << 12 | static_cast<display::COLOR>(column) << 4;
}

int glyph_row(char character) { return 5 + (static_cast<unsigned char>(character) - 32) / 16; }
int glyph_column(char character) { return 1 + (static_cast<unsigned char>(character) - 32) % 16; }

void write_bmp(const std::string& path, int width, int height,
               display::COLOR (*pixel)(int x, int y)) {
    const int row_bytes = (width * 3 + 3) & ~3;
    const std::uint32_t image_size = static_cast<std::uint32_t>(row_bytes * height);
    std::vector<unsigned char> data(54 + image_size, 0);
    auto put32 = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) data[at + i] = static_cast<unsigned char>(value >> (8 * i));
    };
    data[0] = 'B';
    data[1] = 'M';
    put32(2, static_cast<std::uint32_t>(data.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    data[26] = 1;
    data[28] = 24;
    put32(34, image_size);
    for (int y = 0; y < height; ++y) {
        unsigned char* out = &data[54 + static_cast<std::size_t>(row_bytes) * (height - 1 - y)];
        for (int x = 0; x < width; ++x) {
            const display::COLOR c = pixel(x, y);
            out[3 * x] = static_cast<unsigned char>(c >> 16);     // blue
            out[3 * x + 1] = static_cast<unsigned char>(c >> 8);  // green
            out[3 * x + 2] = static_cast<unsigned char>(c);       // red
        }
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data.data()),
                                                 static_cast<std::streamsize>(data.size()));
}

namespace {

display::COLOR sheet_pixel(int x, int y) {
    const int row = y / 8 + 1, column = x / 8 + 1;
    if (row == SPACE_ROW && column == SPACE_COLUMN) return 0;
    if (x % 8 == 0 && y % 8 == 0) return marker(row, column);
    if (x % 8 == 7 && y % 8 == 7) return 0;
    return 0xFFFFFF;
}

display::COLOR black(int, int) { return 0; }

// Every sprite table INITIMAGE fills, kept so that a sheet is cut only once per
// process however often the fixtures switch between sheets.
struct Sheet {
    PBITMAP main, ori, cells[9][17], ship[3], shipx[3][3], ufo1[3], ufo1x[3], ufo2[4], ufo2x[4],
        wallr[5][5], wallt1[3][3], wallt2[3][3], wallt, bullet[4][5], invader[6][3], invaderx,
        chars[96], blank;
};

template <typename T>
void copy_table(T& to, const T& from) {
    std::memcpy(&to, &from, sizeof(T));
}

Sheet save_sheet() {
    using namespace game;
    Sheet s{};
    s.main = BMPMAIN, s.ori = BMPORI, s.wallt = BMPWALLT, s.invaderx = BMPINVADERX, s.blank = BMPBLANK;
    copy_table(s.cells, BMP), copy_table(s.ship, BMPSHIP), copy_table(s.shipx, BMPSHIPX);
    copy_table(s.ufo1, BMPUFO1), copy_table(s.ufo1x, BMPUFO1X), copy_table(s.ufo2, BMPUFO2);
    copy_table(s.ufo2x, BMPUFO2X), copy_table(s.wallr, BMPWALLR), copy_table(s.wallt1, BMPWALLT1);
    copy_table(s.wallt2, BMPWALLT2), copy_table(s.bullet, BMPBULLET);
    copy_table(s.invader, BMPINVADER), copy_table(s.chars, BMPCHAR);
    return s;
}

void restore_sheet(const Sheet& s) {
    using namespace game;
    BMPMAIN = s.main, BMPORI = s.ori, BMPWALLT = s.wallt, BMPINVADERX = s.invaderx, BMPBLANK = s.blank;
    copy_table(BMP, s.cells), copy_table(BMPSHIP, s.ship), copy_table(BMPSHIPX, s.shipx);
    copy_table(BMPUFO1, s.ufo1), copy_table(BMPUFO1X, s.ufo1x), copy_table(BMPUFO2, s.ufo2);
    copy_table(BMPUFO2X, s.ufo2x), copy_table(BMPWALLR, s.wallr), copy_table(BMPWALLT1, s.wallt1);
    copy_table(BMPWALLT2, s.wallt2), copy_table(BMPBULLET, s.bullet);
    copy_table(BMPINVADER, s.invader), copy_table(BMPCHAR, s.chars);
}

// Runs INITIMAGE with the working directory at folder, once; later calls bring the
// same sheet back.
void use_sheet(const fs::path& folder) {
    static std::map<std::string, Sheet> cut;
    const auto found = cut.find(folder.string());
    if (found != cut.end()) return restore_sheet(found->second);
    const fs::path back = fs::current_path();
    fs::current_path(folder);
    try {
        game::INITIMAGE();
    } catch (...) {
        fs::current_path(back);
        throw;
    }
    fs::current_path(back);
    cut[folder.string()] = save_sheet();
}

}  // namespace

void load_test_sheet() {
    static fs::path folder;
    if (folder.empty()) {
        std::string pattern = (fs::temp_directory_path() / "quorvax-sheet-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        fs::create_directory(folder / "image");
        write_bmp((folder / "image" / "blank.bmp").string(), 192, 192, black);
        write_bmp((folder / "image" / "quorvax.bmp").string(), 128, 64, sheet_pixel);
        use_sheet(folder);
        fs::remove_all(folder);  // cut and kept in memory from now on
        return;
    }
    use_sheet(folder);
}

void load_real_art() { use_sheet(fs::current_path()); }

void open_window() {
    // Other fixtures of this program may have reset the headless desktop since.
    if (platform::headless::window_pixels() == nullptr) display::CREATEWIN(game::W, game::H);
}

display::COLOR frame_pixel(int x, int y) {
    const platform::Surface& s = *game::BMPMAIN->IMAGE;
    return s.pixels[static_cast<std::size_t>(y * s.width + x)];
}

void fill_frame(display::COLOR colour) { display::BAR(game::BMPMAIN, 0, 0, 192, 192, colour); }

display::COLOR window_pixel(int x, int y) {
    const platform::Surface& s = *display::detail::PMAIN->IMAGE;
    return s.pixels[static_cast<std::size_t>(y * s.width + x)];
}

void clear_game_state() {
    using namespace game;
    for (auto& column : INVADER)
        for (auto& invader : column) invader = ACTOR{};
    for (auto& column : WALL)
        for (auto& row : column)
            for (auto& piece : row) piece = ACTOR{};
    for (auto& bullet : BULLET) bullet = ACTOR{};
    SHIP = BULLETSHIP = UFO1 = UFO2 = ACTOR{};
    INVADERS = 1;
    INVADERNUM = 1;
    STARTNUM = WAITFRAME;
    ENDNUM = 0;
    LEVEL = 1;
    SCORE = 0;
    LIFE = 1;
    GAMEOVER = true;
}

std::string presented_frame_text() {
    std::vector<display::COLOR> pixels;
    std::map<display::COLOR, char> palette;
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 192; ++x) palette[pixels.emplace_back(window_pixel(2 * x, 2 * y))] = 0;
    // Black is '.', the other colours take letters in the order of their values.
    const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::ostringstream out;
    out << "quorvax-frame 192x192\n";
    std::size_t next = 0;
    for (auto& [colour, name] : palette) {
        name = colour == 0 ? '.' : letters.at(next++);
        char hex[8];
        std::snprintf(hex, sizeof hex, "%06X", colour);
        out << "colour " << name << ' ' << hex << '\n';
    }
    for (int y = 0; y < 192; ++y) {
        int x = 0;
        while (x < 192) {
            const display::COLOR colour = pixels[static_cast<std::size_t>(y * 192 + x)];
            int run = 1;
            while (x + run < 192 && pixels[static_cast<std::size_t>(y * 192 + x + run)] == colour) ++run;
            out << run << palette[colour];
            x += run;
        }
        out << '\n';
    }
    return out.str();
}

std::string compare_golden(const std::string& name, const std::string& text) {
    const fs::path file = fs::path(__FILE__).parent_path() / "golden" / (name + ".txt");
    const char* update = std::getenv("QUORVAX_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        std::ofstream(file) << text;
        return "";
    }
    std::ifstream in(file);
    if (!in) return "no golden file " + file.string() + " (make it with QUORVAX_UPDATE_GOLDEN=1)";
    std::stringstream stored;
    stored << in.rdbuf();
    if (stored.str() == text) return "";
    std::istringstream a(stored.str()), b(text);
    std::string line_a, line_b;
    for (int line = 1;; ++line) {
        const bool more_a = static_cast<bool>(std::getline(a, line_a));
        const bool more_b = static_cast<bool>(std::getline(b, line_b));
        if (!more_a && !more_b) break;
        if (line_a != line_b || more_a != more_b)
            return name + " differs at line " + std::to_string(line) + ": golden \"" + line_a +
                   "\", drawn \"" + line_b + "\"";
    }
    return name + " differs";
}

}  // namespace screen_test
