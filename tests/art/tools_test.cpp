// The asset tools: a malformed sheet or recipe is refused with the line at fault, and
// the synthesiser renders what a recipe says.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "art_fixture.h"
#include "tools/sheet_source.h"
#include "tools/sound_synth.h"

namespace {

// A complete sheet source of blank cells; cell 2 3 has one ink pixel at (5, 6).
std::string valid_sheet() {
    std::string text = "; a test sheet\n";
    for (int row = 1; row <= 8; ++row)
        for (int column = 1; column <= 16; ++column) {
            text += "\ncell " + std::to_string(row) + " " + std::to_string(column) + " c-" +
                    std::to_string(row) + "-" + std::to_string(column) + "\n";
            for (int y = 0; y < 8; ++y)
                text += (row == 2 && column == 3 && y == 6) ? ".....#..\n" : "........\n";
        }
    return text;
}

// Line 3 is the first cell's header; lines 4 to 11 its pixels; line 13 the next header.
std::string replace_line(const std::string& text, int number, const std::string& with) {
    std::istringstream in(text);
    std::string line, out;
    for (int n = 1; std::getline(in, line); ++n) out += (n == number ? with : line) + "\n";
    return out;
}

std::string sheet_error(const std::string& text) {
    std::istringstream in(text);
    try {
        sheet::parse(in, "test.txt");
    } catch (const sheet::SourceError& error) {
        return error.what();
    }
    return "";
}

TEST(SheetSource, ValidSourceGivesItsPixels) {
    std::istringstream in(valid_sheet());
    const sheet::Sheet s = sheet::parse(in, "test.txt");
    EXPECT_EQ(s.cells[1][2].name, "c-2-3");
    EXPECT_TRUE(s.ink(8 * 2 + 5, 8 * 1 + 6));
    EXPECT_FALSE(s.ink(8 * 2 + 4, 8 * 1 + 6));
}

TEST(SheetSource, MalformedSourceNamesTheLine) {
    const std::string good = valid_sheet();
    // The source's last two pixel lines dropped: it ends on line 1279.
    const std::string last_cell_cut = good.substr(0, good.size() - 2 * 9);
    struct Case {
        const char* what;
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"pixel of another character", replace_line(good, 5, "...x...."), "test.txt:5:"},
        {"short pixel line", replace_line(good, 6, "......."), "test.txt:6:"},
        {"long pixel line", replace_line(good, 6, "........."), "test.txt:6:"},
        {"misspelt header", replace_line(good, 3, "cel 1 1 c-1-1"), "test.txt:3:"},
        {"header without a name", replace_line(good, 3, "cell 1 1"), "test.txt:3:"},
        {"row outside the sheet", replace_line(good, 3, "cell 9 1 c"), "test.txt:3:"},
        {"column outside the sheet", replace_line(good, 13, "cell 1 0 c"), "test.txt:13:"},
        {"name with a sign outside the name set", replace_line(good, 3, "cell 1 1 a/b"), "test.txt:3:"},
        {"cell given twice", replace_line(good, 13, "cell 1 1 again"), "test.txt:13:"},
        {"header where pixels belong", replace_line(good, 11, "cell 1 2 early"), "test.txt:11:"},
        {"source ends inside a cell", last_cell_cut, "test.txt:1279: cell \"c-8-16\" ends after 6"},
    };
    for (const Case& c : cases) {
        const std::string message = sheet_error(c.text);
        EXPECT_NE(message.find(c.expected), std::string::npos) << c.what << ": " << message;
    }
}

TEST(SheetSource, MissingCellIsNamed) {
    std::string text = valid_sheet();
    const std::size_t at = text.find("cell 4 7 ");
    text.erase(at, text.find("cell 4 8 ") - at);
    EXPECT_NE(sheet_error(text).find("cell 4 7 is missing"), std::string::npos) << sheet_error(text);
}

// The tool itself: a refused source fails the build step with the line at fault.
TEST(MakeSheetTool, FailsOnAMalformedSourceNamingTheLine) {
    art_test::TempDir dir;
    const auto source = dir.path / "bad.txt";
    std::ofstream(source) << replace_line(valid_sheet(), 7, "..##..#");
    const std::string command = std::string(QUORVAX_MAKE_SHEET) + " " + source.string() + " " +
                                dir.path.string() + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    const int status = pclose(pipe);
    EXPECT_NE(status, 0);
    EXPECT_NE(output.find("bad.txt:7:"), std::string::npos) << output;
    EXPECT_FALSE(std::filesystem::exists(dir.path / "quorvax.bmp"));
}

std::string recipe_error(const std::string& text) {
    std::istringstream in(text);
    try {
        for (const synth::Sound& sound : synth::parse(in, "r.txt")) synth::render(sound, "r.txt");
    } catch (const synth::RecipeError& error) {
        return error.what();
    }
    return "";
}

TEST(SoundRecipes, MalformedRecipeNamesTheLine) {
    struct Case {
        const char* what;
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"unknown wave", "sound a.wav\ntone hum length 0.1\n", "r.txt:2: unknown wave"},
        {"unknown key", "sound a.wav\ntone sine length 0.1 pitch 4\n", "r.txt:2: unknown key"},
        {"key without a number", "sound a.wav\ntone sine length\n", "r.txt:2:"},
        {"negative value", "sound a.wav\ntone sine length 0.1 freq -3\n", "r.txt:2:"},
        {"no length", "sound a.wav\ntone sine freq 300\n", "r.txt:2: a tone needs a length"},
        {"clicking start", "sound a.wav\ntone sine length 0.1 attack 0\n", "r.txt:2:"},
        {"fades longer than the tone", "sound a.wav\ntone sine length 0.01 attack 0.008 release 0.008\n",
         "r.txt:2:"},
        {"tone before any sound", "; x\ntone sine length 0.1\n", "r.txt:2:"},
        {"sound that is no wav", "\nsound a.mp3\ntone sine length 0.1\n", "r.txt:2:"},
        {"stray word", "sound a.wav\nnoise\n", "r.txt:2:"},
        {"sound without tones", "sound a.wav\nsound b.wav\ntone sine length 0.1\n", "r.txt:1:"},
        {"too loud", "\n\nsound a.wav\ntone square length 0.1 volume 0.6\ntone square length 0.1 volume 0.6\n",
         "r.txt:3: a.wav reaches full scale"},
    };
    for (const Case& c : cases)
        EXPECT_NE(recipe_error(c.text).find(c.expected), std::string::npos)
            << c.what << ": " << recipe_error(c.text);
}

TEST(SoundRecipes, RenderingFollowsTheRecipe) {
    std::istringstream in(
        "sound a.wav\n"
        "tone sine start 0.05 length 0.2 freq 441 volume 0.5 attack 0.01 release 0.01\n");
    const auto sounds = synth::parse(in, "r.txt");
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0].file, "a.wav");
    const std::vector<std::int16_t> s = synth::render(sounds[0], "r.txt");
    ASSERT_EQ(s.size(), static_cast<std::size_t>(std::lround(0.25 * synth::RATE)));
    int peak = 0, crossings = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        peak = std::max(peak, std::abs(int{s[i]}));
        if (i > 0 && s[i - 1] < 0 && s[i] >= 0) ++crossings;
        if (i < static_cast<std::size_t>(0.05 * synth::RATE)) {
            ASSERT_EQ(s[i], 0) << "before the tone starts, sample " << i;
        }
    }
    EXPECT_NEAR(peak, 0.5 * 32767, 100);
    EXPECT_NEAR(crossings, 441 * 0.2, 2);
    EXPECT_EQ(s.back(), 0);
}

}  // namespace
