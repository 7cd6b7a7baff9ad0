// The user32 window functions: creation and destruction, text, state, geometry, relations and
// focus. Every function validates its handle; a destroyed or invented one fails with
// ERROR_INVALID_WINDOW_HANDLE.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/core/WinMessages.h"
#include "platform/core/WinStyles.h"
#include "platform/core/WinTypes.h"
#include "platform/window/WindowProcedure.h"

struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    HINSTANCE hInstance = nullptr;
    HMENU hMenu = nullptr;
    HWND hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    const char* lpszName = nullptr;
    const char* lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

inline constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000);

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId,
                    HINSTANCE instance, void* param);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

BOOL SetWindowText(HWND hwnd, const char* text);
int GetWindowText(HWND hwnd, char* buffer, int maxCount);
int GetWindowTextLength(HWND hwnd);

LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);
BOOL ShowWindow(HWND hwnd, int command);
BOOL IsWindowVisible(HWND hwnd);

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL GetWindowRect(HWND hwnd, RECT* rect);
BOOL GetClientRect(HWND hwnd, RECT* rect);
BOOL ClientToScreen(HWND hwnd, POINT* point);
BOOL ScreenToClient(HWND hwnd, POINT* point);
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND hwnd);

HWND GetParent(HWND hwnd);
HWND SetParent(HWND child, HWND newParent);
BOOL IsChild(HWND parent, HWND hwnd);
HWND GetWindow(HWND hwnd, UINT relation);
HWND GetTopWindow(HWND hwnd);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND hwnd);
HWND FindWindow(const char* className, const char* windowName);
inline constexpr UINT GA_PARENT = 1;
inline constexpr UINT GA_ROOT = 2;
HWND GetAncestor(HWND hwnd, UINT flags);

HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND GetActiveWindow();
HWND SetActiveWindow(HWND hwnd);
BOOL SetForegroundWindow(HWND hwnd);
BOOL BringWindowToTop(HWND hwnd);

namespace winport {

// The creation a framework does when it hooks a window from its first message on: |subclass|
// receives WM_NCCREATE and every message after it.
HWND CreateWindowWithSubclass(DWORD exStyle, const char* className, const char* windowName,
                              DWORD style, const RECT& rect, HWND parent, int id,
                              WindowProcedure* subclass, void* param);

// Sends a message straight to the window's class procedure, past any subclass: what a
// framework's default handling calls.
LRESULT CallClassProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The framework object that subclasses |hwnd|, and replacing it; null detaches.
WindowProcedure* GetSubclass(HWND hwnd);
WindowProcedure* SetSubclass(HWND hwnd, WindowProcedure* subclass);
// An object the window owns until it is destroyed (a framework's wrapper for a bare handle).
WindowProcedure* GetWrapper(HWND hwnd);
void SetWrapper(HWND hwnd, std::unique_ptr<WindowProcedure> wrapper);

std::string GetWindowTextUtf8(HWND hwnd);
// Children in z-order (the first created first), and the top-level windows, topmost first.
std::vector<HWND> ChildWindows(HWND parent);
std::vector<HWND> TopLevelWindows();
size_t LiveWindowCount();

}  // namespace winport
