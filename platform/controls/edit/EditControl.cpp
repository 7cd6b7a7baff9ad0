#include "platform/controls/edit/EditControl.h"

#include <algorithm>
#include <memory>
#include <tuple>

#include "platform/controls/ComboBoxApi.h"
#include "platform/controls/ControlSupport.h"
#include "platform/dialog/DialogApi.h"
#include "platform/message/MessageApi.h"
#include "platform/text/Utf8.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

constexpr std::size_t kDefaultLimit = kDefaultEditLimit;
constexpr std::size_t kSingleLineMaxLimit = 0x7FFFFFFE;
constexpr std::size_t kMultiLineMaxLimit = 0xFFFFFFFF;
constexpr UINT kRemoveSelection = static_cast<UINT>(-1);

LetterCase CaseOf(DWORD style) {
    if (style & ES_UPPERCASE) return LetterCase::Upper;
    if (style & ES_LOWERCASE) return LetterCase::Lower;
    return LetterCase::AsTyped;
}

// The edit a combo box keeps for its text, whose list keys belong to the combo.
bool IsComboEdit(HWND edit) {
    const HWND parent = GetParent(edit);
    return parent && GetDlgCtrlID(edit) == kComboEditId &&
           GetClassNameOf(parent) == kComboBoxClassName;
}

bool IsScalarValue(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

struct Registrar {
    Registrar() {
        RegisterSystemClass("Edit", [](HWND hwnd) -> std::unique_ptr<WindowProcedure> {
            return std::make_unique<EditControl>(hwnd);
        });
    }
} const kRegistrar;

}  // namespace

EditControl::EditControl(HWND hwnd)
    : m_hwnd(hwnd),
      m_multiline((WindowStyle(hwnd) & ES_MULTILINE) != 0),
      m_limit(kDefaultLimit),
      // A multi-line edit never hides its text.
      m_passwordChar(!m_multiline && (WindowStyle(hwnd) & ES_PASSWORD) ? U'*' : 0) {}

LRESULT EditControl::HandleMessage(const Message& m) {
    switch (m.id) {
        case WM_CREATE: return OnCreate();
        case WM_SETTEXT: return OnSetText(reinterpret_cast<const char*>(m.lParam));
        case WM_CHAR: return OnChar(static_cast<char32_t>(m.wParam));
        case WM_KEYDOWN: return OnKeyDown(static_cast<UINT>(m.wParam));
        case EM_SETSEL: return OnSetSel(static_cast<UINT>(m.wParam), static_cast<UINT>(m.lParam));
        case EM_GETSEL:
            return OnGetSel(reinterpret_cast<DWORD*>(m.wParam), reinterpret_cast<DWORD*>(m.lParam));
        case EM_REPLACESEL: return OnReplaceSel(reinterpret_cast<const char*>(m.lParam));
        case EM_SETLIMITTEXT: return OnSetLimitText(static_cast<UINT>(m.wParam));
        case EM_GETLIMITTEXT: return static_cast<LRESULT>(m_limit);
        case EM_SETPASSWORDCHAR: return OnSetPasswordChar(static_cast<char32_t>(m.wParam));
        case EM_GETPASSWORDCHAR: return static_cast<LRESULT>(m_passwordChar);
        case EM_SETREADONLY: return OnSetReadOnly(m.wParam != 0);
        case EM_GETMODIFY: return m_modified ? TRUE : FALSE;
        case EM_SETMODIFY: return OnSetModify(m.wParam != 0);
        case EM_GETLINECOUNT: return OnGetLineCount();
        case WM_SETFOCUS: return OnSetFocus();
        case WM_KILLFOCUS: return OnKillFocus();
        case WM_LBUTTONDOWN: return OnButtonDown();
        case WM_GETDLGCODE: return OnGetDlgCode(reinterpret_cast<const MSG*>(m.lParam));
        case WM_COPY: return OnCopy();
        case WM_CUT: return OnCut();
        case WM_PASTE: return OnPaste();
        case WM_CLEAR: return OnClear();
        default: return DefWindowProc(m.hwnd, m.id, m.wParam, m.lParam);
    }
}

