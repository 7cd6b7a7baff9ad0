#include "pages/work/InterestsPage.h"

#include "module/HostNumbers.h"
#include "module/host/HostIds.h"
#include "module/host/MIInterestPicker.h"
#include "pages/HostDataList.h"
#include "pages/work/MissingKeywords.h"
#include "platform/com/ComRuntime.h"
#include "platform/com/TaskMemory.h"
#include "platform/gdi/SystemColors.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

struct SlotControls {
    int check;
    int edit;
    int line;
};

constexpr SlotControls kSlotControls[CInterestsPage::kSlots] = {
    {IDC_INTERESTS_CHECK1, IDC_INTERESTS_EDIT1, IDC_INTERESTS_LINE1},
    {IDC_INTERESTS_CHECK2, IDC_INTERESTS_EDIT2, IDC_INTERESTS_LINE2},
    {IDC_INTERESTS_CHECK3, IDC_INTERESTS_EDIT3, IDC_INTERESTS_LINE3},
    {IDC_INTERESTS_CHECK4, IDC_INTERESTS_EDIT4, IDC_INTERESTS_LINE4},
};

constexpr int kLineMargin = 2;

}  // namespace

CInterestsPage::CInterestsPage(BCUserInfo* user, MCVariantPropertySet* data, CWnd* parent)
    : CRecordPage(user, IDD_INTERESTS_EDIT_PAGE, true, data, parent) {}

CInterestsPage::~CInterestsPage() {
    if (m_images) ImageList_Destroy(m_images);
}

BOOL CInterestsPage::OnInitDialog() {
    CRecordPage::OnInitDialog();
    m_interests = OpenHostDataList("interest");
    m_images = CopyListImages(m_interests.Get());
    for (int slot = 0; slot < kSlots; ++slot) {
        BCStaticBitmap& line = m_lines[static_cast<size_t>(slot)];
        line.SubclassDlgItem(kSlotControls[slot].line, this);
        line.SetAlignYMiddle();
        line.SetLeftMargin(kLineMargin);
        line.SetColor(GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE));
    }
    PageReload();
    return TRUE;
}

bool CInterestsPage::Ticked(int slot) const {
    return IsDlgButtonChecked(kSlotControls[slot].check) == BST_CHECKED;
}

std::string CInterestsPage::EffectiveKeywords(int slot) const {
    const Slot& s = m_slots[static_cast<size_t>(slot)];
    return Ticked(slot) && s.category >= 1 ? s.keywords : std::string();
}

void CInterestsPage::ShowLine(int slot) {
    const Slot& s = m_slots[static_cast<size_t>(slot)];
    std::string text;
    int icon = -1;
    if (s.category != 0) {
        LONG row = -1;
        const char* name = nullptr;
        if (m_interests && m_interests->FindRow("code", s.category, &row) == S_OK &&
            m_interests->GetString(row, "name", &name) == S_OK && name) {
            text = name;
            LONG index = -1;
            if (m_interests->GetLong(row, "icon", &index) == S_OK) icon = static_cast<int>(index);
        }
        text += " - " + EffectiveKeywords(slot);
    }
    BCStaticBitmap& line = m_lines[static_cast<size_t>(slot)];
    if (m_images) line.SetImageList(m_images, icon);
    line.SetWindowText(text);
    line.Invalidate();
}

void CInterestsPage::PageReload() {
    if (!m_data) return;
    MCVariantPropertySet& data = *m_data;
    for (int slot = 0; slot < kSlots; ++slot) {
        const unsigned short category = data["InterestCategory"][slot];
        Slot& s = m_slots[static_cast<size_t>(slot)];
        s.category = category;
        s.keywords = std::string(data["InterestText"][slot]);
        CheckDlgButton(kSlotControls[slot].check, category > 0 ? BST_CHECKED : BST_UNCHECKED);
        ::EnableWindow(::GetDlgItem(m_hWnd, kSlotControls[slot].edit), category > 0);
        ShowLine(slot);
    }
    m_changed = false;
}

void CInterestsPage::OnSlotClicked(int slot) {
    Slot& s = m_slots[static_cast<size_t>(slot)];
    if (Ticked(slot)) {
        winport::ComPtr<MIInterestPicker> picker;
        if (SUCCEEDED(CoCreateInstance(kHostDialogsClsid, nullptr, CLSCTX_INPROC_SERVER,
                                       MIInterestPicker::kIid,
                                       reinterpret_cast<void**>(picker.GetAddressOf())))) {
            LONG category = s.category;
            char* keywords = winport::CopyToTaskMemory(EffectiveKeywords(slot));
            LONG result = 0;
            if (keywords && SUCCEEDED(picker->Pick(m_hWnd, &category, &keywords, &result)) &&
                result == 1) {
                s.category = category;
                s.keywords = keywords ? keywords : "";
                ShowLine(slot);
            }
            CoTaskMemFree(keywords);
        }
        CheckDlgButton(kSlotControls[slot].check, s.category != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
    ::EnableWindow(::GetDlgItem(m_hWnd, kSlotControls[slot].edit), Ticked(slot));
    m_changed = true;
}

int CInterestsPage::PageValidate() {
    if (!m_changed) return -1;
    for (int slot = 0; slot < kSlots; ++slot) {
        const Slot& s = m_slots[static_cast<size_t>(slot)];
        if (Ticked(slot) && s.category >= 1 && s.keywords.empty()) {
            return AskAboutMissingKeywords(m_hWnd);
        }
    }
    return 1;
}

int CInterestsPage::PageCommit() {
    if (!m_changed || !m_data) return 1;
    MCVariantPropertySet& data = *m_data;
    for (int slot = 0; slot < kSlots; ++slot) {
        const Slot& s = m_slots[static_cast<size_t>(slot)];
        const long category = Ticked(slot) ? s.category : 0;
        data["InterestCategory"][slot] = static_cast<int>(category);
        data["InterestText"][slot] = category >= 1 ? s.keywords : std::string();
    }
    m_changed = false;
    MarkForUpload(data, UploadSection::Interests);
    return 1;
}

void CInterestsPage::PageClear() {
    for (int slot = 0; slot < kSlots; ++slot) {
        m_slots[static_cast<size_t>(slot)] = Slot{};
        CheckDlgButton(kSlotControls[slot].check, BST_UNCHECKED);
        ::EnableWindow(::GetDlgItem(m_hWnd, kSlotControls[slot].edit), FALSE);
        ShowLine(slot);
    }
    m_changed = true;
}

std::optional<LRESULT> CInterestsPage::OnCommand(const winport::Message& m) {
    if (HIWORD(m.wParam) != BN_CLICKED) return std::nullopt;
    const int id = LOWORD(m.wParam);
    for (int slot = 0; slot < kSlots; ++slot) {
        if (id == kSlotControls[slot].check || id == kSlotControls[slot].edit) {
            OnSlotClicked(slot);
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<LRESULT> CInterestsPage::OnMessage(const winport::Message& m) {
    if (m.id == WM_COMMAND) {
        if (auto result = OnCommand(m)) return result;
    }
    return CRecordPage::OnMessage(m);
}
