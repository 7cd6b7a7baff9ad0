// A fixture for control tests: a spy parent window, controls made in it and named for the log, and
// parents that answer or act inside a control's messages.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "LastErrorCheck.h"
#include "MessageSpy.h"
#include "platform/automation/WindowDump.h"
#include "platform/window/WindowApi.h"

namespace winport::test {

// A pointer as a message parameter.
inline LPARAM Ptr(const void* pointer) {
    return reinterpret_cast<LPARAM>(pointer);
}

// The height of |hwnd|'s client area.
inline LONG ClientHeight(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    return client.bottom;
}

// The window dump of |hwnd| and its children holds |text|; a failure prints the dump.
inline ::testing::AssertionResult DumpShows(HWND hwnd, const std::string& text) {
    const std::string dump = DumpWindowTree(hwnd);
    if (dump.find(text) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no \"" << text << "\" in\n" << dump;
}

// Owns the parent (logged as "parent") and proves at the end that every window is gone.
class ControlParentTest : public ::testing::Test {
protected:
    void TearDown() override {
        DestroyWindow(parent);
        EXPECT_EQ(LiveWindowCount(), m_windowsBefore) << "a window outlived its test";
    }

    // A visible child of the parent with a |width| x |height| client area, logged as |name|.
    HWND CreateControl(const char* className, DWORD style, int id, const std::string& name,
                       const char* text = "", int width = 100, int height = 20) {
        const HWND hwnd = CreateWindowEx(
            0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, width, height, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        EXPECT_NE(hwnd, nullptr) << className << ": " << GetLastErrorText();
        spy.Name(hwnd, name);
        return hwnd;
    }

    const size_t m_windowsBefore = LiveWindowCount();
    MessageSpy spy;
    HWND parent = spy.CreateSpyWindow("parent");
};

// Subclasses a window while it lives, as a parent with handlers of its own does.
class ScopedSubclass : public WindowProcedure {
public:
    explicit ScopedSubclass(HWND window) : m_window(window) { SetSubclass(window, this); }
    ~ScopedSubclass() override {
        if (GetSubclass(m_window) == this) SetSubclass(m_window, nullptr);
    }
    ScopedSubclass(const ScopedSubclass&) = delete;
    ScopedSubclass& operator=(const ScopedSubclass&) = delete;

protected:
    static LRESULT CallClass(const Message& m) {
        return CallClassProcedure(m.hwnd, m.id, m.wParam, m.lParam);
    }

private:
    HWND m_window;
};

// Hands every message to the window's class (where the spy logs it), then to |hook|, whose answer,
// if it gives one, replaces the class's.
class MessageHook final : public ScopedSubclass {
public:
    using Hook = std::function<std::optional<LRESULT>(const Message&)>;
    MessageHook(HWND window, Hook hook) : ScopedSubclass(window), m_hook(std::move(hook)) {}

    LRESULT HandleMessage(const Message& m) override {
        const LRESULT result = CallClass(m);
        return m_hook(m).value_or(result);
    }

private:
    Hook m_hook;
};

// While it lives, |parent| destroys the control that sends it WM_COMMAND with |code|, right after
// the spy has logged the notification, as a handler that closes its window would.
inline MessageHook DestroyOnNotification(HWND parent, WORD code) {
    return MessageHook(parent, [code](const Message& m) -> std::optional<LRESULT> {
        if (m.id == WM_COMMAND && HIWORD(m.wParam) == code) {
            DestroyWindow(reinterpret_cast<HWND>(m.lParam));
        }
        return std::nullopt;
    });
}

}  // namespace winport::test
