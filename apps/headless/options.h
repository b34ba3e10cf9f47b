// The headless driver's command line: which seed, key script, outputs and screen size
// a run uses, and when it stops.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace driver {

// A picture of the window's client area to be written at a virtual time.
struct ShotRequest {
    std::uint32_t ms = 0;
    std::string path;
};

struct Options {
    std::optional<std::uint64_t> seed;     // --seed N: replaces the clock reading
    std::string keys_path;                 // --keys FILE: empty when no script
    std::optional<std::uint32_t> until_ms;  // --until MS
    std::vector<ShotRequest> shots;        // --shot MS:PATH, any number
    std::string sound_log_path;            // --sound-log PATH
    std::string state_path;                // --state PATH
    int screen_width = 1920;               // --screen WxH
    int screen_height = 1080;
    bool help = false;                     // --help or -h
};

// Largest screen side --screen accepts.
constexpr int MAX_SCREEN_SIDE = 16384;

// Reads the arguments that follow the program name. Returns an empty text on success,
// otherwise a one-line description of the first problem (options is then incomplete).
std::string parse_options(const std::vector<std::string>& args, Options& options);

// The usage text printed for --help.
const char* usage();

}  // namespace driver
