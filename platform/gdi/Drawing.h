// Drawing on a display context: its colours and font, filled rectangles, text and image-list
// images. A display context draws on no surface a program reads back; a view that shows a
// control records what the control draws (RecordDrawing) and paints the same on its own.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/ImageList.h"

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_NOPREFIX = 0x0800;
inline constexpr UINT DT_END_ELLIPSIS = 0x8000;

// Each answers the previous setting; CLR_INVALID (0 for the mode) with ERROR_INVALID_HANDLE for
// a context that is not live.
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF SetBkColor(HDC dc, COLORREF color);
// TRANSPARENT or OPAQUE (behind text, the background colour).
int SetBkMode(HDC dc, int mode);
// Selects a font into |dc| and answers the one it replaces; a new context has the system font.
// Only fonts are kept: any other object is refused with null and ERROR_INVALID_PARAMETER.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// Fills |rect| with the brush's colour; a brush of COLOR_* + 1 is that system colour. 0 when the
// context or the brush is not live.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
// Draws |count| bytes of |text| (-1: up to its zero) in |rect| as |format| (DT_*) places it, in
// the text colour and the selected font. Answers the height of the text in pixels, 0 on failure.
int DrawText(HDC dc, const char* text, int count, RECT* rect, UINT format);
// Draws image |index| of |list| with its top left at (x, y). FALSE for a dead list, a missing
// image or a context that is not live.
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);

namespace winport {

struct DrawnFill {
    RECT rect;
    COLORREF color = 0;
};

struct DrawnText {
    RECT rect;
    std::string text;
    UINT format = 0;
    COLORREF color = 0;
    COLORREF background = 0;
    bool opaque = true;
    LOGFONT font;  // The selected font.
};

struct DrawnImage {
    HIMAGELIST images = nullptr;
    int index = -1;
    POINT at;
    UINT style = ILD_NORMAL;
};

using DrawnShape = std::variant<DrawnFill, DrawnText, DrawnImage>;

// From now on what is drawn on |dc| (from GetDC) is kept, in order. False for a context that is
// not live.
bool RecordDrawing(HDC dc);
// What was drawn since RecordDrawing, taken out of the context; recording goes on.
std::vector<DrawnShape> TakeDrawing(HDC dc);

}  // namespace winport
