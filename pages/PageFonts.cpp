#include "pages/PageFonts.h"

#include "platform/core/WinMessages.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/message/MessageApi.h"

HFONT GiveFontVariant(HWND dialog, int sourceId, std::span<const int> targets,
                      const std::function<void(LOGFONT&)>& change) {
    const auto source =
        reinterpret_cast<HFONT>(SendMessage(GetDlgItem(dialog, sourceId), WM_GETFONT, 0, 0));
    LOGFONT font{};
    if (!GetObject(source, sizeof font, &font)) return nullptr;
    change(font);
    const HFONT variant = CreateFontIndirect(&font);
    if (!variant) return nullptr;
    for (const int id : targets)
        SendMessage(GetDlgItem(dialog, id), WM_SETFONT, reinterpret_cast<WPARAM>(variant), TRUE);
    return variant;
}
