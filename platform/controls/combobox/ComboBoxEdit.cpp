// The combo box's text: the edit of the editable kinds, or the selected item of a drop-down list.
#include <algorithm>

#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ControlSupport.h"
#include "platform/controls/combobox/ComboBoxControl.h"
#include "platform/core/LastError.h"
#include "platform/message/MessageApi.h"
#include "platform/text/TextCopy.h"
#include "platform/window/WindowApi.h"

namespace winport {

LRESULT ComboBoxControl::OnLimitText(UINT limit) {
    // A drop-down list has nothing to limit; the answer is TRUE all the same.
    if (m_edit) SendMessage(m_edit, EM_LIMITTEXT, limit, 0);
    return TRUE;
}

LRESULT ComboBoxControl::OnGetEditSel(DWORD* start, DWORD* end) {
    if (!m_edit) {
        SetLastErrorText(ERROR_INVALID_COMBOBOX_MESSAGE,
                         "CB_GETEDITSEL: a drop-down list has no edit");
        return CB_ERR;
    }
    return SendMessage(m_edit, EM_GETSEL, reinterpret_cast<WPARAM>(start),
                       reinterpret_cast<LPARAM>(end));
}

LRESULT ComboBoxControl::OnSetEditSel(LPARAM range) {
    if (!m_edit) {
        SetLastErrorText(ERROR_INVALID_COMBOBOX_MESSAGE,
                         "CB_SETEDITSEL: a drop-down list has no edit");
        return CB_ERR;
    }
    // -1 as the start removes the selection; -1 as the end runs to the end of the text.
    const auto start = static_cast<short>(LOWORD(static_cast<UINT_PTR>(range)));
    const auto end = static_cast<short>(HIWORD(static_cast<UINT_PTR>(range)));
    SendMessage(m_edit, EM_SETSEL, static_cast<WPARAM>(static_cast<INT_PTR>(start)), end);
    return TRUE;
}

LRESULT ComboBoxControl::OnSetText(const char* text) {  // Never notifies.
    if (m_edit) {
        SetEditText(text ? text : "");
        FollowEditText();
        return TRUE;
    }
    // A drop-down list shows only its items: the text selects the item that reads so.
    const LRESULT found =
        m_content.Find(-1, reinterpret_cast<LPARAM>(text), ListMatch::Exact, "WM_SETTEXT");
    if (found == CB_ERR) return CB_ERR;
    Items().Select(static_cast<int>(found));
    return TRUE;
}

LRESULT ComboBoxControl::OnGetText(WPARAM size, char* buffer) {
    if (m_edit) return SendMessage(m_edit, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer));
    if (!buffer || size == 0) return 0;
    const int selection = Items().Selection();
    const std::string text = selection >= 0 ? Items().At(selection).text : std::string();
    return CopyTextToBuffer(text, buffer, static_cast<int>(std::min<WPARAM>(size, 0x7FFFFFFF)));
}

LRESULT ComboBoxControl::OnGetTextLength() {
    if (m_edit) return SendMessage(m_edit, WM_GETTEXTLENGTH, 0, 0);
    const int selection = Items().Selection();
    return selection >= 0 ? static_cast<LRESULT>(Items().At(selection).text.size()) : 0;
}

LRESULT ComboBoxControl::OnEditCommand(WORD code) {
    switch (code) {
        case EN_SETFOCUS: GainFocus(); break;
        case EN_KILLFOCUS: LoseFocus(); break;
        case EN_UPDATE:
            if (!m_quietEdit) NotifyParent(m_hwnd, CBN_EDITUPDATE);
            break;
        case EN_CHANGE:
            if (m_quietEdit) break;
            FollowEditText();
            NotifyParent(m_hwnd, CBN_EDITCHANGE);
            break;
        default: break;
    }
    return 0;
}

std::string ComboBoxControl::EditText() const {
    return m_edit ? GetWindowTextUtf8(m_edit) : std::string();
}

void ComboBoxControl::SetEditText(const std::string& text) {
    ++m_quietEdit;
    SendMessage(m_edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    --m_quietEdit;
}

void ComboBoxControl::ShowSelectionInEdit() {
    if (!m_edit || !m_content.Kind().hasStrings) return;
    const int selection = Items().Selection();
    SetEditText(selection >= 0 ? Items().At(selection).text : std::string());
    if (m_focused) SendMessage(m_edit, EM_SETSEL, 0, -1);
}

void ComboBoxControl::FollowEditText() {
    const std::string text = EditText();
    const int found = text.empty() ? -1 : Items().FindPrefix(-1, text);
    Items().Select(m_dropped ? found : -1);
    Items().SetTop(std::max(found, 0), PageRows());
}

}  // namespace winport
