// PNG output through stb_image_write. Surfaces hold 0x00BBGGRR per pixel; PNG wants
// the bytes red, green, blue.
#include "apps/headless/shots.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO_DEPRECATION
#include <stb/stb_image_write.h>

namespace driver {

std::string write_png(const std::string& path, const platform::Surface& image) {
    std::size_t count = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() != count) {
        return "cannot write " + path + ": the window has no picture yet";
    }
    std::vector<unsigned char> rgb(count * 3);
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t colour = image.pixels[i];
        rgb[3 * i] = static_cast<unsigned char>(colour & 0xFF);
        rgb[3 * i + 1] = static_cast<unsigned char>((colour >> 8) & 0xFF);
        rgb[3 * i + 2] = static_cast<unsigned char>((colour >> 16) & 0xFF);
    }
    errno = 0;
    if (stbi_write_png(path.c_str(), image.width, image.height, 3, rgb.data(), image.width * 3) == 0) {
        return "cannot write " + path + ": " + (errno != 0 ? std::strerror(errno) : "write failed");
    }
    return {};
}

}  // namespace driver
