// Shared by the GDI tests: a fixture that fails when a test leaves a GDI object, an icon or an
// image list behind, and builders of pixel data.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "LastErrorCheck.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Icon.h"
#include "platform/gdi/ImageList.h"

namespace winport::testing {

inline constexpr std::uint32_t kRed = PixelFromColor(RGB(255, 0, 0));
inline constexpr std::uint32_t kGreen = PixelFromColor(RGB(0, 255, 0));
inline constexpr std::uint32_t kBlue = PixelFromColor(RGB(0, 0, 255));
inline constexpr std::uint32_t kWhite = PixelFromColor(RGB(255, 255, 255));
inline constexpr std::uint32_t kBlack = PixelFromColor(RGB(0, 0, 0));
inline constexpr std::uint32_t kMagenta = PixelFromColor(RGB(255, 0, 255));

inline std::vector<std::uint32_t> Filled(LONG width, LONG height, std::uint32_t pixel) {
    return std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), pixel);
}

// Tiles of |tileWidth| x |height|, one colour each, side by side: the strip ImageList_Add cuts.
inline std::vector<std::uint32_t> Strip(LONG tileWidth, LONG height,
                                        std::initializer_list<std::uint32_t> tileColors) {
    std::vector<std::uint32_t> pixels;
    for (LONG y = 0; y < height; ++y) {
        for (std::uint32_t color : tileColors) pixels.insert(pixels.end(), tileWidth, color);
    }
    return pixels;
}

// What GetObject tells of |object|, which must fill the whole |Description|.
template <class Description>
Description DescribeObject(HGDIOBJ object) {
    Description description{};
    EXPECT_EQ(GetObject(object, sizeof description, &description),
              static_cast<int>(sizeof description));
    return description;
}

class GdiLeakCheckedTest : public ::testing::Test {
protected:
    void SetUp() override { SetLastError(ERROR_SUCCESS); }
    void TearDown() override {
        EXPECT_EQ(LiveGdiObjectCount(), m_gdiObjects) << "GDI objects left undeleted";
        EXPECT_EQ(LiveIconCount(), m_icons) << "icons left undestroyed";
        EXPECT_EQ(LiveImageListCount(), m_imageLists) << "image lists left undestroyed";
    }

    const std::size_t m_gdiObjects = LiveGdiObjectCount();
    const std::size_t m_icons = LiveIconCount();
    const std::size_t m_imageLists = LiveImageListCount();
};

}  // namespace winport::testing
