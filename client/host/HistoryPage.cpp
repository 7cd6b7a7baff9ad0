#include "client/host/HistoryPage.h"

#include <cctype>
#include <ctime>
#include <new>
#include <string>

#include "client/directory/PublishedKeys.h"
#include "client/host/HostDialogTemplates.h"
#include "client/store/StoreError.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace nuvclient {
namespace {

// A date in seconds since 1970 as the day it falls on; |none| for 0.
std::string Day(std::int64_t seconds, const char* none) {
    if (seconds <= 0) return none;
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm day{};
    gmtime_r(&time, &day);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &day);
    return text;
}

// Key names as words: "HomeAddress, WorkCity" reads "home address, work city".
std::string Readable(const std::string& keys) {
    std::string words;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto c = static_cast<unsigned char>(keys[i]);
        if (std::isupper(c) && i > 0 && std::isalpha(static_cast<unsigned char>(keys[i - 1])))
            words += ' ';
        words += static_cast<char>(std::tolower(c));
    }
    return words;
}

}  // namespace

HistoryPage::HistoryPage(Store& store, std::uint32_t user, bool owner)
    : m_store(store), m_user(user), m_owner(owner) {}

HistoryPage::~HistoryPage() {
    if (m_window && ::IsWindow(m_window->m_hWnd)) ::DestroyWindow(m_window->m_hWnd);
}

HRESULT HistoryPage::CreatePageWindow(HWND parent, const RECT* client, LONG) {
    if (!parent || !client) return E_POINTER;
    if (m_window) return E_UNEXPECTED;
    std::unique_ptr<Window> window(new (std::nothrow) Window);
    if (!window) return E_OUTOFMEMORY;
    if (!window->Create(IDD_HISTORY_PAGE, CWnd::FromHandle(parent))) return E_FAIL;
    m_window = std::move(window);
    ::MoveWindow(m_window->m_hWnd, client->left, client->top, client->right - client->left,
                 client->bottom - client->top, FALSE);
    Show();
    ::ShowWindow(m_window->m_hWnd, SW_SHOW);
    return S_OK;
}

HRESULT HistoryPage::GetPageWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = m_window ? m_window->m_hWnd : nullptr;
    return *window ? S_OK : E_UNEXPECTED;
}

HRESULT HistoryPage::CompleteBuild(LONG) {
    return m_window ? S_OK : E_UNEXPECTED;
}

HRESULT HistoryPage::NotifyReparented(LONG) {
    return m_window ? S_OK : E_UNEXPECTED;
}

HRESULT HistoryPage::ResizePage(int width, int height) {
    if (!m_window || !::IsWindow(m_window->m_hWnd)) return E_UNEXPECTED;
    ::SetWindowPos(m_window->m_hWnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    return S_OK;
}

HRESULT HistoryPage::ValidatePage() {
    try {
        return m_store.FindUser(m_user) ? S_OK : E_FAIL;
    } catch (const StoreError&) {
        return E_FAIL;
    }
}

HRESULT HistoryPage::CanCommitPage() {
    return m_window && ::IsWindow(m_window->m_hWnd) ? S_OK : S_FALSE;
}

HRESULT HistoryPage::CommitPage() {
    if (!m_window || !::IsWindow(m_window->m_hWnd)) return E_UNEXPECTED;
    const bool keep = m_window->IsDlgButtonChecked(IDC_HISTORY_KEEP) == BST_CHECKED;
    try {
        m_store.WriteKey(m_user, kKeepHistory, Value::Bool(keep));
    } catch (const StoreError&) {
        return E_FAIL;
    }
    // The window commits its pages also when fetched details came in: show them.
    Show();
    return S_OK;
}

void HistoryPage::Show() {
    Record record;
    try {
        record = m_store.ReadRecord(m_user);
    } catch (const StoreError&) {
        // A record that cannot be read shows no dates.
    }
    Window& window = *m_window;
    window.SetDlgItemText(IDC_HISTORY_FIRST_LABEL,
                          m_owner ? "Your details last published:" : "Added to your contacts:");
    window.SetDlgItemText(
        IDC_HISTORY_FIRST,
        Day(record.IntegerOf(m_owner ? kLastUpdateDate : kAddedDate, 0), "not known"));
    window.SetDlgItemText(IDC_HISTORY_FETCHED, Day(record.IntegerOf(kFetchedDate, 0), "never"));
    const Value* changes = record.Find(kFetchedChanges);
    const bool fetched = record.IntegerOf(kFetchedDate, 0) > 0;
    const std::string changed =
        changes && changes->Type() == ValueType::Text ? Readable(changes->Text()) : std::string();
    window.SetDlgItemText(IDC_HISTORY_CHANGES, !fetched          ? ""
                                               : changed.empty() ? "nothing"
                                                                 : changed);
    window.CheckDlgButton(IDC_HISTORY_KEEP,
                          record.IntegerOf(kKeepHistory, 1) != 0 ? BST_CHECKED : BST_UNCHECKED);
}

}  // namespace nuvclient
