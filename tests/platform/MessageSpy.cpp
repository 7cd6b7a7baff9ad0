#include "MessageSpy.h"

#include <algorithm>
#include <memory>

#include "platform/mfc/MessageTable.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport::test {
namespace {

constexpr char kSpyClass[] = "WinportTestSpy";
thread_local MessageSpy* t_activeSpy = nullptr;

LRESULT SpyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (t_activeSpy) t_activeSpy->Record(hwnd, msg, wParam, lParam);
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

// Logs a watched window's messages, then hands them to the subclass it replaced, if any, or
// else to the window's class procedure.
class Watcher final : public WindowProcedure {
public:
    explicit Watcher(WindowProcedure* next) : m_next(next) {}
    LRESULT HandleMessage(const Message& m) override {
        if (t_activeSpy) t_activeSpy->Record(m.hwnd, m.id, m.wParam, m.lParam);
        if (m_next) return m_next->HandleMessage(m);
        return CallClassProcedure(m.hwnd, m.id, m.wParam, m.lParam);
    }

private:
    WindowProcedure* m_next;
};

std::string Hex(UINT value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", value);
    return buffer;
}

// The name of an edit's or a button's notification code (their codes differ), else the number.
std::string CommandCodeName(UINT code) {
    static const std::map<UINT, std::string> kCodes = {
        NAMED_VALUE(EN_SETFOCUS),      NAMED_VALUE(EN_KILLFOCUS), NAMED_VALUE(EN_CHANGE),
        NAMED_VALUE(EN_UPDATE),        NAMED_VALUE(EN_MAXTEXT),   NAMED_VALUE(BN_CLICKED),
        NAMED_VALUE(BN_DOUBLECLICKED), NAMED_VALUE(BN_SETFOCUS),  NAMED_VALUE(BN_KILLFOCUS)};
    const auto found = kCodes.find(code);
    return found != kCodes.end() ? found->second : std::to_string(static_cast<int>(code));
}

}  // namespace

std::string MessageName(UINT msg) {
    static const std::map<UINT, std::string> kNames = {
        NAMED_VALUE(WM_CREATE),        NAMED_VALUE(WM_DESTROY),      NAMED_VALUE(WM_MOVE),
        NAMED_VALUE(WM_SIZE),          NAMED_VALUE(WM_SETFOCUS),     NAMED_VALUE(WM_KILLFOCUS),
        NAMED_VALUE(WM_ENABLE),        NAMED_VALUE(WM_SETTEXT),      NAMED_VALUE(WM_GETTEXT),
        NAMED_VALUE(WM_GETTEXTLENGTH), NAMED_VALUE(WM_CLOSE),        NAMED_VALUE(WM_SHOWWINDOW),
        NAMED_VALUE(WM_SETFONT),       NAMED_VALUE(WM_NOTIFY),       NAMED_VALUE(WM_NCCREATE),
        NAMED_VALUE(WM_NCDESTROY),     NAMED_VALUE(WM_GETDLGCODE),   NAMED_VALUE(WM_KEYDOWN),
        NAMED_VALUE(WM_KEYUP),         NAMED_VALUE(WM_CHAR),         NAMED_VALUE(WM_INITDIALOG),
        NAMED_VALUE(WM_COMMAND),       NAMED_VALUE(WM_TIMER),        NAMED_VALUE(WM_LBUTTONDOWN),
        NAMED_VALUE(WM_LBUTTONUP),     NAMED_VALUE(WM_CONTEXTMENU),  NAMED_VALUE(WM_USER),
        NAMED_VALUE(WM_ACTIVATE),      NAMED_VALUE(WM_PARENTNOTIFY),
    };
    if (auto found = kNames.find(msg); found != kNames.end()) return found->second;
    if (msg >= WM_APP) return "WM_APP+" + Hex(msg - WM_APP);
    if (msg > WM_USER) return "WM_USER+" + Hex(msg - WM_USER);
    return Hex(msg);
}

MessageSpy::MessageSpy() {
    static const bool registered = [] {
        const WNDCLASS wc{.lpfnWndProc = SpyProc, .lpszClassName = kSpyClass};
        return RegisterClass(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    t_activeSpy = this;
}

MessageSpy::~MessageSpy() {
    t_activeSpy = nullptr;
    DestroyWindows();
    for (const auto& [hwnd, watcher] : m_watchers) {
        if (GetSubclass(hwnd) == watcher.get()) SetSubclass(hwnd, nullptr);
    }
}

HWND MessageSpy::CreateSpyWindow(const std::string& name, HWND parent, int id, DWORD style) {
    if (parent) style |= WS_CHILD;
    const HWND hwnd =
        CreateWindowEx(0, kSpyClass, name.c_str(), style | WS_VISIBLE, 0, 0, 200, 100, parent,
                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    Name(hwnd, name);
    if (!parent) m_created.push_back(hwnd);
    return hwnd;
}

void MessageSpy::DestroyWindows() {
    for (HWND hwnd : m_created) {
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    }
    m_created.clear();
}

void MessageSpy::Name(HWND hwnd, const std::string& name) {
    m_names[hwnd] = name;
}

void MessageSpy::Watch(HWND hwnd, const std::string& name) {
    Name(hwnd, name);
    m_watchers.emplace_back(hwnd, std::make_unique<Watcher>(GetSubclass(hwnd)));
    SetSubclass(hwnd, m_watchers.back().second.get());
}

std::string MessageSpy::NameOf(HWND hwnd) const {
    if (!hwnd) return "null";
    const auto found = m_names.find(hwnd);
    return found == m_names.end() ? "?" : found->second;
}

void MessageSpy::Record(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!m_only.empty() && std::find(m_only.begin(), m_only.end(), msg) == m_only.end()) return;
    std::string line = NameOf(hwnd) + " " + MessageName(msg);
    if (msg == WM_COMMAND) {
        line += " " + CommandCodeName(HIWORD(wParam)) + " " + std::to_string(LOWORD(wParam));
    } else if (msg == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        line += " " + std::to_string(static_cast<int>(header->code)) + " " +
                std::to_string(header->idFrom);
    } else if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS) {
        line += " other=" + NameOf(reinterpret_cast<HWND>(wParam));
    } else if (msg == WM_ACTIVATE) {
        line += std::string(LOWORD(wParam) == WA_INACTIVE ? " inactive" : " active") +
                " other=" + NameOf(reinterpret_cast<HWND>(lParam));
    } else if (msg == WM_PARENTNOTIFY) {
        line += " " + MessageName(LOWORD(wParam)) + " " + NameOf(reinterpret_cast<HWND>(lParam));
    } else if (msg == WM_CHAR || msg == WM_KEYDOWN || msg == WM_KEYUP) {
        line += " " + Hex(static_cast<UINT>(wParam));
    }
    m_lines.push_back(line);
}

::testing::AssertionResult LinesAre(const Lines& actual, const Lines& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure() << "message sequences differ\n";
    const size_t rows = std::max(actual.size(), expected.size());
    for (size_t i = 0; i < rows; ++i) {
        const std::string want = i < expected.size() ? expected[i] : "(nothing)";
        const std::string got = i < actual.size() ? actual[i] : "(nothing)";
        failure << (want == got ? "   " : "!! ") << "expected: " << want << "\n   actual:   " << got
                << "\n";
    }
    return failure;
}

}  // namespace winport::test
