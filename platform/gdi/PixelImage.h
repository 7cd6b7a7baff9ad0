// Pixel data of bitmaps, icons and image list images: 32-bit BGRA, top-down rows. A pixel read
// as a 32-bit value is 0xAARRGGBB; alpha 0 is transparent.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/core/WinTypes.h"

namespace winport {

struct PixelImage {
    LONG width = 0;
    LONG height = 0;
    std::vector<std::uint32_t> pixels;  // width * height values, row by row from the top

    std::uint32_t At(LONG x, LONG y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
    friend bool operator==(const PixelImage&, const PixelImage&) = default;
};

// Images are never changed once handed out, so a holder may keep one while its owner moves on.
using PixelImagePtr = std::shared_ptr<const PixelImage>;

constexpr std::uint32_t PixelFromColor(COLORREF color, BYTE alpha = 0xFF) {
    return (static_cast<std::uint32_t>(alpha) << 24) |
           (static_cast<std::uint32_t>(GetRValue(color)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
}
constexpr COLORREF ColorOfPixel(std::uint32_t pixel) {
    return RGB(static_cast<BYTE>(pixel >> 16), static_cast<BYTE>(pixel >> 8),
               static_cast<BYTE>(pixel));
}
constexpr BYTE AlphaOfPixel(std::uint32_t pixel) {
    return static_cast<BYTE>(pixel >> 24);
}

// An image of |width| x |height| holding |pixels|; on a bad size or a pixel count that does
// not match, std::nullopt with ERROR_INVALID_PARAMETER naming |what|.
std::optional<PixelImage> MakePixelImage(LONG width, LONG height,
                                         std::span<const std::uint32_t> pixels,
                                         std::string_view what);

}  // namespace winport
