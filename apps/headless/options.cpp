// Command-line parsing for quorvax-headless. Every value is checked before the run
// starts, so a bad option never leaves a half-made run behind.
#include "apps/headless/options.h"

#include <limits>

#include "apps/headless/numbers.h"

namespace driver {

namespace {

constexpr std::uint64_t MAX_MS = std::numeric_limits<std::uint32_t>::max();

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

bool parse_ms(const std::string& text, std::uint32_t& ms) {
    std::uint64_t value = 0;
    if (!parse_decimal(text, MAX_MS, value)) return false;
    ms = static_cast<std::uint32_t>(value);
    return true;
}

// "MS:PATH"; the time ends at the first colon, the path may hold more of them.
bool parse_shot(const std::string& text, ShotRequest& shot) {
    std::size_t colon = text.find(':');
    if (colon == std::string::npos || colon + 1 == text.size()) return false;
    shot.path = text.substr(colon + 1);
    return parse_ms(text.substr(0, colon), shot.ms);
}

// "WxH" with both sides from 1 to MAX_SCREEN_SIDE.
bool parse_size(const std::string& text, int& width, int& height) {
    std::size_t x = text.find('x');
    if (x == std::string::npos) return false;
    std::uint64_t w = 0, h = 0;
    if (!parse_decimal(text.substr(0, x), MAX_SCREEN_SIDE, w) ||
        !parse_decimal(text.substr(x + 1), MAX_SCREEN_SIDE, h) || w == 0 || h == 0) {
        return false;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

// Applies one option with its value; returns the problem, or an empty text.
std::string apply(const std::string& name, const std::string& value, Options& options) {
    if (name == "--seed") {
        std::uint64_t seed = 0;
        if (!parse_decimal(value, std::numeric_limits<std::uint64_t>::max(), seed)) {
            return "--seed: " + quoted(value) + " is not a whole number from 0 to " +
                   std::to_string(std::numeric_limits<std::uint64_t>::max());
        }
        options.seed = seed;
    } else if (name == "--keys") {
        options.keys_path = value;
    } else if (name == "--until") {
        std::uint32_t ms = 0;
        if (!parse_ms(value, ms)) {
            return "--until: " + quoted(value) + " is not a time in milliseconds from 0 to " +
                   std::to_string(MAX_MS);
        }
        options.until_ms = ms;
    } else if (name == "--shot") {
        ShotRequest shot;
        if (!parse_shot(value, shot)) {
            return "--shot: " + quoted(value) +
                   " is not MS:PATH (a time in milliseconds, a colon, a file name)";
        }
        options.shots.push_back(shot);
    } else if (name == "--sound-log") {
        options.sound_log_path = value;
    } else if (name == "--state") {
        options.state_path = value;
    } else if (name == "--screen") {
        if (!parse_size(value, options.screen_width, options.screen_height)) {
            return "--screen: " + quoted(value) + " is not WxH (each side from 1 to " +
                   std::to_string(MAX_SCREEN_SIDE) + ")";
        }
    }
    return {};
}

bool takes_value(const std::string& name) {
    for (const char* known :
         {"--seed", "--keys", "--until", "--shot", "--sound-log", "--state", "--screen"}) {
        if (name == known) return true;
    }
    return false;
}

}  // namespace

std::string parse_options(const std::vector<std::string>& args, Options& options) {
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (!takes_value(name)) {
            if (name.rfind("-", 0) == 0) return "unknown option " + quoted(name);
            return "unexpected argument " + quoted(name);
        }
        if (i + 1 == args.size() || args[i + 1].rfind("--", 0) == 0) {
            return name + " needs a value";
        }
        if (name != "--shot") {
            for (const std::string& earlier : seen) {
                if (earlier == name) return name + " is given twice";
            }
            seen.push_back(name);
        }
        std::string problem = apply(name, args[++i], options);
        if (!problem.empty()) return problem;
    }
    return {};
}

const char* usage() {
    return "usage: quorvax-headless [options]\n"
           "Runs Quorvax on a virtual clock in the current folder (image/, audio/,\n"
           "quorvax_score.dat).\n"
           "  --seed N           random seed instead of the clock reading\n"
           "  --keys FILE        key script: 'MS down VK', 'MS up VK', 'MS close',\n"
           "                     'MS size W H'; blank lines and # comments ignored\n"
           "  --until MS         stop when the virtual clock reaches MS (exit status 3)\n"
           "  --shot MS:PATH     write the window as shown at MS to a PNG (repeatable)\n"
           "  --sound-log PATH   every sound command, one a line: time, space, command\n"
           "  --state PATH       the game's state as JSON at the end of the run\n"
           "  --screen WxH       screen size the window is centred on (1920x1080)\n"
           "Exit status: the program's own (0, or 1 on an I/O error; 1 also when an\n"
           "output cannot be written), 2 for bad options or files, 3 when --until stopped\n"
           "the run, 4 when the program waits for input that can never come.\n";
}

}  // namespace driver
