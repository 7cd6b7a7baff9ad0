#include "pages/work/InterestsViewPage.h"

#include "pages/HostDataList.h"
#include "platform/controls/ListBoxApi.h"
#include "platform/gdi/SystemColors.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

constexpr int kInterestSlots = 4;
constexpr int kCategorySlots = 3;

// The name |list| gives category |code|; null when it has none.
const char* CategoryName(MINUVDataList* list, long code) {
    LONG row = -1;
    const char* name = nullptr;
    if (!list || list->FindRow("code", code, &row) != S_OK ||
        list->GetString(row, "name", &name) != S_OK) {
        return nullptr;
    }
    return name;
}

}  // namespace

void CInterestsViewPage::CInterestList::AddLine(std::string text, int image) {
    m_texts.push_back(std::move(text));
    m_images.push_back(image);
    SendMessage(LB_ADDSTRING, 0, static_cast<LPARAM>(m_texts.size() - 1));
}

void CInterestsViewPage::CInterestList::RemoveAll() {
    SendMessage(LB_RESETCONTENT);
    m_texts.clear();
    m_images.clear();
}

int CInterestsViewPage::CInterestList::LineOf(int index) const {
    const LRESULT data = ::SendMessage(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return data >= 0 && static_cast<size_t>(data) < m_texts.size() ? static_cast<int>(data) : -1;
}

std::string CInterestsViewPage::CInterestList::GetItemText(int index) const {
    const int line = LineOf(index);
    return line < 0 ? std::string() : m_texts[static_cast<size_t>(line)];
}

int CInterestsViewPage::CInterestList::GetItemImage(int index) const {
    const int line = LineOf(index);
    return line < 0 ? -1 : m_images[static_cast<size_t>(line)];
}

CInterestsViewPage::CInterestsViewPage(BCUserInfo* user, MCVariantPropertySet* data, CWnd* parent)
    : CRecordPage(user, IDD_INTERESTS_VIEW_PAGE, false, data, parent) {}

CInterestsViewPage::~CInterestsViewPage() {
    if (m_images) ImageList_Destroy(m_images);
}

BOOL CInterestsViewPage::OnInitDialog() {
    CRecordPage::OnInitDialog();
    m_interests.SubclassDlgItem(IDC_INTERESTS_VIEW_LIST, this);
    m_groups.SubclassDlgItem(IDC_INTERESTS_VIEW_GROUPS, this);
    m_past.SubclassDlgItem(IDC_INTERESTS_VIEW_PAST, this);
    m_groupList = OpenHostDataList("group");
    m_pastList = OpenHostDataList("pastbg");
    m_interestList = OpenHostDataList("interest");
    m_interests.SetBkColor(GetSysColor(COLOR_BTNFACE));
    m_interests.Invalidate(TRUE);
    ::UpdateWindow(m_interests.m_hWnd);
    m_images = CopyListImages(m_interestList.Get());
    if (m_images) m_interests.SetImageList(m_images);
    for (BCRichEditCtrl* box : {&m_groups, &m_past})
        box->SendMessage(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
    PageReload();
    return TRUE;
}

void CInterestsViewPage::Append(BCRichEditCtrl& box, const std::string& text,
                                const CHARFORMAT2& format) {
    box.MoveToEnd();
    box.SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    box.SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void CInterestsViewPage::ShowCategories(BCRichEditCtrl& box, MINUVDataList* list,
                                        const char* categoryKey, const char* textKey, int slots) {
    box.SetText("");
    if (!list) return;
    MCVariantPropertySet& data = *m_data;
    bool first = true;
    for (int slot = 0; slot < slots; ++slot) {
        const long code = data[categoryKey][slot];
        const char* name = code != 0 ? CategoryName(list, code) : nullptr;
        if (!name) continue;
        if (!first) Append(box, "\r\n", m_plain);
        first = false;
        Append(box, std::string(name) + ": ", m_bold);
        const std::string keywords = data[textKey][slot];
        if (!keywords.empty()) Append(box, keywords, m_plain);
    }
}

void CInterestsViewPage::ShowInterests() {
    m_interests.RemoveAll();
    if (m_interestList) {
        MCVariantPropertySet& data = *m_data;
        for (int slot = 0; slot < kInterestSlots; ++slot) {
            const long code = data["InterestCategory"][slot];
            const char* name = code != 0 ? CategoryName(m_interestList.Get(), code) : nullptr;
            if (!name) continue;
            LONG row = -1;
            LONG icon = -1;
            m_interestList->FindRow("code", code, &row);
            if (m_interestList->GetLong(row, "icon", &icon) != S_OK) icon = -1;
            m_interests.AddLine(std::string(name) + " : " + std::string(data["InterestText"][slot]),
                                static_cast<int>(icon));
        }
    }
    // The list always ends with a blank line.
    m_interests.AddLine("", -1);
}

void CInterestsViewPage::PageReload() {
    if (!m_data) return;
    // The formats of both boxes: the text's own at the end of the first, and the same in bold.
    m_groups.MoveToEnd();
    m_plain.cbSize = sizeof m_plain;
    m_groups.SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&m_plain));
    m_bold = m_plain;
    m_bold.dwMask |= CFM_BOLD;
    m_bold.dwEffects |= CFE_BOLD;
    ShowCategories(m_groups, m_groupList.Get(), "GroupCategory", "GroupText", kCategorySlots);
    ShowCategories(m_past, m_pastList.Get(), "PastCategory", "PastText", kCategorySlots);
    ShowInterests();
}

void CInterestsViewPage::PageClear() {
    m_groups.SetText("");
    m_past.SetText("");
}
