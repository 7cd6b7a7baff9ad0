#include "pages/identity/MainPage.h"

#include "hostlib/util/HostStrings.h"
#include "hostlib/util/Validators.h"
#include "module/HostNumbers.h"
#include "module/ModuleState.h"
#include "module/TextBlanks.h"
#include "module/host/HostStringIds.h"
#include "pages/PageFonts.h"
#include "pages/identity/ContactEmailPane.h"
#include "pages/identity/MainPageText.h"
#include "pages/identity/OwnerEmailPane.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ToolTipApi.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/message/MessageApi.h"
#include "platform/mfc/DataExchange.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

// The names are at most this many characters long, in the edits and in the check.
constexpr int kNameLimit = 20;
// The button's image in the host's shared small image list.
constexpr int kCopySummaryImage = 50;
// The e-mail pane lies inside its frame by these many pixels; below the frame's caption by more
// with large fonts.
constexpr int kPaneMargin = 4;
constexpr int kPaneTop = 12;
constexpr int kPaneTopLargeFonts = 18;
constexpr int kLargeFontsPixelsPerInch = 120;

constexpr int kBoldLabels[] = {IDC_MAIN_NUMBER_LABEL, IDC_MAIN_ADDRESS_LABEL,
                               IDC_MAIN_FIRST_NAME_LABEL, IDC_MAIN_NICKNAME_LABEL,
                               IDC_MAIN_LAST_NAME_LABEL};
constexpr int kNameEdits[] = {IDC_MAIN_FIRST_NAME, IDC_MAIN_LAST_NAME, IDC_MAIN_NICKNAME};

}  // namespace

const winport::Route<CMainPage> CMainPage::kRoutes[] = {
    {WM_COMMAND, EN_CHANGE, IDC_MAIN_FIRST_NAME, &CMainPage::OnNameChanged},
    {WM_COMMAND, EN_CHANGE, IDC_MAIN_LAST_NAME, &CMainPage::OnNameChanged},
    {WM_COMMAND, EN_CHANGE, IDC_MAIN_NICKNAME, &CMainPage::OnNicknameChanged},
    {WM_COMMAND, CBN_EDITCHANGE, IDC_MAIN_DISPLAY, &CMainPage::OnDisplayEdited},
    {WM_COMMAND, CBN_SELCHANGE, IDC_MAIN_DISPLAY, &CMainPage::OnNameChanged},
    {WM_COMMAND, CBN_CLOSEUP, IDC_MAIN_DISPLAY, &CMainPage::OnDisplayCloseUp},
    {WM_COMMAND, BN_CLICKED, IDC_MAIN_COPY_SUMMARY, &CMainPage::CopyUserSummary},
};

CMainPage::CMainPage(BCUserInfo* user, bool owner, MCVariantPropertySet* data, CWnd* parent)
    : CRecordPage(user, IDD_MAIN_PAGE, owner, data, parent) {}

CMainPage::~CMainPage() {
    if (m_boldFont) DeleteObject(m_boldFont);
}

BOOL CMainPage::OnInitDialog() {
    CRecordPage::OnInitDialog();
    m_numberLabel.SubclassDlgItem(IDC_MAIN_NUMBER_LABEL, this);
    m_boldFont = GiveFontVariant(m_hWnd, IDC_MAIN_NUMBER_LABEL, kBoldLabels,
                                 [](LOGFONT& font) { font.lfWeight = kSemiBoldWeight; });
    AddToolTip();
    m_copyButton.SubclassDlgItem(IDC_MAIN_COPY_SUMMARY, this);
    if (MIHostServices* services = ModuleState().hostServices) {
        m_copyButton.SetImageList(0, services->GetSmallImageList(), kCopySummaryImage, TRUE);
    }
    for (const int id : kNameEdits) {
        const HWND edit = ::GetDlgItem(m_hWnd, id);
        ::SendMessage(edit, EM_SETREADONLY, m_editable ? FALSE : TRUE, 0);
        ::SendMessage(edit, EM_LIMITTEXT, kNameLimit, 0);
    }
    if (m_editable) {
        ::ShowWindow(::GetDlgItem(m_hWnd, IDC_MAIN_DISPLAY), SW_HIDE);
        ::ShowWindow(::GetDlgItem(m_hWnd, IDC_MAIN_DISPLAY_LABEL), SW_HIDE);
    }
    CreateEmailPane();
    Load();
    return TRUE;
}

