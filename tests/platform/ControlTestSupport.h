// A fixture for control and window tests: a spy parent window, controls made in it and named for
// the log, parents that record, answer or act inside a control's messages; and the small steps the
// tests share (clicks, keys, rectangles, an agent's refusals, a view's input waiter).
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "LastErrorCheck.h"
#include "MessageSpy.h"
#include "platform/automation/Agent.h"
#include "platform/automation/WindowDump.h"
#include "platform/core/CommonControls.h"
#include "platform/message/MessageApi.h"
#include "platform/window/WindowApi.h"

namespace winport::test {

// A pointer as a message parameter.
inline LPARAM Ptr(const void* pointer) {
    return reinterpret_cast<LPARAM>(pointer);
}

// A point as a mouse message's lParam.
inline LPARAM At(LONG x, LONG y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

// EXPECT_REFUSED(agent, SelectTab(tab, 2), reason): the agent's action answers false and
// LastError() gives |reason|.
#define EXPECT_REFUSED(agent, action, reason) \
    EXPECT_TRUE(::winport::test::Refused(agent, (agent).action, reason))

// The agent did not do what it was asked (|done| is false) and said why: |reason|.
inline ::testing::AssertionResult Refused(const Agent& agent, bool done,
                                          const std::string& reason) {
    if (!done && agent.LastError() == reason) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << (done ? "done" : "refused") << " with \"" << agent.LastError()
           << "\", expected a refusal with \"" << reason << "\"";
}

// A press and release of the left button at |at|; no release when the press destroyed |hwnd|.
inline void ClickAt(HWND hwnd, LPARAM at) {
    SendMessage(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    if (IsWindow(hwnd)) SendMessage(hwnd, WM_LBUTTONUP, 0, at);
}

inline LRESULT KeyDown(HWND hwnd, UINT key) {
    return SendMessage(hwnd, WM_KEYDOWN, key, 0);
}

// The start and end EM_GETSEL writes through its pointers.
inline std::pair<DWORD, DWORD> EditSelection(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), Ptr(&end));
    return {start, end};
}

// A visible child of |parent| with control id |id| at |rect| (left, top, width, height).
inline HWND CreateChild(HWND parent, const char* className, DWORD style, int id,
                        RECT rect = {0, 0, 100, 20}, const char* text = "") {
    return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                          rect.right, rect.bottom, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

inline RECT ClientRect(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    return client;
}
inline LONG ClientHeight(HWND hwnd) {
    return ClientRect(hwnd).bottom;
}
// |hwnd|'s window rectangle in the client coordinates of |in|, the screen's when null.
inline RECT WindowRect(HWND hwnd, HWND in = nullptr) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, in, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The window dump of |hwnd| and its children holds |text|; a failure prints the dump.
inline ::testing::AssertionResult DumpShows(HWND hwnd, const std::string& text) {
    const std::string dump = DumpWindowTree(hwnd);
    if (dump.find(text) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no \"" << text << "\" in\n" << dump;
}

// Owns the parent (logged as "parent") and the spy's other top-level windows, and proves at the
// end that every window is gone.
class ControlParentTest : public ::testing::Test {
protected:
    void TearDown() override {
        spy.DestroyWindows();
        EXPECT_EQ(LiveWindowCount(), m_windowsBefore) << "a window outlived its test";
    }

    // A visible child of the parent with a |width| x |height| client area, logged as |name|; the
    // log of its creation is cleared.
    HWND CreateControl(const char* className, DWORD style, int id, const std::string& name,
                       const char* text = "", int width = 100, int height = 20) {
        const HWND hwnd = CreateChild(parent, className, style, id, {0, 0, width, height}, text);
        EXPECT_NE(hwnd, nullptr) << className << ": " << GetLastErrorText();
        spy.Name(hwnd, name);
        spy.Clear();
        return hwnd;
    }

    const size_t m_windowsBefore = LiveWindowCount();
    MessageSpy spy;
    HWND parent = spy.CreateSpyWindow("parent");
};

// A view's waiter, installed while it lives: the message and modal loops wait through |wait|.
class ScopedInputWaiter final : public InputWaiter {
public:
    using Wait = std::function<void(std::optional<TimerClock::time_point> until)>;
    explicit ScopedInputWaiter(Wait wait) : m_wait(std::move(wait)) { SetInputWaiter(this); }
    ~ScopedInputWaiter() override { SetInputWaiter(nullptr); }
    ScopedInputWaiter(const ScopedInputWaiter&) = delete;
    ScopedInputWaiter& operator=(const ScopedInputWaiter&) = delete;

    void WaitForInput(std::optional<TimerClock::time_point> until) override { m_wait(until); }
    void Wake() override {}

private:
    Wait m_wait;
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

// Records what the parent receives, one line for each message |describe| words (it answers ""
// for the rest), and answers WM_NOTIFY through |onNotify| when one is set.
class ParentRecorder final : public ScopedSubclass {
public:
    using Describe = std::function<std::string(const Message&)>;
    using Answer = std::function<LRESULT(NMHDR&)>;
    ParentRecorder(HWND parent, Describe describe)
        : ScopedSubclass(parent), m_describe(std::move(describe)) {}

    LRESULT HandleMessage(const Message& m) override {
        if (std::string line = m_describe(m); !line.empty()) lines.push_back(std::move(line));
        if (m.id == WM_NOTIFY && onNotify) return onNotify(*reinterpret_cast<NMHDR*>(m.lParam));
        return CallClass(m);
    }

    Lines lines;
    Answer onNotify;

private:
    Describe m_describe;
};

// An answer that refuses (answers TRUE to) every notification with |code|.
inline ParentRecorder::Answer Refuse(UINT code) {
    return [code](NMHDR& header) -> LRESULT { return header.code == code ? TRUE : 0; };
}

// An answer that destroys the control inside its notification with |code|.
inline ParentRecorder::Answer DestroyInside(UINT code) {
    return [code](NMHDR& header) -> LRESULT {
        if (header.code == code) DestroyWindow(header.hwndFrom);
        return 0;
    };
}

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
