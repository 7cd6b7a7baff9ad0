// Reading an animation clip: the RIFF "AVI " form, as far as the animation control needs it: the
// frame count, size and rate from the main header, the palette from the video stream's format,
// and the frames of the 'movi' list, 8 bits a pixel, uncompressed or run-length encoded.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/core/WinTypes.h"

inline constexpr DWORD BI_RGB = 0;
inline constexpr DWORD BI_RLE8 = 1;

namespace winport {

struct AviClip {
    DWORD frameCount = 0;
    LONG width = 0;
    LONG height = 0;
    DWORD microSecondsPerFrame = 0;
    std::vector<COLORREF> palette;
    // Each frame's palette indices, width * height of them, row by row from the top.
    std::vector<std::vector<BYTE>> frames;

    friend bool operator==(const AviClip&, const AviClip&) = default;
};

// The clip held in |bytes|; nullopt with |error| saying what is wrong with it.
std::optional<AviClip> ParseAviClip(std::span<const BYTE> bytes, std::string& error);

// Why a clip file could not be read: the text follows the file's name in a message.
struct ClipFileProblem {
    enum class Kind { CannotOpen, NotAClip };
    Kind kind = Kind::NotAClip;
    std::string text;
};

// The clip in the file at |path|; nullopt with |problem| saying why, the last error untouched.
std::optional<AviClip> ReadAviClipFile(const std::string& path, ClipFileProblem& problem);

// The clip in the file at |path|; nullopt with the last error set: ERROR_FILE_NOT_FOUND when the
// file cannot be opened, ERROR_INVALID_DATA when it is not a well-formed clip.
std::optional<AviClip> ReadAviClip(const std::string& path);

}  // namespace winport
