#include "client/script/ScriptParser.h"

namespace nuvclient {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Reads the quoted word starting at |at| (the opening quote); leaves |at| after the closing one.
std::string QuotedWord(std::string_view line, size_t& at, int number) {
    std::string word;
    for (++at; at < line.size(); ++at) {
        const char c = line[at];
        if (c == '"') {
            ++at;
            if (at < line.size() && !IsBlank(line[at])) {
                throw ScriptSyntaxError(number, "a quoted word must end at a blank");
            }
            return word;
        }
        if (c == '\\') {
            if (++at == line.size()) break;
            const char escaped = line[at];
            if (escaped == 'n') {
                word += '\n';
            } else if (escaped == '"' || escaped == '\\') {
                word += escaped;
            } else {
                throw ScriptSyntaxError(number, std::string("unknown escape \\") + escaped);
            }
            continue;
        }
        word += c;
    }
    throw ScriptSyntaxError(number, "the quote is not closed");
}

std::vector<std::string> Words(std::string_view line, int number) {
    std::vector<std::string> words;
    size_t at = 0;
    while (true) {
        while (at < line.size() && IsBlank(line[at])) ++at;
        if (at == line.size()) return words;
        if (line[at] == '"') {
            words.push_back(QuotedWord(line, at, number));
            continue;
        }
        const size_t start = at;
        while (at < line.size() && !IsBlank(line[at])) {
            if (line[at] == '"') throw ScriptSyntaxError(number, "a quote inside a word");
            ++at;
        }
        words.emplace_back(line.substr(start, at - start));
    }
}

}  // namespace

std::vector<ScriptLine> ParseScript(std::string_view text) {
    std::vector<ScriptLine> lines;
    int number = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#') continue;
        std::vector<std::string> words = Words(line, number);
        lines.push_back({number, std::move(words)});
    }
    return lines;
}

}  // namespace nuvclient
