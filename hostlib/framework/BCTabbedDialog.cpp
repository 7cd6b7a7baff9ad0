#include "hostlib/framework/BCTabbedDialog.h"

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
    if (!owned->Create(templateId, this)) return FALSE;

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

    owned->MoveWindow(DisplayArea(), FALSE);
    owned->ShowWindow(GetActiveTab() == index ? SW_SHOW : SW_HIDE);
    m_pages.push_back(std::move(owned));
    return TRUE;
}

void BCTabbedDialog::DoInitDialog(int initialTab) {
    for (const auto& page : m_pages) page->ReadStateFromRegistry();
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
    ShowPage(index);
    return TRUE;
}

int BCTabbedDialog::GetActiveTab() const {
    return m_tabCtrl.m_hWnd ? static_cast<int>(m_tabCtrl.SendMessage(TCM_GETCURSEL)) : -1;
}

BCInsideDialog* BCTabbedDialog::GetPage(int index) const {
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)].get()
                                                : nullptr;
}

void BCTabbedDialog::EnableDialogs(BOOL enable) {
    for (const auto& page : m_pages) page->EnableWindow(enable);
}

BOOL BCTabbedDialog::DoNext() {
    BOOL all = TRUE;
    for (const auto& page : m_pages) {
        if (!page->PageCommit()) all = FALSE;
    }
    return all;
}

BOOL BCTabbedDialog::DoPrev() {
    for (int i = 0; i < GetPageCount(); ++i) {
        if (!m_pages[static_cast<size_t>(i)]->DoCheckPrev()) {
            SetActiveTab(i);
            return FALSE;
        }
    }
    return TRUE;
}

BOOL BCTabbedDialog::CheckNext() {
    for (int i = 0; i < GetPageCount(); ++i) {
        if (m_pages[static_cast<size_t>(i)]->SendMessage(BCM_PAGEVALIDATE) == 0) {
            SetActiveTab(i);
            return FALSE;
        }
    }
    return TRUE;
}

void BCTabbedDialog::DoRefresh() {
    for (const auto& page : m_pages) page->PageReload();
}

void BCTabbedDialog::DoCustom(int code, void* value) {
    for (const auto& page : m_pages) page->PageSetData(code, value);
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
    for (const auto& page : m_pages) page->MoveWindow(area, FALSE);
}

void BCTabbedDialog::ShowPage(int index) {
    for (int i = 0; i < GetPageCount(); ++i) {
        m_pages[static_cast<size_t>(i)]->ShowWindow(i == index ? SW_SHOW : SW_HIDE);
    }
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
    for (const auto& page : m_pages) page->DoClose();
    return std::nullopt;
}

std::optional<LRESULT> BCTabbedDialog::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return BCTaskDialog::OnMessage(m);
}
