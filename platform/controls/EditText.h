// The text operations of an edit control on UTF-8 text. Positions count code points, never bytes,
// and no operation splits a UTF-8 sequence. In a multi-line edit "\r\n" ends a line and the caret
// steps over it as one.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace winport {

enum class EditLines { Single, Multi };
enum class LetterCase { AsTyped, Upper, Lower };

// The caret stop before and after |position|, clamped to the text.
std::size_t PreviousCaretStop(std::string_view text, std::size_t position, EditLines lines);
std::size_t NextCaretStop(std::string_view text, std::size_t position, EditLines lines);

// Where the line holding |position| starts and where its text ends (before its "\r\n").
std::size_t LineStart(std::string_view text, std::size_t position);
std::size_t LineEnd(std::string_view text, std::size_t position);
std::size_t LineCount(std::string_view text);

// |text| with the code points [start, end) replaced by |insert|.
std::string ReplaceCodePoints(std::string_view text, std::size_t start, std::size_t end,
                              std::string_view insert);

// |text| in the given case; letters of every script convert, other bytes stay as they are.
std::string ConvertCase(std::string_view text, LetterCase letterCase);

}  // namespace winport
