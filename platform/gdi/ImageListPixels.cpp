#include "platform/gdi/ImageListPixels.h"

#include <algorithm>
#include <cstddef>

namespace winport::gdi {

namespace {

constexpr std::uint32_t kOpaqueAlpha = 0xFF000000;
constexpr std::uint32_t kTransparent = 0;
constexpr COLORREF kWhite = RGB(255, 255, 255);

std::size_t PixelCount(LONG width, LONG height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

PixelImage BlankImage(LONG width, LONG height) {
    return PixelImage{width, height, std::vector<std::uint32_t>(PixelCount(width, height))};
}

std::uint32_t& PixelAt(PixelImage& image, LONG x, LONG y) {
    return image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                        static_cast<std::size_t>(x)];
}

bool MarksTransparent(std::uint32_t maskPixel) {
    return ColorOfPixel(maskPixel) == kWhite;
}

// Calls |change| on each pixel of |image| that |mask| marks transparent.
template <class Change>
void ForMaskedPixels(PixelImage& image, const PixelImage& mask, Change change) {
    const LONG width = std::min(image.width, mask.width);
    const LONG height = std::min(image.height, mask.height);
    for (LONG y = 0; y < height; ++y) {
        for (LONG x = 0; x < width; ++x) {
            if (MarksTransparent(mask.At(x, y))) change(PixelAt(image, x, y));
        }
    }
}

BYTE Blend(BYTE foreground, BYTE background, BYTE alpha) {
    return static_cast<BYTE>((foreground * alpha + background * (255 - alpha) + 127) / 255);
}

}  // namespace

PixelImage CropImage(const PixelImage& source, LONG x, LONG width, LONG height) {
    PixelImage image = BlankImage(width, height);
    const LONG columns = std::clamp<LONG>(source.width - x, 0, width);
    const LONG rows = std::min(source.height, height);
    for (LONG row = 0; row < rows; ++row) {
        for (LONG column = 0; column < columns; ++column) {
            PixelAt(image, column, row) = source.At(x + column, row);
        }
    }
    return image;
}

PixelImage ScaleImage(const PixelImage& source, LONG width, LONG height) {
    if (source.width == width && source.height == height) return source;
    PixelImage image = BlankImage(width, height);
    for (LONG y = 0; y < height; ++y) {
        const auto sourceY = static_cast<LONG>(std::int64_t{y} * source.height / height);
        for (LONG x = 0; x < width; ++x) {
            const auto sourceX = static_cast<LONG>(std::int64_t{x} * source.width / width);
            PixelAt(image, x, y) = source.At(sourceX, sourceY);
        }
    }
    return image;
}

bool HasAlpha(const PixelImage& image) {
    return std::any_of(image.pixels.begin(), image.pixels.end(),
                       [](std::uint32_t pixel) { return AlphaOfPixel(pixel) != 0; });
}

void MakeOpaque(PixelImage& image) {
    for (std::uint32_t& pixel : image.pixels) pixel |= kOpaqueAlpha;
}

PixelImage MaskOfColor(const PixelImage& image, COLORREF transparent) {
    PixelImage mask = image;
    for (std::uint32_t& pixel : mask.pixels) {
        pixel = ColorOfPixel(pixel) == transparent ? PixelFromColor(kWhite) : PixelFromColor(0);
    }
    return mask;
}

void ApplyMask(PixelImage& image, const PixelImage& mask) {
    ForMaskedPixels(image, mask, [](std::uint32_t& pixel) { pixel = kTransparent; });
}

void BlackenMasked(PixelImage& image, const PixelImage& mask) {
    ForMaskedPixels(image, mask, [](std::uint32_t& pixel) { pixel &= kOpaqueAlpha; });
}

void ThresholdAlpha(PixelImage& image) {
    for (std::uint32_t& pixel : image.pixels) {
        pixel = AlphaOfPixel(pixel) > 25 ? (pixel | kOpaqueAlpha) : kTransparent;
    }
}

void CompositeOver(PixelImage& image, COLORREF background) {
    for (std::uint32_t& pixel : image.pixels) {
        const BYTE alpha = AlphaOfPixel(pixel);
        const COLORREF color = ColorOfPixel(pixel);
        pixel = PixelFromColor(RGB(Blend(GetRValue(color), GetRValue(background), alpha),
                                   Blend(GetGValue(color), GetGValue(background), alpha),
                                   Blend(GetBValue(color), GetBValue(background), alpha)));
    }
}

}  // namespace winport::gdi
