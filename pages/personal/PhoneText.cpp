#include "pages/personal/PhoneText.h"

#include <charconv>
#include <cstring>

#include "hostlib/reference/HostReferenceData.h"

namespace {

constexpr std::string_view kSeparators = " :/-+()";

void DropSeparators(std::string_view& text) {
    const std::size_t first = text.find_first_not_of(kSeparators);
    text.remove_prefix(first == std::string_view::npos ? text.size() : first);
}

// The group at the front of |text| (up to the next separator), taken off it.
std::string_view TakeGroup(std::string_view& text) {
    const std::size_t end = std::min(text.find_first_of(kSeparators), text.size());
    const std::string_view group = text.substr(0, end);
    text.remove_prefix(end);
    return group;
}

// The first run of decimal digits in |text|; empty when it has none.
std::string FirstDigits(std::string_view text) {
    const std::size_t first = text.find_first_of("0123456789");
    if (first == std::string_view::npos) return {};
    const std::size_t end = text.find_first_not_of("0123456789", first);
    return std::string(text.substr(first, end == std::string_view::npos ? end : end - first));
}

// The country whose code the first digits of |group| are; empty when they are none the host
// knows.
std::string CountryOf(std::string_view group) {
    const std::string digits = FirstDigits(group);
    int code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
    if (digits.empty() || error != std::errc()) return {};
    const char* name = GetCountryName(code);
    if (!name || std::strcmp(name, "Unknown") == 0) return {};
    return name;
}

}  // namespace

PhoneParts ReadPhoneText(std::string_view text) {
    PhoneParts parts;
    DropSeparators(text);
    if (text.empty()) return parts;
    if (const std::size_t colon = text.find(':'); colon != std::string_view::npos) {
        parts.location = text.substr(0, colon);
        text.remove_prefix(colon + 1);
        DropSeparators(text);
        if (text.empty()) return parts;
    }
    std::string_view groups[3];
    int count = 0;
    bool afterLast = false;  // Whether anything, separators included, follows the third group.
    while (count < 3 && !text.empty()) {
        groups[count++] = TakeGroup(text);
        afterLast = !text.empty();
        DropSeparators(text);
    }
    const std::string_view rest = text;
    const std::string country = CountryOf(groups[0]);
    const bool isCountry = !country.empty();
    if (isCountry && count > 1) parts.country = country;

    if (count == 1) {
        parts.local = groups[0];
    } else if (count == 2) {
        if (!isCountry) parts.area = groups[0];
        parts.local = groups[1];
    } else if (!rest.empty()) {
        // A first group that is no country is dropped.
        parts.area = groups[1];
        parts.local = groups[2];
        parts.extension = FirstDigits(rest);
    } else if (isCountry) {
        parts.area = groups[1];
        parts.local = afterLast ? FirstDigits(groups[2]) : std::string(groups[2]);
    } else {
        parts.area = groups[0];
        parts.local = groups[1];
        parts.extension = FirstDigits(groups[2]);
    }
    return parts;
}

std::string JoinPhoneText(const PhoneParts& parts) {
    std::string text;
    const bool hasCountry = !parts.country.empty();
    if (hasCountry) {
        // The code is written as the host writes its 16-bit numbers.
        const auto code = static_cast<short>(GetTelephonyCountryCode(parts.country.c_str()));
        text += " +" + std::to_string(code);
    }
    std::string_view area = parts.area;
    if (hasCountry) area.remove_prefix(std::min(area.find_first_not_of('0'), area.size()));
    if (!area.empty()) text += " (" + std::string(area) + ")";
    if (!parts.local.empty()) text += " " + parts.local;
    if (!parts.extension.empty()) text += " / " + parts.extension;
    return text;
}
