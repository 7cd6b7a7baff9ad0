// Any text is read as registry text or refused with a line; a tree read is written out as text
// that reads back to the same text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/shell/RegistryText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    winport::RegistryTextError error;
    const auto roots = winport::ParseRegistryText(text, error);
    if (!roots) {
        if (error.message.empty()) std::abort();
        return 0;
    }
    const std::string written = winport::FormatRegistryText(*roots);
    const auto again = winport::ParseRegistryText(written, error);
    if (!again || winport::FormatRegistryText(*again) != written) std::abort();
    return 0;
}
