// The automation agent: does to windows what a person does (click, type, press keys, tick,
// move the focus) and answers what a person answers (modal dialogs, message boxes, Save As,
// popup menus), logging every question. It installs itself as the shell UI while it lives.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/WinTypes.h"
#include "platform/shell/ShellUi.h"

namespace winport {

enum class TypeMode { Replace, Append };
enum class KeyModifier { None, Shift, Control };
enum class SpinArrow { Up, Down };
// The questions a person answers.
enum class AnswerKind { MessageBox, SaveAs, PopupMenu, Dialog };

struct MessageBoxRecord {
    MessageBoxRequest request;
    int answer = 0;
};

struct PopupMenuRecord {
    PopupMenuRequest request;
    UINT answer = 0;
};

struct SaveAsRecord {
    SaveAsRequest request;
    std::optional<std::string> answer;
};

class Agent final : public ShellUi {
public:
    // Drives a modal dialog as a person would and ends it (presses a button).
    using DialogHandler = std::function<void(HWND dialog)>;

    Agent();
    ~Agent() override;
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
    // Clicks a check box or radio button until it shows |checked|. Refused for other windows and
    // for unticking a ticked radio button, which a person does by picking another.
    bool Tick(HWND checkBox, bool checked = true);
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

    void QueueDialogHandler(int templateId, DialogHandler handler);
    void QueueMessageBoxAnswer(int answer);
    void QueueSaveAsAnswer(std::optional<std::string> path);
    void QueueMenuAnswer(UINT command);

    const std::vector<MessageBoxRecord>& MessageBoxes() const { return m_messageBoxes; }
    const std::vector<PopupMenuRecord>& PopupMenus() const { return m_menus; }
    const std::vector<SaveAsRecord>& SaveAsDialogs() const { return m_saveAs; }
    // Template ids of the modal dialogs run, in order.
    const std::vector<int>& ModalDialogs() const { return m_modalDialogs; }
    // Answers queued and never asked for: all of them, or those of one kind.
    size_t PendingAnswers() const;
    size_t PendingAnswers(AnswerKind kind) const;
    // Queued answers their question could not take (a button the box does not have, a command
    // the menu does not offer), each saying why; the question was then answered as if nothing
    // had been queued for it.
    const std::vector<std::string>& AnswerFailures() const { return m_answerFailures; }

    int ShowMessageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> ShowSaveAs(const SaveAsRequest& request) override;
    UINT ShowPopupMenu(const PopupMenuRequest& request) override;
    void ModalDialogStarted(HWND dialog, int templateId) override;
    void ModalDialogIdle(HWND dialog) override;

private:
    // The checks, the failure and the name in a reason ("Edit 1001") every verb shares.
    static std::string ControlName(HWND hwnd);
    bool CanReach(HWND hwnd);
    // CanReach, and the click lands on the window rather than falling through it.
    bool CanClick(HWND hwnd);
    bool Fail(std::string text);
    void SendMouse(HWND hwnd, UINT down, UINT up);

    ShellUi* m_previous;
    std::string m_lastError;
    std::map<int, std::deque<DialogHandler>> m_dialogHandlers;
    std::deque<int> m_messageBoxAnswers;
    std::deque<std::optional<std::string>> m_saveAsAnswers;
    std::deque<UINT> m_menuAnswers;
    std::vector<MessageBoxRecord> m_messageBoxes;
    std::vector<PopupMenuRecord> m_menus;
    std::vector<SaveAsRecord> m_saveAs;
    std::vector<int> m_modalDialogs;
    std::vector<std::string> m_answerFailures;
};

}  // namespace winport
