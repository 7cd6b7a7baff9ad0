#include "platform/resources/ResourceApi.h"

#include <string>

#include "platform/core/LastError.h"
#include "platform/gdi/Bitmap.h"
#include "platform/resources/ResourceChain.h"
#include "platform/shell/MenuApi.h"
#include "platform/text/TextCopy.h"

namespace {

bool IsPopup(const winport::MenuTemplateItem& item) {
    return !item.popup.empty() || (item.flags & MF_POPUP);
}

// Appends |items| to |menu|, each popup as a new submenu; false with the last error set when an
// item is refused.
bool AppendTemplateItems(HMENU menu, std::span<const winport::MenuTemplateItem> items) {
    for (const winport::MenuTemplateItem& item : items) {
        const std::string text(item.text);
        if (!IsPopup(item)) {
            if (!AppendMenu(menu, item.flags, item.id, text.c_str())) return false;
            continue;
        }
        const HMENU submenu = CreatePopupMenu();
        if (!AppendTemplateItems(submenu, item.popup) ||
            !AppendMenu(menu, item.flags | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu),
                        text.c_str())) {
            DestroyMenu(submenu);
            return false;
        }
    }
    return true;
}

}  // namespace

int LoadString(HINSTANCE /*instance*/, UINT id, char* buffer, int maxCount) {
    if (!buffer || maxCount <= 0) {
        winport::SetLastErrorText(
            ERROR_INVALID_PARAMETER,
            "LoadString: string " + std::to_string(id) + " asked for without a buffer");
        return 0;
    }
    buffer[0] = '\0';
    const auto text = winport::LoadStringResource(id);
    return text ? winport::CopyTextToBuffer(*text, buffer, maxCount) : 0;
}

HMENU LoadMenu(HINSTANCE /*instance*/, int id) {
    const winport::MenuTemplate* menuTemplate = winport::FindMenuTemplate(id);
    if (!menuTemplate) return nullptr;
    const HMENU menu = CreateMenu();
    if (!AppendTemplateItems(menu, menuTemplate->items)) {
        DestroyMenu(menu);
        return nullptr;
    }
    return menu;
}

HBITMAP LoadBitmap(HINSTANCE /*instance*/, int id) {
    const winport::BitmapResource* bitmap = winport::FindBitmapResource(id);
    if (!bitmap) return nullptr;
    return winport::CreateBitmapFromPixels(bitmap->width, bitmap->height, bitmap->pixels);
}
