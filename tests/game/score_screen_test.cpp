// The high-score screen: where each piece of a row lands and in which colour, what a
// name outside the font shows, which keys leave the screen, and that opening it saves
// the table.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "display/display.h"
#include "game/score/score_table.h"
#include "game/screen/text.h"
#include "platform/backend.h"
#include "platform/headless/headless.h"
#include "score_fixture.h"

namespace {

namespace fs = std::filesystem;

// A stretch of equal, non-black pixels on one logical row, ends included.
struct Span {
    int from, to;
    display::COLOR colour;
    bool operator==(const Span&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Span& r) {
    return out << "[" << r.from << ".." << r.to << " 0x" << std::hex << r.colour << std::dec << "]";
}

// The runs of text row `row` as the window shows it (each logical pixel is 2 by 2).
std::vector<Span> row_spans(int row) {
    const platform::Surface* window = platform::headless::window_pixels();
    const int y = 2 * (8 * row + 4);
    std::vector<Span> runs;
    for (int x = 0; x < 192; ++x) {
        const display::COLOR c = window->pixels[static_cast<std::size_t>(y * window->width + 2 * x)];
        if (c == 0) continue;
        if (!runs.empty() && runs.back().to == x - 1 && runs.back().colour == c) {
            runs.back().to = x;
        } else {
            runs.push_back({x, x, c});
        }
    }
    return runs;
}

class HighScoreScreen : public ::testing::Test {
protected:
    void SetUp() override {
        score_test::open_window();
        saved_art_ = score_test::install_block_font();
        game::DRAWBLANK = false;  // other suites may leave it set
        game::SCORENUM = 0;
    }
    void TearDown() override {
        score_test::restore_art(saved_art_);
        score_test::open_window();
        game::SCORENUM = 0;
    }
    score_test::SavedArt saved_art_{};
};

TEST_F(HighScoreScreen, EmptyTableShowsOnlyTheTitle) {
    game::DRAWHIGHSCORE();

    for (int row = 0; row < 24; ++row) {
        const std::vector<Span> expected =
            row == 2 ? std::vector<Span>{{56, 87, 0xFFFFFF}, {96, 135, 0xFFFFFF}} : std::vector<Span>{};
        EXPECT_EQ(row_spans(row), expected) << "row " << row;
    }
}

struct RowCase {
    const char* what;
    std::uint32_t rank;
    game::SCOREREC entry;
    std::vector<Span> runs;
};

void PrintTo(const RowCase& c, std::ostream* out) { *out << c.what; }

const RowCase ROW_CASES[] = {
    {"rank 1 in red: rank in column 1, wave from column 3, name left of centre, points "
     "ending in column 22",
     1, {12, "ACE", 1230},
     {{8, 15, 0x3333FF}, {24, 39, 0x3333FF}, {76, 99, 0x3333FF}, {152, 183, 0x3333FF}}},
    {"rank 10 in dark grey: its digits at x 4 to 19", 10, {1, "ACE", 1230},
     {{4, 19, 0x333333}, {24, 31, 0x333333}, {76, 99, 0x333333}, {152, 183, 0x333333}}},
    {"rank 5 in cyan with a minus sign before negative points", 5, {2, "KID", -5},
     {{8, 15, 0xFFFF00}, {24, 31, 0xFFFF00}, {76, 99, 0xFFFF00}, {168, 183, 0xFFFF00}}},
    {"characters outside the font show as blanks", 3, {1, std::string("A{\x01\xC8") + "B", 7},
     {{8, 15, 0x33FFFF}, {24, 31, 0x33FFFF}, {68, 75, 0x33FFFF}, {100, 107, 0x33FFFF},
      {176, 183, 0x33FFFF}}},
    {"empty name", 2, {3, "", 0},
     {{8, 15, 0x3399FF}, {24, 31, 0x3399FF}, {176, 183, 0x3399FF}}},
};

class HighScoreRows : public HighScoreScreen, public ::testing::WithParamInterface<RowCase> {};

TEST_P(HighScoreRows, DrawsTheRowInItsPlaceAndColour) {
    const RowCase& c = GetParam();
    game::SCORENUM = 10;
    for (std::uint32_t rank = 1; rank <= 10; ++rank) game::SCOREA[rank] = {1, "", 0};
    game::SCOREA[c.rank] = c.entry;

    game::DRAWHIGHSCORE();

    EXPECT_EQ(row_spans(2 * (static_cast<int>(c.rank) + 1)), c.runs);
    EXPECT_EQ(row_spans(3), std::vector<Span>{}) << "rows between entries stay black";
}

INSTANTIATE_TEST_SUITE_P(Cases, HighScoreRows, ::testing::ValuesIn(ROW_CASES),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(HighScoreScreen, ShowsOnlyTheValidEntries) {
    game::SCORENUM = 2;
    for (std::uint32_t rank = 1; rank <= 10; ++rank) game::SCOREA[rank] = {1, "X", 10};

    game::DRAWHIGHSCORE();

    EXPECT_FALSE(row_spans(6).empty());
    for (int row = 8; row <= 22; row += 2) EXPECT_EQ(row_spans(row), std::vector<Span>{}) << row;
}

struct Stuck {};

// The screen loop, run in a folder of its own since opening the screen saves the table.
class HighScoreLoop : public HighScoreScreen, public ::testing::WithParamInterface<std::uint32_t> {
protected:
    void SetUp() override {
        HighScoreScreen::SetUp();
        old_dir_ = fs::current_path();
        char pattern[] = "/tmp/quorvax_screen_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        fs::current_path(dir_);
        platform::headless::at_time(3000, [] { throw Stuck{}; });
    }
    void TearDown() override {
        fs::current_path(old_dir_);
        fs::remove_all(dir_);
        HighScoreScreen::TearDown();
    }
    fs::path old_dir_, dir_;
};

TEST_P(HighScoreLoop, SavesTheTableThenLeavesOnlyOnItsKeys) {
    const std::uint32_t key = GetParam();
    std::ofstream("quorvax_score.dat", std::ios::binary) << "1\n2\nACE\n50\n";
    game::SCORENUM = 1;
    game::SCOREA[1] = {2, "ACE", 50};
    platform::headless::script_key(20, 13, false);  // a key-up of Enter
    platform::headless::script_key(30, 'A', true);
    platform::headless::script_key(40, 38, true);
    platform::headless::script_key(60, key, true);
    score_test::SoundLog log;

    try {
        game::HIGHSCORE();
    } catch (const Stuck&) {
        FAIL() << "the screen was not left";
    }

    EXPECT_GE(display::GETTIME(), 60u) << "left before the key";
    EXPECT_TRUE(display::ISKEY(key)) << "the closing key stays the current message";
    EXPECT_EQ(log.plays(), std::vector<std::string>{"hit"});
    EXPECT_EQ(platform::backend::caption(), "High Score");
    std::ifstream in("quorvax_score.dat", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "1\r\n2\r\nACE\r\n50\r\n");
}

INSTANTIATE_TEST_SUITE_P(SpaceEnterEscape, HighScoreLoop, ::testing::Values(32u, 13u, 27u));

}  // namespace
