// The name a contact is displayed under: the combo box of choices made from the contact's names,
// or a handle the owner types, kept in "Display" and "MyDefinedHandle".
#include "hostlib/util/Validators.h"
#include "module/host/HostStringIds.h"
#include "pages/identity/MainPage.h"
#include "pages/identity/MainPageText.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

// "Display" when no entry of the list is chosen: the typed handle is the name. Written as
// 0xFFFFFFFF, it reads back as the char -1.
constexpr char kTypedHandle = -1;
constexpr unsigned int kTypedHandleStored = 0xFFFFFFFFu;
// No length limit on the display text.
constexpr int kAnyLength = -1;

}  // namespace

void CMainPage::FillDisplayChoices() {
    const HWND combo = ::GetDlgItem(m_hWnd, IDC_MAIN_DISPLAY);
    ::SendMessage(combo, CB_RESETCONTENT, 0, 0);
    const std::string email = (*m_data)["PrimaryEmail"];
    for (const DisplayChoice& choice : DisplayChoices(m_nickname, m_firstName, m_lastName, email)) {
        const LRESULT index =
            ::SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.text.c_str()));
        if (index >= 0) {
            ::SendMessage(combo, CB_SETITEMDATA, static_cast<WPARAM>(index), choice.code);
        }
    }
}

void CMainPage::SelectDisplayChoice(const std::string& handle) {
    const HWND combo = ::GetDlgItem(m_hWnd, IDC_MAIN_DISPLAY);
    const char display = (*m_data)["Display"];
    if (display == kTypedHandle && !handle.empty()) {
        ::SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        ::SetWindowText(combo, handle.c_str());
        return;
    }
    // A code the list does not hold, the typed-handle code without a handle included, chooses
    // the first entry, so that a contact with a single name still gets a display name.
    const auto count = static_cast<int>(::SendMessage(combo, CB_GETCOUNT, 0, 0));
    int chosen = count > 0 ? 0 : -1;
    for (int i = 0; i < count; ++i) {
        if (::SendMessage(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == display) {
            chosen = i;
            break;
        }
    }
    ::SendMessage(combo, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

bool CMainPage::TakeSelectedDisplayText() {
    const HWND combo = ::GetDlgItem(m_hWnd, IDC_MAIN_DISPLAY);
    const LRESULT selected = ::SendMessage(combo, CB_GETCURSEL, 0, 0);
    if (selected < 0) return false;
    const LRESULT length = ::SendMessage(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length < 0) return false;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::SendMessage(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected),
                  reinterpret_cast<LPARAM>(text.data()));
    text.resize(text.find('\0'));
    m_displayText = text;
    return true;
}

bool CMainPage::CheckDisplayText() {
    UpdateData(TRUE);
    TakeSelectedDisplayText();
    // An empty name would leave the contact nameless in the host's lists: say so, and put the
    // person where the name goes.
    if (BIsValidEntry(m_displayText.c_str(), kDisplayNameField, kAnyLength, kEntryRequired,
                      m_hWnd)) {
        return true;
    }
    ::SetFocus(::GetDlgItem(m_hWnd, IDC_MAIN_DISPLAY));
    return false;
}

void CMainPage::SaveDisplayChoice() {
    const HWND combo = ::GetDlgItem(m_hWnd, IDC_MAIN_DISPLAY);
    const LRESULT selected = ::SendMessage(combo, CB_GETCURSEL, 0, 0);
    MCVariantPropertySet& data = *m_data;
    if (selected >= 0) {
        TakeSelectedDisplayText();
        data["Display"] = static_cast<unsigned int>(
            ::SendMessage(combo, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0));
    } else {
        data["Display"] = kTypedHandleStored;
    }
    data["MyDefinedHandle"] = m_displayText;
}

void CMainPage::SetWindowTitle(const std::string& title) {
    // Only a window with a title bar has a title: the pane inside a host window keeps none.
    const HWND window = ::GetParent(m_hWnd);
    if (!window) return;
    const auto style = static_cast<DWORD>(::GetWindowLongPtr(window, GWL_STYLE));
    if ((style & WS_CAPTION) != WS_CAPTION) return;
    ::SetWindowText(window, title.c_str());
}

void CMainPage::OnDisplayEdited() {
    UpdateData(TRUE);
    if (!m_editable) SetWindowTitle("User Info On: " + m_displayText);
    m_changed = true;
}

void CMainPage::OnDisplayCloseUp() {
    TakeSelectedDisplayText();
    if (!m_editable) SetWindowTitle("User Info On: " + m_displayText);
}
