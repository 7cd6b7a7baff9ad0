#include "pages/work/HomepageCategoryDialog.h"

#include <optional>
#include <vector>

#include "module/ModuleState.h"
#include "pages/WebAddress.h"
#include "pages/work/SelectTopicDialog.h"
#include "pages/work/TopicList.h"
#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/mfc/DataExchange.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

constexpr int kHomepageIconNumber = 6;
constexpr int kAddressLimit = 100;
constexpr int kDescriptionLimit = 400;

HICON HomepageIcon() {
    MIHostServices* services = ModuleState().hostServices;
    return services ? services->GetIcon(kHomepageIconNumber) : nullptr;
}

// The rows shown for the category in |row|: its ancestors from the top down, then the row. An
// ancestor of level 0 or 1 named exactly as the row below it stands for the same topic and is
// left out, unless it is the category's own parent. A walk that cannot read a row ends there.
std::vector<LONG> CategoryPath(const CTopicList& topics, LONG row) {
    std::vector<LONG> path{row};
    std::optional<std::string> below = topics.Name(row);
    bool ownParent = true;
    for (const LONG ancestor : topics.Ancestors(row)) {
        const std::optional<LONG> level = topics.Level(ancestor);
        std::optional<std::string> name = topics.Name(ancestor);
        if (!level || !name) break;
        if (ownParent || *level >= 2 || name != below) path.insert(path.begin(), ancestor);
        below = std::move(name);
        ownParent = false;
    }
    return path;
}

}  // namespace

const winport::Route<CHomepageCategoryDialog> CHomepageCategoryDialog::kRoutes[] = {
    {WM_COMMAND, EN_CHANGE, IDC_CATEGORY_ADDRESS, &CHomepageCategoryDialog::OnAddressChanged},
    {WM_COMMAND, BN_CLICKED, IDC_CATEGORY_GOTO_HOMEPAGE, &CHomepageCategoryDialog::OnGotoHomepage},
    {WM_COMMAND, BN_CLICKED, IDC_CATEGORY_DIRECTORY, &CHomepageCategoryDialog::OnGotoDirectory},
    {WM_COMMAND, BN_CLICKED, IDC_CATEGORY_DEFINE, &CHomepageCategoryDialog::OnDefineCategory},
};

CHomepageCategoryDialog::CHomepageCategoryDialog(BCUserInfo* user, bool editable,
                                                 MCVariantPropertySet* data, CWnd* parent)
    : BCTaskDialog(user, IDD_HOMEPAGE_CATEGORY, HomepageIcon(), "Homepage Info", 0, parent),
      m_editable(editable),
      m_data(data) {}

void CHomepageCategoryDialog::SetHomepage(const std::string& address,
                                          const std::string& description, int category) {
    m_address = address;
    m_description = description;
    m_category = category;
}

BOOL CHomepageCategoryDialog::OnInitDialog() {
    // The edits are filled and limited here.
    BCTaskDialog::OnInitDialog();
    if (m_data) {
        const std::string handle = (*m_data)["DefinedHandle"];
        SetWindowText(handle + "'s HomePage Information");
    }
    for (const int id : {IDC_CATEGORY_DESCRIPTION, IDC_CATEGORY_ADDRESS})
        ::SendDlgItemMessage(m_hWnd, id, EM_SETREADONLY, m_editable ? FALSE : TRUE, 0);
    if (!m_editable && m_address.empty()) {
        EnableItem(IDC_CATEGORY_GOTO_HOMEPAGE, false);
        EnableItem(IDC_CATEGORY_TREE, false);
    } else {
        EnableForAddress();
        FillTree();
        EnableDescription();
    }
    if (!m_editable) ::ShowWindow(::GetDlgItem(m_hWnd, IDC_CATEGORY_DEFINE), SW_HIDE);
    // The tree only shows the category: the cover takes the mouse.
    m_cover.Cover(*this, ::GetDlgItem(m_hWnd, IDC_CATEGORY_TREE), "stam");
    return TRUE;
}

void CHomepageCategoryDialog::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_CATEGORY_ADDRESS, m_address);
    DDV_MaxChars(dx, m_address, kAddressLimit);
    DDX_Text(dx, IDC_CATEGORY_DESCRIPTION, m_description);
    DDV_MaxChars(dx, m_description, kDescriptionLimit);
}

CTopicTree CHomepageCategoryDialog::Tree() const {
    return CTopicTree(::GetDlgItem(m_hWnd, IDC_CATEGORY_TREE));
}

void CHomepageCategoryDialog::FillTree() {
    const CTopicTree tree = Tree();
    tree.DeleteAllItems();
    if (m_category == 0) return;
    // Without the host's list the category cannot be shown, but it stays.
    const CTopicList topics = CTopicList::Open();
    if (!topics.Available()) return;
    const std::optional<LONG> row = topics.RowOf(m_category);
    if (!row) {
        m_category = 0;
        return;
    }
    HTREEITEM item = TVI_ROOT;
    for (const LONG entry : CategoryPath(topics, *row))
        item = tree.InsertSorted(item, topics.Name(entry).value_or(""),
                                 topics.Code(entry).value_or(0));
    tree.Select(item);
    tree.ScrollToTop(item);
    tree.SetBold(item, true);
}

void CHomepageCategoryDialog::ReadAddress() {
    m_address = winport::GetWindowTextUtf8(::GetDlgItem(m_hWnd, IDC_CATEGORY_ADDRESS));
}

void CHomepageCategoryDialog::EnableItem(int id, bool enable) const {
    ::EnableWindow(::GetDlgItem(m_hWnd, id), enable ? TRUE : FALSE);
}

void CHomepageCategoryDialog::EnableForAddress() const {
    for (const int id : {IDC_CATEGORY_GOTO_HOMEPAGE, IDC_CATEGORY_TREE, IDC_CATEGORY_DEFINE})
        EnableItem(id, !m_address.empty());
}

void CHomepageCategoryDialog::EnableDescription() const {
    EnableItem(IDC_CATEGORY_DESCRIPTION, !m_address.empty() && Tree().HasItems());
}

void CHomepageCategoryDialog::OnAddressChanged() {
    // Only the address: the description edit may not be filled yet while the dialog starts.
    ReadAddress();
    EnableForAddress();
    EnableDescription();
}

void CHomepageCategoryDialog::OnGotoHomepage() {
    ReadAddress();
    OpenRecordAddress(m_address);
}

void CHomepageCategoryDialog::OnGotoDirectory() {
    MIHostServices* services = ModuleState().hostServices;
    std::string address;
    if (!services || !services->GetRegisteredAddress("Homepage Directory", &address) ||
        address.empty()) {
        return;
    }
    services->OpenAddress(address.c_str());
}

void CHomepageCategoryDialog::OnDefineCategory() {
    CSelectTopicDialog selection(m_pUserInfo, m_category, this);
    if (selection.DoModal() != IDOK) return;
    m_category = selection.GetCode();
    // The edits keep what the owner typed in them.
    FillTree();
    EnableDescription();
}

std::optional<LRESULT> CHomepageCategoryDialog::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return BCTaskDialog::OnMessage(m);
}
