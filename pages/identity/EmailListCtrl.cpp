#include "pages/identity/EmailListCtrl.h"

#include <algorithm>

#include "module/HostNumbers.h"
#include "module/ModuleState.h"
#include "platform/resources/ResourceApi.h"
#include "platform/shell/MenuApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

const winport::Route<CEmailListCtrl> CEmailListCtrl::kRoutes[] = {
    {WM_CONTEXTMENU, &CEmailListCtrl::OnContextMenu},
    {WM_SETFOCUS, &CEmailListCtrl::OnSetFocus},
    {WM_COMMAND, 0, static_cast<int>(ID_COPY_EMAIL_ADDRESS), &CEmailListCtrl::OnCopyAddress},
    {WM_COMMAND, 0, static_cast<int>(ID_SEND_EMAIL), &CEmailListCtrl::OnSendEmail},
};

namespace {

enum Column { kDefaultColumn = 0, kKindColumn = 1, kEmailColumn = 2 };

// Where AddColumn puts each column, as the host list class reads it.
constexpr int kColumnPlaces[] = {-1, 1, 5};

const char* KindLabel(EmailKind kind) {
    switch (kind) {
        case kEmailPrimary: return "Primary";
        case kEmailMore: return "More";
        default: return "User Defined";
    }
}

}  // namespace

std::string CEmailListCtrl::CellText(const EmailRecord& record, int column) {
    switch (column) {
        case kKindColumn: return KindLabel(record.kind);
        case kEmailColumn: return record.address;
        default: return {};
    }
}

void CEmailListCtrl::SetUp(Mode mode) {
    m_mode = mode;
    if (MIHostServices* services = ModuleState().hostServices) {
        SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL,
                    reinterpret_cast<LPARAM>(services->GetSmallImageList()));
    }
    RECT client{};
    GetClientRect(&client);
    const int width = client.right - client.left;
    const int defaultWidth = width * 5 / 100;
    const int kindWidth = width * 30 / 100;
    AddColumn("Default", 0, defaultWidth, kColumnPlaces[kDefaultColumn]);
    AddColumn("Kind", 0, kindWidth, kColumnPlaces[kKindColumn]);
    AddColumn("Email", 0, width - defaultWidth - kindWidth, kColumnPlaces[kEmailColumn]);
}

int CEmailListCtrl::ImageOf(const EmailRecord& record) const {
    if (m_mode == Mode::Contact) return record.chosen ? kDefaultAddressImage : -1;
    return record.published ? kPublishedAddressImage : -1;
}

EmailRecord* CEmailListCtrl::AddRecord(const EmailRecord& record, int at) {
    EmailRecord* kept = m_records.emplace_back(std::make_unique<EmailRecord>(record)).get();
    const int row = AddItem(at, kDefaultColumn, "", ImageOf(*kept), reinterpret_cast<LPARAM>(kept));
    if (row < 0) {
        m_records.pop_back();
        return nullptr;
    }
    AddItem(row, kKindColumn, CellText(*kept, kKindColumn).c_str());
    AddItem(row, kEmailColumn, CellText(*kept, kEmailColumn).c_str());
    return kept;
}

void CEmailListCtrl::UpdateRecord(const EmailRecord* record) {
    const int row = RowOf(record);
    if (row < 0) return;
    UpdateItem(row, kDefaultColumn, "", ImageOf(*record));
    UpdateItem(row, kKindColumn, CellText(*record, kKindColumn).c_str());
    UpdateItem(row, kEmailColumn, CellText(*record, kEmailColumn).c_str());
}

int CEmailListCtrl::RemoveRecord(const EmailRecord* record) {
    const int row = RowOf(record);
    if (row < 0) return -1;
    SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(row));
    // Freed already if the parent handed the notification on; freed here otherwise.
    std::erase_if(m_records, [record](const auto& kept) { return kept.get() == record; });
    return row;
}

