// The unit's small number and text helpers.
#include <string>

#include "display/display.h"

namespace display {

std::int32_t MAX(std::int32_t a, std::int32_t b) { return a > b ? a : b; }

std::int32_t MIN(std::int32_t a, std::int32_t b) { return a < b ? a : b; }

std::string I2S(std::int32_t value) { return std::to_string(value); }

std::string I2S(std::uint32_t value) { return std::to_string(value); }

const char* AS2PC(const std::string& text) { return text.c_str(); }

}  // namespace display
