// Any text is judged as an e-mail address without reading past its end; one taken has a local
// part, an "@" and a dotted domain.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "hostlib/util/Validators.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!BIsValidEmail(text.c_str())) return 0;
    const std::size_t at = text.find('@');
    if (at == std::string::npos || at == 0 || text.find('.', at) == std::string::npos) std::abort();
    return 0;
}
