// The "ListBox" system class, single selection. A person's click on a row selects it and, with
// LBS_NOTIFY, reports LBN_SELCHANGE when the button is released (LBN_DBLCLK for a double click);
// the program's LB_SETCURSEL reports nothing. Rows are item-height tall from the top index. An
// owner-drawn list (LBS_OWNERDRAWFIXED) measures its rows through its parent at creation and
// has the parent draw them: every visible row on WM_PAINT, and a row whose selection or focus
// changes at once while the list is visible.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/ListBoxState.h"
#include "platform/controls/listbox/ListBoxContent.h"
#include "platform/core/WinTypes.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

class ListBoxControl final : public WindowProcedure, public DescribesState {
public:
    explicit ListBoxControl(HWND hwnd);
    ListBoxControl(const ListBoxControl&) = delete;
    ListBoxControl& operator=(const ListBoxControl&) = delete;

    LRESULT HandleMessage(const Message& m) override;
    std::vector<std::string> DescribeState(HWND hwnd) const override;
    ListBoxState State() const;
    std::optional<std::vector<DrawnShape>> DrawnRow(int index) const;
    std::string RowText(int index) const;

private:
    enum class Notify { No, IfChanged };

    LRESULT OnCreate();
    LRESULT OnDestroy();
    LRESULT OnDeleteString(int index);
    LRESULT OnResetContent();
    LRESULT OnSetCurSel(int index);
    LRESULT OnSelectString(int start, LPARAM value);
    LRESULT OnSetTopIndex(int index);
    LRESULT OnGetItemRect(int index, RECT* rect) const;
    LRESULT OnSetItemHeight(int height);
    LRESULT OnSetFont(const Message& m);
    LRESULT OnSize();
    LRESULT OnPaint(HDC dc);
    // A person's input (ListBoxInput.cpp).
    LRESULT OnButtonDown(POINT point);
    LRESULT OnButtonUp();
    LRESULT OnDoubleClick();
    LRESULT OnKeyDown(UINT key);
    LRESULT OnChar(char32_t c);
    LRESULT OnSetFocus();
    LRESULT OnKillFocus();

    // Selects |index| (-1 for none), shows it and redraws the rows that change; with
    // Notify::IfChanged, reports LBN_SELCHANGE when the selection moved. Answers whether the list
    // still exists.
    bool Select(int index, Notify notify);
    // Selects the row a key or a character chose, as a person's choice.
    void ChooseByKeyboard(int index);
    // Asks the parent of an LBS_WANTKEYBOARDINPUT list what a key or character does.
    int AskParent(UINT msg, UINT key);
    void EndPress();
    // Sizes the window to whole rows unless LBS_NOINTEGRALHEIGHT says otherwise.
    void FitToRows();

    void DrawRow(HDC dc, int index, UINT action, bool withFocus) const;
    // Draws one row at once, if the list is visible and the row in sight.
    void RedrawRow(int index, UINT action, bool withFocus) const;
    RECT RowRect(int index) const;
    int RowAt(POINT point) const;
    int PageRows() const;
    int FontHeight() const;
    bool NotifiesSelection() const;

    HWND m_hwnd;
    ListBoxContent m_content;
    int m_itemHeight = 1;
    int m_caret = 0;  // The item with the focus rectangle.
    bool m_focused = false;
    bool m_pressed = false;  // A click on a row is under way; its release reports it.
};

}  // namespace winport
