#include "platform/gdi/PixelImage.h"

#include <string>

#include "platform/core/LastError.h"

namespace winport {

std::optional<PixelImage> MakePixelImage(LONG width, LONG height,
                                         std::span<const std::uint32_t> pixels,
                                         std::string_view what) {
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (width <= 0 || height <= 0) {
        SetLastErrorText(ERROR_INVALID_PARAMETER,
                         std::string(what) + ": size " + size + " is not positive");
        return std::nullopt;
    }
    const auto expected = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
    if (pixels.size() != expected) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, std::string(what) + ": " + size + " needs " +
                                                      std::to_string(expected) + " pixels, got " +
                                                      std::to_string(pixels.size()));
        return std::nullopt;
    }
    return PixelImage{width, height, {pixels.begin(), pixels.end()}};
}

}  // namespace winport
