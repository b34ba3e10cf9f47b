// The score file: what the reader makes of a file's bytes, the canonical rewrite, the
// files it refuses (left untouched), and a save that fails without losing the table.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "game/score/score_table.h"

namespace {

namespace fs = std::filesystem;

struct Entry {
    std::int32_t wave;
    std::string name;
    std::int32_t points;
    bool operator==(const Entry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Entry& e) {
    return out << "(" << e.wave << ", \"" << e.name << "\", " << e.points << ")";
}

std::optional<std::string> read_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void write_bytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<Entry> table() {
    std::vector<Entry> entries;
    for (std::uint32_t i = 1; i <= game::SCORENUM; ++i)
        entries.push_back({game::SCOREA[i].wave, game::SCOREA[i].name, game::SCOREA[i].points});
    return entries;
}

void set_table(const std::vector<Entry>& entries) {
    game::SCORENUM = static_cast<std::uint32_t>(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        game::SCOREA[i + 1] = {entries[i].wave, entries[i].name, entries[i].points};
}

// Every test runs in a fresh folder of its own, which becomes the working directory.
class ScoreFile : public ::testing::Test {
protected:
    void SetUp() override {
        old_dir_ = fs::current_path();
        char pattern[] = "/tmp/quorvax_score_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        fs::current_path(dir_);
        set_table({});
    }
    void TearDown() override {
        fs::current_path(old_dir_);
        fs::permissions(dir_, fs::perms::owner_all);
        fs::remove_all(dir_);
        set_table({});
    }
    fs::path file() const { return dir_ / game::SCOREFILE; }
    fs::path temp() const { return dir_ / (game::SCOREFILE + ".tmp"); }

    fs::path old_dir_;
    fs::path dir_;
};

struct ReadCase {
    const char* what;
    std::optional<std::string> file;  // nullopt: no score file at all
    std::vector<Entry> entries;
    std::string rewritten;
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.what; }

const std::string NAME_300(300, 'N');
const std::string NAME_255(255, 'N');

const ReadCase READ_CASES[] = {
    {"no file", std::nullopt, {}, "0\r\n"},
    {"empty file", "", {}, "0\r\n"},
    {"canonical file",
     "2\r\n3\r\nACE\r\n1230\r\n1\r\nKID\r\n120\r\n",
     {{3, "ACE", 1230}, {1, "KID", 120}},
     "2\r\n3\r\nACE\r\n1230\r\n1\r\nKID\r\n120\r\n"},
    {"LF line ends",
     "2\n3\nACE\n1230\n1\nKID\n120\n",
     {{3, "ACE", 1230}, {1, "KID", 120}},
     "2\r\n3\r\nACE\r\n1230\r\n1\r\nKID\r\n120\r\n"},
    {"CR line ends",
     "2\r3\rACE\r1230\r1\rKID\r120\r",
     {{3, "ACE", 1230}, {1, "KID", 120}},
     "2\r\n3\r\nACE\r\n1230\r\n1\r\nKID\r\n120\r\n"},
    {"mixed line ends, none after the last line",
     "2\r\n3\nACE\r1230\r\n1\rKID\n120",
     {{3, "ACE", 1230}, {1, "KID", 120}},
     "2\r\n3\r\nACE\r\n1230\r\n1\r\nKID\r\n120\r\n"},
    {"300-character name cut to 255, next points still read",
     "1\r\n4\r\n" + NAME_300 + "\r\n777\r\n",
     {{4, NAME_255, 777}},
     "1\r\n4\r\n" + NAME_255 + "\r\n777\r\n"},
    {"blanks inside and around a name kept",
     "1\r\n1\r\n  A B \t\r\n5\r\n",
     {{1, "  A B \t", 5}},
     "1\r\n1\r\n  A B \t\r\n5\r\n"},
    {"bytes outside the font kept in a name",
     "1\r\n1\r\n{\x01\xC9}\r\n5\r\n",
     {{1, "{\x01\xC9}", 5}},
     "1\r\n1\r\n{\x01\xC9}\r\n5\r\n"},
    {"empty name line is the name, not skipped",
     "1\r\n2\r\n\r\n10\r\n",
     {{2, "", 10}},
     "1\r\n2\r\n\r\n10\r\n"},
    {"file ends after a name: points 0, line added",
     "1\r\n2\r\nACE",
     {{2, "ACE", 0}},
     "1\r\n2\r\nACE\r\n0\r\n"},
    {"file ends after the count: entries of zeros and empty names",
     "2\r\n",
     {{0, "", 0}, {0, "", 0}},
     "2\r\n0\r\n\r\n0\r\n0\r\n\r\n0\r\n"},
    {"Ctrl-Z ends the readable text",
     "2\r\n3\r\nACE\r\n1230\r\n\x1A" "1\r\nKID\r\n120\r\n",
     {{3, "ACE", 1230}, {0, "", 0}},
     "2\r\n3\r\nACE\r\n1230\r\n0\r\n\r\n0\r\n"},
    {"Ctrl-Z inside a name",
     "1\r\n3\r\nAC\x1A" "E\r\n1230\r\n",
     {{3, "AC", 0}},
     "1\r\n3\r\nAC\r\n0\r\n"},
    {"blank lines and blanks before numbers passed over",
     "\r\n 1\r\n\r\n\t 7\r\nBOB\r\n\r\n  -40\r\n",
     {{7, "BOB", -40}},
     "1\r\n7\r\nBOB\r\n-40\r\n"},
    {"rest of a number's line dropped",
     "1 entries\r\n7 waves\r\nBOB\r\n40 points\r\n",
     {{7, "BOB", 40}},
     "1\r\n7\r\nBOB\r\n40\r\n"},
    {"signs and the 32-bit limits",
     "2\r\n+3\r\nMAX\r\n2147483647\r\n-0\r\nMIN\r\n-2147483648\r\n",
     {{3, "MAX", 2147483647}, {0, "MIN", -2147483647 - 1}},
     "2\r\n3\r\nMAX\r\n2147483647\r\n0\r\nMIN\r\n-2147483648\r\n"},
    {"leading zeros dropped",
     "01\r\n007\r\nJB\r\n0050\r\n",
     {{7, "JB", 50}},
     "1\r\n7\r\nJB\r\n50\r\n"},
    {"lines after the last entry ignored",
     "1\r\n1\r\nA\r\n5\r\nextra\r\n12x\r\n",
     {{1, "A", 5}},
     "1\r\n1\r\nA\r\n5\r\n"},
    {"count 0 ignores what follows", "0\r\n1\r\nA\r\n5\r\n", {}, "0\r\n"},
};

class ScoreFileRead : public ScoreFile, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ScoreFileRead, ReadsTableAndRewritesCanonically) {
    const ReadCase& c = GetParam();
    if (c.file) write_bytes(file(), *c.file);

