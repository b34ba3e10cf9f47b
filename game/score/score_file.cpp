// The high-score table in memory and its file "quorvax_score.dat": a forgiving reader
// (three kinds of line ends, Ctrl-Z as end of text, a short file reads as zeros and
// empty names) that is strict about numbers, and a writer that replaces the file in
// one step so that a crash or a full disk never leaves the table half written.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "game/score/score_table.h"

namespace game {

SCOREREC SCOREA[11];
std::uint32_t SCORENUM = 0;
const std::string SCOREFILE = "quorvax_score.dat";

namespace {

constexpr std::uint32_t TABLE_SIZE = 10;
constexpr std::size_t NAME_KEEP = 255;   // characters of a name line that are kept
constexpr std::size_t TOKEN_SHOWN = 40;  // characters of a bad number quoted in an error
constexpr int END = -1;                  // end of the file or a Ctrl-Z
constexpr int CTRL_Z = 26;

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// A score file opened for reading, one byte looked ahead, and the line that byte is on.
struct Reader {
    std::FILE* file;
    int next;
    std::uint32_t line;
};

[[noreturn]] void fail(const std::string& problem) {
    throw display::IoError(SCOREFILE + ": " + problem);
}

[[noreturn]] void fail_errno(const std::string& what, int error) {
    fail(what + ": " + std::strerror(error));
}

void advance(Reader& r) {
    if (r.next == END) return;
    const int c = std::getc(r.file);
    if (c == EOF && std::ferror(r.file)) fail_errno("cannot read", errno);
    r.next = (c == EOF || c == CTRL_Z) ? END : c;
}

bool at_line_end(const Reader& r) { return r.next == '\r' || r.next == '\n'; }

// Passes one line end: CR LF, LF alone or CR alone.
void pass_line_end(Reader& r) {
    if (r.next == '\r') {
        advance(r);
        if (r.next == '\n') advance(r);
        ++r.line;
    } else if (r.next == '\n') {
        advance(r);
        ++r.line;
    }
}

void pass_rest_of_line(Reader& r) {
    while (r.next != END && !at_line_end(r)) advance(r);
    pass_line_end(r);
}

bool is_blank(int c) { return c != END && c <= 32; }

// Bytes that would upset a terminal are shown as \xNN when a bad number is quoted.
std::string shown_byte(int c) {
    if (c >= 33 && c <= 126 && c != '"' && c != '\\') return std::string(1, static_cast<char>(c));
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(c));
    return hex;
}

// A number: blanks and line ends before it are passed over, the number runs to the
// next blank, and the rest of its line is dropped. The end of the file gives 0.
void pass_blanks(Reader& r) {
    while (is_blank(r.next)) {
        if (at_line_end(r)) {
            pass_line_end(r);
        } else {
            advance(r);
        }
    }
}

std::int64_t read_number(Reader& r) {
    pass_blanks(r);
    if (r.next == END) return 0;

    const std::uint32_t line = r.line;
    std::string shown;
    std::size_t length = 0;
    bool negative = false, digits = false, valid = true, too_big = false;
    std::int64_t magnitude = 0;
    for (; r.next != END && !is_blank(r.next); advance(r), ++length) {
        const int c = r.next;
        if (length < TOKEN_SHOWN) shown += shown_byte(c);
        if (length == 0 && (c == '+' || c == '-')) {
            negative = c == '-';
        } else if (c >= '0' && c <= '9') {
            digits = true;
            magnitude = magnitude * 10 + (c - '0');
            if (magnitude > INT32_MAX + std::int64_t{1}) {
                too_big = true;
                magnitude = 0;
            }
        } else {
            valid = false;
        }
    }
    if (length > TOKEN_SHOWN) shown += "...";
    pass_rest_of_line(r);

    const std::string where = "line " + std::to_string(line) + ": \"" + shown + "\"";
    if (!valid || !digits) fail(where + " is not a whole number");
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (too_big || value > INT32_MAX) fail(where + " is out of range");
    return value;
}

// A name: the rest of the current line, of which the first 255 characters are kept.
std::string read_name(Reader& r) {
    std::string name;
    for (; r.next != END && !at_line_end(r); advance(r)) {
        if (name.size() < NAME_KEEP) name += static_cast<char>(r.next);
    }
    pass_line_end(r);
    return name;
}

// Reads the whole table; nothing is stored before the file has been read without error.
void read_table(std::FILE* file) {
    Reader r{file, 0, 1};
    advance(r);

    pass_blanks(r);
    const std::uint32_t count_line = r.line;
    const std::int64_t count = read_number(r);
    const std::string where = "line " + std::to_string(count_line) + ": the count " +
                              std::to_string(count);
    if (count < 0) fail(where + " is negative");
    if (count > TABLE_SIZE) fail(where + " is more than the " + std::to_string(TABLE_SIZE) +
                                 " entries the table holds");

    SCOREREC table[TABLE_SIZE + 1];
    for (std::int64_t i = 1; i <= count; ++i) {
        table[i].wave = static_cast<std::int32_t>(read_number(r));
        table[i].name = read_name(r);
        table[i].points = static_cast<std::int32_t>(read_number(r));
    }
    for (std::int64_t i = 1; i <= count; ++i) SCOREA[i] = table[i];
    SCORENUM = static_cast<std::uint32_t>(count);
}

// The file's bytes: the count, then wave, name and points of each entry, CR LF after
// every line.
std::string table_text() {
    std::string text = std::to_string(SCORENUM) + "\r\n";
    for (std::uint32_t i = 1; i <= SCORENUM && i <= TABLE_SIZE; ++i) {
        text += std::to_string(SCOREA[i].wave) + "\r\n";
        text += SCOREA[i].name + "\r\n";
        text += std::to_string(SCOREA[i].points) + "\r\n";
    }
    return text;
}

std::string folder_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes all of text to fd and makes it durable; returns 0 or the errno of the failure.
int write_durably(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return errno;
    return 0;
}

// Makes the rename itself durable. A folder that cannot be opened for this (some file
// systems refuse) leaves the new file in place all the same.
void sync_folder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (result != 0 && error != EINVAL) fail_errno("cannot sync its folder", error);
}

}  // namespace

void LOADHIGHSCORE() {
    FilePtr file(std::fopen(SCOREFILE.c_str(), "rb"), &std::fclose);
    if (file) {
        read_table(file.get());
    } else if (errno != ENOENT) {
        fail_errno("cannot read", errno);
    }
    file.reset();
    SAVEHIGHSCORE();
}

void SAVEHIGHSCORE() {
    const std::string temp = SCOREFILE + ".tmp";
    const std::string creating = "cannot write \"" + temp + "\"";

    // A stale file left by an earlier crash is cleared first; anything else at that
    // name (a folder, say) makes the exclusive create fail and is left alone.
    ::unlink(temp.c_str());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) fail_errno(creating, errno);

    int error = write_durably(fd, table_text());
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temp.c_str(), SCOREFILE.c_str()) != 0) {
        error = errno;
        ::unlink(temp.c_str());
        fail_errno("cannot replace it with \"" + temp + "\"", error);
    }
    if (error != 0) {
        ::unlink(temp.c_str());
        fail_errno(creating, error);
    }
    sync_folder(folder_of(SCOREFILE));
}

}  // namespace game
