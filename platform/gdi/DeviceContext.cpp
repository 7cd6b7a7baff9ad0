#include "platform/gdi/DeviceContext.h"

#include <atomic>
#include <memory>
#include <string>

#include "platform/core/LastError.h"
#include "platform/gdi/DcState.h"
#include "platform/gdi/GdiObjectStore.h"
#include "platform/gdi/MulDiv.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gdi/SystemMetrics.h"

namespace {

std::atomic<int> g_pixelsPerInch{winport::kDefaultPixelsPerInch};

bool IsScreenDc(HDC dc) {
    return winport::gdi::FindObjectOf<winport::gdi::ScreenDc>(dc).has_value();
}

// Millimetres covered by |pixels| at the logical resolution.
int Millimetres(int pixels) {
    return MulDiv(pixels, 254, winport::LogicalPixelsPerInch() * 10);
}

}  // namespace

HDC GetDC(HWND window) {
    return static_cast<HDC>(winport::gdi::AddObject(winport::gdi::ScreenDc{
        window, std::make_shared<winport::gdi::DcState>(winport::gdi::DcState{
                    .font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT))})}));
}

int ReleaseDC(HWND, HDC dc) {
    if (!IsScreenDc(dc) || !winport::gdi::RemoveObject(dc)) {
        winport::gdi::FailHandle(ERROR_INVALID_HANDLE, "ReleaseDC", dc,
                                 "a display context from GetDC");
        return 0;
    }
    return 1;
}

int GetDeviceCaps(HDC dc, int index) {
    if (!IsScreenDc(dc)) {
        winport::gdi::FailHandle(ERROR_INVALID_HANDLE, "GetDeviceCaps", dc,
                                 "a live display context");
        return 0;
    }
    switch (index) {
        case TECHNOLOGY: return DT_RASDISPLAY;
        case HORZSIZE: return Millimetres(GetSystemMetrics(SM_CXSCREEN));
        case VERTSIZE: return Millimetres(GetSystemMetrics(SM_CYSCREEN));
        case HORZRES:
        case DESKTOPHORZRES: return GetSystemMetrics(SM_CXSCREEN);
        case VERTRES:
        case DESKTOPVERTRES: return GetSystemMetrics(SM_CYSCREEN);
        case BITSPIXEL: return 32;
        case PLANES: return 1;
        case NUMCOLORS: return -1;  // more than 256 colours
        case LOGPIXELSX:
        case LOGPIXELSY: return winport::LogicalPixelsPerInch();
        default: return 0;
    }
}

namespace winport {

int LogicalPixelsPerInch() {
    return g_pixelsPerInch.load();
}

bool SetLogicalPixelsPerInch(int dpi) {
    if (dpi <= 0) {
        SetLastErrorText(ERROR_INVALID_PARAMETER,
                         "SetLogicalPixelsPerInch: " + std::to_string(dpi) + " is not positive");
        return false;
    }
    g_pixelsPerInch.store(dpi);
    return true;
}

ScopedLogicalPixelsPerInch::ScopedLogicalPixelsPerInch(int dpi)
    : m_previous(LogicalPixelsPerInch()) {
    SetLogicalPixelsPerInch(dpi);
}

ScopedLogicalPixelsPerInch::~ScopedLogicalPixelsPerInch() {
    SetLogicalPixelsPerInch(m_previous);
}

}  // namespace winport
