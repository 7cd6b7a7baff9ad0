// The editing core of the rich edit: its text with paragraph breaks as "\r", the selection, and
// the formats of the characters. It knows nothing of windows or messages; the control
// (RichEditControl) decodes messages, notifies the parent and keeps the window's text in step.
// Positions count code points; the text operations are the Edit control's (EditText.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/controls/RichEditApi.h"
#include "platform/controls/richedit/RichEditRunList.h"

namespace winport {

enum class RichEditLines { Single, Multi };

class RichEditText {
public:
    explicit RichEditText(RichEditLines lines) : m_lines(lines) {}

    const std::string& Text() const { return m_text; }
    std::size_t Length() const { return m_runs.Length(); }
    std::string TextWithCrLf() const;
    // [start, end) of |m_text|, clamped.
    std::string Range(std::size_t start, std::size_t end) const;
    std::size_t LineCount() const;

    // The selection ordered (start <= end), and its moving end.
    std::pair<std::size_t, std::size_t> Selection() const;
    std::size_t Caret() const { return m_caret; }
    void Select(std::size_t anchor, std::size_t caret);
    // EM_EXSETSEL's rules: -1 as the end means the end of the text, a negative start drops the
    // selection, ranges are ordered and clamped. Answers the end of the new selection.
    LONG SelectRange(LONG from, LONG to);
    enum class Selecting { Collapse, Extend };
    // Moves the caret for VK_LEFT, VK_RIGHT, VK_HOME or VK_END; Extend keeps the anchor.
    void MoveCaret(UINT key, Selecting selecting);

    // Replaces the whole text, in the default format, and puts the caret at the start.
    void SetText(std::string_view text);
    // Replaces the selection by |text| in the format typing there would have, and puts the caret
    // after it. Line breaks become "\r" ("\r\r\n" a space); a single-line control keeps the
    // first line only. Answers whether the text changed.
    bool ReplaceSelection(std::string_view text);
    enum class Direction { Backward, Forward };
    // Deletes the selection, or else the character before or after the caret.
    bool DeleteCharacter(Direction direction);

    const RichEditFormat& DefaultFormat() const { return m_default; }
    // SCF_DEFAULT: text still in the default format follows it.
    void ChangeDefaultFormat(const CHARFORMATA& change);
    // SCF_SELECTION; without a selection it sets the format of what is inserted at the caret next.
    // Answers whether characters changed.
    bool FormatSelection(const CHARFORMATA& change);
    // SCF_ALL: every character, and what is typed into an empty control.
    void FormatAll(const CHARFORMATA& change);
    // The selection's format and the mask of the attributes it shares; without a selection, the
    // format typing would have.
    std::pair<RichEditFormat, DWORD> SelectionFormat() const;
    // Marks the URLs in the text as links and nothing else, or unmarks every link.
    void MarkLinks(bool detect);
    const RichEditRunList& Runs() const { return m_runs; }

private:
    RichEditFormat InsertionFormat() const;
    std::string Normalized(std::string_view text) const;
    void Splice(std::size_t start, std::size_t end, const std::string& insert,
                const RichEditFormat& format);

    RichEditLines m_lines;
    std::string m_text;
    RichEditRunList m_runs;
    std::size_t m_anchor = 0;
    std::size_t m_caret = 0;
    RichEditFormat m_default;
    RichEditFormat m_endFormat;  // The format of the end of the text: what an empty line types.
    std::optional<RichEditFormat> m_pending;  // Set for the caret by SCF_SELECTION.
};

}  // namespace winport
