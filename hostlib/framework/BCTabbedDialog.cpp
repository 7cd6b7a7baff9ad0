#include "hostlib/framework/BCTabbedDialog.h"

#include <algorithm>
#include <string>

#include "hostlib/framework/FrameworkMessages.h"
#include "platform/controls/TabControlApi.h"
#include "platform/core/LastError.h"
#include "platform/window/WindowApi.h"

const winport::Route<BCTabbedDialog> BCTabbedDialog::kRoutes[] = {
    {WM_NOTIFY, &BCTabbedDialog::OnNotifyMessage},
    {WM_DESTROY, &BCTabbedDialog::OnDestroyMessage},
};

BCTabbedDialog::BCTabbedDialog(BCUserInfo* user, int tabControlId, UINT templateId, HICON icon,
                               const char* name, int contextNumber, CWnd* parent)
    : BCTaskDialog(user, templateId, icon, name, contextNumber, parent),
      m_tabControlId(tabControlId) {}

BCTabbedDialog::~BCTabbedDialog() = default;

BOOL BCTabbedDialog::OnInitDialog() {
    m_pages.clear();  // Pages of an earlier run lost their windows with it.
    m_pagesEnabled = TRUE;
    m_tabCtrl.SubclassDlgItem(static_cast<UINT>(m_tabControlId), this);
    return BCTaskDialog::OnInitDialog();
}

BOOL BCTabbedDialog::AddDialog(BCInsideDialog* page, UINT templateId, const char* caption,
                               int image, HICON icon) {
    std::unique_ptr<BCInsideDialog> owned(page);
    if (!owned) {
        winport::SetLastErrorText(ERROR_INVALID_PARAMETER, "AddDialog: no page");
        return FALSE;
    }
    if (!m_tabCtrl.m_hWnd) {
        winport::SetLastErrorText(
            ERROR_INVALID_WINDOW_HANDLE,
            "AddDialog: the dialog has no tab control " + std::to_string(m_tabControlId) + " yet");
        return FALSE;
    }
    const HIMAGELIST images = reinterpret_cast<HIMAGELIST>(m_tabCtrl.SendMessage(TCM_GETIMAGELIST));
    if (image < 0 && icon && images) image = ImageList_AddIcon(images, icon);
    std::string text = caption ? caption : "";
    TCITEM item;
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text.data();
    item.iImage = image;
    const int index = GetPageCount();
    m_tabCtrl.SendMessage(TCM_INSERTITEM, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(&item));
    m_pages.push_back({std::move(owned), templateId});
    // The first tab of an empty tab control is selected as it is inserted.
    return GetActiveTab() == index ? MakePage(index) : TRUE;
}

BOOL BCTabbedDialog::MakePage(int index) {
    BCInsideDialog& page = *m_pages[static_cast<size_t>(index)].dialog;
    if (page.m_hWnd) return TRUE;
    if (!page.Create(m_pages[static_cast<size_t>(index)].templateId, this)) {
        const DWORD error = GetLastError();
        m_tabCtrl.SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(index));
        m_pages.erase(m_pages.begin() + index);
        ::SetLastError(error);
        return FALSE;
    }
    page.MoveWindow(DisplayArea(), FALSE);
    page.ShowWindow(GetActiveTab() == index ? SW_SHOW : SW_HIDE);
    if (!m_pagesEnabled) page.EnableWindow(FALSE);
    return TRUE;
}

BOOL BCTabbedDialog::MakeEveryPage() {
    BOOL all = TRUE;
    for (int i = 0; i < GetPageCount();) {
        if (MakePage(i)) {
            ++i;
        } else {
            all = FALSE;
        }
    }
    return all;
}

void BCTabbedDialog::DoInitDialog(int initialTab) {
    for (const Page& page : m_pages) page.dialog->ReadStateFromRegistry();
    Layout();
    if (initialTab < 0 || initialTab >= GetPageCount()) initialTab = 0;
    SetActiveTab(initialTab);
}

