#include <algorithm>
#include <tuple>

#include "client/script/ScriptParser.h"
#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

using test::RunClient;
using test::TempFolder;

using Words = std::vector<std::string>;

TEST(ScriptParserTest, SplitsWordsAndQuotedTextOrNamesTheLineThatCannotBeRead) {
    const std::vector<ScriptLine> lines = ParseScript(
        "# a comment\n"
        "open contact 2000001\n"
        "\n"
        "  type 1183 \"http://example.org/a b\"\r\n"
        "expect text 1172 \"say \\\"Done\\\" \\\\ now\"\n"
        "type 1010 \"\"\n"
        "\"#1\" x\n"
        "  # indented comment\n"
        "type 1011 \"line\\nnext\"\tdump");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].number, 2);
    EXPECT_EQ(lines[0].words, (Words{"open", "contact", "2000001"}));
    EXPECT_EQ(lines[1].number, 4);
    EXPECT_EQ(lines[1].words, (Words{"type", "1183", "http://example.org/a b"}));
    EXPECT_EQ(lines[2].words, (Words{"expect", "text", "1172", "say \"Done\" \\ now"}));
    EXPECT_EQ(lines[3].words, (Words{"type", "1010", ""}));
    EXPECT_EQ(lines[4].words, (Words{"#1", "x"})) << "a quoted hash is a word";
    EXPECT_EQ(lines[5].number, 9);
    EXPECT_EQ(lines[5].words, (Words{"type", "1011", "line\nnext", "dump"}));

    // A malformed line is named by its number and its problem.
    for (const auto& [text, line, problem] :
         std::initializer_list<std::tuple<const char*, int, const char*>>{
             {"dump\ntype 1 \"open", 2, "the quote is not closed"},
             {"type 1 \"ends with backslash\\", 1, "the quote is not closed"},
             {"\n\ntype 1 \"a\\tb\"", 3, "unknown escape \\t"},
             {"type 1 \"a\"b", 1, "a quoted word must end at a blank"},
             {"type 1 a\"b\"", 1, "a quote inside a word"},
         }) {
        SCOPED_TRACE(text);
        try {
            ParseScript(text);
            ADD_FAILURE() << "parsed";
        } catch (const ScriptSyntaxError& error) {
            EXPECT_EQ(error.Line(), line);
            EXPECT_STREQ(error.what(), problem);
        }
    }
}

std::vector<std::string> ShippedScripts() {
    std::vector<std::string> scripts;
    for (const auto& entry : std::filesystem::directory_iterator(NUV_CLIENT_SCRIPTS_DIR)) {
        if (entry.path().extension() == ".nuv") scripts.push_back(entry.path().filename());
    }
    std::sort(scripts.begin(), scripts.end());
    return scripts;
}

class ShippedScriptTest : public ::testing::TestWithParam<std::string> {};

