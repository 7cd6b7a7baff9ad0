#include "pages/WebAddress.h"

#include <array>

#include "module/ModuleState.h"

namespace {

constexpr std::array<std::string_view, 3> kBrowsableSchemes = {"http", "https", "ftp"};

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The scheme |address| begins with ("http" of "http://..."); empty when it has none. A host
// with a port ("localhost:8080") has none.
std::string_view SchemeOf(std::string_view address) {
    const std::size_t colon = address.find(':');
    if (colon == std::string_view::npos || colon == 0 || !IsAsciiLetter(address.front())) return {};
    const std::string_view scheme = address.substr(0, colon);
    for (const char c : scheme) {
        if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '+' && c != '-' && c != '.') return {};
    }
    if (colon + 1 < address.size() && IsAsciiDigit(address[colon + 1])) return {};
    return scheme;
}

}  // namespace

std::optional<std::string> BrowsableAddress(std::string_view address) {
    constexpr std::string_view kBlanks = " \t";
    const std::size_t first = address.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return std::nullopt;
    address = address.substr(first, address.find_last_not_of(kBlanks) - first + 1);
    for (const char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return std::nullopt;
    }
    const std::string_view scheme = SchemeOf(address);
    if (scheme.empty()) {
        const std::string_view prefix = address.starts_with("//") ? "http:" : "http://";
        return std::string(prefix) + std::string(address);
    }
    for (const std::string_view browsable : kBrowsableSchemes) {
        if (EqualIgnoringAsciiCase(scheme, browsable)) return std::string(address);
    }
    return std::nullopt;
}

void OpenRecordAddress(std::string_view address) {
    MIHostServices* services = ModuleState().hostServices;
    const std::optional<std::string> browsable = BrowsableAddress(address);
    if (services && browsable) services->OpenAddress(browsable->c_str());
}

std::string PercentEncoded(std::string_view value) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : value) {
        if (IsAsciiLetter(c) || IsAsciiDigit(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            encoded += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        encoded += '%';
        encoded += kHex[byte >> 4];
        encoded += kHex[byte & 0x0F];
    }
    return encoded;
}
