// Key scripts: the input of a headless run, one event a line at a virtual time.
//   MS down VK     a key goes down (VK a decimal Windows virtual-key code, 0 to 255)
//   MS up VK       the key is released
//   MS close       the window's close button
//   MS size W H    the window's client area becomes W by H pixels
// Blank lines are ignored, and so is everything from a # to the end of its line.
// Times are milliseconds since the driver started and never go backwards.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace driver {

enum class Verb { down, up, close, size };

struct ScriptEvent {
    std::uint32_t ms = 0;
    Verb verb = Verb::down;
    std::uint32_t vk = 0;         // down and up
    int width = 0, height = 0;    // size
};

// Parses a whole script. Returns an empty text on success, otherwise
// "FILE:LINE: problem" for the first malformed line (events is then incomplete).
std::string parse_key_script(std::string_view text, const std::string& file_name,
                             std::vector<ScriptEvent>& events);

// Reads and parses the script file at path; a file that cannot be read is a problem too.
std::string read_key_script(const std::string& path, std::vector<ScriptEvent>& events);

}  // namespace driver
