// The "Edit" system class, single-line or ES_MULTILINE. The text lives in the window (the default
// window procedure keeps it); the control keeps the selection, the limit, the password character
// and the modified flag. Positions and the limit count code points. WM_CHAR carries one Unicode
// code point.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "platform/controls/EditText.h"
#include "platform/controls/edit/EditState.h"
#include "platform/core/WinTypes.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

class EditControl final : public WindowProcedure, public DescribesState {
public:
    explicit EditControl(HWND hwnd);
    EditControl(const EditControl&) = delete;
    EditControl& operator=(const EditControl&) = delete;

    LRESULT HandleMessage(const Message& m) override;
    std::vector<std::string> DescribeState(HWND hwnd) const override;
    std::string VisibleText(HWND hwnd, const std::string& text) const override;
    EditState State() const;

private:
    enum class Direction { Backward, Forward };
    enum class Selecting { Collapse, Extend };

    LRESULT OnCreate();
    LRESULT OnSetText(const char* text);
    LRESULT OnChar(char32_t c);
    LRESULT OnKeyDown(UINT key);
    LRESULT OnSetSel(UINT start, UINT end);
    LRESULT OnGetSel(DWORD* start, DWORD* end) const;
    LRESULT OnReplaceSel(const char* text);
    LRESULT OnSetLimitText(UINT limit);
    LRESULT OnSetPasswordChar(char32_t c);
    LRESULT OnSetReadOnly(bool readOnly);
    LRESULT OnSetModify(bool modified);
    LRESULT OnGetLineCount() const;
    LRESULT OnSetFocus();
    LRESULT OnKillFocus();
    LRESULT OnButtonDown();
    LRESULT OnGetDlgCode(const MSG* msg);
    LRESULT OnClear();
    // Enter in a multi-line edit of a dialog that does not want it: the dialog's default button.
    void PressDefaultButton() const;
    // The clipboard messages, in EditClipboard.cpp.
    LRESULT OnCopy() const;
    LRESULT OnCut();
    LRESULT OnPaste();
    bool CopySelection() const;

    // The one path that edits: replaces the selection, honouring the limit, and notifies.
    void ReplaceSelection(std::string_view typed);
    void DeleteCharacter(Direction direction);
    void MoveCaret(UINT key, Selecting selecting);
    void NotifyChange();

    std::string Text() const;
    void StoreText(const std::string& text);
    // The selection clamped to |text|, as (anchor, caret) and as ordered (start, end).
    std::pair<std::size_t, std::size_t> Selection(const std::string& text) const;
    std::pair<std::size_t, std::size_t> OrderedSelection(const std::string& text) const;
    EditLines Lines() const { return m_multiline ? EditLines::Multi : EditLines::Single; }
    bool ReadOnly() const;

    HWND m_hwnd;
    bool m_multiline;
    std::size_t m_anchor = 0;  // Where the selection started.
    std::size_t m_caret = 0;   // Its moving end.
    std::size_t m_limit;
    char32_t m_passwordChar;
    bool m_modified = false;
    bool m_focused = false;
    bool m_dialogMode = false;  // A dialog asked for WM_GETDLGCODE: it routes Tab and Enter.
};

}  // namespace winport
