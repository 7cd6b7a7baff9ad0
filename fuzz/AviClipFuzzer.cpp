// Any bytes are read as an animation clip or refused with a reason; a clip read has every frame
// whole.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "platform/controls/AnimationClip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const auto clip = winport::ParseAviClip(std::span<const BYTE>(data, size), error);
    if (!clip) {
        if (error.empty()) std::abort();
        return 0;
    }
    const auto pixels =
        static_cast<std::size_t>(clip->width) * static_cast<std::size_t>(clip->height);
    for (const auto& frame : clip->frames)
        if (frame.size() != pixels) std::abort();
    return 0;
}
