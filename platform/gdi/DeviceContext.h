// Screen display contexts (GetDC/ReleaseDC), what they report (GetDeviceCaps), and the logical
// pixels per inch behind every point size.
#pragma once

#include "platform/core/WinTypes.h"

inline constexpr int TECHNOLOGY = 2;
inline constexpr int HORZSIZE = 4;
inline constexpr int VERTSIZE = 6;
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int BITSPIXEL = 12;
inline constexpr int PLANES = 14;
inline constexpr int NUMCOLORS = 24;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;
inline constexpr int DESKTOPVERTRES = 117;
inline constexpr int DESKTOPHORZRES = 118;

inline constexpr int DT_RASDISPLAY = 1;

// A display context for the screen; |window| is kept but does not change what it reports.
// Every DC must go back through ReleaseDC; until then it counts as a live GDI object.
HDC GetDC(HWND window);
// 1 when |dc| came from GetDC and is now released, 0 otherwise.
int ReleaseDC(HWND window, HDC dc);
// The screen's capability |index| (0 for an unknown one); 0 with ERROR_INVALID_HANDLE when
// |dc| is not a live display context.
int GetDeviceCaps(HDC dc, int index);

namespace winport {

inline constexpr int kDefaultPixelsPerInch = 96;

int LogicalPixelsPerInch();
// Sets the logical pixels per inch (both directions); false with ERROR_INVALID_PARAMETER when
// |dpi| is not positive.
bool SetLogicalPixelsPerInch(int dpi);

// Sets the logical pixels per inch for the lifetime of the object, then puts the old value back.
class ScopedLogicalPixelsPerInch {
public:
    explicit ScopedLogicalPixelsPerInch(int dpi);
    ~ScopedLogicalPixelsPerInch();
    ScopedLogicalPixelsPerInch(const ScopedLogicalPixelsPerInch&) = delete;
    ScopedLogicalPixelsPerInch& operator=(const ScopedLogicalPixelsPerInch&) = delete;

private:
    int m_previous;
};

}  // namespace winport
