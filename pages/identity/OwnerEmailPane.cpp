#include "pages/identity/OwnerEmailPane.h"

#include <string>

#include "hostlib/util/HostStrings.h"
#include "module/HostNumbers.h"
#include "pages/identity/EmailPaneSupport.h"
#include "pages/identity/OwnerEmailDialog.h"
#include "platform/mfc/DataExchange.h"
#include "platform/shell/MessageBox.h"
#include "res/ResourceIds.h"

const winport::Route<COwnerEmailPane> COwnerEmailPane::kRoutes[] = {
    {WM_COMMAND, BN_CLICKED, IDC_OWNER_EMAIL_ADD, &COwnerEmailPane::OnAdd},
    {WM_COMMAND, BN_CLICKED, IDC_OWNER_EMAIL_EDIT, &COwnerEmailPane::OnEdit},
    {WM_COMMAND, BN_CLICKED, IDC_OWNER_EMAIL_REMOVE, &COwnerEmailPane::OnRemove},
    {WM_COMMAND, BN_CLICKED, IDC_OWNER_EMAIL_PRIMARY_BUTTON, &COwnerEmailPane::OnSetPrimary},
    {WM_NOTIFY, LVN_ITEMCHANGED, IDC_OWNER_EMAIL_LIST, &COwnerEmailPane::OnListItemChanged},
};

namespace {}  // namespace

COwnerEmailPane::COwnerEmailPane(BCUserInfo* user, MCVariantPropertySet* data, CWnd* parent)
    : CRecordPage(user, IDD_OWNER_EMAIL_PANE, true, data, parent) {}

COwnerEmailPane::~COwnerEmailPane() {
    // The list's last notifications must find the pane whole.
    if (::IsWindow(m_hWnd)) DestroyWindow();
}

BOOL COwnerEmailPane::OnInitDialog() {
    CRecordPage::OnInitDialog();
    m_list.SetUp(CEmailListCtrl::Mode::Owner);
    return TRUE;
}

void COwnerEmailPane::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_OWNER_EMAIL_LIST, m_list);
}

int COwnerEmailPane::PageCommit() {
    return Save();
}

void COwnerEmailPane::PageClear() {
    SetDlgItemText(IDC_OWNER_EMAIL_PRIMARY, "");
    m_list.RemoveAll();
    m_primaryChanged = m_additionalChanged = true;
    ApplyButtonRule();
}

int COwnerEmailPane::PageValidate() {
    return Check();
}

void COwnerEmailPane::PageReload() {
    Load();
}

void COwnerEmailPane::Load() {
    if (!m_data || !m_list.m_hWnd) return;
    MCVariantPropertySet& record = *m_data;
    m_list.RemoveAll();
    const std::string primary = record["PrimaryEmail"];
    SetDlgItemText(IDC_OWNER_EMAIL_PRIMARY, primary);
    const bool dontPublish = record["DontPublishEmail"];
    if (!primary.empty()) m_list.AddRecord({primary, kEmailPrimary, true, !dontPublish});
    const int count = record["AdditionalOwnerEmails"].GetSize();
    for (int k = 0; k < count; ++k) {
        const std::string address = record["AdditionalOwnerEmails"][k]["Email"];
        const bool hidden = record["AdditionalOwnerEmails"][k]["HideEmail"];
        if (address.empty() || m_list.HasAddress(address)) continue;
        m_list.AddRecord({address, kEmailMore, false, !hidden, k});
    }
    m_primaryChanged = m_additionalChanged = false;
    ApplyButtonRule();
}

int COwnerEmailPane::Save() {
    if ((!m_primaryChanged && !m_additionalChanged) || !m_data) return 1;
    MCVariantPropertySet& record = *m_data;
    if (m_additionalChanged) record.Remove("AdditionalOwnerEmails");
    const EmailRecord* primary = m_list.ChosenRecord();
    int element = 0;
    for (int row = 0; row < m_list.GetRecordCount(); ++row) {
        const EmailRecord* email = m_list.RecordAt(row);
        if (email == primary) {
            if (!m_primaryChanged) continue;
            record["PrimaryEmail"] = email->address;
            record["DontPublishEmail"] = !email->published;
        } else if (m_additionalChanged) {
            record["AdditionalOwnerEmails"][element]["Email"] = email->address;
            record["AdditionalOwnerEmails"][element]["HideEmail"] = !email->published;
            ++element;
        }
    }
    if (m_primaryChanged) {
        if (!primary) {
            record["PrimaryEmail"] = "";
            record["DontPublishEmail"] = false;
        }
        MarkForUpload(record, UploadSection::Identity);
    }
    if (m_additionalChanged) MarkForUpload(record, UploadSection::AdditionalEmails);
    m_primaryChanged = m_additionalChanged = false;
    return 1;
}

