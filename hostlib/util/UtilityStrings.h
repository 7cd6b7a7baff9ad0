// The host library's own strings: the texts its checks and its web-page opener show. They
// join the resource chain with the library.
#pragma once

#include "platform/core/WinTypes.h"

inline constexpr UINT kEntryEmptyText = 7100;
inline constexpr UINT kEntryTooLongText = 7101;
inline constexpr UINT kEntryBadCharacterText = 7102;
inline constexpr UINT kIntegerRangeText = 7103;
inline constexpr UINT kIntegerRangeUnnamedText = 7104;
inline constexpr UINT kWebPageMissingText = 7105;
