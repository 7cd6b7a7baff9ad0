// The rich edit control ("RichEdit20A", also registered as "RICHEDIT50W"): its messages,
// structures, masks and flags with Windows' values, and the formatting runs a view or a test reads.
// Positions count code points; a paragraph break is one character ("\r"), as in Windows, while
// WM_GETTEXT gives each break as "\r\n".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/WinMessages.h"
#include "platform/core/WinTypes.h"
#include "platform/gdi/GdiTypes.h"

inline constexpr char RICHEDIT_CLASS[] = "RichEdit20A";
inline constexpr char MSFTEDIT_CLASS[] = "RICHEDIT50W";

inline constexpr UINT EM_EXGETSEL = WM_USER + 52;
inline constexpr UINT EM_EXSETSEL = WM_USER + 55;
inline constexpr UINT EM_GETCHARFORMAT = WM_USER + 58;
inline constexpr UINT EM_GETEVENTMASK = WM_USER + 59;
inline constexpr UINT EM_GETSELTEXT = WM_USER + 62;
inline constexpr UINT EM_SETBKGNDCOLOR = WM_USER + 67;
inline constexpr UINT EM_SETCHARFORMAT = WM_USER + 68;
inline constexpr UINT EM_SETEVENTMASK = WM_USER + 69;
inline constexpr UINT EM_GETTEXTRANGE = WM_USER + 75;
inline constexpr UINT EM_AUTOURLDETECT = WM_USER + 91;
inline constexpr UINT EM_GETAUTOURLDETECT = WM_USER + 92;
inline constexpr UINT EM_GETTEXTLENGTHEX = WM_USER + 95;

// Event mask: which notifications the control sends. A rich edit sends EN_CHANGE and EN_UPDATE
// only when asked; EN_SETFOCUS and EN_KILLFOCUS always.
inline constexpr DWORD ENM_NONE = 0x00000000;
inline constexpr DWORD ENM_CHANGE = 0x00000001;
inline constexpr DWORD ENM_UPDATE = 0x00000002;

// EM_SETCHARFORMAT and EM_GETCHARFORMAT: wParam.
inline constexpr WPARAM SCF_DEFAULT = 0x0000;
inline constexpr WPARAM SCF_SELECTION = 0x0001;
inline constexpr WPARAM SCF_WORD = 0x0002;
inline constexpr WPARAM SCF_ALL = 0x0004;

inline constexpr DWORD CFM_BOLD = 0x00000001;
inline constexpr DWORD CFM_ITALIC = 0x00000002;
inline constexpr DWORD CFM_UNDERLINE = 0x00000004;
inline constexpr DWORD CFM_STRIKEOUT = 0x00000008;
inline constexpr DWORD CFM_LINK = 0x00000020;
inline constexpr DWORD CFM_FACE = 0x20000000;
inline constexpr DWORD CFM_COLOR = 0x40000000;
inline constexpr DWORD CFM_SIZE = 0x80000000;

inline constexpr DWORD CFE_BOLD = 0x00000001;
inline constexpr DWORD CFE_ITALIC = 0x00000002;
inline constexpr DWORD CFE_UNDERLINE = 0x00000004;
inline constexpr DWORD CFE_STRIKEOUT = 0x00000008;
inline constexpr DWORD CFE_LINK = 0x00000020;
inline constexpr DWORD CFE_AUTOCOLOR = 0x40000000;  // With CFM_COLOR: the system's text colour.

// EM_GETTEXTLENGTHEX flags.
inline constexpr DWORD GTL_DEFAULT = 0;
inline constexpr DWORD GTL_USECRLF = 1;
inline constexpr DWORD GTL_PRECISE = 2;
inline constexpr DWORD GTL_CLOSE = 4;
inline constexpr DWORD GTL_NUMCHARS = 8;
inline constexpr DWORD GTL_NUMBYTES = 16;

// EM_AUTOURLDETECT: wParam.
inline constexpr WPARAM AURL_ENABLEURL = 1;

struct CHARRANGE {
    LONG cpMin = 0;
    LONG cpMax = 0;  // -1: the end of the text.
};

struct TEXTRANGEA {
    CHARRANGE chrg;
    char* lpstrText = nullptr;  // Large enough for the range and a terminating zero.
};
using TEXTRANGE = TEXTRANGEA;

// Zero-initialise these (CHARFORMAT2A format{}) and set cbSize; the size tells the two apart.
struct CHARFORMATA {
    UINT cbSize;
    DWORD dwMask;
    DWORD dwEffects;
    LONG yHeight;  // In twips.
    LONG yOffset;
    COLORREF crTextColor;
    BYTE bCharSet;
    BYTE bPitchAndFamily;
    char szFaceName[LF_FACESIZE];
};
struct CHARFORMAT2A : CHARFORMATA {
    WORD wWeight;
    short sSpacing;
    COLORREF crBackColor;
    DWORD lcid;
    DWORD dwReserved;
    short sStyle;
    WORD wKerning;
    BYTE bUnderlineType;
    BYTE bAnimation;
    BYTE bRevAuthor;
    BYTE bUnderlineColor;
};
using CHARFORMAT = CHARFORMATA;
using CHARFORMAT2 = CHARFORMAT2A;
static_assert(sizeof(CHARFORMATA) == 60 && sizeof(CHARFORMAT2A) == 84);

struct GETTEXTLENGTHEX {
    DWORD flags = GTL_DEFAULT;
    UINT codepage = 0;
};

namespace winport {

// The format of one character, as far as the control keeps it.
struct RichEditFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    bool link = false;      // Marked by automatic URL detection.
    bool autoColor = true;  // The text is drawn in the system's window text colour.
    COLORREF color = 0;
    LONG height = 160;  // In twips: 8 points.
    std::string face = "MS Shell Dlg";

    friend bool operator==(const RichEditFormat&, const RichEditFormat&) = default;
};

// Characters [start, start + length) share |format|.
struct RichEditRun {
    std::size_t start = 0;
    std::size_t length = 0;
    RichEditFormat format;

    friend bool operator==(const RichEditRun&, const RichEditRun&) = default;
};

// The runs over the text of |richEdit|, in order; neighbours differ and none is empty, so an
// empty control has none. nullopt with the last error set when it is not a rich edit.
std::optional<std::vector<RichEditRun>> RichEditRuns(HWND richEdit);

}  // namespace winport
