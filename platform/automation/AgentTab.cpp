// Choosing a tab as a person does: a click on it.
#include <string>
#include <string_view>

#include "platform/automation/Agent.h"
#include "platform/controls/TabControlApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

constexpr std::size_t kMaxCaption = 1024;

std::string Caption(HWND tab, int index) {
    char buffer[kMaxCaption] = {};
    TCITEMA item;
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(sizeof buffer);
    SendMessage(tab, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return buffer;
}

}  // namespace

bool Agent::SelectTab(HWND tab, int index) {
    if (!CanReach(tab)) return false;
    RECT rect;
    if (index < 0 || !SendMessage(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                                  reinterpret_cast<LPARAM>(&rect))) {
        return Fail(ControlName(tab) + " has no tab " + std::to_string(index));
    }
    const LPARAM point = MAKELPARAM(static_cast<WORD>((rect.left + rect.right) / 2),
                                    static_cast<WORD>((rect.top + rect.bottom) / 2));
    PostMessage(tab, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessage(tab, WM_LBUTTONUP, 0, point);
    PumpMessages();
    // The parent may refuse the change (TCN_SELCHANGING); the old tab then stays.
    if (IsWindow(tab) && SendMessage(tab, TCM_GETCURSEL, 0, 0) != index) {
        return Fail(ControlName(tab) + " did not change to tab " + std::to_string(index));
    }
    return true;
}

bool Agent::SelectTab(HWND tab, std::string_view caption) {
    if (!CanReach(tab)) return false;
    const auto count = static_cast<int>(SendMessage(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        if (Caption(tab, index) == caption) return SelectTab(tab, index);
    }
    return Fail(ControlName(tab) + " has no tab \"" + std::string(caption) + "\"");
}

}  // namespace winport
