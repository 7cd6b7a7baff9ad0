#include "pages/identity/ContactEmailPane.h"

#include <string>

#include "hostlib/util/HostStrings.h"
#include "module/HostNumbers.h"
#include "pages/identity/ContactEmailDialog.h"
#include "pages/identity/EmailPaneSupport.h"
#include "platform/mfc/DataExchange.h"
#include "platform/shell/MessageBox.h"
#include "res/ResourceIds.h"

const winport::Route<CContactEmailPane> CContactEmailPane::kRoutes[] = {
    {WM_COMMAND, BN_CLICKED, IDC_CONTACT_EMAIL_ADD, &CContactEmailPane::OnAdd},
    {WM_COMMAND, BN_CLICKED, IDC_CONTACT_EMAIL_EDIT, &CContactEmailPane::OnEdit},
    {WM_COMMAND, BN_CLICKED, IDC_CONTACT_EMAIL_REMOVE, &CContactEmailPane::OnRemove},
    {WM_COMMAND, BN_CLICKED, IDC_CONTACT_EMAIL_DEFAULT, &CContactEmailPane::OnSetDefault},
    {WM_NOTIFY, LVN_ITEMCHANGED, IDC_CONTACT_EMAIL_LIST, &CContactEmailPane::OnListItemChanged},
};

namespace {

// "DefaultEmailNum": 0 the primary address, k + 1 element k of "AdditionalEmails", -(k + 1)
// element k of "MoreEmails".
constexpr short kPrimaryIsDefault = 0;

}  // namespace

CContactEmailPane::CContactEmailPane(BCUserInfo* user, MCVariantPropertySet* data, CWnd* parent)
    : CRecordPage(user, IDD_CONTACT_EMAIL_PANE, false, data, parent) {}

CContactEmailPane::~CContactEmailPane() {
    // The list's last notifications must find the pane whole.
    if (::IsWindow(m_hWnd)) DestroyWindow();
}

BOOL CContactEmailPane::OnInitDialog() {
    CRecordPage::OnInitDialog();
    m_list.SetUp(CEmailListCtrl::Mode::Contact);
    Load();
    return TRUE;
}

void CContactEmailPane::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_CONTACT_EMAIL_LIST, m_list);
}

int CContactEmailPane::PageCommit() {
    return Save();
}

int CContactEmailPane::PageValidate() {
    return Check();
}

void CContactEmailPane::PageReload() {
    Load();
}

void CContactEmailPane::Load() {
    if (!m_data || !m_list.m_hWnd) return;
    MCVariantPropertySet& record = *m_data;
    ++m_loads;
    m_list.RemoveAll();
    const short chosen = record["DefaultEmailNum"];
    bool found = chosen == kPrimaryIsDefault;
    const auto add = [&](const std::string& address, EmailKind kind, short number, int element) {
        if (address.empty() || m_list.HasAddress(address)) return;
        const EmailRecord* row = m_list.AddRecord({address, kind, chosen == number, true, element});
        if (row && row->chosen) found = true;
    };
    add(record["PrimaryEmail"], kEmailPrimary, kPrimaryIsDefault, -1);
    const int additional = record["AdditionalEmails"].GetSize();
    for (int k = 0; k < additional; ++k) {
        add(record["AdditionalEmails"][k], kEmailUserDefined, static_cast<short>(k + 1), k);
    }
    const int more = record["MoreEmails"].GetSize();
    for (int k = 0; k < more; ++k) {
        add(record["MoreEmails"][k], kEmailMore, static_cast<short>(-(k + 1)), k);
    }
    if (!found) {
        // No shown address is the default: the primary one becomes it, in the record and in
        // the list alike.
        record["DefaultEmailNum"] = 0;
        EmailRecord* primary = m_list.RecordAt(m_list.FirstRowOf(kEmailPrimary));
        if (primary) MakeDefault(primary);
    }
    m_changed = false;
    ApplyButtonRule();
}

int CContactEmailPane::Save() {
    if (!m_changed || !m_data) return 1;
    MCVariantPropertySet& record = *m_data;
    record.Remove("AdditionalEmails");
    int userDefined = 0;
    short chosen = kPrimaryIsDefault;
    for (int row = 0; row < m_list.GetRecordCount(); ++row) {
        const EmailRecord* email = m_list.RecordAt(row);
        if (email->kind == kEmailUserDefined) {
            record["AdditionalEmails"][userDefined] = email->address;
            if (email->chosen) chosen = static_cast<short>(userDefined + 1);
            ++userDefined;
        } else if (email->kind == kEmailMore && email->chosen) {
            // "MoreEmails" is the contact's own and is not rewritten: keep pointing at the
            // element the row came from, whatever rows were skipped before it.
            chosen = static_cast<short>(-(email->element + 1));
        }
    }
    record["DefaultEmailNum"] = chosen;
    m_changed = false;
    return 1;
}

