// Fonts: creation from a LOGFONT and deterministic metrics without a rasteriser.
#pragma once

#include <optional>
#include <string_view>

#include "platform/gdi/GdiTypes.h"

// NULL with ERROR_INVALID_PARAMETER for a null |font|. The face name is cut to 31 characters.
HFONT CreateFontIndirect(const LOGFONT* font);
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName);

namespace winport {

inline constexpr char kDialogFontFace[] = "MS Shell Dlg";
inline constexpr int kDialogFontPointSize = 8;

// The height a LOGFONT needs for |pointSize| points at |dpi|: -MulDiv(pointSize, dpi, 72).
int PointSizeToHeight(int pointSize, int dpi);

// A regular font of |pointSize| points at the current logical pixels per inch, as a dialog
// template's font; the caller deletes it.
HFONT CreateDialogFont(int pointSize = kDialogFontPointSize,
                       std::string_view faceName = kDialogFontFace);

struct FontMetrics {
    LONG height = 0;  // cell height: ascent + descent
    LONG ascent = 0;
    LONG descent = 0;
    LONG averageCharWidth = 0;  // the mean width of the Latin letters, as dialog units use it
    LONG maxCharWidth = 0;
    friend bool operator==(const FontMetrics&, const FontMetrics&) = default;
};

// The metrics of |font|, or of the system font for NULL (a window without WM_SETFONT draws
// with it). A negative lfHeight is the character height, a positive one the cell height; the
// cell is 6/5 of the character height. "MS Shell Dlg" at 8 points and 96 dpi measures 6 x 13.
// std::nullopt with ERROR_INVALID_HANDLE when |font| is not a font.
std::optional<FontMetrics> GetFontMetrics(HFONT font);

// The width and height |utf8| takes in |font| on one line: code points x average width.
// A zero SIZE with ERROR_INVALID_HANDLE when |font| is not a font.
SIZE EstimateTextExtent(HFONT font, std::string_view utf8);

}  // namespace winport
