// Strict decimal number reading shared by the option and key-script parsers.
#include "apps/headless/numbers.h"

namespace driver {

bool parse_decimal(std::string_view text, std::uint64_t max, std::uint64_t& value) {
    if (text.empty()) return false;
    std::uint64_t result = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (digit > max || result > (max - digit) / 10) return false;
        result = result * 10 + digit;
    }
    value = result;
    return true;
}

}  // namespace driver
