// Records the messages windows receive, as readable lines, for comparing with the sequence
// Windows produces: "parent WM_COMMAND EN_CHANGE 1001", "edit WM_KILLFOCUS from=button".
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/WinTypes.h"
#include "platform/window/WindowProcedure.h"

// An entry of a table of names: {WM_CREATE, "WM_CREATE"}.
#define NAMED_VALUE(value) \
    { value, #value }

namespace winport::test {

using Lines = std::vector<std::string>;

class MessageSpy {
public:
    MessageSpy();
    ~MessageSpy();
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;

    // A spy window that logs every message it receives; top-level when |parent| is null.
    HWND CreateSpyWindow(const std::string& name, HWND parent = nullptr, int id = 0,
                         DWORD style = 0);
    // Names a window (a control made elsewhere) so log lines can refer to it.
    void Name(HWND hwnd, const std::string& name);
    // Also logs the messages |hwnd| receives, by subclassing it.
    void Watch(HWND hwnd, const std::string& name);

    // Logs only these messages from now on (empty: all), forgetting what was logged.
    void Only(std::vector<UINT> messages) {
        m_only = std::move(messages);
        m_lines.clear();
    }
    // Destroys the top-level windows the spy made.
    void DestroyWindows();
    const std::vector<std::string>& Lines() const { return m_lines; }
    void Clear() { m_lines.clear(); }

    void Record(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    std::string NameOf(HWND hwnd) const;

private:
    std::map<HWND, std::string> m_names;
    std::vector<UINT> m_only;
    std::vector<std::string> m_lines;
    std::vector<HWND> m_created;
    std::vector<std::pair<HWND, std::unique_ptr<WindowProcedure>>> m_watchers;
};

// Compares recorded lines with |expected| and prints both, line by line, when they differ.
::testing::AssertionResult LinesAre(const Lines& actual, const Lines& expected);
inline ::testing::AssertionResult SequenceIs(const MessageSpy& spy, const Lines& expected) {
    return LinesAre(spy.Lines(), expected);
}

std::string MessageName(UINT msg);

}  // namespace winport::test