EditState EditControl::State() const {
    const std::string text = Text();
    const auto [start, end] = OrderedSelection(text);
    const DWORD style = WindowStyle(m_hwnd);
    EditState state;
    state.selectionStart = start;
    state.selectionEnd = end;
    state.caret = Selection(text).second;
    state.passwordChar = m_passwordChar;
    state.limit = m_limit;
    state.modified = m_modified;
    state.readOnly = (style & ES_READONLY) != 0;
    state.multiline = m_multiline;
    state.focused = m_focused;
    state.selectionVisible = m_focused || (style & ES_NOHIDESEL) != 0;
    return state;
}

LRESULT EditControl::OnCreate() {
    // The creation text is converted as typed text is, and tells the parent nothing.
    const std::string text = Text();
    const std::string converted = ConvertCase(text, CaseOf(WindowStyle(m_hwnd)));
    if (converted != text) StoreText(converted);
    return 0;
}

LRESULT EditControl::OnSetText(const char* text) {
    // Neither the limit nor ES_NUMBER applies to text set by the program.
    StoreText(ConvertCase(text ? text : "", CaseOf(WindowStyle(m_hwnd))));
    m_anchor = m_caret = 0;
    m_modified = false;
    // A multi-line edit sends no EN_UPDATE or EN_CHANGE for WM_SETTEXT.
    if (!m_multiline) NotifyChange();
    return TRUE;
}

LRESULT EditControl::OnChar(char32_t c) {
    const DWORD style = WindowStyle(m_hwnd);
    const bool readOnly = (style & ES_READONLY) != 0;
    switch (c) {
        case U'\b':
            if (!readOnly) DeleteCharacter(Direction::Backward);
            return 0;
        case U'\r':
            // Inside a dialog, Enter belongs to the default button unless the edit wants it.
            if (m_multiline && m_dialogMode && !(style & ES_WANTRETURN)) {
                PressDefaultButton();
            } else if (m_multiline && !readOnly) {
                ReplaceSelection("\r\n");
            }
            return 0;
        case U'\n':
            if (m_multiline && !readOnly) ReplaceSelection("\r\n");
            return 0;
        case U'\t':
            // Inside a dialog, Tab moves on to the next control (Shift+Tab back).
            if (m_multiline && m_dialogMode) {
                SendMessage(GetParent(m_hwnd), WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0 ? 1 : 0, 0);
            } else if (m_multiline && !readOnly) {
                ReplaceSelection("\t");
            }
            return 0;
        case 0x01:  // Ctrl+A, which selects the whole text in the edits of current systems
            SendMessage(m_hwnd, EM_SETSEL, 0, -1);
            return 0;
        case 0x03:  // Ctrl+C
            SendMessage(m_hwnd, WM_COPY, 0, 0);
            return 0;
        case 0x16:  // Ctrl+V
            if (!readOnly) SendMessage(m_hwnd, WM_PASTE, 0, 0);
            return 0;
        case 0x18:  // Ctrl+X
            if (!readOnly) SendMessage(m_hwnd, WM_CUT, 0, 0);
            return 0;
        default: break;
    }
    if ((style & ES_NUMBER) && (c < U'0' || c > U'9')) return 0;
    if (readOnly || c < U' ' || c == 0x7F || !IsScalarValue(c)) return 0;
    ReplaceSelection(EncodeUtf8(c));
    return 0;
}

