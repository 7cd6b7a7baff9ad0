// COM helpers of the host's library.
#pragma once

#include <string>

#include "platform/com/Guid.h"

namespace ComUtils {

// The registry text form with braces and upper-case digits:
// "{7762FBE0-7059-11D3-8DD2-00104B06462E}".
std::string CLSIDToString(REFCLSID clsid);

}  // namespace ComUtils
