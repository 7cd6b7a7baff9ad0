// Owner windows and a scripted shell UI for the tests of menus, message boxes and Save As.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/shell/HeadlessShellUi.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace shelltest {

// A top-level window (or, given a parent, a child with control id |id|) of a tiny class named
// |className| whose procedure is |procedure|; destroyed with the object.
class TestWindow {
public:
    explicit TestWindow(const char* className = "ShellTestWindow",
                        WNDPROC procedure = DefWindowProc, HWND parent = nullptr, int id = 0) {
        const WNDCLASS wc{.lpfnWndProc = procedure, .lpszClassName = className};
        RegisterClass(&wc);  // Fails harmlessly once the class exists.
        m_hwnd = CreateWindowEx(
            0, className, "", (parent ? WS_CHILD : WS_OVERLAPPEDWINDOW) | WS_VISIBLE, 0, 0, 100,
            100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    ~TestWindow() {
        if (IsWindow(m_hwnd)) DestroyWindow(m_hwnd);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

// Answers from queues (the headless answer once a queue is empty) and records every question,
// with whether its owner was enabled while it was asked. Installed for its lifetime.
class ScriptedShellUi : public winport::HeadlessShellUi {
public:
    ScriptedShellUi() : m_previous(winport::SetShellUi(this)) {}
    ~ScriptedShellUi() override { winport::SetShellUi(m_previous); }
    ScriptedShellUi(const ScriptedShellUi&) = delete;
    ScriptedShellUi& operator=(const ScriptedShellUi&) = delete;

    int ShowMessageBox(const winport::MessageBoxRequest& request) override {
        return Ask(boxes, request, boxAnswers,
                   [&] { return HeadlessShellUi::ShowMessageBox(request); });
    }
    std::optional<std::string> ShowSaveAs(const winport::SaveAsRequest& request) override {
        return Ask(saveAsRequests, request, saveAsAnswers,
                   [&] { return HeadlessShellUi::ShowSaveAs(request); });
    }
    UINT ShowPopupMenu(const winport::PopupMenuRequest& request) override {
        return Ask(menus, request, menuAnswers,
                   [&] { return HeadlessShellUi::ShowPopupMenu(request); });
    }

    std::deque<int> boxAnswers;
    std::deque<std::optional<std::string>> saveAsAnswers;
    std::deque<UINT> menuAnswers;

    std::vector<winport::MessageBoxRequest> boxes;
    std::vector<winport::SaveAsRequest> saveAsRequests;
    std::vector<winport::PopupMenuRequest> menus;
    std::vector<bool> ownerEnabled;
    // Called whenever a question is asked, before it is answered.
    std::function<void()> duringQuestion;

private:
    // Records the question, then answers from |answers| or, when none is left, with |headless|.
    template <class Request, class Answer, class Headless>
    Answer Ask(std::vector<Request>& asked, const Request& request, std::deque<Answer>& answers,
               Headless headless) {
        asked.push_back(request);
        ownerEnabled.push_back(request.owner && IsWindowEnabled(request.owner));
        if (duringQuestion) duringQuestion();
        if (answers.empty()) return headless();
        Answer answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }

    winport::ShellUi* m_previous;
};

}  // namespace shelltest
