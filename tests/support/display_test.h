// A fixture for drawing tests: a small window opened for each test and closed after it.
#pragma once

#include <gtest/gtest.h>

// Width x Height pixels, no pacing.
class DisplayTest : public testing::Test {
protected:
    static constexpr int Width = 64;
    static constexpr int Height = 48;
    void SetUp() override;
    void TearDown() override;
};
