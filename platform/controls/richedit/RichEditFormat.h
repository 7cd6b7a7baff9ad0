// Converting between the rich edit's kept character format and CHARFORMATA/CHARFORMAT2A.
#pragma once

#include <string>

#include "platform/controls/RichEditApi.h"

namespace winport {

// The CFM_* attributes the control keeps; EM_GETCHARFORMAT reports no others.
inline constexpr DWORD kKeptFormatMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT |
                                         CFM_LINK | CFM_COLOR | CFM_SIZE | CFM_FACE;

// Whether |cbSize| is the size of a CHARFORMATA or a CHARFORMAT2A.
bool IsCharFormatSize(UINT cbSize);

// |format| with each attribute |change|'s mask names taken from |change|.
RichEditFormat Applied(RichEditFormat format, const CHARFORMATA& change);

// The mask of the kept attributes |a| and |b| agree on.
DWORD SharedMask(const RichEditFormat& a, const RichEditFormat& b);

// Fills |out| with |format| and |mask|; the CHARFORMAT2A fields are left as they are.
void FillCharFormat(CHARFORMATA& out, const RichEditFormat& format, DWORD mask);

// The change WM_SETFONT makes: the face, size and effects of |font| at |dpi| pixels per inch.
CHARFORMATA FontChange(const LOGFONT& font, int dpi);

// What a person sees of |format| beyond |plain| ("bold italic color=#ff0000"); empty when alike.
std::string DescribeFormat(const RichEditFormat& format, const RichEditFormat& plain);

// "#rrggbb".
std::string ColorText(COLORREF color);

}  // namespace winport
