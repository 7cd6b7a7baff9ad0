// The module's bitmaps: the symbols the e-mail address dialogs explain, an envelope marked
// with a tick (the contact's default address) or with a globe (the owner's published address),
// drawn at compile time.
#include <array>
#include <cstdint>

#include "res/ModuleResources.h"
#include "res/ResourceIds.h"

namespace {

constexpr int kSize = 16;
constexpr std::uint32_t kClear = 0x00000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kGrey = 0xFF909090;
constexpr std::uint32_t kGreen = 0xFF3C8C3C;
constexpr std::uint32_t kBlue = 0xFF2060C0;
constexpr std::uint32_t kLightBlue = 0xFFA8C8F0;

enum class Mark { Tick, Globe };

constexpr std::uint32_t Envelope(int x, int y) {
    if (x < 1 || x > 14 || y < 3 || y > 12) return kClear;
    if (x == 1 || x == 14 || y == 3 || y == 12) return kGrey;
    // The flap: two lines from the top corners meeting in the middle.
    const int flapY = 3 + (x <= 7 ? x - 1 : 14 - x) * 5 / 6;
    return y == flapY ? kGrey : kWhite;
}

constexpr std::uint32_t Pixel(Mark mark, int x, int y) {
    if (mark == Mark::Tick) {
        const bool shortStroke = x >= 8 && x <= 10 && (y - x == 3 || y - x == 4);
        const bool longStroke = x >= 10 && x <= 15 && (x + y == 24 || x + y == 25);
        if (shortStroke || longStroke) return kGreen;
    } else {
        const int dx = 2 * x - 23;
        const int dy = 2 * y - 23;
        const int distance =
            dx * dx + dy * dy;  // Four times the squared distance from (11.5, 11.5).
        if (distance <= 64) return (x == 11 || y == 11) ? kLightBlue : kBlue;
    }
    return Envelope(x, y);
}

constexpr auto Draw(Mark mark) {
    std::array<std::uint32_t, kSize * kSize> pixels{};
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            pixels[static_cast<std::size_t>(y * kSize + x)] = Pixel(mark, x, y);
        }
    }
    return pixels;
}

constexpr auto kDefaultAddressPixels = Draw(Mark::Tick);
constexpr auto kPublishedAddressPixels = Draw(Mark::Globe);

}  // namespace

std::span<const winport::BitmapResource> ModuleBitmaps() {
    static constexpr winport::BitmapResource kBitmaps[] = {
        {IDB_PUBLISHED_ADDRESS, kSize, kSize, kPublishedAddressPixels},
        {IDB_DEFAULT_ADDRESS, kSize, kSize, kDefaultAddressPixels},
    };
    return kBitmaps;
}
