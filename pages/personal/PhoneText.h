// The phone text form every page stores its numbers in: " +<country code> (<area>) <local> /
// <extension>", each part present only when it is not empty, and the reading of such a text
// (with a location name before a colon: "Home: +1 (212) 9876 / 12") back into its parts.
#pragma once

#include <string>
#include <string_view>

struct PhoneParts {
    std::string location;  // Shown in the dialog, never stored.
    std::string country;   // The country's name, as the host's reference tables give it.
    std::string area;
    std::string local;
    std::string extension;

    friend bool operator==(const PhoneParts&, const PhoneParts&) = default;
};

// Splits |text| at runs of the separators " :/-+()": the location before the first colon, then
// at most three groups and a rest, assigned by their count and by whether the first group's
// digits are a country code the host knows.
PhoneParts ReadPhoneText(std::string_view text);

// The stored form of |parts|; not empty, it begins with a blank. With a country the area code
// loses its leading zeros, and is left out when nothing remains. The location is not written.
std::string JoinPhoneText(const PhoneParts& parts);
