#include "client/script/ScriptSupport.h"

#include <charconv>

#include "platform/controls/ListBoxApi.h"
#include "platform/controls/ListBoxState.h"
#include "platform/controls/ListViewApi.h"
#include "platform/controls/ListViewStructures.h"
#include "platform/controls/TabControlApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace nuvclient {

int ToInt(const std::string& word) {
    int value = 0;
    const char* end = word.data() + word.size();
    auto [at, error] = std::from_chars(word.data(), end, value);
    if (error != std::errc() || at != end) throw ScriptError("not a number: " + word);
    return value;
}

void RequireArgs(const std::vector<std::string>& args, size_t least, size_t most,
                 const char* usage) {
    if (args.size() < least || args.size() > most) {
        throw ScriptError(std::string("usage: ") + usage);
    }
}

HWND FindControl(HWND root, const std::string& id) {
    const int wanted = ToInt(id);
    HWND best = nullptr;
    int bestRank = -1;
    // Depth first; the rank puts visibility first and depth second.
    struct Pending {
        HWND window;
        int depth;
    };
    std::vector<Pending> pending{{root, 0}};
    while (!pending.empty()) {
        const Pending at = pending.back();
        pending.pop_back();
        for (HWND child : winport::ChildWindows(at.window)) {
            if (GetDlgCtrlID(child) == wanted) {
                const int rank = (IsWindowVisible(child) ? 1 << 16 : 0) + at.depth;
                if (rank > bestRank) {
                    best = child;
                    bestRank = rank;
                }
            }
            pending.push_back({child, at.depth + 1});
        }
    }
    if (!best) throw ScriptError("the window has no control " + id);
    return best;
}

std::vector<std::string> RowTexts(HWND list, int row, size_t cells) {
    if (row < 0 || row >= RowCount(list)) {
        throw ScriptError("the list has no row " + std::to_string(row));
    }
    std::vector<std::string> texts;
    if (winport::GetClassNameOf(list) == kListBoxClassName) {
        // An owner-drawn row reads as its parent draws it.
        texts.push_back(winport::ListBoxRowText(list, row));
        return texts;
    }
    for (size_t cell = 0; cell < cells; ++cell) {
        char buffer[512] = {};
        LVITEM item;
        item.iSubItem = static_cast<int>(cell);
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        SendMessage(list, LVM_GETITEMTEXT, row, reinterpret_cast<LPARAM>(&item));
        texts.emplace_back(buffer);
    }
    return texts;
}

int RowImage(HWND list, int row) {
    if (row < 0 || row >= RowCount(list)) {
        throw ScriptError("the list has no row " + std::to_string(row));
    }
    if (winport::GetClassNameOf(list) == kListBoxClassName) {
        // The image an owner-drawn row draws; -1 for none.
        for (const winport::DrawnShape& shape :
             winport::DrawListBoxRow(list, row).value_or(std::vector<winport::DrawnShape>{})) {
            if (const auto* image = std::get_if<winport::DrawnImage>(&shape)) return image->index;
        }
        return -1;
    }
    LVITEM item;
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    if (!SendMessage(list, LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item))) {
        throw ScriptError("the list shows no images");
    }
    return item.iImage;
}

int RowCount(HWND list) {
    const std::string kind = winport::GetClassNameOf(list);
    if (kind == kListBoxClassName) return static_cast<int>(SendMessage(list, LB_GETCOUNT, 0, 0));
    if (kind == WC_LISTVIEW) return static_cast<int>(SendMessage(list, LVM_GETITEMCOUNT, 0, 0));
    throw ScriptError("control " + std::to_string(GetDlgCtrlID(list)) + " is a " + kind +
                      ", not a list");
}

std::vector<std::string> TabCaptions(HWND tab) {
    std::vector<std::string> captions;
    const int count = static_cast<int>(SendMessage(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        char buffer[256] = {};
        TCITEM item;
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        SendMessage(tab, TCM_GETITEM, index, reinterpret_cast<LPARAM>(&item));
        captions.emplace_back(buffer);
    }
    return captions;
}

}  // namespace nuvclient
