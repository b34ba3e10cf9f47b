// PNG pictures of the window: colours keep their channels (the surfaces hold
// 0x00BBGGRR), the size is the surface's, and failures are reported.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include "apps/headless/shots.h"

namespace {

class Shots : public testing::Test {
protected:
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("quorvax_shots_" + std::string(::testing::UnitTest::GetInstance()
                                                                        ->current_test_info()
                                                                        ->name()));
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }
};

TEST_F(Shots, WritesEveryPixelAsRedGreenBlue) {
    platform::Surface image;
    image.width = 3;
    image.height = 2;
    image.pixels = {0x0000FF, 0x00FF00, 0xFF0000,  // red, green, blue
                    0x3399FF, 0x000000, 0xFFFFFF};  // orange (BBGGRR), black, white
    std::string path = (folder / "a.png").string();
    ASSERT_EQ(driver::write_png(path, image), "");

    int width = 0, height = 0, channels = 0;
    unsigned char* rgb = stbi_load(path.c_str(), &width, &height, &channels, 3);
    ASSERT_NE(rgb, nullptr);
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    const unsigned char expected[6][3] = {{255, 0, 0},   {0, 255, 0}, {0, 0, 255},
                                          {255, 153, 51}, {0, 0, 0},   {255, 255, 255}};
    for (int i = 0; i < 6; ++i) {
        for (int c = 0; c < 3; ++c) EXPECT_EQ(rgb[3 * i + c], expected[i][c]) << i << "," << c;
    }
    stbi_image_free(rgb);
}

TEST_F(Shots, ProblemsAreReported) {
    platform::Surface one;
    one.width = 1;
    one.height = 1;
    one.pixels = {0};
    std::string unwritable = (folder / "no" / "such" / "x.png").string();
    EXPECT_EQ(driver::write_png(unwritable, one), "cannot write " + unwritable + ": No such file or directory");

    std::string path = (folder / "b.png").string();
    EXPECT_EQ(driver::write_png(path, platform::Surface{}),
              "cannot write " + path + ": the window has no picture yet");
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
