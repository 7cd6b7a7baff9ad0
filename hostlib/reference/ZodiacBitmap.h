// The zodiac strip: 13 images of 16 x 16 side by side, image 0 for no sign and images 1
// (Aries) to 12 (Pisces), drawn at compile time. Each sign is a disc of its own colour with
// its number marked as white bars (bit 0 at the top), so no two images are alike.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int kZodiacImageSize = 16;
inline constexpr int kZodiacImageCount = 13;
inline constexpr int kZodiacStripWidth = kZodiacImageCount * kZodiacImageSize;

namespace zodiac_detail {

constexpr std::uint32_t kClear = 0x00000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kGrey = 0xFF808080;
// One colour per sign, Aries first.
constexpr std::uint32_t kColours[12] = {0xFFD03020, 0xFF3C8C3C, 0xFFE0C020, 0xFF2060C0,
                                        0xFFE07820, 0xFF708040, 0xFF40A0D0, 0xFF802060,
                                        0xFFC04040, 0xFF606060, 0xFF30B0B0, 0xFF4040A0};

constexpr std::uint32_t Pixel(int sign, int x, int y) {
    const int dx = 2 * x - 15;
    const int dy = 2 * y - 15;
    const int distance = dx * dx + dy * dy;  // Four times the squared distance from the centre.
    if (sign == 0) return distance <= 196 && distance >= 100 ? kGrey : kClear;
    if (distance > 225) return kClear;
    const int bit = (y - 3) / 3;  // Bars of two rows at y = 3, 6, 9 and 12.
    const bool bar = y >= 3 && y < 15 && (y - 3) % 3 < 2 && x >= 4 && x < 12;
    return bar && (sign >> bit) & 1 ? kWhite : kColours[sign - 1];
}

constexpr auto MakePixels() {
    std::array<std::uint32_t, kZodiacStripWidth * kZodiacImageSize> pixels{};
    for (int y = 0; y < kZodiacImageSize; ++y) {
        for (int x = 0; x < kZodiacStripWidth; ++x) {
            pixels[static_cast<std::size_t>(y * kZodiacStripWidth + x)] =
                Pixel(x / kZodiacImageSize, x % kZodiacImageSize, y);
        }
    }
    return pixels;
}

}  // namespace zodiac_detail

inline constexpr auto kZodiacPixels = zodiac_detail::MakePixels();