LRESULT EditControl::OnKeyDown(UINT key) {
    switch (key) {
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_F4:
            // In a combo box these move through its list.
            if (IsComboEdit(m_hwnd)) SendMessage(GetParent(m_hwnd), WM_KEYDOWN, key, 0);
            break;
        case VK_RETURN:
        case VK_ESCAPE:
            // They reach a combo's edit only while the list is down: they end the pick.
            if (IsComboEdit(m_hwnd)) {
                SendMessage(GetParent(m_hwnd), WM_KEYDOWN, key, 0);
            } else if (key == VK_ESCAPE && m_multiline && m_dialogMode) {
                // A multi-line edit takes every key from the dialog, so it closes it itself.
                PostMessage(GetAncestor(m_hwnd, GA_ROOT), WM_CLOSE, 0, 0);
            }
            break;
        case VK_DELETE:
            if (!ReadOnly()) DeleteCharacter(Direction::Forward);
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_HOME:
        case VK_END:
            MoveCaret(key, GetKeyState(VK_SHIFT) < 0 ? Selecting::Extend : Selecting::Collapse);
            break;
        default: break;
    }
    return 0;
}

LRESULT EditControl::OnSetSel(UINT start, UINT end) {
    const std::size_t length = CodePointCount(Text());
    if (start == kRemoveSelection) {
        // Deselects and leaves the caret where it is.
        m_caret = std::min(m_caret, length);
        m_anchor = m_caret;
    } else {
        // -1 (or any position past the text) for the end means the end of the text. A start past
        // the end is kept as the anchor, so the caret lands where |end| says.
        m_anchor = std::min<std::size_t>(start, length);
        m_caret = std::min<std::size_t>(end, length);
    }
    return TRUE;
}

LRESULT EditControl::OnGetSel(DWORD* start, DWORD* end) const {
    const auto [first, last] = OrderedSelection(Text());
    if (start) *start = static_cast<DWORD>(first);
    if (end) *end = static_cast<DWORD>(last);
    // Positions that do not fit a word make the packed answer -1; the pointers still get them.
    if (first > 0xFFFF || last > 0xFFFF) return -1;
    return MAKELONG(static_cast<WORD>(first), static_cast<WORD>(last));
}

LRESULT EditControl::OnReplaceSel(const char* text) {
    // Works on read-only edits too, and ES_NUMBER is not checked: only typing is filtered.
    ReplaceSelection(text ? text : "");
    return 0;
}

LRESULT EditControl::OnSetLimitText(UINT limit) {
    const std::size_t maximum = m_multiline ? kMultiLineMaxLimit : kSingleLineMaxLimit;
    m_limit = limit == 0 ? maximum : std::min<std::size_t>(limit, maximum);
    return 0;
}

LRESULT EditControl::OnSetPasswordChar(char32_t c) {
    if (m_multiline) return 0;
    m_passwordChar = c;
    const DWORD style = WindowStyle(m_hwnd);
    SetWindowStyle(m_hwnd, c ? style | ES_PASSWORD : style & ~ES_PASSWORD);
    return 0;
}

LRESULT EditControl::OnSetReadOnly(bool readOnly) {
    const DWORD style = WindowStyle(m_hwnd);
    SetWindowStyle(m_hwnd, readOnly ? style | ES_READONLY : style & ~ES_READONLY);
    return TRUE;
}

LRESULT EditControl::OnSetModify(bool modified) {
    m_modified = modified;
    return 0;
}

LRESULT EditControl::OnGetLineCount() const {
    return m_multiline ? static_cast<LRESULT>(LineCount(Text())) : 1;
}

LRESULT EditControl::OnSetFocus() {
    m_focused = true;
    NotifyParent(m_hwnd, EN_SETFOCUS);
    return 0;
}

LRESULT EditControl::OnKillFocus() {
    // The selection stays; without ES_NOHIDESEL it is only not shown.
    m_focused = false;
    NotifyParent(m_hwnd, EN_KILLFOCUS);
    return 0;
}

LRESULT EditControl::OnButtonDown() {
    if (AcceptsMouse(m_hwnd)) SetFocus(m_hwnd);
    return 0;
}

LRESULT EditControl::OnGetDlgCode(const MSG* msg) {
    if (msg) m_dialogMode = true;
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (m_multiline) code |= DLGC_WANTALLKEYS;
    // While a combo's list is down, Enter and Escape belong to the combo, not to the dialog.
    if (msg && IsComboEdit(m_hwnd)) {
        code |= SendMessage(GetParent(m_hwnd), WM_GETDLGCODE, msg->wParam,
                            reinterpret_cast<LPARAM>(msg)) &
                DLGC_WANTMESSAGE;
    }
    return code;
}

