// Window classes: the system's control classes and the classes a program registers.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/core/WinTypes.h"
#include "platform/window/WindowProcedure.h"

struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    HCURSOR hCursor = nullptr;
    HBRUSH hbrBackground = nullptr;
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
};

ATOM RegisterClass(const WNDCLASS* wc);
BOOL UnregisterClass(const char* className, HINSTANCE instance);
BOOL GetClassInfo(HINSTANCE instance, const char* className, WNDCLASS* out);
int GetClassName(HWND hwnd, char* buffer, int maxCount);

namespace winport {

// Makes the class procedure object of one new window of a system class.
using ProcedureFactory = std::unique_ptr<WindowProcedure> (*)(HWND);

// Registers a system class (a control kind); returns false if the name is taken.
bool RegisterSystemClass(std::string_view name, ProcedureFactory factory);

// The class procedure for a new window of |className| (names compare case-insensitively) and
// the class's registered spelling, or null with the last error set when there is no such class.
std::unique_ptr<WindowProcedure> MakeClassProcedure(std::string_view className, HWND hwnd,
                                                    std::string* registeredName = nullptr);

std::string GetClassNameOf(HWND hwnd);

// Registers |name| once as a class of the default attributes (DefWindowProc, no extra bytes)
// and answers it. The procedure lives in the platform, so the class stays sound after the
// module that registered it is unloaded.
const char* PlainWindowClass(const char* name);

}  // namespace winport
