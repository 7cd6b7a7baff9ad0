#include "platform/gdi/Drawing.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include "platform/core/LastError.h"
#include "platform/gdi/DcState.h"
#include "platform/gdi/GdiObjectStore.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/SystemColors.h"

namespace {

using winport::gdi::DcState;

// The state of a live display context; null, with ERROR_INVALID_HANDLE naming |function|,
// otherwise.
std::shared_ptr<DcState> StateOf(HDC dc, const char* function) {
    const auto screen = winport::gdi::FindObjectOf<winport::gdi::ScreenDc>(dc);
    if (!screen || !screen->state) {
        winport::gdi::FailHandle(ERROR_INVALID_HANDLE, function, dc, "a live display context");
        return nullptr;
    }
    return screen->state;
}

template <class Shape>
void Record(DcState& state, Shape shape) {
    if (state.recording) state.recording->emplace_back(std::in_place_type<Shape>, std::move(shape));
}

// The colour a brush paints: a created or stock solid brush, or a system colour given as its
// index plus one.
std::optional<COLORREF> BrushColor(HBRUSH brush) {
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= COLOR_MENUBAR + 1) return GetSysColor(static_cast<int>(value - 1));
    const auto logical = winport::gdi::FindObjectOf<LOGBRUSH>(brush);
    if (!logical) return std::nullopt;
    return logical->lbColor;
}

// The pixel height of text in |font|; a font of the default size is 13 pixels high.
int TextHeight(const LOGFONT& font) {
    constexpr int kDefaultHeight = 13;
    if (font.lfHeight == 0) return kDefaultHeight;
    return font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
}

}  // namespace

COLORREF SetTextColor(HDC dc, COLORREF color) {
    const auto state = StateOf(dc, "SetTextColor");
    if (!state) return CLR_INVALID;
    return std::exchange(state->textColor, color);
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
    const auto state = StateOf(dc, "SetBkColor");
    if (!state) return CLR_INVALID;
    return std::exchange(state->backColor, color);
}

int SetBkMode(HDC dc, int mode) {
    const auto state = StateOf(dc, "SetBkMode");
    if (!state) return 0;
    if (mode != TRANSPARENT && mode != OPAQUE) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER, "SetBkMode: not TRANSPARENT or OPAQUE");
        return 0;
    }
    return std::exchange(state->backMode, mode);
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    const auto state = StateOf(dc, "SelectObject");
    if (!state) return nullptr;
    if (GetObjectType(object) != OBJ_FONT) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER, "SelectObject: only fonts are kept");
        return nullptr;
    }
    return std::exchange(state->font, static_cast<HFONT>(object));
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    const auto state = StateOf(dc, "FillRect");
    const std::optional<COLORREF> color = BrushColor(brush);
    if (!state || !rect || !color) return 0;
    Record(*state, winport::DrawnFill{*rect, *color});
    return 1;
}

int DrawText(HDC dc, const char* text, int count, RECT* rect, UINT format) {
    const auto state = StateOf(dc, "DrawText");
    if (!state || !text || !rect) return 0;
    winport::DrawnText drawn;
    drawn.rect = *rect;
    drawn.text = count < 0 ? std::string(text) : std::string(text, static_cast<size_t>(count));
    drawn.format = format;
    drawn.color = state->textColor;
    drawn.background = state->backColor;
    drawn.opaque = state->backMode == OPAQUE;
    GetObject(state->font, sizeof drawn.font, &drawn.font);
    const int height = TextHeight(drawn.font);
    Record(*state, std::move(drawn));
    return height;
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
    const auto state = StateOf(dc, "ImageList_Draw");
    if (!state || index < 0 || index >= ImageList_GetImageCount(list)) return FALSE;
    Record(*state, winport::DrawnImage{list, index, {x, y}, style});
    return TRUE;
}

namespace winport {

bool RecordDrawing(HDC dc) {
    const auto state = StateOf(dc, "RecordDrawing");
    if (!state) return false;
    if (!state->recording) state->recording.emplace();
    return true;
}

std::vector<DrawnShape> TakeDrawing(HDC dc) {
    const auto state = StateOf(dc, "TakeDrawing");
    if (!state || !state->recording) return {};
    std::vector<DrawnShape> taken;
    taken.swap(*state->recording);
    return taken;
}

}  // namespace winport
