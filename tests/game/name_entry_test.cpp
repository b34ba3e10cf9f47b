// Name entry: keys to characters with and without Shift and the sounds they make,
// the Enter or Escape that ends it (also when its character message follows it within
// the frame), the overlay it draws, and where the finished game goes into the table.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "display/display.h"
#include "game/flow/flow.h"
#include "game/score/score_table.h"
#include "game/screen/text.h"
#include "game/sim/state.h"
#include "platform/headless/headless.h"
#include "score_fixture.h"

namespace {

using score_test::SoundLog;

constexpr std::uint32_t BACKSPACE = 8, ENTER = 13, SHIFT = 16, ESCAPE = 27, SPACE = 32,
                        LEFT = 37, UP = 38, NUMPAD_1 = 97, F1 = 112, TAB = 9;

// One scripted key event: the key and whether it goes down.
using Strokes = std::vector<std::pair<std::uint32_t, bool>>;

Strokes tap(std::initializer_list<std::uint32_t> keys) {
    Strokes strokes;
    for (const std::uint32_t key : keys) {
        strokes.emplace_back(key, true);
        strokes.emplace_back(key, false);
    }
    return strokes;
}

Strokes with_shift(const Strokes& inner) {
    Strokes strokes{{SHIFT, true}};
    strokes.insert(strokes.end(), inner.begin(), inner.end());
    strokes.emplace_back(SHIFT, false);
    return strokes;
}

Strokes operator+(Strokes a, const Strokes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Strokes letters(const std::string& text) {
    Strokes strokes;
    for (const char c : text) strokes = strokes + tap({static_cast<std::uint32_t>(c)});
    return strokes;
}

struct Stuck {};

class NameEntry : public ::testing::Test {
protected:
    void SetUp() override {
        score_test::open_window();
        saved_art_ = score_test::install_block_font();
        game::DRAWBLANK = false;  // other suites may leave it set
        game::SHIFTON = false;
        game::GAMEOVER = true;
        game::SHIP = {40, 184, 0};
        game::LEVEL = 3;
        game::SCORE = 120;
        game::SCORENUM = 0;
        game::FRAMENUM = 0;
        game::STARTTIME = display::GETTIME();
        // A name entry that never ends shows as a failure, not as a hung test.
        platform::headless::at_time(3000, [] { throw Stuck{}; });
    }
    void TearDown() override {
        score_test::restore_art(saved_art_);
        score_test::open_window();
    }

    // Scripts the strokes 7 ms apart from `from` on; returns the time after the last.
    static std::uint32_t script(const Strokes& strokes, std::uint32_t from = 20) {
        std::uint32_t t = from;
        for (const auto& [key, down] : strokes) {
            platform::headless::script_key(t, key, down);
            t += 7;
        }
        return t;
    }

    score_test::SavedArt saved_art_{};

    static void run() {
        try {
            game::GETHIGHSCORE();
        } catch (const Stuck&) {
            FAIL() << "name entry did not end";
        }
    }
};

struct KeyCase {
    const char* what;
    Strokes strokes;  // Enter follows them
    std::string name;
    std::vector<std::string> sounds;  // the closing "ufohit" included
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.what; }

const std::vector<std::string> FIRE_12(12, "fire");

std::vector<std::string> sounds(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const KeyCase KEY_CASES[] = {
    {"letters", letters("ABC"), "ABC", {"fire", "fire", "fire", "ufohit"}},
    {"backspace removes the last character", letters("ABC") + tap({BACKSPACE}), "AB",
     {"fire", "fire", "fire", "hit", "ufohit"}},
    {"backspace on an empty name", tap({BACKSPACE, BACKSPACE}), "", {"hit", "hit", "ufohit"}},
    {"digit keys", letters("0123456789"), "0123456789",
     sounds(std::vector<std::string>(10, "fire"), {"ufohit"})},
    {"punctuation keys", tap({186, 187, 188, 189, 190, 191, 219, 220, 221, 222}), ";=,-./[\\]'",
     sounds(std::vector<std::string>(10, "fire"), {"ufohit"})},
    {"shifted digits", with_shift(letters("0123456789")), ")!@#$%^&*(",
     sounds(std::vector<std::string>(10, "fire"), {"ufohit"})},
    {"shifted punctuation; braces and bar refused silently",
     with_shift(tap({186, 187, 188, 189, 190, 191, 219, 220, 221, 222})), ":+<_>?\"",
     sounds(std::vector<std::string>(7, "fire"), {"ufohit"})},
    {"letters stay capitals with Shift", with_shift(letters("QZ")), "QZ",
     {"fire", "fire", "ufohit"}},
    {"Shift released turns shifting off", with_shift(letters("1")) + letters("1"), "!1",
     {"fire", "fire", "ufohit"}},
    {"keys without a character add nothing silently",
     tap({SPACE, LEFT, UP, NUMPAD_1, F1, TAB, 106, 109}), "", {"ufohit"}},
    {"a held key repeats", Strokes{{'A', true}, {'A', true}, {'A', true}, {'A', false}}, "AAA",
     {"fire", "fire", "fire", "ufohit"}},
    {"thirteenth character refused with the hit sound", letters("ABCDEFGHIJKLM"),
     "ABCDEFGHIJKL", sounds(FIRE_12, {"hit", "ufohit"})},
    {"room again after a backspace", letters("ABCDEFGHIJKL") + tap({BACKSPACE}) + letters("XY"),
     "ABCDEFGHIJKX", sounds(FIRE_12, {"hit", "fire", "hit", "ufohit"})},
};

class NameEntryKeys : public NameEntry, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(NameEntryKeys, TypesTheName) {
    const KeyCase& c = GetParam();
    script(c.strokes + tap({ENTER}));
    SoundLog log;

    run();

    EXPECT_EQ(game::PLAYERNAME, c.name);
    EXPECT_EQ(log.plays(), c.sounds);
    EXPECT_FALSE(game::SHIFTON);
}

INSTANTIATE_TEST_SUITE_P(Cases, NameEntryKeys, ::testing::ValuesIn(KEY_CASES),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// An Enter or Escape pressed in the middle of a frame is followed at once by its
// character message; name entry must still end at that frame's tick.
class NameEntryEnds : public NameEntry, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(NameEntryEnds, AtTheTickOfTheFrameInWhichTheKeyWentDown) {
    platform::headless::script_key(20, 'A', true);
    platform::headless::script_key(55, GetParam(), true);
    platform::headless::script_key(58, GetParam(), false);
    platform::headless::script_key(70, 'B', true);

    run();

    EXPECT_EQ(game::PLAYERNAME, "A");
    EXPECT_EQ(game::FRAMENUM, 7u) << "the key came during the wait for tick 7";
    EXPECT_EQ(game::SCORENUM, 1u);
}

INSTANTIATE_TEST_SUITE_P(EnterAndEscape, NameEntryEnds, ::testing::Values(ENTER, ESCAPE));

TEST_F(NameEntry, KeyUpOfEnterDoesNotEnd) {
    platform::headless::script_key(20, 'A', true);
    platform::headless::script_key(35, ENTER, false);
    platform::headless::script_key(95, ESCAPE, true);

    run();

    EXPECT_EQ(game::PLAYERNAME, "A");
    EXPECT_EQ(game::FRAMENUM, 11u);
}

// The Escape that ended the game is still the current message when name entry begins;
// the first tick comes before any fetch, so name entry ends at once, name empty.
TEST_F(NameEntry, EscapeStillCurrentAtTheFirstTickEndsAtOnce) {
    display::detail::MS.message = 256;
    display::detail::MS.wParam = ESCAPE;
    platform::headless::script_key(1, 'A', true);
    SoundLog log;

    run();

    EXPECT_EQ(game::PLAYERNAME, "");
    EXPECT_EQ(game::FRAMENUM, 1u);
    EXPECT_EQ(log.plays(), std::vector<std::string>{"ufohit"});
    ASSERT_EQ(game::SCORENUM, 1u);
    EXPECT_EQ(game::SCOREA[1].name, "");
    EXPECT_EQ(game::SCOREA[1].points, 120);
    EXPECT_EQ(game::SCOREA[1].wave, 3);
}

TEST_F(NameEntry, ShiftHeldAtTheEndStaysOnForTheNextGame) {
    script(Strokes{{SHIFT, true}} + tap({ENTER}));
    run();
    EXPECT_TRUE(game::SHIFTON);

    display::detail::MS = {};
    game::FRAMENUM = 0;
    game::STARTTIME = display::GETTIME();
    script(letters("1") + tap({ENTER}), platform::headless::virtual_now() + 20);
    run();
    EXPECT_EQ(game::PLAYERNAME, "!");
}

// Reads the window (twice the logical size) at logical pixel (x, y).
display::COLOR logical_pixel(int x, int y) {
    const platform::Surface* window = platform::headless::window_pixels();
    return window->pixels[static_cast<std::size_t>(2 * y * window->width + 2 * x)];
}

TEST_F(NameEntry, OverlayBlanksTheCannonRowAndTheTextCells) {
    display::BAR(game::BMPMAIN, 0, 0, 192, 192, 0x0000FF);  // what the play screen drew
    game::PLAYERNAME = "AB";
    game::FRAMENUM = 5;

    game::DRAWGETHIGHSCORE();

    struct Probe {
        int x, y;
        display::COLOR colour;
        const char* what;
    };
    const Probe probes[] = {
        {0, 186, 0, "cannon row cleared at the left"},
        {191, 190, 0, "cannon row cleared at the right"},
        {40, 186, 0xFFFFFF, "explosion, left half"},
        {55, 186, 0xFFFFFF, "explosion, right half"},
        {56, 186, 0, "right of the explosion"},
        {0, 183, 0x0000FF, "row above the cannon row untouched"},
        {60, 83, 0x3399FF, "prompt: first letter Y at x 60"},
        {95, 83, 0, "prompt: the blank between the words is painted black"},
        {131, 83, 0x3399FF, "prompt: last letter E ends at x 131"},
        {59, 83, 0x0000FF, "left of the prompt untouched"},
        {88, 99, 0xFFFF00, "name: A at x 88"},
        {103, 99, 0xFFFF00, "name: B ends at x 103"},
        {87, 99, 0x0000FF, "left of the name untouched"},
    };
    for (const Probe& p : probes) {
        EXPECT_EQ(logical_pixel(p.x, p.y), p.colour) << p.what;
    }
    EXPECT_FALSE(game::DRAWBLANK);
}

struct InsertCase {
    const char* what;
    std::vector<std::int32_t> before;  // points of the entries, best first
    std::int32_t score;
    std::vector<std::int32_t> after;  // points after; the new entry marked by name "NEW"
    int new_rank;                     // 0: not entered
};

void PrintTo(const InsertCase& c, std::ostream* out) { *out << c.what; }

const InsertCase INSERT_CASES[] = {
    {"empty table takes any score, 0 too", {}, 0, {0}, 1},
    {"short table takes a score below all", {500, 300}, 0, {500, 300, 0}, 3},
    {"equal points: the newer stands higher", {500, 300, 300}, 300, {500, 300, 300, 300}, 2},
    {"best score goes first", {500, 300}, 900, {900, 500, 300}, 1},
    {"full table, 10th beats the score: unchanged",
     {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}, 50,
     {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}, 0},
    {"full table, equal to the 10th: replaces it",
     {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}, 100,
     {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}, 10},
    {"full table, best score: the 10th drops out",
     {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}, 5000,
     {5000, 1000, 900, 800, 700, 600, 500, 400, 300, 200}, 1},
    {"negative points below a zero", {0}, -5, {0, -5}, 2},
};

class NameEntryInsert : public NameEntry, public ::testing::WithParamInterface<InsertCase> {};

TEST_P(NameEntryInsert, PutsTheGameInItsPlace) {
    const InsertCase& c = GetParam();
    game::SCORENUM = static_cast<std::uint32_t>(c.before.size());
    for (std::size_t i = 0; i < c.before.size(); ++i)
        game::SCOREA[i + 1] = {1, "OLD" + std::to_string(i + 1), c.before[i]};
    game::SCORE = c.score;
    script(letters("NEW") + tap({ENTER}));

    run();

    ASSERT_EQ(game::SCORENUM, c.after.size());
    int old = 1;
    for (std::size_t i = 0; i < c.after.size(); ++i) {
        const int rank = static_cast<int>(i) + 1;
        const game::SCOREREC& entry = game::SCOREA[rank];
        EXPECT_EQ(entry.points, c.after[i]) << "rank " << rank;
        if (rank == c.new_rank) {
            EXPECT_EQ(entry.name, "NEW");
            EXPECT_EQ(entry.wave, 3);
        } else {
            EXPECT_EQ(entry.name, "OLD" + std::to_string(old++)) << "rank " << rank;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NameEntryInsert, ::testing::ValuesIn(INSERT_CASES),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

}  // namespace
