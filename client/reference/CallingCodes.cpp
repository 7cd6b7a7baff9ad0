#include "client/reference/CallingCodes.h"

#include <algorithm>

namespace nuvclient {

const RegionCallingCode* FindCallingCode(std::string_view region) {
    const std::span<const RegionCallingCode> codes = RegionCallingCodes();
    const auto found = std::ranges::lower_bound(
        codes, region, {}, [](const auto& entry) { return std::string_view(entry.region); });
    return found != codes.end() && std::string_view(found->region) == region ? &*found : nullptr;
}

}  // namespace nuvclient
