// Strict decimal numbers for the driver's command line and key scripts: digits only,
// no sign, no blanks, no empty text, and no value above a given maximum.
#pragma once

#include <cstdint>
#include <string_view>

namespace driver {

// Reads text as an unsigned decimal number of at most max. False when the text is
// empty, holds anything but the digits 0 to 9, or names a value above max.
bool parse_decimal(std::string_view text, std::uint64_t max, std::uint64_t& value);

}  // namespace driver
