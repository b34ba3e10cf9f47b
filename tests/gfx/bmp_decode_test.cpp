// BMP decoding: every depth and row order that SDL reads comes out as 0x00BBGGRR
// pixels at the image's natural size; files that cannot be decoded give null.
#include <gtest/gtest.h>

#include "platform/bmp_decode.h"
#include "tests/gfx/fixtures.h"

namespace {

using namespace gfx_test;

TEST(DecodeBmp, EveryDepthAndRowOrder) {
    const int depths[] = {1, 4, 8, 24, 32};
    TempDir dir;
    for (int bits : depths) {
        for (bool top_down : {false, true}) {
            // Odd width so that rows need padding at every depth.
            const std::string path = dir.write("image.bmp", bmp_bytes(bits, 13, 6, top_down));
            platform::Surface* surface = platform::decode_bmp(path);
            ASSERT_NE(surface, nullptr) << bits << " bits, top-down " << top_down;
            ASSERT_EQ(surface->width, 13);
            ASSERT_EQ(surface->height, 6);
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 13; ++x)
                    ASSERT_EQ(at(*surface, x, y), bmp_colour(bits, x, y))
                        << bits << " bits, top-down " << top_down << " at " << x << "," << y;
            platform::release_surface(surface);
        }
    }
}

TEST(DecodeBmp, BackslashNamesAreOpened) {
    TempDir dir;
    dir.write("image/small.bmp", bmp_bytes(24, 3, 2, false));
    const std::string name = dir.path.string() + "\\image\\small.bmp";
    platform::Surface* surface = platform::decode_bmp(name);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->width, 3);
    platform::release_surface(surface);
}

std::vector<unsigned char> with_u32(std::vector<unsigned char> bytes, std::size_t at, std::uint32_t value) {
    for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<unsigned char>(value >> (8 * k));
    return bytes;
}

TEST(DecodeBmp, UndecodableFilesGiveNull) {
    const std::vector<unsigned char> good = bmp_bytes(24, 4, 4, false);
    std::vector<unsigned char> truncated = good;
    truncated.resize(good.size() - 10);
    std::vector<unsigned char> wrong_magic = good;
    wrong_magic[0] = 'X';
    std::vector<unsigned char> garbage(300);
    for (std::size_t k = 0; k < garbage.size(); ++k) garbage[k] = static_cast<unsigned char>(k * 97 + 13);
    garbage[0] = 'B';
    garbage[1] = 'M';
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
    } cases[] = {
        {"empty", {}},
        {"header only", std::vector<unsigned char>(good.begin(), good.begin() + 54)},
        {"pixels cut short", truncated},
        {"not a BMP", wrong_magic},
        {"garbage", garbage},
        {"huge", with_u32(with_u32(good, 18, 100000), 22, 100000)},
        {"wide beyond the cap", with_u32(good, 18, platform::MAX_SURFACE_SIDE + 1)},
        {"negative width", with_u32(good, 18, static_cast<std::uint32_t>(-4))},
        {"zero height", with_u32(good, 22, 0)},
        {"within the caps but longer than the file", with_u32(with_u32(good, 18, 4000), 22, 4000)},
        {"unknown depth", with_u32(good, 28, 7)},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::string path = dir.write("bad.bmp", c.bytes);
        platform::Surface* surface = platform::decode_bmp(path);
        EXPECT_EQ(surface, nullptr) << c.what;
        platform::release_surface(surface);
    }
    EXPECT_EQ(platform::decode_bmp((dir.path / "missing.bmp").string()), nullptr);
}

}  // namespace
