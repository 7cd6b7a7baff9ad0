// The user summary on the clipboard: number, names and primary e-mail address as plain text.
#include <cstring>

#include "hostlib/util/HostStrings.h"
#include "module/TextBlanks.h"
#include "module/host/HostStringIds.h"
#include "pages/identity/MainPage.h"
#include "pages/identity/MainPageText.h"
#include "platform/shell/Clipboard.h"
#include "platform/shell/GlobalMemory.h"
#include "platform/shell/MessageBox.h"

void CMainPage::CopyUserSummary() {
    // Without a user there is nothing to copy, and the person's clipboard stays as it was.
    if (!m_data || !m_data->GetPropertySetInterface()) return;
    if (!OpenClipboard(m_hWnd)) {
        BResourceMessageBox(kClipboardOpenFailed, 0, MB_OK, m_hWnd);
        return;
    }
    if (!EmptyClipboard()) {
        BResourceMessageBox(kClipboardEmptyFailed, 0, MB_OK, m_hWnd);
        CloseClipboard();
        return;
    }
    UpdateData(TRUE);
    if (m_emailPane) m_emailPane->UpdateData(TRUE);
    StripLeadingWhitespace(m_number);
    StripLeadingWhitespace(m_firstName);
    StripLeadingWhitespace(m_lastName);
    StripLeadingWhitespace(m_nickname);
    const std::string email = (*m_data)["PrimaryEmail"];
    PlaceSummary(UserSummaryText(m_number, m_firstName, m_lastName, m_nickname, email));
    CloseClipboard();
}

void CMainPage::PlaceSummary(const std::string& text) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
    void* bytes = block ? GlobalLock(block) : nullptr;
    if (bytes) {
        std::memcpy(bytes, text.c_str(), text.size() + 1);
        GlobalUnlock(block);
    }
    // A block the clipboard did not take is still ours.
    if (!bytes || !SetClipboardData(CF_TEXT, block)) {
        if (block) GlobalFree(block);
        BResourceMessageBox(kClipboardSetFailed, 0, MB_OK, m_hWnd);
    }
}
