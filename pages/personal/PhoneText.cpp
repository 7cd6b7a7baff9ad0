#include "pages/personal/PhoneText.h"

#include <charconv>
#include <cstring>

#include "hostlib/reference/HostReferenceData.h"

namespace {

constexpr std::string_view kSeparators = " :/-+()";
// What a part loses at its ends: the separators but "+", which a local number keeps in front of
// a calling code the host does not know.
constexpr std::string_view kPartEnds = " :/-()";
// What the stored form writes around its parts.
constexpr std::string_view kMarkers = "+(/";
constexpr std::string_view kDigits = "0123456789";
// What an area code loses in front when a country is dialled: its zeros, and what separates them.
constexpr std::string_view kTrunkPrefix = "0 :/-+()";
// No calling code has more digits.
constexpr std::size_t kLongestCallingCode = 3;

std::string_view Trimmed(std::string_view text, std::string_view ends) {
    const std::size_t first = text.find_first_not_of(ends);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(ends) - first + 1);
}

void DropSeparators(std::string_view& text) {
    text.remove_prefix(std::min(text.find_first_not_of(kSeparators), text.size()));
}

// The group at the front of |text| (up to the next separator), taken off it with the
// separators that follow it.
std::string_view TakeGroup(std::string_view& text) {
    const std::size_t end = std::min(text.find_first_of(kSeparators), text.size());
    const std::string_view group = text.substr(0, end);
    text.remove_prefix(end);
    DropSeparators(text);
    return group;
}

// The country whose calling code |digits| spell as the stored form writes it; empty when they
// are no code the host knows, so that joining the country back gives the same digits.
std::string CountryCalled(std::string_view digits) {
    if (digits.empty() || digits.size() > kLongestCallingCode || digits.front() == '0' ||
        digits.find_first_not_of(kDigits) != std::string_view::npos) {
        return {};
    }
    int code = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), code);
    const char* name = GetCountryName(code);
    if (!name || std::strcmp(name, "Unknown") == 0 || GetTelephonyCountryCode(name) != code)
        return {};
    return name;
}

void ReadMarked(std::string text, PhoneParts& parts) {
    if (const std::size_t slash = text.find('/'); slash != std::string::npos) {
        parts.extension = Trimmed(std::string_view(text).substr(slash + 1), kPartEnds);
        text.erase(slash);
    }
    // The country leads, as the stored form writes it; a "+" further on is the local number's.
    if (const std::size_t plus = text.find_first_not_of(kPartEnds);
        plus != std::string::npos && text[plus] == '+') {
        const std::size_t end = std::min(text.find_first_of(kSeparators, plus + 1), text.size());
        parts.country = CountryCalled(std::string_view(text).substr(plus + 1, end - plus - 1));
        // A blank keeps what stood on either side apart.
        if (!parts.country.empty()) text.replace(plus, end - plus, " ");
    }
    // Brackets around nothing but separators are separators themselves; a "+" begins a calling
    // code, never an area code.
    for (std::size_t open = text.find('('); open != std::string::npos;
         open = text.find('(', open + 1)) {
        const std::size_t close = text.find(')', open);
        if (close == std::string::npos) break;
        const std::string_view inside =
            Trimmed(std::string_view(text).substr(open + 1, close - open - 1), kPartEnds);
        if (inside.empty() || inside.front() == '+') continue;
        parts.area = inside;
        text.replace(open, close + 1 - open, " ");
        break;
    }
    parts.local = Trimmed(text, kPartEnds);
}

// A typed number without markers: [country] [area] local [extension], the extension taking
// every group after the local number.
void GuessByGroups(std::string_view text, PhoneParts& parts) {
    DropSeparators(text);
    std::string_view group = TakeGroup(text);
    if (!text.empty()) {
        parts.country = CountryCalled(group);
        if (!parts.country.empty()) group = TakeGroup(text);
    }
    if (text.empty()) {
        parts.local = group;
        return;
    }
    parts.area = group;
    parts.local = TakeGroup(text);
    parts.extension = Trimmed(text, kSeparators);
}

}  // namespace

PhoneParts ReadPhoneText(std::string_view text, PhoneTextSource source) {
    PhoneParts parts;
    if (const std::size_t colon = text.find(':'); colon != std::string_view::npos) {
        std::string_view location = text.substr(0, colon);
        DropSeparators(location);
        parts.location = location;
        text.remove_prefix(colon + 1);
    }
    if (text.find_first_of(kMarkers) != std::string_view::npos) {
        ReadMarked(std::string(text), parts);
    } else if (source == PhoneTextSource::Typed) {
        GuessByGroups(text, parts);
    } else {
        parts.local = Trimmed(text, kSeparators);
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
    // Dialled from abroad, the area code goes without its trunk zeros; wholly only when no
    // bracket in the local number would be read back as the area code in its place.
    if (hasCountry) {
        std::string_view dialled = area;
        dialled.remove_prefix(std::min(dialled.find_first_not_of(kTrunkPrefix), dialled.size()));
        if (!dialled.empty() || parts.local.find('(') == std::string::npos) area = dialled;
    }
    if (!area.empty()) text += " (" + std::string(area) + ")";
    if (!parts.local.empty()) text += " " + parts.local;
    if (!parts.extension.empty()) text += " / " + parts.extension;
    return text;
}
