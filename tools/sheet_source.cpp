// Reads the sprite sheet's text source, checking every line.
#include "tools/sheet_source.h"

#include <cctype>
#include <sstream>

namespace sheet {

namespace {

struct Reader {
    std::istream& in;
    const std::string& source;
    int line_number = 0;
    std::string line;

    [[noreturn]] void fail(const std::string& what) const {
        throw SourceError(source + ":" + std::to_string(line_number) + ": " + what);
    }

    // The next line that is neither blank nor a comment; false at the end.
    bool next() {
        while (std::getline(in, line)) {
            ++line_number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.find_first_not_of(" \t") == std::string::npos) continue;
            if (line[0] == ';') continue;
            return true;
        }
        return false;
    }
};

bool valid_name(const std::string& name) {
    if (name.empty() || name.size() > MAX_NAME) return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') return false;
    return true;
}

Cell& read_header(Reader& r, Sheet& sheet) {
    std::istringstream words(r.line);
    std::string keyword, name, extra;
    int row = 0, column = 0;
    if (!(words >> keyword) || keyword != "cell")
        r.fail("expected \"cell ROW COLUMN NAME\", found \"" + r.line + "\"");
    if (!(words >> row >> column >> name) || (words >> extra))
        r.fail("a cell header is \"cell ROW COLUMN NAME\"");
    if (row < 1 || row > ROWS || column < 1 || column > COLUMNS)
        r.fail("cell " + std::to_string(row) + " " + std::to_string(column) +
               " is outside 8 rows by 16 columns");
    if (!valid_name(name))
        r.fail("cell name \"" + name + "\" must be 1 to 24 letters, digits or '-'");
    Cell& cell = sheet.cells[row - 1][column - 1];
    if (!cell.name.empty()) r.fail("cell " + std::to_string(row) + " " +
                                   std::to_string(column) + " is given twice");
    cell.name = name;
    return cell;
}

void read_pixels(Reader& r, Cell& cell) {
    for (int y = 0; y < CELL; ++y) {
        if (!r.next()) r.fail("cell \"" + cell.name + "\" ends after " + std::to_string(y) +
                              " of 8 pixel lines");
        if (r.line.size() != CELL || r.line.find_first_not_of("#.") != std::string::npos)
            r.fail("a pixel line is eight of '#' (ink) or '.' (black), found \"" + r.line + "\"");
        cell.pixels[y] = r.line;
    }
}

}  // namespace

Sheet parse(std::istream& in, const std::string& source_name) {
    Sheet sheet;
    Reader r{in, source_name, 0, {}};
    while (r.next()) read_pixels(r, read_header(r, sheet));
    for (int row = 0; row < ROWS; ++row)
        for (int column = 0; column < COLUMNS; ++column)
            if (sheet.cells[row][column].name.empty())
                r.fail("end of source: cell " + std::to_string(row + 1) + " " +
                       std::to_string(column + 1) + " is missing");
    return sheet;
}

}  // namespace sheet
