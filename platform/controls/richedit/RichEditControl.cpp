#include "platform/controls/richedit/RichEditControl.h"

#include <memory>

#include "platform/controls/ControlSupport.h"
#include "platform/controls/richedit/RichEditFormat.h"
#include "platform/core/LastError.h"
#include "platform/dialog/DialogApi.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/SystemColors.h"
#include "platform/message/MessageApi.h"
#include "platform/text/Utf8.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

std::unique_ptr<WindowProcedure> MakeRichEdit(HWND hwnd) {
    return std::make_unique<RichEditControl>(hwnd);
}

struct Registrar {
    Registrar() {
        RegisterSystemClass(RICHEDIT_CLASS, MakeRichEdit);
        RegisterSystemClass(MSFTEDIT_CLASS, MakeRichEdit);
    }
} const kRegistrar;

bool IsTypable(char32_t c) {
    return c >= U' ' && c != 0x7F && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

}  // namespace

RichEditControl::RichEditControl(HWND hwnd)
    : m_hwnd(hwnd),
      m_multiline((WindowStyle(hwnd) & ES_MULTILINE) != 0),
      m_text(m_multiline ? RichEditLines::Multi : RichEditLines::Single),
      m_background(GetSysColor(COLOR_WINDOW)) {}

LRESULT RichEditControl::HandleMessage(const Message& m) {
    switch (m.id) {
        case WM_CREATE: return OnCreate(reinterpret_cast<const CREATESTRUCT*>(m.lParam));
        case WM_SETTEXT: return OnSetText(reinterpret_cast<const char*>(m.lParam));
        case WM_CHAR: return OnChar(static_cast<char32_t>(m.wParam));
        case WM_KEYDOWN: return OnKeyDown(static_cast<UINT>(m.wParam));
        case EM_REPLACESEL: return OnReplaceSel(reinterpret_cast<const char*>(m.lParam));
        case WM_CLEAR: return OnClear();
        case EM_GETSEL:
            return OnGetSel(reinterpret_cast<DWORD*>(m.wParam), reinterpret_cast<DWORD*>(m.lParam));
        case EM_SETSEL:
            return m_text.SelectRange(static_cast<LONG>(m.wParam), static_cast<LONG>(m.lParam));
        case EM_EXGETSEL: return OnExGetSel(reinterpret_cast<CHARRANGE*>(m.lParam));
        case EM_EXSETSEL: return OnExSetSel(reinterpret_cast<const CHARRANGE*>(m.lParam));
        case WM_SETFOCUS: return OnSetFocus();
        case WM_KILLFOCUS: return OnKillFocus();
        case WM_LBUTTONDOWN: return OnButtonDown();
        case WM_GETDLGCODE: return OnGetDlgCode(reinterpret_cast<const MSG*>(m.lParam));
        case EM_SETREADONLY: return OnSetReadOnly(m.wParam != 0);
        case EM_GETMODIFY: return m_modified ? TRUE : FALSE;
        case EM_SETMODIFY: m_modified = m.wParam != 0; return 0;
        case EM_GETLINECOUNT: return static_cast<LRESULT>(m_text.LineCount());
        case WM_SETFONT: return OnSetFont(m);
        case EM_SETCHARFORMAT:
            return OnSetCharFormat(m.wParam, reinterpret_cast<const CHARFORMATA*>(m.lParam));
        case EM_GETCHARFORMAT:
            return OnGetCharFormat(m.wParam, reinterpret_cast<CHARFORMATA*>(m.lParam));
        case EM_SETBKGNDCOLOR:
            return OnSetBackgroundColor(m.wParam != 0, static_cast<COLORREF>(m.lParam));
        case EM_SETEVENTMASK: return OnSetEventMask(static_cast<DWORD>(m.lParam));
        case EM_GETEVENTMASK: return static_cast<LRESULT>(m_eventMask);
        case EM_GETTEXTRANGE: return OnGetTextRange(reinterpret_cast<TEXTRANGEA*>(m.lParam));
        case EM_GETSELTEXT: return OnGetSelText(reinterpret_cast<char*>(m.lParam));
        case EM_GETTEXTLENGTHEX:
            return OnGetTextLengthEx(reinterpret_cast<const GETTEXTLENGTHEX*>(m.wParam));
        case EM_AUTOURLDETECT: return OnAutoUrlDetect(m.wParam);
        case EM_GETAUTOURLDETECT: return m_detectUrls ? TRUE : FALSE;
        default: return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    }
}

