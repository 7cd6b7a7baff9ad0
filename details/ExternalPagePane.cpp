#include "details/ExternalPagePane.h"

#include "platform/core/LastError.h"
#include "platform/window/WindowApi.h"
#include "res/ResourceIds.h"

namespace {

// WM_SIZE's kinds of change: the window was restored or maximised to a new size.
constexpr WPARAM kSizeRestored = 0;
constexpr WPARAM kSizeMaximized = 2;

}  // namespace

const winport::Route<CExternalPagePane> CExternalPagePane::kRoutes[] = {
    {WM_SIZE, &CExternalPagePane::OnSizeMessage},
};

CExternalPagePane::CExternalPagePane(MIExternalPage* page, BCUserInfo* user, CWnd* parent)
    : BCInsideDialog(user, IDD_EXTERNAL_PAGE, 0, parent), m_page(page) {}

BOOL CExternalPagePane::OnInitDialog() {
    BCInsideDialog::OnInitDialog();
    m_built = m_page && TakeInPageWindow();
    return m_built ? TRUE : FALSE;
}

bool CExternalPagePane::TakeInPageWindow() {
    RECT client{};
    GetClientRect(&client);
    if (FAILED(m_page->CreatePageWindow(m_hWnd, &client, 1))) return false;
    HWND window = nullptr;
    if (FAILED(m_page->GetPageWindow(&window))) return false;
    // SetParent answers null for a window that had no parent, so only the last error tells.
    SetLastError(ERROR_SUCCESS);
    if (!::SetParent(window, m_hWnd) && GetLastError() != ERROR_SUCCESS) return false;
    if (FAILED(m_page->NotifyReparented(1))) return false;
    return SUCCEEDED(m_page->CompleteBuild(0));
}

int CExternalPagePane::PageValidate() {
    if (!m_page || FAILED(m_page->CanCommitPage())) return -1;
    return SUCCEEDED(m_page->ValidatePage()) ? 1 : 0;
}

int CExternalPagePane::PageCommit() {
    if (m_page && SUCCEEDED(m_page->CanCommitPage())) m_page->CommitPage();
    return 1;
}

std::optional<LRESULT> CExternalPagePane::OnSizeMessage(const winport::Message& m) {
    // Only a built page has a window to resize; a minimised window keeps its size.
    if (m_built && (m.wParam == kSizeRestored || m.wParam == kSizeMaximized)) {
        m_page->ResizePage(LOWORD(m.lParam), HIWORD(m.lParam));
    }
    return std::nullopt;
}

std::optional<LRESULT> CExternalPagePane::OnMessage(const winport::Message& m) {
    if (auto result = winport::RouteMessage(*this, kRoutes, m)) return result;
    return BCInsideDialog::OnMessage(m);
}
