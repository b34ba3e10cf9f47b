// Pictures of the window: a client-area surface written as an 8-bit RGB PNG file.
#pragma once

#include <string>

#include "platform/surface.h"

namespace driver {

// Writes image to path. Returns an empty text on success, otherwise the problem.
std::string write_png(const std::string& path, const platform::Surface& image);

}  // namespace driver
