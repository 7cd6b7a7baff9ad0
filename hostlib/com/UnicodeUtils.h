// Wide text from COM calls back into the host's UTF-8 text.
#pragma once

#include <string>

#include "platform/text/WideChar.h"

namespace UnicodeUtils {

// A null string gives empty text; unpaired surrogates become U+FFFD.
std::string UnicodeToString(LPCWSTR text);

}  // namespace UnicodeUtils