BOOL BCTabbedDialog::SetActiveTab(int index) {
    if (index < 0 || index >= GetPageCount()) {
        winport::SetLastErrorText(ERROR_INVALID_INDEX, "SetActiveTab: no tab " +
                                                           std::to_string(index) + " among " +
                                                           std::to_string(GetPageCount()));
        return FALSE;
    }
    m_tabCtrl.SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(index));
    return ShowPage(index);
}

int BCTabbedDialog::GetActiveTab() const {
    return m_tabCtrl.m_hWnd ? static_cast<int>(m_tabCtrl.SendMessage(TCM_GETCURSEL)) : -1;
}

BCInsideDialog* BCTabbedDialog::GetPage(int index) const {
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)].dialog.get()
                                                : nullptr;
}

void BCTabbedDialog::EnableDialogs(BOOL enable) {
    m_pagesEnabled = enable;
    for (const Page& page : m_pages) {
        if (page.dialog->m_hWnd) page.dialog->EnableWindow(enable);
    }
}

BOOL BCTabbedDialog::DoNext() {
    BOOL all = MakeEveryPage();
    for (const Page& page : m_pages) {
        if (!page.dialog->PageCommit()) all = FALSE;
    }
    return all;
}

BOOL BCTabbedDialog::DoPrev() {
    for (int i = 0; i < GetPageCount(); ++i) {
        if (!m_pages[static_cast<size_t>(i)].dialog->DoCheckPrev()) {
            SetActiveTab(i);
            return FALSE;
        }
    }
    return TRUE;
}

BOOL BCTabbedDialog::CheckNext() {
    MakeEveryPage();
    for (int i = 0; i < GetPageCount(); ++i) {
        if (m_pages[static_cast<size_t>(i)].dialog->SendMessage(BCM_PAGEVALIDATE) == 0) {
            SetActiveTab(i);
            return FALSE;
        }
    }
    return TRUE;
}

void BCTabbedDialog::DoRefresh() {
    MakeEveryPage();
    for (const Page& page : m_pages) page.dialog->PageReload();
}

void BCTabbedDialog::DoCustom(int code, void* value) {
    MakeEveryPage();
    for (const Page& page : m_pages) page.dialog->PageSetData(code, value);
}

RECT BCTabbedDialog::DisplayArea() const {
    RECT area{};
    m_tabCtrl.GetWindowRect(&area);
    ScreenToClient(&area);
    m_tabCtrl.SendMessage(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
}

void BCTabbedDialog::Layout() {
    if (!m_tabCtrl.m_hWnd) return;
    const RECT area = DisplayArea();
    for (const Page& page : m_pages) {
        if (page.dialog->m_hWnd) page.dialog->MoveWindow(area, FALSE);
    }
}

BOOL BCTabbedDialog::ShowPage(int index) {
    if (index >= 0 && index < GetPageCount() && !MakePage(index)) {
        // The tab went with its page: the one now in its place is shown, or the last.
        const DWORD error = GetLastError();
        if (GetPageCount() > 0) SetActiveTab(std::min(index, GetPageCount() - 1));
        ::SetLastError(error);
        return FALSE;
    }
    for (int i = 0; i < GetPageCount(); ++i) {
        BCInsideDialog& page = *m_pages[static_cast<size_t>(i)].dialog;
        if (page.m_hWnd) page.ShowWindow(i == index ? SW_SHOW : SW_HIDE);
    }
    return TRUE;
}

std::optional<LRESULT> BCTabbedDialog::OnNotifyMessage(const winport::Message& m) {
    const auto* header = reinterpret_cast<const NMHDR*>(m.lParam);
    if (!header || header->hwndFrom != m_tabCtrl.m_hWnd || header->code != TCN_SELCHANGE) {
        return std::nullopt;
    }
    ShowPage(GetActiveTab());
    return 0;
}

std::optional<LRESULT> BCTabbedDialog::OnDestroyMessage(const winport::Message&) {
    for (const Page& page : m_pages) page.dialog->DoClose();
    return std::nullopt;
}

std::optional<LRESULT> BCTabbedDialog::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return BCTaskDialog::OnMessage(m);
}
