// Keys and texts of a record at the UTF-16 boundary of MINUVPropertySet. Both cross it on every
// access, and most are ASCII: ASCII converts unit by unit, and any other text goes through the
// full converter (the same result, ill-formed input included).
#pragma once

#include <string>
#include <string_view>

std::u16string PropertyTextToWide(std::string_view text);
std::string PropertyTextFromWide(std::u16string_view text);