int COwnerEmailPane::Check() {
    if (!m_primaryChanged && !m_additionalChanged) return -1;
    if (m_list.GetRecordCount() == 0 || m_list.ChosenRecord()) return 1;
    BResourceMessageBox(IDS_NO_PRIMARY_EMAIL, IDS_NO_PRIMARY_EMAIL_CAPTION, MB_ICONERROR, m_hWnd);
    return 0;
}

EmailRecord* COwnerEmailPane::MakePrimary(EmailRecord* record) {
    if (EmailRecord* current = m_list.ChosenRecord()) {
        current->chosen = false;
        current->kind = kEmailMore;
        m_list.UpdateRecord(current);
        SetDlgItemText(IDC_OWNER_EMAIL_PRIMARY, "");
    }
    record->kind = kEmailPrimary;
    record->chosen = true;
    if (m_list.RecordAt(0) == record) {
        m_list.UpdateRecord(record);
    } else {
        // Moved to the top, where the next load shows the primary address.
        const bool selected = m_list.SelectedRecord() == record;
        const EmailRecord moved = *record;
        m_list.RemoveRecord(record);
        record = m_list.AddRecord(moved, 0);
        if (!record) return nullptr;
        if (selected) m_list.SelectRecord(record);
    }
    SetDlgItemText(IDC_OWNER_EMAIL_PRIMARY, record->address);
    return record;
}

void COwnerEmailPane::ApplyButtonRule() {
    const EmailRecord* selected = m_list.SelectedRecord();
    EnableEmailPaneButton(m_hWnd, m_list.m_hWnd, IDC_OWNER_EMAIL_EDIT, selected != nullptr);
    EnableEmailPaneButton(m_hWnd, m_list.m_hWnd, IDC_OWNER_EMAIL_REMOVE, selected != nullptr);
    EnableEmailPaneButton(m_hWnd, m_list.m_hWnd, IDC_OWNER_EMAIL_PRIMARY_BUTTON,
                          selected && !selected->chosen);
}

void COwnerEmailPane::OnAdd() {
    if (m_list.GetRecordCount() >= kMaxAddresses) {
        BResourceMessageBox(IDS_EMAIL_LIMIT, IDS_EMAIL_LIMIT_CAPTION, MB_ICONERROR, m_hWnd);
        return;
    }
    COwnerEmailDialog dialog(m_pUserInfo, m_data, std::nullopt, true, this);
    if (dialog.DoModal() != IDOK || dialog.GetAddress().empty()) return;
    const bool first = m_list.GetRecordCount() == 0;
    if (m_list.HasAddress(dialog.GetAddress())) {
        ShowPlainEmailMessage(m_hWnd, "Email already exists");
        return;
    }
    EmailRecord* added = m_list.AddRecord(
        {dialog.GetAddress(), first ? kEmailPrimary : kEmailMore, false, dialog.IsPublished()});
    if (!added) return;
    if (first) {
        MakePrimary(added);
        m_primaryChanged = true;
    }
    m_additionalChanged = true;
    ApplyButtonRule();
}

void COwnerEmailPane::OnEdit() {
    EmailRecord* selected = m_list.SelectedRecord();
    if (!selected) return;
    COwnerEmailDialog dialog(m_pUserInfo, m_data, selected->address, selected->published, this);
    // An empty address leaves the row as it was, as Add adds none.
    if (dialog.DoModal() != IDOK || dialog.GetAddress().empty()) return;
    selected->address = dialog.GetAddress();
    selected->published = dialog.IsPublished();
    m_list.UpdateRecord(selected);
    if (selected->chosen) {
        // The primary address shows above the list too.
        SetDlgItemText(IDC_OWNER_EMAIL_PRIMARY, selected->address);
        m_primaryChanged = true;
    } else {
        m_additionalChanged = true;
    }
}

void COwnerEmailPane::OnRemove() {
    const EmailRecord* selected = m_list.SelectedRecord();
    if (!selected) return;
    if (selected->chosen) {
        SetDlgItemText(IDC_OWNER_EMAIL_PRIMARY, "");
        m_primaryChanged = true;
    } else {
        m_additionalChanged = true;
    }
    m_list.RemoveRecord(selected);
    ApplyButtonRule();
}

void COwnerEmailPane::OnSetPrimary() {
    EmailRecord* selected = m_list.SelectedRecord();
    if (!selected || selected->chosen) return;
    MakePrimary(selected);
    m_primaryChanged = m_additionalChanged = true;
    ApplyButtonRule();
}

void COwnerEmailPane::OnListItemChanged(NMHDR*, LRESULT*) {
    ApplyButtonRule();
}

std::optional<LRESULT> COwnerEmailPane::OnMessage(const winport::Message& m) {
    if (auto result = m_list.ReflectNotify(m)) return result;
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return CRecordPage::OnMessage(m);
}
