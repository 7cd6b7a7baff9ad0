#include "hostlib/com/UnicodeUtils.h"

#include "platform/text/Utf16.h"

namespace UnicodeUtils {

std::string UnicodeToString(LPCWSTR text) {
    return winport::Utf16ToUtf8(text);
}

}  // namespace UnicodeUtils
