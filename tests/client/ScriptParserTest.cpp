#include "client/script/ScriptParser.h"

#include <gtest/gtest.h>

namespace nuvclient {
namespace {

using Words = std::vector<std::string>;

TEST(ScriptParserTest, SplitsWordsAndQuotedTextKeepingLineNumbers) {
    const std::vector<ScriptLine> lines = ParseScript(
        "# a comment\n"
        "open contact 2000001\n"
        "\n"
        "  type 1183 \"http://example.org/a b\"\r\n"
        "expect text 1172 \"say \\\"Done\\\" \\\\ now\"\n"
        "type 1010 \"\"\n"
        "type 1011 \"line\\nnext\"\tdump");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].number, 2);
    EXPECT_EQ(lines[0].words, (Words{"open", "contact", "2000001"}));
    EXPECT_EQ(lines[1].number, 4);
    EXPECT_EQ(lines[1].words, (Words{"type", "1183", "http://example.org/a b"}));
    EXPECT_EQ(lines[2].words, (Words{"expect", "text", "1172", "say \"Done\" \\ now"}));
    EXPECT_EQ(lines[3].words, (Words{"type", "1010", ""}));
    EXPECT_EQ(lines[4].number, 7);
    EXPECT_EQ(lines[4].words, (Words{"type", "1011", "line\nnext", "dump"}));
}

TEST(ScriptParserTest, QuotedHashIsAWordNotAComment) {
    const std::vector<ScriptLine> lines = ParseScript("\"#1\" x\n  # indented comment\n");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].words, (Words{"#1", "x"}));
}

TEST(ScriptParserTest, MalformedLinesNameTheirNumberAndProblem) {
    const struct {
        const char* text;
        int line;
        const char* problem;
    } cases[] = {
        {"dump\ntype 1 \"open", 2, "the quote is not closed"},
        {"type 1 \"ends with backslash\\", 1, "the quote is not closed"},
        {"\n\ntype 1 \"a\\tb\"", 3, "unknown escape \\t"},
        {"type 1 \"a\"b", 1, "a quoted word must end at a blank"},
        {"type 1 a\"b\"", 1, "a quote inside a word"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            ParseScript(c.text);
            ADD_FAILURE() << "parsed";
        } catch (const ScriptSyntaxError& error) {
            EXPECT_EQ(error.Line(), c.line);
            EXPECT_STREQ(error.what(), c.problem);
        }
    }
}

}  // namespace
}  // namespace nuvclient
