// Any text is read as an automation script or refused with the number of a line it has.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "client/script/ScriptParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        nuvclient::ParseScript(text);
    } catch (const nuvclient::ScriptSyntaxError& error) {
        if (error.Line() < 1 || static_cast<std::size_t>(error.Line()) > size + 1) std::abort();
    }
    return 0;
}
