// Reading an animation clip: the RIFF "AVI " form, as far as the animation control needs it (the
// frame count, size and rate from the main header, and the frames present in the 'movi' list).
#pragma once

#include <optional>
#include <span>
#include <string>

#include "platform/core/WinTypes.h"

namespace winport {

struct AviClip {
    DWORD frameCount = 0;
    LONG width = 0;
    LONG height = 0;
    DWORD microSecondsPerFrame = 0;

    friend bool operator==(const AviClip&, const AviClip&) = default;
};

// The clip held in |bytes|; nullopt with |error| saying what is wrong with it.
std::optional<AviClip> ParseAviClip(std::span<const BYTE> bytes, std::string& error);

// The clip in the file at |path|; nullopt with the last error set: ERROR_FILE_NOT_FOUND when the
// file cannot be opened, ERROR_INVALID_DATA when it is not a well-formed clip.
std::optional<AviClip> ReadAviClip(const std::string& path);

}  // namespace winport
