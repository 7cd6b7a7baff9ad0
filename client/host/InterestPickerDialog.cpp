#include "client/host/InterestPickerDialog.h"

#include <utility>

#include "client/host/HostDialogTemplates.h"
#include "hostlib/reference/ReferenceCombos.h"
#include "module/host/HostIds.h"
#include "module/host/MIDataListService.h"
#include "platform/com/ComPtr.h"
#include "platform/com/ComRuntime.h"
#include "platform/controls/ComboBoxApi.h"
#include "platform/message/MessageApi.h"
#include "platform/mfc/DataExchange.h"

namespace nuvclient {

namespace {

constexpr int kKeywordLimit = 60;

// Fills |combo| with the empty entry (no interest, item data 0) and the host's interests.
void FillCategories(HWND combo) {
    ::SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
    winport::ComPtr<MIDataListService> service;
    winport::ComPtr<MINUVDataList> list;
    if (SUCCEEDED(CoCreateInstance(kDataListServiceClsid, nullptr, CLSCTX_INPROC_SERVER,
                                   MIDataListService::kIid,
                                   reinterpret_cast<void**>(service.GetAddressOf()))) &&
        SUCCEEDED(service->GetList("interest", list.GetAddressOf()))) {
        SetNumberStringCombo(combo, list.Get(), 0);
    }
}

}  // namespace

InterestPickerDialog::InterestPickerDialog(CWnd* parent, long category, std::string keywords)
    : CDialog(IDD_INTEREST_PICKER, parent), m_category(category), m_keywords(std::move(keywords)) {}

BOOL InterestPickerDialog::OnInitDialog() {
    const HWND combo = GetDlgItem(IDC_INTEREST_PICKER_CATEGORY)->m_hWnd;
    FillCategories(combo);
    if (SelectComboByItemData(combo, m_category) == CB_ERR) {
        SelectComboByItemData(combo, 0);
    }
    ::SendMessage(GetDlgItem(IDC_INTEREST_PICKER_KEYWORDS)->m_hWnd, EM_LIMITTEXT, kKeywordLimit, 0);
    return CDialog::OnInitDialog();
}

void InterestPickerDialog::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_INTEREST_PICKER_KEYWORDS, m_keywords);
    if (dx->m_bSaveAndValidate) {
        m_category = static_cast<long>(
            GetComboCurSelValue(GetDlgItem(IDC_INTEREST_PICKER_CATEGORY)->m_hWnd));
    }
}

}  // namespace nuvclient