LRESULT RichEditControl::OnCreate(const CREATESTRUCT* create) {
    // The creation text is the control's first text; nobody is told of it.
    m_text.SetText(create && create->lpszName ? create->lpszName : "");
    const std::string text = m_text.TextWithCrLf();
    DefWindowProc(m_hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return 0;
}

LRESULT RichEditControl::OnSetText(const char* text) {
    // Read-only or not, the program's text replaces everything and clears the modified flag.
    m_text.SetText(text ? text : "");
    TextChanged(Modified::No);
    return TRUE;
}

LRESULT RichEditControl::OnChar(char32_t c) {
    const DWORD style = WindowStyle(m_hwnd);
    switch (c) {
        case U'\b':
            if (!ReadOnly() && m_text.DeleteCharacter(RichEditText::Direction::Backward)) {
                TextChanged(Modified::Yes);
            }
            return 0;
        case U'\r':
            // Inside a dialog, Enter belongs to the default button unless the control wants it.
            if (m_multiline && ((style & ES_WANTRETURN) || !m_dialogMode)) Type("\r");
            return 0;
        case U'\n':
            if (m_multiline) Type("\r");
            return 0;
        case U'\t':
            if (m_multiline && !m_dialogMode) Type("\t");
            return 0;
        default:
            if (IsTypable(c)) Type(EncodeUtf8(c));
            return 0;
    }
}

LRESULT RichEditControl::OnKeyDown(UINT key) {
    switch (key) {
        case VK_DELETE:
            if (!ReadOnly() && m_text.DeleteCharacter(RichEditText::Direction::Forward)) {
                TextChanged(Modified::Yes);
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_HOME:
        case VK_END:
            m_text.MoveCaret(key, GetKeyState(VK_SHIFT) < 0 ? RichEditText::Selecting::Extend
                                                            : RichEditText::Selecting::Collapse);
            break;
        default: break;
    }
    return 0;
}

LRESULT RichEditControl::OnReplaceSel(const char* text) {
    // Works on a read-only control too. Answers the characters of the text given, as Windows XP
    // and later do, whatever line breaks became of them.
    const std::string_view given = text ? text : "";
    if (m_text.ReplaceSelection(given)) TextChanged(Modified::Yes);
    return static_cast<LRESULT>(CodePointCount(given));
}

LRESULT RichEditControl::OnClear() {
    const auto [start, end] = m_text.Selection();
    if (!ReadOnly() && start != end && m_text.DeleteCharacter(RichEditText::Direction::Forward)) {
        TextChanged(Modified::Yes);
    }
    return 0;
}

LRESULT RichEditControl::OnGetSel(DWORD* start, DWORD* end) const {
    const auto [first, last] = m_text.Selection();
    if (start) *start = static_cast<DWORD>(first);
    if (end) *end = static_cast<DWORD>(last);
    // Positions that do not fit a word make the packed answer -1; the pointers still get them.
    if (first > 0xFFFF || last > 0xFFFF) return -1;
    return MAKELONG(static_cast<WORD>(first), static_cast<WORD>(last));
}

LRESULT RichEditControl::OnExGetSel(CHARRANGE* range) const {
    if (!range) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "EM_EXGETSEL: no CHARRANGE");
        return 0;
    }
    const auto [first, last] = m_text.Selection();
    range->cpMin = static_cast<LONG>(first);
    range->cpMax = static_cast<LONG>(last);
    return 0;
}

LRESULT RichEditControl::OnExSetSel(const CHARRANGE* range) {
    if (!range) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "EM_EXSETSEL: no CHARRANGE");
        return 0;
    }
    return m_text.SelectRange(range->cpMin, range->cpMax);
}

LRESULT RichEditControl::OnSetFocus() {
    NotifyParent(m_hwnd, EN_SETFOCUS);
    return 0;
}

LRESULT RichEditControl::OnKillFocus() {
    NotifyParent(m_hwnd, EN_KILLFOCUS);
    return 0;
}

LRESULT RichEditControl::OnButtonDown() {
    if (AcceptsMouse(m_hwnd)) SetFocus(m_hwnd);
    return 0;
}

LRESULT RichEditControl::OnGetDlgCode(const MSG* msg) {
    if (msg) m_dialogMode = true;
    const LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    return m_multiline ? code | DLGC_WANTALLKEYS : code;
}

LRESULT RichEditControl::OnSetReadOnly(bool readOnly) {
    const DWORD style = WindowStyle(m_hwnd);
    SetWindowStyle(m_hwnd, readOnly ? style | ES_READONLY : style & ~ES_READONLY);
    return TRUE;
}

LRESULT RichEditControl::OnSetFont(const Message& m) {
    // The font's face, size and effects go to all the text and become the default format.
    LOGFONT font;
    const auto handle = reinterpret_cast<HFONT>(m.wParam);
    if (handle && GetObject(handle, sizeof font, &font) == static_cast<int>(sizeof font)) {
        const CHARFORMATA change = FontChange(font, LogicalPixelsPerInch());
        m_text.FormatAll(change);
        m_text.ChangeDefaultFormat(change);
    }
    return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
}

void RichEditControl::Type(std::string_view text) {
    if (!ReadOnly() && m_text.ReplaceSelection(text)) TextChanged(Modified::Yes);
}

void RichEditControl::TextChanged(Modified modified) {
    if (m_detectUrls) m_text.MarkLinks(true);
    const std::string text = m_text.TextWithCrLf();
    DefWindowProc(m_hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    m_modified = modified == Modified::Yes;
    if (Notify(ENM_UPDATE, EN_UPDATE)) Notify(ENM_CHANGE, EN_CHANGE);
}

bool RichEditControl::Notify(DWORD bit, WORD code) {
    if (!(m_eventMask & bit)) return true;
    m_eventMask &= ~bit;
    if (!NotifyParent(m_hwnd, code)) return false;
    m_eventMask |= bit;
    return true;
}

bool RichEditControl::ReadOnly() const {
    return (WindowStyle(m_hwnd) & ES_READONLY) != 0;
}

}  // namespace winport