void CMainPage::AddToolTip() {
    // The tip belongs to the page: it goes when the page's window goes.
    m_toolTip = ::CreateWindowEx(0, TOOLTIPS_CLASS, "", TTS_ALWAYSTIP, 0, 0, 0, 0, m_hWnd, nullptr,
                                 nullptr, nullptr);
    if (!m_toolTip) return;
    ::SendMessage(m_toolTip, TTM_ACTIVATE, TRUE, 0);
    std::string tip = BRCString(kCopySummaryTip);
    TTTOOLINFO tool;
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(m_hWnd, IDC_MAIN_COPY_SUMMARY));
    tool.lpszText = tip.data();
    ::SendMessage(m_toolTip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&tool));
}

RECT CMainPage::EmailPaneRect() const {
    RECT frame{};
    ::GetWindowRect(::GetDlgItem(m_hWnd, IDC_MAIN_EMAIL_GROUP), &frame);
    ScreenToClient(&frame);
    const HDC screen = ::GetDC(nullptr);
    const bool largeFonts = GetDeviceCaps(screen, LOGPIXELSY) == kLargeFontsPixelsPerInch;
    ::ReleaseDC(nullptr, screen);
    return RECT{frame.left + kPaneMargin, frame.top + (largeFonts ? kPaneTopLargeFonts : kPaneTop),
                frame.right - kPaneMargin, frame.bottom - kPaneMargin};
}

void CMainPage::CreateEmailPane() {
    std::unique_ptr<BCInsideDialog> pane;
    if (m_editable) {
        pane = std::make_unique<COwnerEmailPane>(m_pUserInfo, m_data, this);
    } else {
        pane = std::make_unique<CContactEmailPane>(m_pUserInfo, m_data, this);
    }
    // Without its pane the page still shows the user; the addresses are missing.
    if (!pane->Create(m_editable ? IDD_OWNER_EMAIL_PANE : IDD_CONTACT_EMAIL_PANE, this)) return;
    pane->MoveWindow(EmailPaneRect());
    m_emailPane = std::move(pane);
}

void CMainPage::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_MAIN_NUMBER, m_number);
    DDX_Text(dx, IDC_MAIN_FIRST_NAME, m_firstName);
    DDX_Text(dx, IDC_MAIN_LAST_NAME, m_lastName);
    DDX_Text(dx, IDC_MAIN_NICKNAME, m_nickname);
    DDX_Text(dx, IDC_MAIN_DISPLAY, m_displayText);
    DDX_Text(dx, IDC_MAIN_ADDRESS, m_address);
}

BOOL CMainPage::CanKillDialog() {
    const BOOL mine = BCInsideDialog::CanKillDialog();
    const BOOL pane = m_emailPane ? m_emailPane->CanKillDialog() : TRUE;
    return mine && pane;
}

void CMainPage::PageReload() {
    Load();
}

void CMainPage::Load() {
    if (!m_data) return;
    if (m_emailPane) m_emailPane->PageReload();
    MCVariantPropertySet& data = *m_data;
    SetDlgItemText(IDC_MAIN_NUMBER, data["UINString"]);
    SetDlgItemText(IDC_MAIN_FIRST_NAME, data["FirstName"]);
    SetDlgItemText(IDC_MAIN_LAST_NAME, data["LastName"]);
    SetDlgItemText(IDC_MAIN_NICKNAME, data["NickName"]);
    if (!m_editable) {
        UpdateData(TRUE);
        const std::string handle = data["MyDefinedHandle"];
        m_displayText = handle;
        FillDisplayChoices();
        SelectDisplayChoice(handle);
    }
    m_changed = false;
    if (!m_editable) SetNameLabels(data["UserKind"]);
    ShowNetworkAddress();
    UpdateData(TRUE);
}

