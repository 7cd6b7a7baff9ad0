// Animation clips written as their RIFF bytes for the tests: a main header, one video stream of
// 8-bit frames with its palette, the frames.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls/AnimationClip.h"

namespace winport::test {

// The palette every test clip carries unless it says otherwise.
inline const std::vector<COLORREF> kClipPalette = {RGB(255, 255, 255), RGB(32, 96, 208),
                                                   RGB(200, 40, 40), RGB(40, 160, 60)};

struct ClipShape {
    std::uint32_t frames = 12;
    std::uint32_t width = 32;
    std::uint32_t height = 24;
    std::uint32_t microSecondsPerFrame = 66666;
    std::uint32_t framesPresent = 12;
    std::uint32_t compression = BI_RGB;
    std::uint16_t bits = 8;
    bool topDown = false;  // The bitmap header's height negative.
    std::vector<COLORREF> palette = kClipPalette;
    // The frames' bytes; without them frame i is filled with index i % 4, rows padded.
    std::vector<std::string> frameData;
    // Chunks put into the 'movi' list before the frames (another stream's, say).
    std::string otherChunks;
};

inline std::string Dword(std::uint32_t value) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
    return bytes;
}

inline std::string Chunk(std::string_view id, const std::string& data) {
    std::string chunk = std::string(id) + Dword(static_cast<std::uint32_t>(data.size())) + data;
    if (data.size() % 2) chunk += '\0';
    return chunk;
}

inline std::string List(std::string_view type, const std::string& content) {
    return Chunk("LIST", std::string(type) + content);
}

inline std::string AviBytes(const ClipShape& shape) {
    const std::uint32_t stride = (shape.width + 3) & ~3u;
    const std::uint32_t frameBytes = stride * shape.height;
    std::string mainHeader = Dword(shape.microSecondsPerFrame) + Dword(0) + Dword(0) + Dword(0x10) +
                             Dword(shape.frames) + Dword(0) + Dword(1) + Dword(frameBytes) +
                             Dword(shape.width) + Dword(shape.height);
    mainHeader += std::string(16, '\0');
    const std::string streamHeader = "vidsDIB " + std::string(48, '\0');
    const std::uint32_t height = shape.topDown ? 0u - shape.height : shape.height;
    std::string format = Dword(40) + Dword(shape.width) + Dword(height) +
                         std::string("\x01\x00", 2) + static_cast<char>(shape.bits) + '\0' +
                         Dword(shape.compression) + Dword(frameBytes) + Dword(0) + Dword(0) +
                         Dword(static_cast<std::uint32_t>(shape.palette.size())) +
                         Dword(static_cast<std::uint32_t>(shape.palette.size()));
    for (const COLORREF color : shape.palette) {  // Blue, green, red and a zero.
        format += {static_cast<char>(GetBValue(color)), static_cast<char>(GetGValue(color)),
                   static_cast<char>(GetRValue(color)), '\0'};
    }
    std::string frames = shape.otherChunks;
    for (std::uint32_t i = 0; i < shape.framesPresent; ++i) {
        frames += Chunk("00db", i < shape.frameData.size()
                                    ? shape.frameData[i]
                                    : std::string(frameBytes, static_cast<char>(i % 4)));
    }
    const std::string body =
        "AVI " +
        List("hdrl", Chunk("avih", mainHeader) +
                         List("strl", Chunk("strh", streamHeader) + Chunk("strf", format))) +
        List("movi", frames) + Chunk("idx1", "");
    return "RIFF" + Dword(static_cast<std::uint32_t>(body.size())) + body;
}

inline std::optional<AviClip> ParseClip(const std::string& bytes, std::string& error) {
    return ParseAviClip(std::span(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size()),
                        error);
}

}  // namespace winport::test
