// The title of a user details window: a host string whose one placeholder takes the user's name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A window title holds at most this many characters.
inline constexpr std::size_t kMaxTitleLength = 255;

// |format| with its first "%s" replaced by |name| and each "%%" by "%"; the name is never read
// as a format. An empty format (the host has no such string) gives the name alone. The result
// is cut to kMaxTitleLength characters on a character boundary.
std::string FormatDetailsTitle(std::string_view format, std::string_view name);
