#include "platform/controls/richedit/RichEditText.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/controls/EditText.h"
#include "platform/controls/richedit/RichEditFormat.h"
#include "platform/core/WinMessages.h"
#include "platform/text/Utf8.h"

namespace winport {
namespace {

constexpr char kBreak = '\r';

// Words starting so are links when URL detection is on.
constexpr std::string_view kUrlStarts[] = {"http://", "https://", "ftp://",  "file://",
                                           "mailto:", "news:",    "telnet:", "www."};

std::size_t LineStartOf(std::string_view text, std::size_t position) {
    const std::size_t offset = Utf8OffsetOfCodePoint(text, position);
    const std::size_t lineBreak =
        offset == 0 ? std::string_view::npos : text.rfind(kBreak, offset - 1);
    return lineBreak == std::string_view::npos ? 0 : CodePointCount(text.substr(0, lineBreak + 1));
}

std::size_t LineEndOf(std::string_view text, std::size_t position) {
    const std::size_t lineBreak = text.find(kBreak, Utf8OffsetOfCodePoint(text, position));
    return CodePointCount(text.substr(0, std::min(lineBreak, text.size())));
}

CHARFORMATA LinkChange(bool link) {
    CHARFORMATA change{};
    change.cbSize = sizeof change;
    change.dwMask = CFM_LINK;
    change.dwEffects = link ? CFE_LINK : 0;
    return change;
}

bool EndsUrl(char32_t c) {
    return c <= U' ' || c == U'"' || c == U'\'' || c == U'<' || c == U'>' || c == U'(' || c == U')';
}

// Punctuation at the end of a word ends the sentence, not the URL.
bool IsClosingPunctuation(char32_t c) {
    return c == U'.' || c == U',' || c == U';' || c == U':' || c == U'!' || c == U'?';
}

bool StartsUrl(const std::vector<char32_t>& chars, std::size_t start, std::size_t end) {
    for (std::string_view prefix : kUrlStarts) {
        if (end - start <= prefix.size()) continue;
        const bool matches = std::equal(
            prefix.begin(), prefix.end(), chars.begin() + start,
            [](char p, char32_t c) { return c < 0x80 && std::tolower(static_cast<int>(c)) == p; });
        if (matches) return true;
    }
    return false;
}

// The URLs of |text|, as ranges of code points.
std::vector<std::pair<std::size_t, std::size_t>> FindUrls(std::string_view text) {
    std::vector<char32_t> chars;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Decoded decoded = DecodeUtf8(text.substr(at));
        chars.push_back(decoded.codePoint);
        at += decoded.length;
    }
    std::vector<std::pair<std::size_t, std::size_t>> urls;
    for (std::size_t start = 0; start < chars.size();) {
        std::size_t next = start;
        while (next < chars.size() && !EndsUrl(chars[next])) ++next;
        std::size_t end = next;
        while (end > start && IsClosingPunctuation(chars[end - 1])) --end;
        if (StartsUrl(chars, start, end)) urls.emplace_back(start, end);
        start = next + 1;
    }
    return urls;
}

}  // namespace

std::string RichEditText::TextWithCrLf() const {
    std::string text;
    text.reserve(m_text.size());
    for (const char c : m_text) {
        text += c;
        if (c == kBreak) text += '\n';
    }
    return text;
}

std::string RichEditText::Range(std::size_t start, std::size_t end) const {
    const std::size_t from = Utf8OffsetOfCodePoint(m_text, start);
    const std::size_t to = Utf8OffsetOfCodePoint(m_text, std::max(start, end));
    return m_text.substr(from, to - from);
}

std::size_t RichEditText::LineCount() const {
    if (m_lines == RichEditLines::Single) return 1;
    return static_cast<std::size_t>(std::count(m_text.begin(), m_text.end(), kBreak)) + 1;
}

std::pair<std::size_t, std::size_t> RichEditText::Selection() const {
    return std::minmax(m_anchor, m_caret);
}

void RichEditText::Select(std::size_t anchor, std::size_t caret) {
    m_anchor = std::min(anchor, Length());
    m_caret = std::min(caret, Length());
    m_pending.reset();
}

