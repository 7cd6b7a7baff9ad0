#include "pages/personal/AboutPage.h"

#include "hostlib/util/HostStrings.h"
#include "module/HostNumbers.h"
#include "module/TextBlanks.h"
#include "module/host/HostStringIds.h"
#include "platform/message/MessageApi.h"
#include "platform/mfc/DataExchange.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

constexpr int kAboutLimit = 470;
constexpr int kNotesLimit = 20000;

}  // namespace

const winport::Route<CAboutPage> CAboutPage::kRoutes[] = {
    {WM_COMMAND, EN_CHANGE, IDC_ABOUT_TEXT, &CAboutPage::OnChanged},
    {WM_COMMAND, EN_CHANGE, IDC_ABOUT_NOTES, &CAboutPage::OnChanged},
    {WM_COMMAND, EN_KILLFOCUS, IDC_ABOUT_NOTES, &CAboutPage::OnNotesLeft},
};

CAboutPage::CAboutPage(BCUserInfo* user, bool editable, MCVariantPropertySet* data,
                       bool notesAllowed, CWnd* parent)
    : CRecordPage(user, IDD_ABOUT_PAGE, editable, data, parent), m_notesAllowed(notesAllowed) {}

BOOL CAboutPage::OnInitDialog() {
    CRecordPage::OnInitDialog();
    const HWND about = ::GetDlgItem(m_hWnd, IDC_ABOUT_TEXT);
    ::SendMessage(about, EM_SETREADONLY, m_editable ? FALSE : TRUE, 0);
    ::SendMessage(about, EM_LIMITTEXT, kAboutLimit, 0);
    ::SendMessage(::GetDlgItem(m_hWnd, IDC_ABOUT_NOTES), EM_LIMITTEXT, kNotesLimit, 0);
    if (!m_editable) SetDlgItemText(IDC_ABOUT_FRAME, BRCString(kContactAboutCaption));
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_ABOUT_NOTES), m_notesAllowed ? TRUE : FALSE);
    if (m_notesAllowed) {
        ::ShowWindow(::GetDlgItem(m_hWnd, IDC_ABOUT_EXPLANATION), SW_HIDE);
    } else {
        LayOutWithoutNotes();
    }
    PageReload();
    return TRUE;
}

RECT CAboutPage::ItemRect(int id) const {
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(m_hWnd, id), &rect);
    ScreenToClient(&rect);
    return rect;
}

void CAboutPage::LayOutWithoutNotes() {
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_ABOUT_NOTES_FRAME), SW_HIDE);
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_ABOUT_NOTES), SW_HIDE);
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_ABOUT_EXPLANATION), SW_SHOW);
    RECT frame = ItemRect(IDC_ABOUT_FRAME);
    frame.bottom = ItemRect(IDC_ABOUT_NOTES_FRAME).bottom;
    ::MoveWindow(::GetDlgItem(m_hWnd, IDC_ABOUT_FRAME), frame.left, frame.top,
                 frame.right - frame.left, frame.bottom - frame.top, TRUE);
    const RECT text = ItemRect(IDC_ABOUT_TEXT);
    const LONG bottom = ItemRect(IDC_ABOUT_NOTES).bottom;
    ::MoveWindow(::GetDlgItem(m_hWnd, IDC_ABOUT_TEXT), text.left, bottom - (text.bottom - text.top),
                 text.right - text.left, text.bottom - text.top, TRUE);
}

void CAboutPage::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_ABOUT_TEXT, m_about);
    DDX_Text(dx, IDC_ABOUT_NOTES, m_notes);
}

void CAboutPage::PageReload() {
    if (!m_data) return;
    SetDlgItemText(IDC_ABOUT_TEXT, (*m_data)["About"]);
    if (!m_editable) SetDlgItemText(IDC_ABOUT_NOTES, (*m_data)["Remarks"]);
    m_changed = false;
    UpdateData(TRUE);
}

int CAboutPage::PageValidate() {
    UpdateData(TRUE);
    StripTrailingSpacesAndTabs(m_about);
    return m_changed ? 1 : -1;
}

int CAboutPage::PageCommit() {
    if (!m_changed || !m_data) return 1;
    MCVariantPropertySet& data = *m_data;
    if (m_editable) {
        data["About"] = m_about;
        MarkForUpload(data, UploadSection::About);
    } else {
        data["Remarks"] = m_notes;
    }
    m_changed = false;
    return 1;
}

void CAboutPage::PageClear() {
    SetDlgItemText(IDC_ABOUT_TEXT, "");
    m_changed = true;
}

void CAboutPage::OnChanged() {
    // The members follow the controls: a reload after a retrieval commits them first, with no
    // validation to copy them.
    UpdateData(TRUE);
    m_changed = true;
}

void CAboutPage::OnNotesLeft() {
    UpdateData(TRUE);
    // The notes are the owner's own: they reach the record even if he never saves.
    if (m_data) (*m_data)["Remarks"] = m_notes;
}

std::optional<LRESULT> CAboutPage::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return CRecordPage::OnMessage(m);
}
