// How list boxes and combo boxes compare item text, as Windows' default comparison does: case
// is ignored, an accented letter sorts right after its base letter (before the next letter),
// punctuation and symbols sort before digits and digits before letters, and Latin letters before
// Greek and Cyrillic ones.
#pragma once

#include <string>
#include <string_view>

namespace winport {

// A key that orders texts as the comparison does: two texts compare as their keys do, and equal
// keys mean texts that differ at most in case.
std::u32string ListSortKey(std::string_view text);

// Whether |text| begins with |prefix|, ignoring case (accents count), as LB_FINDSTRING matches.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

}  // namespace winport