LONG RichEditText::SelectRange(LONG from, LONG to) {
    const auto length = static_cast<LONG>(Length());
    from = std::max<LONG>(from, -1);
    to = std::max<LONG>(to, -1);
    if (from == 0 && to == -1) {
        Select(0, Length());
        return length;
    }
    // Both ends the same and outside the text: the caret goes to the end.
    if (from == to && (to < 0 || to > length)) {
        Select(Length(), Length());
        return length;
    }
    // A negative start drops the selection and leaves the caret where it is.
    if (from < 0) {
        const std::size_t end = Selection().second;
        Select(m_caret, m_caret);
        return static_cast<LONG>(end);
    }
    if (to < 0) to = length;
    if (from > to) std::swap(from, to);
    if (from > length) from = length;
    to = std::min(to, length);
    Select(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    return to;
}

void RichEditText::MoveCaret(UINT key, Selecting selecting) {
    const std::size_t anchor = m_anchor;
    switch (key) {
        case VK_LEFT: m_caret = PreviousCaretStop(m_text, m_caret, EditLines::Single); break;
        case VK_RIGHT: m_caret = NextCaretStop(m_text, m_caret, EditLines::Single); break;
        case VK_HOME: m_caret = LineStartOf(m_text, m_caret); break;
        default: m_caret = LineEndOf(m_text, m_caret); break;
    }
    Select(selecting == Selecting::Extend ? anchor : m_caret, m_caret);
}

void RichEditText::SetText(std::string_view text) {
    Splice(0, Length(), Normalized(text), m_default);
    Select(0, 0);
}

bool RichEditText::ReplaceSelection(std::string_view text) {
    const auto [start, end] = Selection();
    const std::string insert = Normalized(text);
    if (start == end && insert.empty()) return false;
    Splice(start, end, insert, InsertionFormat());
    m_anchor = m_caret = start + CodePointCount(insert);
    return true;
}

bool RichEditText::DeleteCharacter(Direction direction) {
    auto [start, end] = Selection();
    if (start == end && direction == Direction::Backward) {
        start = PreviousCaretStop(m_text, start, EditLines::Single);
    } else if (start == end) {
        end = NextCaretStop(m_text, end, EditLines::Single);
    }
    if (start == end) return false;
    Splice(start, end, {}, m_default);
    Select(start, start);
    return true;
}

void RichEditText::ChangeDefaultFormat(const CHARFORMATA& change) {
    const RichEditFormat previous = m_default;
    m_default = Applied(m_default, change);
    m_runs.Replace(previous, m_default);
    if (m_endFormat == previous) m_endFormat = m_default;
}

bool RichEditText::FormatSelection(const CHARFORMATA& change) {
    const auto [start, end] = Selection();
    if (start == end) {
        m_pending = Applied(InsertionFormat(), change);
        return false;
    }
    m_runs.Apply(start, end, change);
    return true;
}

void RichEditText::FormatAll(const CHARFORMATA& change) {
    m_runs.Apply(0, Length(), change);
    m_endFormat = Applied(m_endFormat, change);
    if (m_pending) m_pending = Applied(*m_pending, change);
}

std::pair<RichEditFormat, DWORD> RichEditText::SelectionFormat() const {
    const auto [start, end] = Selection();
    if (start == end) return {InsertionFormat(), kKeptFormatMask};
    return m_runs.Common(start, end);
}

void RichEditText::MarkLinks(bool detect) {
    m_runs.Apply(0, Length(), LinkChange(false));
    if (!detect) return;
    for (const auto& [start, end] : FindUrls(m_text)) m_runs.Apply(start, end, LinkChange(true));
}

RichEditFormat RichEditText::InsertionFormat() const {
    // A selection is typed over in the format of its first character; at the caret the text
    // continues the character before it, except at the start of a line.
    const auto [start, end] = Selection();
    if (start != end) return m_runs.At(start);
    if (m_pending) return *m_pending;
    if (m_caret > 0 && m_text[Utf8OffsetOfCodePoint(m_text, m_caret - 1)] != kBreak) {
        return m_runs.At(m_caret - 1);
    }
    if (m_caret < Length()) return m_runs.At(m_caret);
    return m_endFormat;
}

std::string RichEditText::Normalized(std::string_view text) const {
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at, 3) == "\r\r\n") {
            result += ' ';  // A soft line break.
            at += 3;
        } else if (text.substr(at, 2) == "\r\n") {
            result += kBreak;
            at += 2;
        } else {
            result += text[at] == '\n' ? kBreak : text[at];
            ++at;
        }
    }
    if (m_lines == RichEditLines::Single)
        result.erase(std::min(result.find(kBreak), result.size()));
    return result;
}

void RichEditText::Splice(std::size_t start, std::size_t end, const std::string& insert,
                          const RichEditFormat& format) {
    m_text = ReplaceCodePoints(m_text, start, end, insert);
    m_runs.Replace(start, end, CodePointCount(insert), format);
}

}  // namespace winport
