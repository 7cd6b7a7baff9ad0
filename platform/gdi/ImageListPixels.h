// Pixel work behind image lists: cutting a strip into images, masks, scaling, blending.
#pragma once

#include "platform/gdi/PixelImage.h"

namespace winport::gdi {

// The |width| x |height| area of |source| starting at column |x|; what lies outside |source|
// is transparent.
PixelImage CropImage(const PixelImage& source, LONG x, LONG width, LONG height);
// |source| stretched or shrunk to |width| x |height| (nearest pixel).
PixelImage ScaleImage(const PixelImage& source, LONG width, LONG height);

bool HasAlpha(const PixelImage& image);
void MakeOpaque(PixelImage& image);

// A monochrome mask marks transparent pixels white and opaque ones black.
PixelImage MaskOfColor(const PixelImage& image, COLORREF transparent);
// Makes transparent every pixel the mask marks white; the mask may be smaller than the image.
void ApplyMask(PixelImage& image, const PixelImage& mask);
// Turns the pixels the mask marks white black, keeping their alpha.
void BlackenMasked(PixelImage& image, const PixelImage& mask);

// Pixels more than a tenth opaque become fully opaque; the rest transparent.
void ThresholdAlpha(PixelImage& image);
// Blends every pixel onto |background|, leaving the image opaque.
void CompositeOver(PixelImage& image, COLORREF background);

}  // namespace winport::gdi