void EditControl::PressDefaultButton() const {
    const HWND dialog = GetAncestor(m_hwnd, GA_ROOT);
    const LRESULT defId = SendMessage(dialog, DM_GETDEFID, 0, 0);
    const WORD id = HIWORD(static_cast<UINT_PTR>(defId)) == DC_HASDEFID
                        ? LOWORD(static_cast<UINT_PTR>(defId))
                        : static_cast<WORD>(IDOK);
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

LRESULT EditControl::OnClear() {
    if (!ReadOnly()) ReplaceSelection({});
    return 0;
}

void EditControl::ReplaceSelection(std::string_view typed) {
    std::string text = Text();
    auto [start, end] = OrderedSelection(text);
    if (start == end && typed.empty()) return;
    std::string insert = ConvertCase(typed, CaseOf(WindowStyle(m_hwnd)));
    std::size_t kept = CodePointCount(text) - (end - start);
    // Only an insertion runs into the limit: text set past it can still be deleted.
    if (!insert.empty() && kept + CodePointCount(insert) > m_limit) {
        if (!NotifyParent(m_hwnd, EN_MAXTEXT)) return;
        // The parent may have changed the text, the selection or the limit meanwhile.
        text = Text();
        std::tie(start, end) = OrderedSelection(text);
        kept = CodePointCount(text) - (end - start);
        insert = std::string(Utf8Prefix(insert, m_limit > kept ? m_limit - kept : 0));
        if (start == end && insert.empty()) return;  // Refused: nothing changes.
    }
    StoreText(ReplaceCodePoints(text, start, end, insert));
    m_anchor = m_caret = start + CodePointCount(insert);
    m_modified = true;
    NotifyChange();
}

void EditControl::DeleteCharacter(Direction direction) {
    const std::string text = Text();
    const auto [anchor, caret] = Selection(text);
    if (anchor == caret) {
        m_anchor = caret;
        m_caret = direction == Direction::Backward ? PreviousCaretStop(text, caret, Lines())
                                                   : NextCaretStop(text, caret, Lines());
    }
    ReplaceSelection({});
}

void EditControl::MoveCaret(UINT key, Selecting selecting) {
    // Moves from the caret end of the selection; with Shift held the anchor stays.
    const std::string text = Text();
    const auto [anchor, caret] = Selection(text);
    switch (key) {
        case VK_LEFT: m_caret = PreviousCaretStop(text, caret, Lines()); break;
        case VK_RIGHT: m_caret = NextCaretStop(text, caret, Lines()); break;
        case VK_HOME: m_caret = m_multiline ? LineStart(text, caret) : 0; break;
        default: m_caret = m_multiline ? LineEnd(text, caret) : CodePointCount(text); break;
    }
    m_anchor = selecting == Selecting::Extend ? anchor : m_caret;
}

void EditControl::NotifyChange() {
    if (NotifyParent(m_hwnd, EN_UPDATE)) NotifyParent(m_hwnd, EN_CHANGE);
}

std::string EditControl::Text() const {
    const auto length = static_cast<std::size_t>(DefWindowProc(m_hwnd, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    text.resize(static_cast<std::size_t>(
        DefWindowProc(m_hwnd, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

void EditControl::StoreText(const std::string& text) {
    DefWindowProc(m_hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::pair<std::size_t, std::size_t> EditControl::Selection(const std::string& text) const {
    const std::size_t length = CodePointCount(text);
    return {std::min(m_anchor, length), std::min(m_caret, length)};
}

std::pair<std::size_t, std::size_t> EditControl::OrderedSelection(const std::string& text) const {
    const auto [anchor, caret] = Selection(text);
    return std::minmax(anchor, caret);
}

bool EditControl::ReadOnly() const {
    return (WindowStyle(m_hwnd) & ES_READONLY) != 0;
}

}  // namespace winport
