// The frames of an animation clip's video stream, decoded into palette indices.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/core/WinTypes.h"

namespace winport {

struct AviFrameFormat {
    LONG width = 0;
    LONG height = 0;        // Rows; bottomUp says which comes first in the data.
    bool bottomUp = true;   // Uncompressed frames with a negative height come top row first.
    DWORD compression = 0;  // BI_RGB or BI_RLE8.
};

// Decodes |data| over |pixels|, which holds the previous frame (width * height indices, top row
// first): an uncompressed frame replaces every pixel, a run-length encoded one only those it
// draws, and an empty chunk repeats the previous frame. False with |error| when |data| is short
// of what it claims.
bool DecodeAviFrame(std::span<const BYTE> data, const AviFrameFormat& format,
                    std::vector<BYTE>& pixels, std::string& error);

}  // namespace winport
