// The "RichEdit20A" class, also registered as "RICHEDIT50W": an edit whose characters carry
// formats. The Edit control's class cannot be reused as it is (it notifies its parent directly,
// and a rich edit's notifications depend on its event mask), so the control is composed: an
// editing core (RichEditText, on the Edit's text operations) holds the text, the selection and
// the formatting runs, and this class decodes messages and notifies. EN_CHANGE and EN_UPDATE go
// out only when the event mask asks, for programmatic changes too, never for formatting alone;
// EN_SETFOCUS and EN_KILLFOCUS always. The window's text is kept with "\r\n" line breaks for
// WM_GETTEXT. Not handled: the clipboard, undo, text limits, RTF and EN_SELCHANGE/EN_LINK.
#pragma once

#include "platform/controls/RichEditApi.h"
#include "platform/controls/richedit/RichEditText.h"
#include "platform/window/StateDescription.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowProcedure.h"

namespace winport {

class RichEditControl final : public WindowProcedure, public DescribesState {
public:
    explicit RichEditControl(HWND hwnd);
    RichEditControl(const RichEditControl&) = delete;
    RichEditControl& operator=(const RichEditControl&) = delete;

    LRESULT HandleMessage(const Message& m) override;
    std::vector<std::string> DescribeState(HWND hwnd) const override;
    std::vector<RichEditRun> Runs() const { return m_text.Runs().Runs(); }

private:
    enum class Modified { No, Yes };

    // Text, selection and focus (RichEditControl.cpp).
    LRESULT OnCreate(const CREATESTRUCT* create);
    LRESULT OnSetText(const char* text);
    LRESULT OnChar(char32_t c);
    LRESULT OnKeyDown(UINT key);
    LRESULT OnReplaceSel(const char* text);
    LRESULT OnClear();
    LRESULT OnGetSel(DWORD* start, DWORD* end) const;
    LRESULT OnExGetSel(CHARRANGE* range) const;
    LRESULT OnExSetSel(const CHARRANGE* range);
    LRESULT OnSetFocus();
    LRESULT OnKillFocus();
    LRESULT OnButtonDown();
    LRESULT OnGetDlgCode(const MSG* msg);
    LRESULT OnSetReadOnly(bool readOnly);
    LRESULT OnSetFont(const Message& m);

    // Formats and queries (RichEditMessages.cpp).
    LRESULT OnSetCharFormat(WPARAM flags, const CHARFORMATA* format);
    LRESULT OnGetCharFormat(WPARAM flags, CHARFORMATA* format) const;
    LRESULT OnSetBackgroundColor(bool system, COLORREF color);
    LRESULT OnSetEventMask(DWORD mask);
    LRESULT OnGetTextRange(TEXTRANGEA* range) const;
    LRESULT OnGetSelText(char* buffer) const;
    LRESULT OnGetTextLengthEx(const GETTEXTLENGTHEX* how) const;
    LRESULT OnAutoUrlDetect(WPARAM flags);

    // Typing: replaces the selection unless the control is read-only.
    void Type(std::string_view text);
    // The one path after the text changed: links, the window's text, the modified flag, then the
    // notifications the event mask asks for.
    void TextChanged(Modified modified);
    // Sends |code| if the mask has |bit|, with |bit| off meanwhile so that a handler changing the
    // text is not told again; answers whether the control still exists.
    bool Notify(DWORD bit, WORD code);
    bool ReadOnly() const;

    HWND m_hwnd;
    bool m_multiline;
    RichEditText m_text;
    DWORD m_eventMask = ENM_NONE;
    COLORREF m_background;
    bool m_systemBackground = true;
    bool m_modified = false;
    bool m_detectUrls = false;
    bool m_dialogMode = false;  // A dialog asked for WM_GETDLGCODE: it routes Tab and Enter.
};

}  // namespace winport