    game::LOADHIGHSCORE();

    EXPECT_EQ(table(), c.entries);
    EXPECT_EQ(read_bytes(file()), c.rewritten);
    EXPECT_FALSE(fs::exists(temp()));
}

INSTANTIATE_TEST_SUITE_P(Cases, ScoreFileRead, ::testing::ValuesIn(READ_CASES),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

struct BadCase {
    const char* what;
    std::string file;
    std::string message;
};

void PrintTo(const BadCase& c, std::ostream* out) { *out << c.what; }

const BadCase BAD_CASES[] = {
    {"letters after digits in points", "1\r\n2\r\nACE\r\n12x\r\n",
     "quorvax_score.dat: line 4: \"12x\" is not a whole number"},
    {"word for a wave", "1\r\nfive\r\nACE\r\n1\r\n",
     "quorvax_score.dat: line 2: \"five\" is not a whole number"},
    {"sign alone", "+\r\n", "quorvax_score.dat: line 1: \"+\" is not a whole number"},
    {"sign inside a number", "1\r\n1-2\r\n",
     "quorvax_score.dat: line 2: \"1-2\" is not a whole number"},
    {"line counted across skipped blank lines and LF ends", "1\n\n\n9z\n",
     "quorvax_score.dat: line 4: \"9z\" is not a whole number"},
    {"line counted with CR ends", "1\r2\rA\r5x\r",
     "quorvax_score.dat: line 4: \"5x\" is not a whole number"},
    {"control byte quoted safely", "1\r\n4\x7F\r\n",
     "quorvax_score.dat: line 2: \"4\\x7F\" is not a whole number"},
    {"beyond 32 bits", "1\r\n2147483648\r\n",
     "quorvax_score.dat: line 2: \"2147483648\" is out of range"},
    {"far beyond 32 bits", "1\r\n1\r\nA\r\n-99999999999999999999999\r\n",
     "quorvax_score.dat: line 4: \"-99999999999999999999999\" is out of range"},
    {"negative count", "-1\r\n", "quorvax_score.dat: line 1: the count -1 is negative"},
    {"count above the table", "11\r\n",
     "quorvax_score.dat: line 1: the count 11 is more than the 10 entries the table holds"},
    {"count found on a later line", "\r\n\r\n12\r\n",
     "quorvax_score.dat: line 3: the count 12 is more than the 10 entries the table holds"},
};

class ScoreFileBad : public ScoreFile, public ::testing::WithParamInterface<BadCase> {};

TEST_P(ScoreFileBad, StopsWithErrorAndLeavesFileAndTableAlone) {
    const BadCase& c = GetParam();
    write_bytes(file(), c.file);
    set_table({{9, "OLD", 900}});

    try {
        game::LOADHIGHSCORE();
        ADD_FAILURE() << c.what << ": no error";
    } catch (const display::IoError& e) {
        EXPECT_EQ(std::string(e.what()), c.message) << c.what;
    }

    EXPECT_EQ(read_bytes(file()), c.file) << c.what;
    EXPECT_FALSE(fs::exists(temp()));
    EXPECT_EQ(table(), (std::vector<Entry>{{9, "OLD", 900}})) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, ScoreFileBad, ::testing::ValuesIn(BAD_CASES),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(ScoreFile, UnreadableFileStopsWithError) {
    fs::create_directory(file());
    EXPECT_THROW(game::LOADHIGHSCORE(), display::IoError);
    EXPECT_TRUE(fs::is_directory(file()));
}

TEST_F(ScoreFile, SaveWritesTheTableInPlainDecimalWithCrLf) {
    write_bytes(file(), "stale bytes that are longer than the new table\r\n");
    set_table({{12, "", 0}, {1, " X ", -5}});

    game::SAVEHIGHSCORE();

    EXPECT_EQ(read_bytes(file()), "2\r\n12\r\n\r\n0\r\n1\r\n X \r\n-5\r\n");
    EXPECT_FALSE(fs::exists(temp()));
}

TEST_F(ScoreFile, SaveClearsATempFileLeftByACrash) {
    write_bytes(temp(), "half a table");
    set_table({{2, "AB", 30}});

    game::SAVEHIGHSCORE();

    EXPECT_EQ(read_bytes(file()), "1\r\n2\r\nAB\r\n30\r\n");
    EXPECT_FALSE(fs::exists(temp()));
}

// A save that cannot complete throws, names the file, and keeps the old table on disk.
TEST_F(ScoreFile, FailedSaveKeepsThePreviousFile) {
    const std::string old_file = "1\r\n3\r\nACE\r\n1230\r\n";
    write_bytes(file(), old_file);
    fs::create_directory(temp());
    set_table({{1, "NEW", 10}});

    try {
        game::SAVEHIGHSCORE();
        ADD_FAILURE() << "no error";
    } catch (const display::IoError& e) {
        EXPECT_NE(std::string(e.what()).find("quorvax_score.dat.tmp"), std::string::npos)
            << e.what();
    }

    EXPECT_EQ(read_bytes(file()), old_file);
    EXPECT_TRUE(fs::is_directory(temp())) << "someone else's folder must not be removed";
}

TEST_F(ScoreFile, FailedReplaceRemovesTheTempFile) {
    fs::create_directories(file() / "occupied");
    set_table({{1, "NEW", 10}});

    EXPECT_THROW(game::SAVEHIGHSCORE(), display::IoError);

    EXPECT_FALSE(fs::exists(temp()));
    EXPECT_TRUE(fs::is_directory(file() / "occupied"));
}

TEST_F(ScoreFile, ReadOnlyFolderFailsTheSaveAndKeepsTheFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    const std::string old_file = "0\r\n";
    write_bytes(file(), old_file);
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    set_table({{1, "NEW", 10}});

    EXPECT_THROW(game::SAVEHIGHSCORE(), display::IoError);

    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(read_bytes(file()), old_file);
    EXPECT_FALSE(fs::exists(temp()));
}

}  // namespace
