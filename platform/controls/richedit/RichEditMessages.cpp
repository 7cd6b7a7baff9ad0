// The rich edit's format and query messages, its window-dump description and its read API.
#include <cstring>
#include <string>

#include "platform/com/HResult.h"
#include "platform/controls/ControlSupport.h"
#include "platform/controls/richedit/RichEditControl.h"
#include "platform/controls/richedit/RichEditFormat.h"
#include "platform/core/LastError.h"
#include "platform/gdi/SystemColors.h"
#include "platform/text/Utf8.h"
#include "platform/window/WindowClass.h"

namespace winport {
namespace {

bool CheckCharFormat(const CHARFORMATA* format, const char* caller) {
    if (!format) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, std::string(caller) + ": no CHARFORMAT");
        return false;
    }
    if (!IsCharFormatSize(format->cbSize)) {
        SetLastErrorText(ERROR_INVALID_PARAMETER,
                         std::string(caller) + ": cbSize " + std::to_string(format->cbSize) +
                             " is the size of neither CHARFORMATA nor CHARFORMAT2A");
        return false;
    }
    return true;
}

// Copies |text| and a terminating zero to |buffer|; answers the bytes copied.
LRESULT CopyOut(const std::string& text, char* buffer) {
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<LRESULT>(text.size());
}

}  // namespace

LRESULT RichEditControl::OnSetCharFormat(WPARAM flags, const CHARFORMATA* format) {
    if (!CheckCharFormat(format, "EM_SETCHARFORMAT")) return FALSE;
    // Formatting never sends EN_CHANGE, but it does mark the text modified.
    if (flags & SCF_ALL) {
        m_text.FormatAll(*format);
        m_modified = true;
    } else if (flags & SCF_SELECTION) {
        if (m_text.FormatSelection(*format)) m_modified = true;
    } else {
        m_text.ChangeDefaultFormat(*format);
    }
    return TRUE;
}

LRESULT RichEditControl::OnGetCharFormat(WPARAM flags, CHARFORMATA* format) const {
    if (!CheckCharFormat(format, "EM_GETCHARFORMAT")) return 0;
    const auto [kept, mask] = flags == SCF_DEFAULT
                                  ? std::pair{m_text.DefaultFormat(), kKeptFormatMask}
                                  : m_text.SelectionFormat();
    FillCharFormat(*format, kept, mask);
    return static_cast<LRESULT>(mask);
}

LRESULT RichEditControl::OnSetBackgroundColor(bool system, COLORREF color) {
    const COLORREF previous = m_background;
    m_systemBackground = system;
    m_background = system ? GetSysColor(COLOR_WINDOW) : color;
    return static_cast<LRESULT>(previous);
}

LRESULT RichEditControl::OnSetEventMask(DWORD mask) {
    const DWORD previous = m_eventMask;
    m_eventMask = mask;
    return static_cast<LRESULT>(previous);
}

LRESULT RichEditControl::OnGetTextRange(TEXTRANGEA* range) const {
    if (!range || !range->lpstrText) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "EM_GETTEXTRANGE: no TEXTRANGE or no buffer");
        return 0;
    }
    const auto length = static_cast<LONG>(m_text.Length());
    const LONG from = range->chrg.cpMin;
    // -1 as the end means the end of the text only for a range from the start.
    const LONG to = from == 0 && range->chrg.cpMax == -1 ? length : range->chrg.cpMax;
    if (from < 0 || to < 0 || std::min(to, length) <= from) return 0;
    return CopyOut(m_text.Range(static_cast<std::size_t>(from),
                                static_cast<std::size_t>(std::min(to, length))),
                   range->lpstrText);
}

LRESULT RichEditControl::OnGetSelText(char* buffer) const {
    if (!buffer) {
        SetLastErrorText(ERROR_INVALID_PARAMETER, "EM_GETSELTEXT: no buffer");
        return 0;
    }
    const auto [start, end] = m_text.Selection();
    return CopyOut(m_text.Range(start, end), buffer);
}

LRESULT RichEditControl::OnGetTextLengthEx(const GETTEXTLENGTHEX* how) const {
    if (!how || ((how->flags & GTL_NUMCHARS) && (how->flags & GTL_NUMBYTES))) {
        SetLastErrorText(ERROR_INVALID_PARAMETER,
                         "EM_GETTEXTLENGTHEX: no GETTEXTLENGTHEX, or both characters and bytes");
        return E_INVALIDARG;
    }
    // With GTL_USECRLF each paragraph break counts as "\r\n".
    const std::string text = (how->flags & GTL_USECRLF) ? m_text.TextWithCrLf() : m_text.Text();
    return static_cast<LRESULT>((how->flags & GTL_NUMBYTES) ? text.size() : CodePointCount(text));
}

LRESULT RichEditControl::OnAutoUrlDetect(WPARAM flags) {
    if (flags > AURL_ENABLEURL) {
        SetLastErrorText(ERROR_INVALID_PARAMETER,
                         "EM_AUTOURLDETECT: unknown flags " + std::to_string(flags));
        return E_INVALIDARG;
    }
    m_detectUrls = flags == AURL_ENABLEURL;
    m_text.MarkLinks(m_detectUrls);
    return 0;
}

std::vector<std::string> RichEditControl::DescribeState(HWND hwnd) const {
    std::vector<std::string> state;
    const DWORD style = WindowStyle(hwnd);
    if (style & ES_MULTILINE) state.emplace_back("multiline");
    if (style & ES_READONLY) state.emplace_back("readonly");
    if (!m_systemBackground) state.push_back("background=" + ColorText(m_background));
    if (m_detectUrls) state.emplace_back("autourl");
    // The runs a person sees differ from the plain text, as "bold 0-5" (characters 0 to 4).
    for (const RichEditRun& run : Runs()) {
        const std::string looks = DescribeFormat(run.format, m_text.DefaultFormat());
        if (looks.empty()) continue;
        state.push_back(looks + " " + std::to_string(run.start) + "-" +
                        std::to_string(run.start + run.length));
    }
    return state;
}

std::optional<std::vector<RichEditRun>> RichEditRuns(HWND richEdit) {
    const auto* control = ControlBehind<RichEditControl>(richEdit, "RichEditRuns", "a rich edit");
    if (!control) return std::nullopt;
    return control->Runs();
}

}  // namespace winport
