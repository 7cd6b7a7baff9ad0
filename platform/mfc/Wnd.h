// CWnd: the framework object of one window. It subclasses its window from the first message
// on, routes messages through its class's message table, and hands the rest to the window's
// class procedure.
#pragma once

#include <optional>
#include <string>

#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "platform/core/WinTypes.h"
#include "platform/mfc/MessageTable.h"
#include "platform/window/WindowProcedure.h"

class CDataExchange;

class CWnd : public winport::WindowProcedure {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object that subclasses |hwnd|, or else one the window owns until it is destroyed.
    static CWnd* FromHandle(HWND hwnd);
    static CWnd* FromHandlePermanent(HWND hwnd);

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }

    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id, void* param = nullptr);
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    virtual BOOL DestroyWindow();

    LRESULT HandleMessage(const winport::Message& m) final;
    // Routes one message; the framework's default handling when no handler takes it.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // This class's message table, then its base's; nothing means "not handled".
    virtual std::optional<LRESULT> OnMessage(const winport::Message& m);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The message being handled, passed on to the default handling.
    LRESULT Default();
    virtual void PostNcDestroy() {}
    virtual BOOL PreTranslateMessage(MSG*) { return FALSE; }

    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange*) {}

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    CWnd* GetDlgItem(int id) const;
    CWnd* GetParent() const;
    int GetDlgCtrlID() const;
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    void SetDlgItemText(int id, const std::string& text);
    std::string GetDlgItemText(int id) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const RECT& rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const;
    void ScreenToClient(RECT* rect) const;
    void ClientToScreen(RECT* rect) const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add);
    void SetFont(HFONT font, BOOL redraw = TRUE);
    HFONT GetFont() const;
    void Invalidate(BOOL erase = TRUE);
    BOOL BringWindowToTop();

    HWND m_hWnd = nullptr;

private:
    void Attach(HWND hwnd);
    void OnNcDestroy(const winport::Message& m);
};
