#include "platform/gdi/Font.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/core/LastError.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjectStore.h"
#include "platform/gdi/MulDiv.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/StockObjects.h"
#include "platform/text/Utf8.h"

namespace {

// Windows picks a 16-pixel cell (the system font's) when lfHeight is 0.
constexpr LONG kDefaultCellHeight = 16;
// Sizes past this are measured as this: far beyond anything drawn, and safe from overflow.
constexpr LONG kLargestSize = 32767;

LONG ClampedMagnitude(LONG value) {
    return static_cast<LONG>(std::min<std::int64_t>(std::abs(std::int64_t{value}), kLargestSize));
}

bool IsFixedPitch(const LOGFONT& font) {
    const BYTE pitch = font.lfPitchAndFamily & 0x03;
    const BYTE family = font.lfPitchAndFamily & 0xF0;
    return pitch == FIXED_PITCH || (pitch == DEFAULT_PITCH && family == FF_MODERN);
}

// Proportions of a typical sans serif face: the cell is 6/5 of the character height, the
// descent 1/5 of it, the letters average 11/20 of it (3/5 in a fixed pitch face), bold is a
// tenth wider and the widest glyph is 5/2 of the average.
winport::FontMetrics MetricsOf(const LOGFONT& font) {
    LONG character = 0;
    LONG cell = 0;
    if (font.lfHeight < 0) {
        character = ClampedMagnitude(font.lfHeight);
        cell = MulDiv(character, 6, 5);
    } else {
        cell = font.lfHeight > 0 ? ClampedMagnitude(font.lfHeight) : kDefaultCellHeight;
        character = MulDiv(cell, 5, 6);
    }
    winport::FontMetrics metrics;
    metrics.height = cell;
    metrics.descent = MulDiv(character, 1, 5);
    metrics.ascent = cell - metrics.descent;
    const bool fixed = IsFixedPitch(font);
    LONG average = 0;
    if (font.lfWidth != 0) {
        average = ClampedMagnitude(font.lfWidth);
    } else {
        average = fixed ? MulDiv(character, 3, 5) : MulDiv(character, 11, 20);
        if (font.lfWeight >= FW_SEMIBOLD) average = MulDiv(average, 11, 10);
    }
    metrics.averageCharWidth = std::max<LONG>(average, 1);
    metrics.maxCharWidth =
        fixed ? metrics.averageCharWidth : MulDiv(metrics.averageCharWidth, 5, 2);
    return metrics;
}

std::optional<LOGFONT> LogFontOf(HFONT font) {
    if (!font) return winport::gdi::FindObjectOf<LOGFONT>(GetStockObject(SYSTEM_FONT));
    return winport::gdi::FindObjectOf<LOGFONT>(font);
}

}  // namespace

HFONT CreateFontIndirect(const LOGFONT* font) {
    if (!font) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER, "CreateFontIndirect: null LOGFONT");
        return nullptr;
    }
    LOGFONT copy = *font;
    copy.lfFaceName[LF_FACESIZE - 1] = '\0';
    return static_cast<HFONT>(winport::gdi::AddObject(copy));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName) {
    LOGFONT font;
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    font.lfItalic = static_cast<BYTE>(italic);
    font.lfUnderline = static_cast<BYTE>(underline);
    font.lfStrikeOut = static_cast<BYTE>(strikeOut);
    font.lfCharSet = static_cast<BYTE>(charSet);
    font.lfOutPrecision = static_cast<BYTE>(outPrecision);
    font.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    font.lfQuality = static_cast<BYTE>(quality);
    font.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName) std::strncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&font);
}

namespace winport {

int PointSizeToHeight(int pointSize, int dpi) {
    return -MulDiv(pointSize, dpi, 72);
}

HFONT CreateDialogFont(int pointSize, std::string_view faceName) {
    LOGFONT font;
    font.lfHeight = PointSizeToHeight(pointSize, LogicalPixelsPerInch());
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    faceName.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&font);
}

std::optional<FontMetrics> GetFontMetrics(HFONT font) {
    std::optional<LOGFONT> logFont = LogFontOf(font);
    if (!logFont) {
        gdi::FailHandle(ERROR_INVALID_HANDLE, "GetFontMetrics", font, "a font");
        return std::nullopt;
    }
    return MetricsOf(*logFont);
}

SIZE EstimateTextExtent(HFONT font, std::string_view utf8) {
    std::optional<FontMetrics> metrics = GetFontMetrics(font);
    if (!metrics) return SIZE{};
    const auto width = static_cast<std::int64_t>(CodePointCount(utf8)) * metrics->averageCharWidth;
    return SIZE{static_cast<LONG>(std::min<std::int64_t>(width, INT32_MAX)), metrics->height};
}

}  // namespace winport
