// A fresh headless desktop and display unit for every test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "display/display.h"

namespace window_test {

// Forgets the window, the scripted input, the unit's state and the ring, and sets
// the virtual clock to start.
void reset_all(std::uint32_t start = 0);

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override { reset_all(); }
    void TearDown() override { reset_all(); }
};

// The pixel at (x, y) of a bitmap record's surface.
display::COLOR pixel(display::PBITMAP bitmap, int x, int y);

}  // namespace window_test
