// What list boxes and combo boxes tell their parent, recorded as readable lines: notifications
// by name ("CBN_SELCHANGE", "LBN_DBLCLK") and the owner-draw messages with their fields
// ("WM_DRAWITEM 2 ODA_SELECT ODS_SELECTED"). The log answers the owner-draw questions as a
// parent would and can destroy the control inside one notification.
#pragma once

#include <initializer_list>
#include <map>
#include <tuple>

#include "ControlTestSupport.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ListBoxApi.h"
#include "platform/controls/OwnerDraw.h"
#include "platform/core/WinMessages.h"
#include "platform/window/WindowClass.h"

namespace winport::test {

// The texts of the items of a list box, or with the CB_ messages of a combo box.
inline Lines ItemTexts(HWND hwnd, UINT count = LB_GETCOUNT, UINT length = LB_GETTEXTLEN,
                       UINT text = LB_GETTEXT) {
    Lines texts;
    for (int i = 0; i < SendMessage(hwnd, count, 0, 0); ++i) {
        std::string item(static_cast<size_t>(SendMessage(hwnd, length, i, 0)), '\0');
        SendMessage(hwnd, text, i, Ptr(item.data()));
        texts.push_back(item);
    }
    return texts;
}

// Messages (with their parameters) a list or combo box refuses with LB_ERR (CB_ERR) and the
// last error given.
inline void ExpectRefused(HWND hwnd,
                          std::initializer_list<std::tuple<UINT, WPARAM, LPARAM, DWORD>> refusals) {
    for (const auto& [message, wParam, lParam, error] : refusals) {
        SetLastError(0);
        EXPECT_EQ(SendMessage(hwnd, message, wParam, lParam), LB_ERR) << std::hex << message;
        EXPECT_EQ(GetLastError(), error) << std::hex << message;
    }
}

class ParentLog final : public ScopedSubclass {
public:
    using ScopedSubclass::ScopedSubclass;

    const Lines& Log() const { return m_lines; }
    void Clear() {
        m_lines.clear();
        m_draws.clear();
    }
    // The WM_DRAWITEM messages since the last Clear, as the parent received them.
    const std::vector<DRAWITEMSTRUCT>& Draws() const { return m_draws; }

    // Runs |handler| for every notification, right after logging it, as a parent's handler.
    void OnCommand(std::function<void(HWND control, WORD code)> handler) {
        m_onCommand = std::move(handler);
    }
    // Destroys the control that sends this notification, right after logging it.
    void DestroyOn(WORD code) {
        OnCommand([code](HWND control, WORD sent) {
            if (sent == code) DestroyWindow(control);
        });
    }
    // The height WM_MEASUREITEM answers (0 leaves the proposed one).
    void AnswerHeight(UINT height) { m_height = height; }
    // What WM_VKEYTOITEM and WM_CHARTOITEM answer.
    void AnswerKey(LRESULT answer) { m_keyAnswer = answer; }

    LRESULT HandleMessage(const Message& m) override {
        switch (m.id) {
            case WM_COMMAND: return OnNotification(m);
            case WM_MEASUREITEM: {
                auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam);
                m_lines.push_back("WM_MEASUREITEM " + TypeName(measure->CtlType) + " " +
                                  std::to_string(static_cast<int>(measure->itemID)) + " " +
                                  std::to_string(measure->itemHeight));
                if (m_height) measure->itemHeight = m_height;
                return TRUE;
            }
            case WM_DRAWITEM: {
                const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam);
                m_draws.push_back(*draw);
                m_lines.push_back("WM_DRAWITEM " + std::to_string(static_cast<int>(draw->itemID)) +
                                  " " + ActionName(draw->itemAction) + StateNames(draw->itemState));
                return TRUE;
            }
            case WM_DELETEITEM: {
                const auto* deleted = reinterpret_cast<const DELETEITEMSTRUCT*>(m.lParam);
                m_lines.push_back("WM_DELETEITEM " + TypeName(deleted->CtlType) + " " +
                                  std::to_string(deleted->itemID) +
                                  " data=" + std::to_string(deleted->itemData));
                return TRUE;
            }
            case WM_COMPAREITEM: {
                // Orders items by their data, as a parent with numbered rows would.
                const auto* compare = reinterpret_cast<const COMPAREITEMSTRUCT*>(m.lParam);
                ++compares;
                return compare->itemData1 < compare->itemData2   ? -1
                       : compare->itemData1 > compare->itemData2 ? 1
                                                                 : 0;
            }
            case WM_VKEYTOITEM:
            case WM_CHARTOITEM:
                m_lines.push_back(
                    std::string(m.id == WM_VKEYTOITEM ? "WM_VKEYTOITEM " : "WM_CHARTOITEM ") +
                    std::to_string(LOWORD(m.wParam)) +
                    " caret=" + std::to_string(HIWORD(m.wParam)));
                return m_keyAnswer;
            default: return CallClass(m);
        }
    }

    int compares = 0;

private:
    LRESULT OnNotification(const Message& m) {
        const auto control = reinterpret_cast<HWND>(m.lParam);
        const WORD code = HIWORD(m.wParam);
        m_lines.push_back(CodeName(GetClassNameOf(control), code));
        if (m_onCommand) m_onCommand(control, code);
        return 0;
    }

    static std::string CodeName(const std::string& className, WORD code) {
        static const std::map<WORD, std::string> kCombo = {
            NAMED_VALUE(CBN_SELCHANGE),   NAMED_VALUE(CBN_DBLCLK),     NAMED_VALUE(CBN_SETFOCUS),
            NAMED_VALUE(CBN_KILLFOCUS),   NAMED_VALUE(CBN_EDITCHANGE), NAMED_VALUE(CBN_EDITUPDATE),
            NAMED_VALUE(CBN_DROPDOWN),    NAMED_VALUE(CBN_CLOSEUP),    NAMED_VALUE(CBN_SELENDOK),
            NAMED_VALUE(CBN_SELENDCANCEL)};
        static const std::map<WORD, std::string> kList = {
            NAMED_VALUE(LBN_SELCHANGE), NAMED_VALUE(LBN_DBLCLK), NAMED_VALUE(LBN_SELCANCEL),
            NAMED_VALUE(LBN_SETFOCUS), NAMED_VALUE(LBN_KILLFOCUS)};
        const auto& names = className == kComboBoxClassName ? kCombo : kList;
        const auto found = names.find(code);
        return found != names.end() ? found->second : className + " code " + std::to_string(code);
    }

    static std::string TypeName(UINT type) {
        return type == ODT_LISTBOX ? "ODT_LISTBOX" : type == ODT_COMBOBOX ? "ODT_COMBOBOX" : "?";
    }

    static std::string ActionName(UINT action) {
        return action == ODA_DRAWENTIRE ? "ODA_DRAWENTIRE"
               : action == ODA_SELECT   ? "ODA_SELECT"
               : action == ODA_FOCUS    ? "ODA_FOCUS"
                                        : "action " + std::to_string(action);
    }

    static std::string StateNames(UINT state) {
        std::string names;
        if (state & ODS_SELECTED) names += " ODS_SELECTED";
        if (state & ODS_FOCUS) names += " ODS_FOCUS";
        if (state & ODS_DISABLED) names += " ODS_DISABLED";
        if (state & ODS_COMBOBOXEDIT) names += " ODS_COMBOBOXEDIT";
        return names;
    }

    Lines m_lines;
    std::vector<DRAWITEMSTRUCT> m_draws;
    std::function<void(HWND, WORD)> m_onCommand;
    UINT m_height = 0;
    LRESULT m_keyAnswer = -1;
};

}  // namespace winport::test
