// What list boxes and combo boxes tell their parent, recorded as readable lines: notifications
// by name ("CBN_SELCHANGE", "LBN_DBLCLK") and the owner-draw messages with their fields
// ("WM_DRAWITEM 2 ODA_SELECT ODS_SELECTED"). The log answers the owner-draw questions as a
// parent would and can destroy the control inside one notification.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ListBoxApi.h"
#include "platform/controls/OwnerDraw.h"
#include "platform/core/WinMessages.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport::test {

using Lines = std::vector<std::string>;

class ParentLog final : public WindowProcedure {
public:
    explicit ParentLog(HWND parent) : m_parent(parent) { SetSubclass(parent, this); }
    ~ParentLog() override {
        if (GetSubclass(m_parent) == this) SetSubclass(m_parent, nullptr);
    }
    ParentLog(const ParentLog&) = delete;
    ParentLog& operator=(const ParentLog&) = delete;

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
            default: return CallClassProcedure(m.hwnd, m.id, m.wParam, m.lParam);
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
            {CBN_SELCHANGE, "CBN_SELCHANGE"},   {CBN_DBLCLK, "CBN_DBLCLK"},
            {CBN_SETFOCUS, "CBN_SETFOCUS"},     {CBN_KILLFOCUS, "CBN_KILLFOCUS"},
            {CBN_EDITCHANGE, "CBN_EDITCHANGE"}, {CBN_EDITUPDATE, "CBN_EDITUPDATE"},
            {CBN_DROPDOWN, "CBN_DROPDOWN"},     {CBN_CLOSEUP, "CBN_CLOSEUP"},
            {CBN_SELENDOK, "CBN_SELENDOK"},     {CBN_SELENDCANCEL, "CBN_SELENDCANCEL"},
        };
        static const std::map<WORD, std::string> kList = {
            {LBN_SELCHANGE, "LBN_SELCHANGE"}, {LBN_DBLCLK, "LBN_DBLCLK"},
            {LBN_SELCANCEL, "LBN_SELCANCEL"}, {LBN_SETFOCUS, "LBN_SETFOCUS"},
            {LBN_KILLFOCUS, "LBN_KILLFOCUS"},
        };
        const auto& names = className == kComboBoxClassName ? kCombo : kList;
        const auto found = names.find(code);
        return found != names.end() ? found->second : className + " code " + std::to_string(code);
    }

    static std::string TypeName(UINT type) {
        return type == ODT_LISTBOX ? "ODT_LISTBOX" : type == ODT_COMBOBOX ? "ODT_COMBOBOX" : "?";
    }

    static std::string ActionName(UINT action) {
        switch (action) {
            case ODA_DRAWENTIRE: return "ODA_DRAWENTIRE";
            case ODA_SELECT: return "ODA_SELECT";
            case ODA_FOCUS: return "ODA_FOCUS";
            default: return "action " + std::to_string(action);
        }
    }

    static std::string StateNames(UINT state) {
        std::string names;
        if (state & ODS_SELECTED) names += " ODS_SELECTED";
        if (state & ODS_FOCUS) names += " ODS_FOCUS";
        if (state & ODS_DISABLED) names += " ODS_DISABLED";
        if (state & ODS_COMBOBOXEDIT) names += " ODS_COMBOBOXEDIT";
        return names;
    }

    HWND m_parent;
    Lines m_lines;
    std::vector<DRAWITEMSTRUCT> m_draws;
    std::function<void(HWND, WORD)> m_onCommand;
    UINT m_height = 0;
    LRESULT m_keyAnswer = -1;
};

}  // namespace winport::test
