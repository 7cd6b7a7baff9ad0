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

// Where a number's text comes from, which decides how a text without markers is read.
enum class PhoneTextSource {
    Stored,  // A record's number: without markers it is one local number, however many groups.
    Typed,   // What a person typed: without markers its groups are guessed at.
};

// The location is everything before the first colon. A text with any of the markers the
// stored form writes is read by them: the group after the first "+" is the country when it is
// a calling code the host knows, the first "( )" holding something is the area code, what
// follows the first "/" the extension, and everything else the local number. A typed text
// without markers is split into groups at " :-)": a first group that is a known calling code
// is the country, then come the area code, the local number and, as typed, the extension.
// No group is ever dropped.
PhoneParts ReadPhoneText(std::string_view text, PhoneTextSource source);

// The stored form of |parts|; not empty, it begins with a blank. With a country the area code
// loses its leading zeros, and is left out when nothing remains. The location is not written.
std::string JoinPhoneText(const PhoneParts& parts);
