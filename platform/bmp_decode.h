// BMP decoding into our pixel format (implemented over SDL's loader).
#pragma once

#include <string>

#include "platform/surface.h"

namespace platform {

// Decodes a BMP file at its natural size; null when it cannot be decoded.
Surface* decode_bmp(const std::string& path);

}  // namespace platform