// Every example script runs to its end on a fresh copy of the sample data.
TEST_P(ShippedScriptTest, RunsToTheEnd) {
    TempFolder temp;
    const std::filesystem::path script = std::filesystem::path(NUV_CLIENT_SCRIPTS_DIR) / GetParam();
    test::RunResult result =
        RunClient({"--data", (temp.Path() / "data").string(), "run", script.string()});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(ClientScripts, ShippedScriptTest, ::testing::ValuesIn(ShippedScripts()),
                         [](const auto& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

class ScriptCommandTest : public ::testing::Test {
protected:
    test::RunResult Run(const std::string& text) {
        test::WriteBytes(Script(), text);
        return RunClient({"--data", (m_temp.Path() / "data").string(), "run", Script().string()});
    }
    std::filesystem::path Script() const { return m_temp.Path() / "test.nuv"; }

    TempFolder m_temp;
};

TEST_F(ScriptCommandTest, FailedCheckStopsTheScriptNamingTheLine) {
    test::RunResult result =
        Run("open contact 2000002\n"
            "# the button reads \"Retrieve\"\n"
            "expect text 1173 \"Save\"\n"
            "dump\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "nuvclient: " + Script().string() +
                              ":3: text of 1173: expected \"Save\", found \"Retrieve\"\n");
    EXPECT_EQ(result.out, "") << "the script went on after the failed check";
}

// The agent's reasons themselves are its own (AgentTest); a few show that each kind of step hands
// them on.
TEST_F(ScriptCommandTest, ActionsAPersonCannotTakeFailWithTheAgentsReason) {
    for (const auto& [script, error] : std::initializer_list<std::pair<const char*, const char*>>{
             {"open contact 2000002\ntab Nowhere\n", ":2: "},
             {"click 1173\n", ":1: no window is open"},
             {"open contact 2000002\nclick 4711\n", ":2: the window has no control 4711"},
             {"open contact 4242\n", ":1: no user has the number 4242"},
             {"open owner\nfly away\n", ":2: no action named fly"},
             {"open owner\nexpect colour 1173 red\n", ":2: no check named colour"},
             {"\n\ntype 1183 \"unterminated\n", ":3: the quote is not closed"},
             {"open contact 2000002\nanswer dialog 8545 type 4711 \"x\"\nclick 1009\n",
              ":3: the answer to dialog 8545 failed: the window has no control 4711"},
             {"open contact 2000002\nexpect row 3000 5 \"\"\n", ":2: the list has no row 5"},
             {"open contact 2000002\ntype 1178 \"Ann\"\n", ":2: Edit 1178 is read-only\n"},
             {"open owner\ntab Home\npick 1188 \"Atlantis\"\n",
              ":3: ComboBox 1188 has no item \"Atlantis\"\n"},
             {"open contact 2000002\nappend 1173 \"x\"\n", ":2: Button 1173 does not take text\n"},
             {"open contact 2000002\ntick 1173\n", ":2: Button 1173 is not a check box\n"},
             {"open owner\ntab Home\ntab Main\nuntick 2033\n", ":4: Button 2033 is not visible\n"},
             {"open contact 2000002\nrow 3000 1\n",
              ":2: SysListView32 3000 has no row 1 (1 rows)\n"},
             {"open contact 2000002\ndoubleclick 1173 0\n",
              ":2: control 1173 is a Button, not a list\n"},
             {"open owner\nshow 2000004\n", ":2: the window holds no details pane\n"},
             {"open contact 2000002\nexpect unchecked 1173\n",
              ":2: control 1173 is not a check box\n"},
             {"expect closed\n", ":1: no window was opened\n"},
             {"today 2026-02-30\n", ":1: usage: today YYYY-MM-DD (a day of the calendar)\n"},
             {"open owner\ntab More\nspin 1009 sideways\n", ":3: usage: spin ID up|down [TIMES]\n"},
             {"open owner\nselect 1183 \"Arts\"\n", ":2: "},
             {"open contact 2000002\nanswer menu 4711\nrightclick 3000 0\n",
              ":3: the popup menu offers no command 4711\n"},
             {"open owner\nanswer box OK\nclick 1035\n",
              ":3: the message box \"Replace the details on these pages with the ones the "
              "directory "
              "holds now? Changes you have not saved are lost.\" has no button OK\n"},
             {"open contact 2000002\nanswer dialog 8545 type 1003 \"a@example.org\"\nclick 1009\n",
              ":3: dialog 8545 is still open after the steps of its answer\n"},
             // An answer no question took fails on its own line.
             {"open contact 2000002\nanswer box Yes\nclick 1172\nexpect closed\n",
              ":2: no message box came up for this answer before the window closed on line 3\n"},
             {"open contact 2000002\nanswer saveas \"/tmp/anna.vcf\"\n",
              ":2: no Save As dialog came up for this answer by the end of the script\n"},
             {"open contact 2000002\nanswer dialog 4711 1\nclick 1009\n",
              ":2: no dialog 4711 came up for this answer by the end of the script\n"},
         }) {
        SCOPED_TRACE(script);
        test::RunResult result = Run(script);
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find(Script().string() + error), std::string::npos) << result.err;
    }
}

// Typing into a combo box with an edit types into its edit; dump prints the current window.
TEST_F(ScriptCommandTest, TypingIntoAComboAndDumpingTheWindow) {
    test::RunResult result =
        Run("open contact 2000002 --limited\n"
            "dump\n"
            "close\n"
            "open contact 2000002\n"
            "type 1031 \"Аня из Москвы\"\n"
            "expect text 1031 \"Аня из Москвы\"\n"
            "click 1172\n"
            "expect key 2000002 MyDefinedHandle \"Аня из Москвы\"\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.rfind("#32770 \"NUV Global Directory - User Info On: Аня\"\n", 0), 0u)
        << result.out;
    EXPECT_NE(result.out.find("Button 1173 \"Retrieve\" [disabled, tabstop]"), std::string::npos);
}

}  // namespace
}  // namespace nuvclient
