// Parsing of key scripts. The whole script is checked before a run starts, so a
// typing mistake on line 40 never shows up as a half-played game.
#include "apps/headless/key_script.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

#include "apps/headless/numbers.h"
#include "platform/surface.h"

namespace driver {

namespace {

constexpr std::uint64_t MAX_MS = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint64_t MAX_VK = 255;

// The blank-separated words of a line, up to a # comment.
std::vector<std::string_view> words_of(std::string_view line) {
    std::size_t hash = line.find('#');
    if (hash != std::string_view::npos) line = line.substr(0, hash);
    std::vector<std::string_view> words;
    std::size_t i = 0;
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (i < line.size()) {
        while (i < line.size() && blank(line[i])) ++i;
        std::size_t start = i;
        while (i < line.size() && !blank(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

std::string quoted(std::string_view text) {
    std::string result(1, '"');
    result.append(text);
    result += '"';
    return result;
}

// Fills event from the words of one line; returns the problem or an empty text.
std::string parse_line(const std::vector<std::string_view>& words, ScriptEvent& event) {
    std::uint64_t ms = 0;
    if (!parse_decimal(words[0], MAX_MS, ms)) {
        return quoted(words[0]) + " is not a time in milliseconds from 0 to " +
               std::to_string(MAX_MS);
    }
    event.ms = static_cast<std::uint32_t>(ms);
    if (words.size() < 2) return "a time needs an event: down, up, close or size";
    std::string_view verb = words[1];
    std::size_t wanted = 0;
    if (verb == "down" || verb == "up") {
        event.verb = verb == "down" ? Verb::down : Verb::up;
        wanted = 3;
    } else if (verb == "close") {
        event.verb = Verb::close;
        wanted = 2;
    } else if (verb == "size") {
        event.verb = Verb::size;
        wanted = 4;
    } else {
        return "unknown event " + quoted(verb) + " (down, up, close or size)";
    }
    if (words.size() != wanted) {
        return std::string(verb) + " takes " + std::to_string(wanted - 2) + " value" +
               (wanted == 3 ? "" : "s") + ", not " + std::to_string(words.size() - 2);
    }
    if (event.verb == Verb::down || event.verb == Verb::up) {
        std::uint64_t vk = 0;
        if (!parse_decimal(words[2], MAX_VK, vk)) {
            return quoted(words[2]) + " is not a virtual-key code from 0 to 255";
        }
        event.vk = static_cast<std::uint32_t>(vk);
    } else if (event.verb == Verb::size) {
        std::uint64_t w = 0, h = 0;
        bool sides = parse_decimal(words[2], platform::MAX_SURFACE_SIDE, w) &&
                     parse_decimal(words[3], platform::MAX_SURFACE_SIDE, h) && w > 0 && h > 0;
        if (!sides || static_cast<std::int64_t>(w * h) > platform::MAX_SURFACE_PIXELS) {
            return "size " + std::string(words[2]) + " " + std::string(words[3]) +
                   " is out of range (each side from 1 to " +
                   std::to_string(platform::MAX_SURFACE_SIDE) + ", at most " +
                   std::to_string(platform::MAX_SURFACE_PIXELS) + " pixels)";
        }
        event.width = static_cast<int>(w);
        event.height = static_cast<int>(h);
    }
    return {};
}

}  // namespace

std::string parse_key_script(std::string_view text, const std::string& file_name,
                             std::vector<ScriptEvent>& events) {
    std::size_t line_number = 0;
    std::uint32_t last_ms = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++line_number;
        std::vector<std::string_view> words = words_of(line);
        if (words.empty()) continue;
        ScriptEvent event;
        std::string problem = parse_line(words, event);
        if (problem.empty() && event.ms < last_ms) {
            problem = "time " + std::to_string(event.ms) + " comes before the previous " +
                      std::to_string(last_ms) + "; times must not go backwards";
        }
        if (!problem.empty()) {
            return file_name + ":" + std::to_string(line_number) + ": " + problem;
        }
        last_ms = event.ms;
        events.push_back(event);
    }
    return {};
}

std::string read_key_script(const std::string& path, std::vector<ScriptEvent>& events) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return "cannot read keys file " + path + ": " + std::strerror(errno);
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
    int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (error != 0) return "cannot read keys file " + path + ": " + std::strerror(error);
    return parse_key_script(text, path, events);
}

}  // namespace driver
