#include "pages/work/AffiliationsPage.h"

#include "hostlib/reference/ReferenceCombos.h"
#include "module/HostNumbers.h"
#include "pages/HostDataList.h"
#include "pages/work/MissingKeywords.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/mfc/DataExchange.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

constexpr int kKeywordLimit = 60;

struct RowControls {
    int check;
    int list;
    int keywords;
};

constexpr RowControls kRowControls[CAffiliationsPage::kRows] = {
    {IDC_AFFIL_GROUP_CHECK1, IDC_AFFIL_GROUP_LIST1, IDC_AFFIL_GROUP_TEXT1},
    {IDC_AFFIL_GROUP_CHECK2, IDC_AFFIL_GROUP_LIST2, IDC_AFFIL_GROUP_TEXT2},
    {IDC_AFFIL_GROUP_CHECK3, IDC_AFFIL_GROUP_LIST3, IDC_AFFIL_GROUP_TEXT3},
    {IDC_AFFIL_PAST_CHECK1, IDC_AFFIL_PAST_LIST1, IDC_AFFIL_PAST_TEXT1},
    {IDC_AFFIL_PAST_CHECK2, IDC_AFFIL_PAST_LIST2, IDC_AFFIL_PAST_TEXT2},
    {IDC_AFFIL_PAST_CHECK3, IDC_AFFIL_PAST_LIST3, IDC_AFFIL_PAST_TEXT3},
};
constexpr int kRowsPerGroup = 3;

// The record's keys of row |row|'s group, and the host's list its categories come from.
struct GroupKeys {
    const char* category;
    const char* keywords;
    const char* list;
};
constexpr GroupKeys kGroupKeys[] = {{"GroupCategory", "GroupText", "group"},
                                    {"PastCategory", "PastText", "pastbg"}};

const GroupKeys& KeysOf(int row) {
    return kGroupKeys[row / kRowsPerGroup];
}

}  // namespace

const winport::Route<CAffiliationsPage> CAffiliationsPage::kRoutes[] = {
    {WM_COMMAND, &CAffiliationsPage::OnCommand},
};

CAffiliationsPage::CAffiliationsPage(BCUserInfo* user, MCVariantPropertySet* data, CWnd* parent)
    : CRecordPage(user, IDD_AFFILIATIONS_PAGE, true, data, parent) {}

BOOL CAffiliationsPage::OnInitDialog() {
    CRecordPage::OnInitDialog();
    for (const RowControls& row : kRowControls) {
        ::SendMessage(::GetDlgItem(m_hWnd, row.keywords), EM_LIMITTEXT, kKeywordLimit, 0);
    }
    FillLists();
    PageReload();
    return TRUE;
}

void CAffiliationsPage::FillLists() {
    // A list the host cannot give leaves its rows' lists empty.
    for (int group = 0; group < 2; ++group) {
        const winport::ComPtr<MINUVDataList> list = OpenHostDataList(kGroupKeys[group].list);
        if (!list) continue;
        for (int row = group * kRowsPerGroup; row < (group + 1) * kRowsPerGroup; ++row) {
            SetNumberStringCombo(::GetDlgItem(m_hWnd, kRowControls[row].list), list.Get(), 0);
        }
    }
}

void CAffiliationsPage::DoDataExchange(CDataExchange* dx) {
    for (int row = 0; row < kRows; ++row) {
        DDX_Text(dx, kRowControls[row].keywords, m_keywords[row]);
        if (row < kRowsPerGroup) DDV_MaxChars(dx, m_keywords[row], kKeywordLimit);
    }
}

void CAffiliationsPage::EnableRow(int row, bool enable) {
    ::EnableWindow(::GetDlgItem(m_hWnd, kRowControls[row].list), enable ? TRUE : FALSE);
    ::EnableWindow(::GetDlgItem(m_hWnd, kRowControls[row].keywords), enable ? TRUE : FALSE);
}

void CAffiliationsPage::PageReload() {
    if (!m_data) return;
    MCVariantPropertySet& data = *m_data;
    for (int row = 0; row < kRows; ++row) {
        const GroupKeys& keys = KeysOf(row);
        const int index = row % kRowsPerGroup;
        const unsigned short category = data[keys.category][index];
        m_storedCategories[row] = static_cast<short>(category);
        EnableRow(row, category != 0);
        CheckDlgButton(kRowControls[row].check, category != 0 ? BST_CHECKED : BST_UNCHECKED);
        const unsigned long code = data[keys.category][index];
        SelectComboByItemData(::GetDlgItem(m_hWnd, kRowControls[row].list),
                              static_cast<LONG_PTR>(code));
        SetDlgItemText(kRowControls[row].keywords, data[keys.keywords][index]);
    }
    m_changed = false;
    UpdateData(TRUE);
}

short CAffiliationsPage::Category(int row) const {
    if (IsDlgButtonChecked(kRowControls[row].check) != BST_CHECKED) return 0;
    const HWND list = ::GetDlgItem(m_hWnd, kRowControls[row].list);
    if (::SendMessage(list, CB_GETCURSEL, 0, 0) == CB_ERR) return m_storedCategories[row];
    return static_cast<short>(GetComboCurSelValue(list));
}

int CAffiliationsPage::PageValidate() {
    UpdateData(TRUE);
    if (!m_changed) return -1;
    for (int row = 0; row < kRows; ++row) {
        if (Category(row) > 0 && m_keywords[row].empty()) {
            return AskAboutMissingKeywords(m_hWnd);
        }
    }
    return 1;
}

int CAffiliationsPage::PageCommit() {
    UpdateData(TRUE);
    if (!m_changed || !m_data) return 1;
    MCVariantPropertySet& data = *m_data;
    for (int row = 0; row < kRows; ++row) {
        const GroupKeys& keys = KeysOf(row);
        const int index = row % kRowsPerGroup;
        const short category = Category(row);
        data[keys.category][index] = static_cast<int>(category);
        data[keys.keywords][index] = category >= 1 ? m_keywords[row] : std::string();
        m_storedCategories[row] = category;
    }
    m_changed = false;
    MarkForUpload(data, UploadSection::Background);
    return 1;
}

void CAffiliationsPage::PageClear() {
    for (int row = 0; row < kRows; ++row) {
        SetDlgItemText(kRowControls[row].keywords, "");
        ::SendMessage(::GetDlgItem(m_hWnd, kRowControls[row].list), CB_SETCURSEL,
                      static_cast<WPARAM>(-1), 0);
        CheckDlgButton(kRowControls[row].check, BST_UNCHECKED);
        EnableRow(row, false);
        m_storedCategories[row] = 0;
    }
    m_changed = true;
}

std::optional<LRESULT> CAffiliationsPage::OnCommand(const winport::Message& m) {
    const int id = LOWORD(m.wParam);
    const UINT code = HIWORD(m.wParam);
    for (int row = 0; row < kRows; ++row) {
        const RowControls& controls = kRowControls[row];
        if (id == controls.check && code == BN_CLICKED) {
            m_changed = true;
            EnableRow(row, IsDlgButtonChecked(id) == BST_CHECKED);
        } else if (id == controls.list && code == CBN_CLOSEUP) {
            m_changed = true;
            // On to the row's keywords, the next control after the list.
            if (const HWND next = ::GetNextDlgTabItem(m_hWnd, ::GetFocus(), FALSE)) {
                ::SetFocus(next);
            }
        } else if (id == controls.keywords && code == EN_CHANGE) {
            m_changed = true;
        } else {
            continue;
        }
        return 0;
    }
    return std::nullopt;
}

std::optional<LRESULT> CAffiliationsPage::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return CRecordPage::OnMessage(m);
}
