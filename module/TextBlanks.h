// The blanks around what a person typed, which the pages do not keep.
#pragma once

#include <string>
#include <string_view>

// |text| without the blanks and tabs at either end.
inline std::string WithoutOuterBlanks(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

// Takes the blanks, tabs and line breaks off the front of |text|.
inline void StripLeadingBlanks(std::string& text) {
    text.erase(0, text.find_first_not_of(" \t\r\n"));
}

// Takes the blanks and tabs off the end of |text|.
inline void StripTrailingBlanks(std::string& text) {
    text.erase(text.find_last_not_of(" \t") + 1);
}
