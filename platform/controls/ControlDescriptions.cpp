// What the window dump shows of each of the first controls beyond text and common styles.
#include "platform/controls/ButtonControl.h"
#include "platform/controls/StaticControl.h"
#include "platform/controls/edit/EditControl.h"
#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "platform/message/MessageApi.h"
#include "platform/text/Utf8.h"
#include "platform/window/WindowApi.h"

namespace winport {
namespace {

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtr(hwnd, GWL_STYLE));
}

const char* ButtonKindName(DWORD kind) {
    switch (kind) {
        case BS_DEFPUSHBUTTON: return "default";
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE: return "checkbox";
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return "radio";
        case BS_GROUPBOX: return "groupbox";
        case BS_OWNERDRAW: return "ownerdraw";
        default: return nullptr;
    }
}

}  // namespace

std::vector<std::string> ButtonControl::DescribeState(HWND hwnd) const {
    std::vector<std::string> state;
    const DWORD kind = StyleOf(hwnd) & BS_TYPEMASK;
    if (const char* name = ButtonKindName(kind)) state.emplace_back(name);
    const auto check = static_cast<WPARAM>(m_state & 3);
    if (check == BST_CHECKED) state.emplace_back("checked");
    if (check == BST_INDETERMINATE) state.emplace_back("indeterminate");
    return state;
}

std::vector<std::string> EditControl::DescribeState(HWND hwnd) const {
    std::vector<std::string> state;
    const DWORD style = StyleOf(hwnd);
    if (style & ES_MULTILINE) state.emplace_back("multiline");
    if (style & ES_READONLY) state.emplace_back("readonly");
    if (style & ES_NUMBER) state.emplace_back("number");
    if (m_passwordChar) state.emplace_back("password");
    if (m_limit != kDefaultEditLimit) state.emplace_back("limit=" + std::to_string(m_limit));
    return state;
}

std::string EditControl::VisibleText(HWND, const std::string& text) const {
    if (!m_passwordChar) return text;
    std::string masked;
    const std::size_t count = CodePointCount(text);
    for (std::size_t i = 0; i < count; ++i) AppendUtf8(masked, m_passwordChar);
    return masked;
}

std::vector<std::string> StaticControl::DescribeState(HWND hwnd) const {
    switch (StyleOf(hwnd) & SS_TYPEMASK) {
        case SS_ICON: return {m_image ? "icon" : "no icon"};
        case SS_BITMAP: return {m_image ? "bitmap" : "no bitmap"};
        case SS_ETCHEDHORZ:
        case SS_ETCHEDVERT:
        case SS_ETCHEDFRAME: return {"etched"};
        default: return {};
    }
}

}  // namespace winport
