#include "platform/controls/animation/AviFrames.h"

#include <algorithm>

#include "platform/controls/AnimationClip.h"

namespace winport {
namespace {

// Where row |y| of the data (counted as the data counts it) goes, top row first.
std::size_t RowStart(const AviFrameFormat& format, LONG y) {
    const LONG row = format.bottomUp ? format.height - 1 - y : y;
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(format.width);
}

bool DecodeUncompressed(std::span<const BYTE> data, const AviFrameFormat& format,
                        std::vector<BYTE>& pixels, std::string& error) {
    // Rows of 8-bit pixels are padded to four bytes.
    const auto stride = static_cast<std::size_t>((format.width + 3) & ~3);
    const std::size_t needed = stride * static_cast<std::size_t>(format.height);
    if (data.size() < needed) {
        error = "holds " + std::to_string(data.size()) + " bytes where its rows need " +
                std::to_string(needed);
        return false;
    }
    for (LONG y = 0; y < format.height; ++y) {
        const auto row = data.subspan(static_cast<std::size_t>(y) * stride,
                                      static_cast<std::size_t>(format.width));
        std::copy(row.begin(), row.end(),
                  pixels.begin() + static_cast<std::ptrdiff_t>(RowStart(format, y)));
    }
    return true;
}

// Runs of one index, escapes for the end of a row, the end of the frame, a jump, and literal
// runs padded to an even length. Pixels outside the frame are dropped, as a clipped draw would.
bool DecodeRunLength(std::span<const BYTE> data, const AviFrameFormat& format,
                     std::vector<BYTE>& pixels, std::string& error) {
    LONG x = 0;
    LONG y = 0;
    const auto put = [&](BYTE index) {
        if (x >= 0 && x < format.width && y >= 0 && y < format.height)
            pixels[RowStart(format, y) + static_cast<std::size_t>(x)] = index;
        ++x;
    };
    std::size_t at = 0;
    while (at + 1 < data.size()) {
        const BYTE count = data[at];
        const BYTE value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (BYTE i = 0; i < count; ++i) put(value);
            continue;
        }
        switch (value) {
            case 0:
                x = 0;
                ++y;
                break;
            case 1: return true;
            case 2:
                if (at + 1 >= data.size()) {
                    error = "ends inside a jump";
                    return false;
                }
                x += data[at];
                y += data[at + 1];
                at += 2;
                break;
            default:
                if (value > data.size() - at) {
                    error =
                        "has a literal run of " + std::to_string(value) + " pixels past its end";
                    return false;
                }
                for (BYTE i = 0; i < value; ++i) put(data[at + i]);
                at += value + (value & 1u);
                break;
        }
    }
    return true;
}

}  // namespace

bool DecodeAviFrame(std::span<const BYTE> data, const AviFrameFormat& format,
                    std::vector<BYTE>& pixels, std::string& error) {
    if (data.empty()) return true;
    if (format.compression == BI_RLE8) return DecodeRunLength(data, format, pixels, error);
    return DecodeUncompressed(data, format, pixels, error);
}

}  // namespace winport
