#include "platform/mfc/Wnd.h"

#include <cstdlib>
#include <memory>
#include <utility>

#include "platform/message/MessageApi.h"
#include "platform/mfc/DataExchange.h"
#include "platform/window/WindowApi.h"

namespace {

// The message each window procedure call is handling, for Default(). Kept per thread rather
// than in the object, which a handler may delete.
thread_local const winport::Message* t_currentMessage = nullptr;

class CurrentMessageScope {
public:
    explicit CurrentMessageScope(const winport::Message& m)
        : m_saved(std::exchange(t_currentMessage, &m)) {}
    ~CurrentMessageScope() { t_currentMessage = m_saved; }

private:
    const winport::Message* m_saved;
};

// A framework object made for a window no framework object subclasses.
class CTempWnd final : public CWnd {};

}  // namespace

CWnd::~CWnd() {
    // An object that still owns a live window takes it down with it.
    if (m_hWnd && ::IsWindow(m_hWnd) && winport::GetSubclass(m_hWnd) == this) {
        ::DestroyWindow(m_hWnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) {
    return dynamic_cast<CWnd*>(winport::GetSubclass(hwnd));
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (!hwnd || !::IsWindow(hwnd)) return nullptr;
    if (CWnd* permanent = FromHandlePermanent(hwnd)) return permanent;
    if (auto* wrapper = dynamic_cast<CWnd*>(winport::GetWrapper(hwnd))) return wrapper;
    auto temp = std::make_unique<CTempWnd>();
    temp->m_hWnd = hwnd;
    CWnd* result = temp.get();
    winport::SetWrapper(hwnd, std::move(temp));
    return result;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id, void* param) {
    const HWND hwnd = winport::CreateWindowWithSubclass(exStyle, className, windowName, style, rect,
                                                        parent ? parent->m_hWnd : nullptr,
                                                        static_cast<int>(id), this, param);
    return hwnd != nullptr;
}

void CWnd::Attach(HWND hwnd) {
    m_hWnd = hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (m_hWnd || !::IsWindow(hwnd) || winport::GetSubclass(hwnd)) return FALSE;
    winport::SetSubclass(hwnd, this);
    Attach(hwnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (!parent) return FALSE;
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    const HWND hwnd = std::exchange(m_hWnd, nullptr);
    if (hwnd && winport::GetSubclass(hwnd) == this) winport::SetSubclass(hwnd, nullptr);
    return hwnd;
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

LRESULT CWnd::HandleMessage(const winport::Message& m) {
    if (!m_hWnd) Attach(m.hwnd);  // Hooked at creation: the first message names the window.
    CurrentMessageScope scope(m);
    if (m.id == WM_NCDESTROY) {
        OnNcDestroy(m);
        return 0;
    }
    return WindowProc(m.id, m.wParam, m.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const winport::Message m{m_hWnd, message, wParam, lParam};
    if (std::optional<LRESULT> result = OnMessage(m)) return *result;
    return DefWindowProc(message, wParam, lParam);
}

std::optional<LRESULT> CWnd::OnMessage(const winport::Message&) {
    return std::nullopt;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = m_hWnd ? m_hWnd : (t_currentMessage ? t_currentMessage->hwnd : nullptr);
    return winport::CallClassProcedure(hwnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    if (!t_currentMessage) return 0;
    const winport::Message m = *t_currentMessage;
    return DefWindowProc(m.id, m.wParam, m.lParam);
}

void CWnd::OnNcDestroy(const winport::Message& m) {
    winport::CallClassProcedure(m.hwnd, m.id, m.wParam, m.lParam);
    UnsubclassWindow();
    PostNcDestroy();  // May delete this.
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return exchange.Failed() ? FALSE : TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::GetDlgItem(int id) const {
    return FromHandle(::GetDlgItem(m_hWnd, id));
}
CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}
int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}
void CWnd::SetWindowText(const std::string& text) {
    ::SetWindowText(m_hWnd, text.c_str());
}
std::string CWnd::GetWindowText() const {
    return winport::GetWindowTextUtf8(m_hWnd);
}

void CWnd::SetDlgItemText(int id, const std::string& text) {
    ::SetWindowText(::GetDlgItem(m_hWnd, id), text.c_str());
}

std::string CWnd::GetDlgItemText(int id) const {
    return winport::GetWindowTextUtf8(::GetDlgItem(m_hWnd, id));
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) {
    const std::string text =
        isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(value);
    SetDlgItemText(id, text);
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    const std::string text = GetDlgItemText(id);
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    const bool ok = !text.empty() && end && *end == '\0' && (isSigned || value >= 0);
    if (translated) *translated = ok ? TRUE : FALSE;
    return ok ? static_cast<UINT>(value) : 0;
}

void CWnd::CheckDlgButton(int id, UINT check) {
    ::SendMessage(::GetDlgItem(m_hWnd, id), BM_SETCHECK, check, 0);
}

UINT CWnd::IsDlgButtonChecked(int id) const {
    return static_cast<UINT>(::SendMessage(::GetDlgItem(m_hWnd, id), BM_GETCHECK, 0, 0));
}

BOOL CWnd::EnableWindow(BOOL enable) {
    return ::EnableWindow(m_hWnd, enable);
}
BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}
BOOL CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command);
}
BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(const RECT& rect, BOOL repaint) {
    MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : HWND_TOP, x, y, cx, cy,
                          flags);
}

void CWnd::GetClientRect(RECT* rect) const {
    ::GetClientRect(m_hWnd, rect);
}
void CWnd::GetWindowRect(RECT* rect) const {
    ::GetWindowRect(m_hWnd, rect);
}

void CWnd::ScreenToClient(RECT* rect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2);
}

void CWnd::ClientToScreen(RECT* rect) const {
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(rect), 2);
}

CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}
CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}
DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const {
    return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE));
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style) return FALSE;
    ::SetWindowLongPtr(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    return TRUE;
}

void CWnd::SetFont(HFONT font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

HFONT CWnd::GetFont() const {
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}
void CWnd::Invalidate(BOOL erase) {
    ::InvalidateRect(m_hWnd, nullptr, erase);
}
BOOL CWnd::BringWindowToTop() {
    return ::BringWindowToTop(m_hWnd);
}