void CEmailListCtrl::RemoveAll() {
    ResetList();
    m_records.clear();
}

int CEmailListCtrl::GetRecordCount() const {
    return static_cast<int>(SendMessage(LVM_GETITEMCOUNT));
}

EmailRecord* CEmailListCtrl::RecordAt(int row) const {
    if (row < 0 || row >= GetRecordCount()) return nullptr;
    LVITEMA item;
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessage(LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<EmailRecord*>(item.lParam);
}

int CEmailListCtrl::RowOf(const EmailRecord* record) const {
    if (!record) return -1;
    for (int row = 0; row < GetRecordCount(); ++row) {
        if (RecordAt(row) == record) return row;
    }
    return -1;
}

EmailRecord* CEmailListCtrl::SelectedRecord() const {
    const auto row = static_cast<int>(
        SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0)));
    return RecordAt(row);
}

void CEmailListCtrl::SelectRecord(const EmailRecord* record) {
    const int row = RowOf(record);
    if (row < 0) return;
    LVITEMA item;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int CEmailListCtrl::FirstRowOf(EmailKind kind) const {
    for (int row = 0; row < GetRecordCount(); ++row) {
        const EmailRecord* record = RecordAt(row);
        if (record && record->kind == kind) return row;
    }
    return -1;
}

EmailRecord* CEmailListCtrl::ChosenRecord() const {
    for (int row = 0; row < GetRecordCount(); ++row) {
        EmailRecord* record = RecordAt(row);
        if (record && record->chosen) return record;
    }
    return nullptr;
}

EmailRecord* CEmailListCtrl::FindRecord(const std::string& address, EmailKind kind) const {
    for (int row = 0; row < GetRecordCount(); ++row) {
        EmailRecord* record = RecordAt(row);
        if (record && record->kind == kind && record->address == address) return record;
    }
    return nullptr;
}

bool CEmailListCtrl::HasAddress(const std::string& address) const {
    for (int row = 0; row < GetRecordCount(); ++row) {
        const EmailRecord* record = RecordAt(row);
        if (record && record->address == address) return true;
    }
    return false;
}

std::optional<LRESULT> CEmailListCtrl::ReflectNotify(const winport::Message& m) {
    if (m.id != WM_NOTIFY || !m.lParam || !m_hWnd) return std::nullopt;
    const auto* header = reinterpret_cast<const NMHDR*>(m.lParam);
    if (header->hwndFrom != m_hWnd) return std::nullopt;
    if (header->code == LVN_DELETEALLITEMS) return 0;  // A row-deleted notice follows each row.
    if (header->code != LVN_DELETEITEM) return std::nullopt;
    const auto* row = reinterpret_cast<const NMLISTVIEW*>(m.lParam);
    const auto* record = reinterpret_cast<const EmailRecord*>(row->lParam);
    std::erase_if(m_records, [record](const auto& kept) { return kept.get() == record; });
    return 0;
}

std::optional<LRESULT> CEmailListCtrl::OnSetFocus(const winport::Message&) {
    Invalidate(TRUE);
    return std::nullopt;
}

std::optional<LRESULT> CEmailListCtrl::OnContextMenu(const winport::Message& m) {
    const POINT screen{static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))};
    LVHITTESTINFO hit;
    hit.pt = screen;
    ::ScreenToClient(m_hWnd, &hit.pt);
    if (SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0) return 0;
    MIHostServices* services = ModuleState().hostServices;
    const bool sendUnavailable = services && services->IsSendMailUnavailable();
    const HMENU menu = LoadMenu(nullptr, sendUnavailable ? IDR_EMAIL_MENU_NO_SEND : IDR_EMAIL_MENU);
    if (!menu) return 0;
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_CENTERALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                   m_hWnd, nullptr);
    DestroyMenu(menu);
    return 0;
}

std::optional<LRESULT> CEmailListCtrl::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return BCListCtrl::OnMessage(m);
}
