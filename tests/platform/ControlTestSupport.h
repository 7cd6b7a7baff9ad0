// A fixture for control tests: a spy parent window, controls made in it and named for the log,
// and a parent that destroys a control inside one of its notifications.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "MessageSpy.h"
#include "platform/core/LastError.h"
#include "platform/window/WindowApi.h"

namespace winport::test {

// Owns the parent (logged as "parent") and proves at the end that every window is gone.
class ControlParentTest : public ::testing::Test {
protected:
    void TearDown() override {
        DestroyWindow(parent);
        EXPECT_EQ(LiveWindowCount(), m_windowsBefore) << "a window outlived its test";
    }

    // A visible child of the parent with a 100x20 client area, logged as |name|.
    HWND CreateControl(const char* className, DWORD style, int id, const std::string& name,
                       const char* text = "") {
        const HWND hwnd =
            CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 20, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        EXPECT_NE(hwnd, nullptr) << className << ": " << GetLastErrorText();
        spy.Name(hwnd, name);
        return hwnd;
    }

    const size_t m_windowsBefore = LiveWindowCount();
    MessageSpy spy;
    HWND parent = spy.CreateSpyWindow("parent");
};

// While it lives, the parent destroys the control that sends it WM_COMMAND with |code|, right
// after the spy has logged the notification, as a handler that closes its window would.
class DestroyOnNotification final : public WindowProcedure {
public:
    DestroyOnNotification(HWND parent, WORD code) : m_parent(parent), m_code(code) {
        SetSubclass(parent, this);
    }
    ~DestroyOnNotification() override {
        if (GetSubclass(m_parent) == this) SetSubclass(m_parent, nullptr);
    }
    DestroyOnNotification(const DestroyOnNotification&) = delete;
    DestroyOnNotification& operator=(const DestroyOnNotification&) = delete;

    LRESULT HandleMessage(const Message& m) override {
        const LRESULT result = CallClassProcedure(m.hwnd, m.id, m.wParam, m.lParam);
        if (m.id == WM_COMMAND && HIWORD(m.wParam) == m_code) {
            DestroyWindow(reinterpret_cast<HWND>(m.lParam));
        }
        return result;
    }

private:
    HWND m_parent;
    WORD m_code;
};

}  // namespace winport::test
