// The sound command interpreter: parses one command string and carries it out on
// the mixer's channels. Keywords and aliases are compared without regard to case;
// words are separated by blanks, and a file name may be quoted to hold blanks.
//   open "FILE" alias A        decodes FILE at once into a channel named A (silent,
//                              and a non-zero result, when FILE gives no sound)
//   play A [from X] [to Y]     plays from X (default: where it stands) to Y (default: the end)
//   stop A                     stops, keeping the position
//   status A position|length   replies with milliseconds as decimal text
//   close A | close all        forgets channels (lets a test start afresh)
#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

#include "platform/mixer.h"
#include "platform/paths.h"
#include "platform/sound.h"
#include "platform/wav_decode.h"

namespace platform::sound {

namespace {

enum Result : int {
    OK = 0,
    BAD_SYNTAX = 1,
    NO_SUCH_ALIAS = 2,
    OUT_OF_RANGE = 3,
    ALIAS_TAKEN = 4,
    NO_SOUND = 5,
};

std::function<void(const std::string&)> observer;

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Splits into words; a word that starts with a double quote runs to the next one and
// loses its quotes. Nothing when a quote is left open.
std::optional<std::vector<std::string>> words(const std::string& command) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < command.size()) {
        if (is_blank(command[i])) {
            ++i;
        } else if (command[i] == '"') {
            const std::size_t close = command.find('"', i + 1);
            if (close == std::string::npos) return std::nullopt;
            out.push_back(command.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            std::size_t j = i;
            while (j < command.size() && !is_blank(command[j])) ++j;
            out.push_back(command.substr(i, j - i));
            i = j;
        }
    }
    return out;
}

bool is_word(const std::string& word, const char* keyword) {
    if (word.size() != std::strlen(keyword)) return false;
    return std::equal(word.begin(), word.end(), keyword, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

// Plain decimal digits that fit 32 bits.
std::optional<std::uint32_t> number(const std::string& word) {
    if (word.empty() || word.size() > 10) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

int open(const std::vector<std::string>& w) {
    if (w.size() != 4 || !is_word(w[2], "alias")) return BAD_SYNTAX;
    if (mixer::find(w[3])) return ALIAS_TAKEN;
    // The channel exists even when the file gave no sound: it stays silent, and the
    // result still says that the file was not read.
    std::vector<std::int16_t> samples = decode_wav(native_path(w[1]));
    const bool heard = !samples.empty();
    mixer::add(w[3], std::move(samples));
    return heard ? OK : NO_SOUND;
}

int play(const std::vector<std::string>& w) {
    std::optional<std::uint32_t> from, to;
    for (std::size_t i = 2; i < w.size(); i += 2) {
        const bool is_from = is_word(w[i], "from");
        if (!is_from && !is_word(w[i], "to")) return BAD_SYNTAX;
        std::optional<std::uint32_t>& bound = is_from ? from : to;
        if (bound || i + 1 >= w.size()) return BAD_SYNTAX;
        bound = number(w[i + 1]);
        if (!bound) return BAD_SYNTAX;
    }
    mixer::Channel* channel = mixer::find(w[1]);
    if (!channel) return NO_SUCH_ALIAS;
    return mixer::play(*channel, from, to) ? OK : OUT_OF_RANGE;
}

int stop(const std::vector<std::string>& w) {
    if (w.size() != 2) return BAD_SYNTAX;
    mixer::Channel* channel = mixer::find(w[1]);
    if (!channel) return NO_SUCH_ALIAS;
    mixer::stop(*channel);
    return OK;
}

int status(const std::vector<std::string>& w, std::string& reply) {
    if (w.size() != 3) return BAD_SYNTAX;
    const bool position = is_word(w[2], "position");
    if (!position && !is_word(w[2], "length")) return BAD_SYNTAX;
    const mixer::Channel* channel = mixer::find(w[1]);
    if (!channel) return NO_SUCH_ALIAS;
    reply = std::to_string(position ? mixer::position_ms(*channel) : mixer::length_ms(*channel));
    return OK;
}

int close(const std::vector<std::string>& w) {
    if (w.size() != 2) return BAD_SYNTAX;
    if (is_word(w[1], "all")) {
        mixer::remove_all();
        return OK;
    }
    return mixer::remove(w[1]) ? OK : NO_SUCH_ALIAS;
}

int run(const std::string& command, std::string& reply) {
    const std::optional<std::vector<std::string>> w = words(command);
    if (!w || w->size() < 2) return BAD_SYNTAX;
    const std::string& verb = w->front();
    if (is_word(verb, "open")) return open(*w);
    if (is_word(verb, "play")) return play(*w);
    if (is_word(verb, "stop")) return stop(*w);
    if (is_word(verb, "status")) return status(*w, reply);
    if (is_word(verb, "close")) return close(*w);
    return BAD_SYNTAX;
}

}  // namespace

int send_command(const std::string& command, char* reply, std::size_t reply_size) {
    if (observer) observer(command);
    std::string text;
    const int result = run(command, text);
    if (reply && reply_size > 0) {
        const std::size_t n = std::min(text.size(), reply_size - 1);
        std::memcpy(reply, text.data(), n);
        reply[n] = '\0';
    }
    return result;
}

void set_command_observer(std::function<void(const std::string& command)> new_observer) {
    observer = std::move(new_observer);
}

}  // namespace platform::sound
