// The blanks around what a person typed, which the pages do not keep. Blanks are spaces and tabs;
// at the front of a text, line breaks count too.
#pragma once

#include <string>
#include <string_view>

// |text| without the spaces and tabs at either end.
inline std::string WithoutSpacesAndTabsAround(std::string_view text) {
    constexpr std::string_view kSpacesAndTabs = " \t";
    const std::size_t first = text.find_first_not_of(kSpacesAndTabs);
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(kSpacesAndTabs) - first + 1));
}

// Takes the spaces, tabs and line breaks off the front of |text|.
inline void StripLeadingWhitespace(std::string& text) {
    text.erase(0, text.find_first_not_of(" \t\r\n"));
}

// Takes the spaces and tabs off the end of |text|.
inline void StripTrailingSpacesAndTabs(std::string& text) {
    text.erase(text.find_last_not_of(" \t") + 1);
}