void CMainPage::SetNameLabels(unsigned char userKind) {
    const unsigned first = userKind == 0   ? kPersonNameLabels
                           : userKind == 3 ? kKind3NameLabels
                                           : kOtherKindNameLabels;
    SetDlgItemText(IDC_MAIN_NICKNAME_LABEL, BRCString(first));
    SetDlgItemText(IDC_MAIN_FIRST_NAME_LABEL, BRCString(first + 1));
    SetDlgItemText(IDC_MAIN_LAST_NAME_LABEL, BRCString(first + 2));
}

void CMainPage::ShowNetworkAddress() {
    MCVariantPropertySet& data = *m_data;
    const bool shown = m_editable ? static_cast<int>(data["DirectConnectType"]) == 0
                                  : static_cast<bool>(data["UserShowIP"]);
    const unsigned int address = data["IP"];
    SetDlgItemText(IDC_MAIN_ADDRESS, shown && address != 0 ? NetworkAddressText(address) : "");
}

int CMainPage::PageValidate() {
    if (m_emailPane && m_emailPane->PageValidate() == 0) return 0;
    if (!m_changed) return -1;
    const bool valid = m_editable ? CheckOwnerNames() : CheckDisplayText();
    return valid ? 1 : 0;
}

bool CMainPage::CheckOwnerNames() {
    UpdateData(TRUE);
    StripLeadingWhitespace(m_firstName);
    StripLeadingWhitespace(m_lastName);
    StripLeadingWhitespace(m_nickname);
    return BIsValidEntry(m_firstName.c_str(), kFirstNameField, kNameLimit, kEntryMayBeEmpty,
                         m_hWnd) &&
           BIsValidEntry(m_lastName.c_str(), kLastNameField, kNameLimit, kEntryMayBeEmpty,
                         m_hWnd) &&
           BIsValidEntry(m_nickname.c_str(), kNicknameField, kNameLimit, kEntryMayBeEmpty, m_hWnd);
}

int CMainPage::PageCommit() {
    if (m_emailPane) m_emailPane->PageCommit();
    if (m_changed && m_data) {
        if (m_editable) {
            SaveOwnerNames();
        } else {
            SaveDisplayChoice();
        }
        m_changed = false;
    }
    return 1;
}

void CMainPage::SaveOwnerNames() {
    MCVariantPropertySet& data = *m_data;
    data["FirstName"] = m_firstName;
    data["LastName"] = m_lastName;
    data["NickName"] = m_nickname;
    MarkForUpload(data, UploadSection::Identity);
}

void CMainPage::PageClear() {
    if (m_emailPane) m_emailPane->PageClear();
    for (const int id : kNameEdits) SetDlgItemText(id, "");
    m_changed = true;
}

void CMainPage::PageSetData(int code, void* value) {
    if (m_emailPane) m_emailPane->PageSetData(code, value);
    CRecordPage::PageSetData(code, value);
}

void CMainPage::OnNameChanged() {
    m_changed = true;
}

void CMainPage::OnNicknameChanged() {
    UpdateData(TRUE);
    if (!m_editable) SetWindowTitle("NUV Global Directory - User Info On: " + m_nickname);
    m_changed = true;
}

std::optional<LRESULT> CMainPage::OnMessage(const winport::Message& m) {
    if (m_toolTip && ::IsWindow(m_toolTip)) {
        MSG relayed;
        relayed.hwnd = m.hwnd;
        relayed.message = m.id;
        relayed.wParam = m.wParam;
        relayed.lParam = m.lParam;
        ::SendMessage(m_toolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return CRecordPage::OnMessage(m);
}
