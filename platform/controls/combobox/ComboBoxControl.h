// The "ComboBox" system class in its three kinds: CBS_SIMPLE (edit and list always shown),
// CBS_DROPDOWN (edit and drop-down list) and CBS_DROPDOWNLIST (drop-down list, the selection shown
// in place of an edit). The editable kinds keep a child Edit (id 1001): typing in it reports
// CBN_EDITUPDATE and CBN_EDITCHANGE, while text the program sets through the combo reports
// nothing. A person's pick from the list reports CBN_SELCHANGE; CB_SETCURSEL does not. The list
// has no window of its own: while it is down it lies below the combo's field, in the combo's
// client coordinates, and the combo takes the clicks on it.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/ComboBoxState.h"
#include "platform/controls/listbox/ListBoxContent.h"
#include "platform/core/WinTypes.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

class ComboBoxControl final : public WindowProcedure, public DescribesState {
public:
    explicit ComboBoxControl(HWND hwnd);
    ComboBoxControl(const ComboBoxControl&) = delete;
    ComboBoxControl& operator=(const ComboBoxControl&) = delete;

    LRESULT HandleMessage(const Message& m) override;
    std::vector<std::string> DescribeState(HWND hwnd) const override;
    ComboBoxState State() const;

private:
    // The field's text sits this far inside the edit's height.
    static constexpr int kSelectionMargin = 2;

    // The program's messages on the items and the selection (ComboBoxControl.cpp).
    LRESULT OnCreate();
    LRESULT OnDestroy();
    LRESULT OnDeleteString(int index);
    LRESULT OnResetContent();
    LRESULT OnSetCurSel(int index);
    LRESULT OnSelectString(int start, LPARAM value);
    LRESULT OnShowDropDown(bool show);
    LRESULT OnSetTopIndex(int index);

    // The text and the edit (ComboBoxEdit.cpp).
    LRESULT OnLimitText(UINT limit);
    LRESULT OnGetEditSel(DWORD* start, DWORD* end);
    LRESULT OnSetEditSel(LPARAM range);
    LRESULT OnSetText(const char* text);
    LRESULT OnGetText(WPARAM size, char* buffer);
    LRESULT OnGetTextLength();
    LRESULT OnEditCommand(WORD code);

    // A person's input and the drop-down list (ComboBoxDropDown.cpp).
    LRESULT OnButtonDown(POINT point);
    LRESULT OnButtonUp();
    LRESULT OnDoubleClick(POINT point);
    LRESULT OnKeyDown(UINT key);
    LRESULT OnChar(char32_t c);
    LRESULT OnSetFocus();
    LRESULT OnKillFocus(HWND gaining);
    LRESULT OnGetDlgCode(const MSG* msg) const;
    bool DropDown();
    // Ends a pick: CBN_SELENDOK or CBN_SELENDCANCEL, then CBN_CLOSEUP if the list was down.
    // Answers whether the combo still exists.
    bool RollUp(bool accepted);
    void PickFromList();
    void PickByKeyboard(int index);
    void GainFocus();
    void LoseFocus();

    std::string EditText() const;
    // Sets the edit's text without telling the parent (the combo's own changes are quiet).
    void SetEditText(const std::string& text);
    void ShowSelectionInEdit();
    // After the edit's text changed: the list selects the first item the text begins while the
    // list is down, and nothing otherwise.
    void FollowEditText();

    // Geometry, in the combo's client coordinates, and painting (ComboBoxLayout.cpp).
    LRESULT OnGetDroppedControlRect(RECT* rect) const;
    LRESULT OnSetItemHeight(int index, int height);
    LRESULT OnGetItemHeight(int index) const;
    LRESULT OnSetFont(const Message& m);
    LRESULT OnSize();
    LRESULT OnPaint(HDC dc);
    void Layout();
    int FieldHeight() const;
    int PageRows() const;
    int ShownRows() const;
    RECT ListRect() const;
    RECT ButtonRect() const;
    bool ListShown() const;
    int FontHeight() const;

    ListBoxItems& Items() { return m_content.Items(); }
    const ListBoxItems& Items() const { return m_content.Items(); }

    HWND m_hwnd;
    DWORD m_kind;
    ListBoxContent m_content;
    HWND m_edit = nullptr;
    int m_itemHeight = 1;
    int m_selectionHeight = 1;  // The field's text height, CB_GETITEMHEIGHT -1.
    bool m_selectionHeightSet = false;
    int m_listHeight = 0;         // The height the list may take.
    int m_droppedSelection = -1;  // The selection when the list went down; a cancel restores it.
    int m_quietEdit = 0;          // The combo itself is changing the edit's text.
    bool m_dropped = false;
    bool m_focused = false;
    bool m_openingClick = false;  // The click that dropped the list is under way.
    bool m_pressedRow = false;    // A click on a row of the list is under way.
};

}  // namespace winport
