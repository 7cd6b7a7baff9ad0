#include "platform/gdi/StockObjects.h"

#include <cstring>
#include <string>

#include "platform/core/LastError.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/MulDiv.h"
#include "platform/gdi/ObjectTable.h"

namespace winport::gdi {

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

LOGBRUSH SolidBrush(COLORREF color) {
    return LOGBRUSH{BS_SOLID, color, 0};
}
LOGPEN Pen(int style, COLORREF color) {
    return LOGPEN{static_cast<UINT>(style), {0, 0}, color};
}

struct StockFont {
    LONG height;  // pixels at 96 dpi, or with pointSize set, derived from the point size
    LONG width;
    int pointSize;
    LONG weight;
    BYTE charSet;
    BYTE pitchAndFamily;
    const char* face;
};

LOGFONT MakeFont(const StockFont& stock) {
    const int dpi = LogicalPixelsPerInch();
    LOGFONT font;
    font.lfHeight =
        stock.pointSize ? PointSizeToHeight(stock.pointSize, dpi) : MulDiv(stock.height, dpi, 96);
    font.lfWidth = MulDiv(stock.width, dpi, 96);
    font.lfWeight = stock.weight;
    font.lfCharSet = stock.charSet;
    font.lfPitchAndFamily = stock.pitchAndFamily;
    std::strncpy(font.lfFaceName, stock.face, LF_FACESIZE - 1);
    return font;
}

}  // namespace

std::optional<GdiObject> StockObjectAt(int index) {
    switch (index) {
        case WHITE_BRUSH: return SolidBrush(kWhite);
        case LTGRAY_BRUSH: return SolidBrush(RGB(192, 192, 192));
        case GRAY_BRUSH: return SolidBrush(RGB(128, 128, 128));
        case DKGRAY_BRUSH: return SolidBrush(RGB(64, 64, 64));
        case BLACK_BRUSH: return SolidBrush(kBlack);
        case NULL_BRUSH: return LOGBRUSH{BS_NULL, 0, 0};
        case WHITE_PEN: return Pen(PS_SOLID, kWhite);
        case BLACK_PEN: return Pen(PS_SOLID, kBlack);
        case NULL_PEN: return Pen(PS_NULL, kBlack);
        case OEM_FIXED_FONT:
            return MakeFont(
                {12, 8, 0, FW_NORMAL, OEM_CHARSET, FIXED_PITCH | FF_MODERN, "Terminal"});
        case ANSI_FIXED_FONT:
            return MakeFont(
                {12, 0, 0, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, "Courier"});
        case ANSI_VAR_FONT:
            return MakeFont(
                {12, 0, 0, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif"});
        case SYSTEM_FONT:
        case DEVICE_DEFAULT_FONT:
            return MakeFont({16, 0, 0, FW_BOLD, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "System"});
        case SYSTEM_FIXED_FONT:
            return MakeFont(
                {16, 8, 0, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, "Fixedsys"});
        case DEFAULT_GUI_FONT:
            return MakeFont(
                {0, 0, 8, FW_NORMAL, DEFAULT_CHARSET, VARIABLE_PITCH | FF_SWISS, "MS Shell Dlg"});
        case DC_BRUSH: return SolidBrush(kWhite);
        case DC_PEN: return Pen(PS_SOLID, kBlack);
        default: return std::nullopt;
    }
}

}  // namespace winport::gdi

HGDIOBJ GetStockObject(int index) {
    using namespace winport::gdi;
    if (!StockObjectAt(index)) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER,
                                  "GetStockObject: no stock object " + std::to_string(index));
        return nullptr;
    }
    return MakeHandle<HGDIOBJ>(HandleSpace::StockObject, static_cast<std::uintptr_t>(index) + 1);
}
