// Automation scripts: plain text, one action a line, words separated by blanks; a word in double
// quotes may hold blanks, \" and \\. Blank lines and lines starting with # are skipped.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace nuvclient {

struct ScriptLine {
    int number = 0;  // 1-based, as an editor counts.
    std::vector<std::string> words;
};

// A line that cannot be read: its number, and what is wrong with it.
class ScriptSyntaxError : public std::runtime_error {
public:
    ScriptSyntaxError(int line, const std::string& problem)
        : std::runtime_error(problem), m_line(line) {}
    int Line() const { return m_line; }

private:
    int m_line;
};

// Throws ScriptSyntaxError for an unterminated quote, an unknown escape or a stray character.
std::vector<ScriptLine> ParseScript(std::string_view text);

}  // namespace nuvclient
