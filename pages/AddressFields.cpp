#include "pages/AddressFields.h"

#include <cstdio>

#include "hostlib/reference/HostReferenceData.h"
#include "hostlib/util/Validators.h"
#include "module/ModuleState.h"
#include "module/TextBlanks.h"
#include "pages/WebAddress.h"

namespace {

constexpr char kMapFormat[] = "%s?countrycode=%d&country=%s&state=%s&city=%s&zip=%s&address=%s";
constexpr long kLowestZipCode = 1;
constexpr long kHighestZipCode = 99999;

}  // namespace

int ValidateZipCode(std::string& zipCode, HWND owner) {
    StripLeadingWhitespace(zipCode);
    if (zipCode.empty()) return 1;
    return BIsValidIntegerEntry(zipCode.c_str(), "Zip", kLowestZipCode, kHighestZipCode, owner) ? 1
                                                                                                : 0;
}

void OpenStreetMap(const std::function<MapPlace()>& place) {
    MIHostServices* services = ModuleState().hostServices;
    std::string registered;
    if (!services || !services->GetRegisteredAddress("Map", &registered)) return;
    const MapPlace at = place();
    const char* countryName = GetCountryName(at.countryCode);
    const std::string values[] = {PercentEncoded(countryName ? countryName : ""),
                                  PercentEncoded(at.state), PercentEncoded(at.city),
                                  PercentEncoded(at.zipCode), PercentEncoded(at.address)};
    const auto format = [&](char* buffer, std::size_t size) {
        return std::snprintf(buffer, size, kMapFormat, registered.c_str(), at.countryCode,
                             values[0].c_str(), values[1].c_str(), values[2].c_str(),
                             values[3].c_str(), values[4].c_str());
    };
    std::string address(static_cast<std::size_t>(format(nullptr, 0)) + 1, '\0');
    address.resize(static_cast<std::size_t>(format(address.data(), address.size())));
    services->OpenAddress(address.c_str());
}
