#include "hostlib/com/ComUtils.h"

namespace ComUtils {

std::string CLSIDToString(REFCLSID clsid) {
    return winport::GuidToString(clsid);
}

}  // namespace ComUtils
