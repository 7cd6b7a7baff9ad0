// The automation agent: does to windows what a person does (click, type, press keys, tick,
// move the focus) and, through the answer queue it owns, answers what a person answers (modal
// dialogs, message boxes, Save As, popup menus), logging every question. Its answers are the
// shell UI's while it lives.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/automation/AnswerQueue.h"
#include "platform/core/WinTypes.h"

namespace winport {

enum class TypeMode { Replace, Append };
enum class KeyModifier { None, Shift, Control };
enum class SpinArrow { Up, Down };
enum class CheckState { Checked, Unchecked };

class Agent final {
public:
    Agent() = default;
    Agent(const Agent&) = delete;
    Agent& operator=(const Agent&) = delete;

    // Each action answers false, with LastError() saying why, when a person could not do it:
    // the window is gone, hidden or disabled (or inside a hidden or disabled window), or is not
    // of a kind the action works on. Click and DoubleClick refuse a static without SS_NOTIFY
    // and a group box, which a click falls through.
    bool Click(HWND hwnd);
    bool DoubleClick(HWND hwnd);
    bool RightClick(HWND hwnd);
    bool Focus(HWND hwnd);
    // Focuses the control, selects its text (Replace) or moves to its end (Append), then types
    // one character at a time; an empty Replace clears the field with Backspace. A combo box is
    // typed into through its edit. Refused for a drop-down list, a read-only edit, a number edit
    // given anything but digits and a window that takes no text.
    bool Type(HWND hwnd, std::string_view text, TypeMode mode = TypeMode::Replace);
    // Presses and releases a key in the focus window.
    bool PressKey(UINT virtualKey, KeyModifier modifier = KeyModifier::None);
    // Types |text| on the keyboard, one character at a time, into whatever has the focus.
    bool TypeKeys(std::string_view text);
    // Clicks a check box or radio button until it shows |state|. Refused for other windows and
    // for unticking a ticked radio button, which a person does by picking another.
    bool Tick(HWND checkBox, CheckState state = CheckState::Checked);
    const std::string& LastError() const { return m_lastError; }

    // Combo boxes (AgentCombo.cpp): a pick from the list, as a person clicks an entry.
    bool PickComboItem(HWND combo, std::string_view text);
    bool PickComboItem(HWND combo, int index);
    bool TypeInCombo(HWND combo, std::string_view text, TypeMode mode = TypeMode::Replace);
    bool OpenDropDown(HWND combo);
    bool CloseDropDown(HWND combo);
    // List boxes (AgentListBox.cpp).
    bool SelectListBoxRow(HWND listBox, int row);
    bool DoubleClickListBoxRow(HWND listBox, int row);
    // List views (AgentListView.cpp).
    bool SelectListViewRow(HWND listView, int row);
    bool DoubleClickListViewRow(HWND listView, int row);
    bool RightClickListViewRow(HWND listView, int row);
    bool PressKeyInListView(HWND listView, UINT virtualKey);
    // Tree views, tabs and spin buttons (AgentTree.cpp, AgentTab.cpp, AgentSpin.cpp). A tree
    // item is named by the texts from the root down, separated by '/'.
    bool SelectTreeItem(HWND tree, std::string_view path);
    bool SelectTab(HWND tab, int index);
    bool SelectTab(HWND tab, std::string_view caption);
    bool PressSpinArrow(HWND upDown, SpinArrow arrow);

    // What a person answers, given ahead of the question; see AnswerQueue.
    void QueueDialogHandler(int templateId, AnswerQueue::DialogHandler handler) {
        m_answers.QueueDialogHandler(templateId, std::move(handler));
    }
    void QueueMessageBoxAnswer(int answer) { m_answers.QueueMessageBoxAnswer(answer); }
    void QueueSaveAsAnswer(std::optional<std::string> path) {
        m_answers.QueueSaveAsAnswer(std::move(path));
    }
    void QueueMenuAnswer(UINT command) { m_answers.QueueMenuAnswer(command); }

    // The questions asked, with the answers they got, and what is left of the queue.
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return m_answers.MessageBoxes(); }
    const std::vector<PopupMenuRecord>& PopupMenus() const { return m_answers.PopupMenus(); }
    const std::vector<SaveAsRecord>& SaveAsDialogs() const { return m_answers.SaveAsDialogs(); }
    const std::vector<int>& ModalDialogs() const { return m_answers.ModalDialogs(); }
    size_t PendingAnswers() const { return m_answers.PendingAnswers(); }
    size_t PendingAnswers(AnswerKind kind) const { return m_answers.PendingAnswers(kind); }
    const std::vector<std::string>& AnswerFailures() const { return m_answers.AnswerFailures(); }

private:
    // The checks, the failure and the name in a reason ("Edit 1001") every verb shares.
    static std::string ControlName(HWND hwnd);
    bool CanReach(HWND hwnd);
    // CanReach, and the click lands on the window rather than falling through it.
    bool CanClick(HWND hwnd);
    bool Fail(std::string text);
    void SendMouse(HWND hwnd, UINT down, UINT up);

    AnswerQueue m_answers;
    std::string m_lastError;
};

}  // namespace winport