int CContactEmailPane::Check() {
    if (!m_changed) return -1;
    if (m_list.GetRecordCount() > 0 && !m_list.ChosenRecord()) {
        BResourceMessageBox(IDS_NO_DEFAULT_EMAIL, IDS_NO_DEFAULT_EMAIL_CAPTION, MB_ICONERROR,
                            m_hWnd);
        return 0;
    }
    return Save();
}

void CContactEmailPane::MakeDefault(EmailRecord* record) {
    if (EmailRecord* current = m_list.ChosenRecord()) {
        current->chosen = false;
        m_list.UpdateRecord(current);
    }
    record->chosen = true;
    m_list.UpdateRecord(record);
}

void CContactEmailPane::ApplyButtonRule() {
    const EmailRecord* selected = m_list.SelectedRecord();
    const bool own = selected && selected->kind == kEmailUserDefined;
    EnableEmailPaneButton(m_hWnd, m_list.m_hWnd, IDC_CONTACT_EMAIL_EDIT, own);
    EnableEmailPaneButton(m_hWnd, m_list.m_hWnd, IDC_CONTACT_EMAIL_REMOVE, own);
    EnableEmailPaneButton(m_hWnd, m_list.m_hWnd, IDC_CONTACT_EMAIL_DEFAULT,
                          selected && !selected->chosen);
}

void CContactEmailPane::ChangedAndCheck() {
    m_changed = true;
    Check();
    ApplyButtonRule();
}

void CContactEmailPane::OnAdd() {
    CContactEmailDialog dialog(m_pUserInfo, std::nullopt, false, this);
    if (dialog.DoModal() != IDOK || dialog.GetAddress().empty()) return;
    if (m_list.HasAddress(dialog.GetAddress())) {
        ShowPlainEmailMessage(m_hWnd, "Email Already Exists");
        return;
    }
    // The owner's additions stand before the contact's further addresses, as a load shows them.
    EmailRecord* added = m_list.AddRecord({dialog.GetAddress(), kEmailUserDefined, false, true},
                                          m_list.FirstRowOf(kEmailMore));
    if (!added) return;
    if (dialog.IsDefault()) MakeDefault(added);
    ChangedAndCheck();
}

void CContactEmailPane::OnEdit() {
    EmailRecord* selected = m_list.SelectedRecord();
    if (!selected || selected->kind != kEmailUserDefined) return;
    const std::string original = selected->address;
    const unsigned loads = m_loads;
    CContactEmailDialog dialog(m_pUserInfo, original, selected->chosen, this);
    // An empty address leaves the row as it was, as Add adds none.
    if (dialog.DoModal() != IDOK || dialog.GetAddress().empty()) return;
    // A retrieval that ended while the dialog was up reloaded the rows: the edited one is found
    // again by its address.
    if (m_loads != loads) selected = m_list.FindRecord(original, kEmailUserDefined);
    if (!selected) return;
    selected->address = dialog.GetAddress();
    // Clearing the box never takes the default away.
    if (selected->chosen || !dialog.IsDefault()) {
        m_list.UpdateRecord(selected);
    } else {
        MakeDefault(selected);
    }
    ChangedAndCheck();
}

void CContactEmailPane::OnRemove() {
    const EmailRecord* selected = m_list.SelectedRecord();
    if (!selected || selected->kind != kEmailUserDefined) return;
    m_list.RemoveRecord(selected);
    ChangedAndCheck();
}

void CContactEmailPane::OnSetDefault() {
    EmailRecord* selected = m_list.SelectedRecord();
    if (!selected || selected->chosen) return;
    MakeDefault(selected);
    ChangedAndCheck();
}

void CContactEmailPane::OnListItemChanged(NMHDR*, LRESULT*) {
    ApplyButtonRule();
}

std::optional<LRESULT> CContactEmailPane::OnMessage(const winport::Message& m) {
    if (auto result = m_list.ReflectNotify(m)) return result;
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return CRecordPage::OnMessage(m);
}
