#include <algorithm>
#include <filesystem>

#include "tests/client/ClientTestSupport.h"

namespace nuvclient {
namespace {

using test::RunClient;
using test::TempFolder;

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

TEST_F(ScriptCommandTest, ActionsAPersonCannotTakeFailWithTheAgentsReason) {
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"open contact 2000002 --limited\nclick 1173\n", ":2: "},
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        test::RunResult result = Run(c.script);
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find(Script().string() + c.error), std::string::npos) << result.err;
    }
}

TEST_F(ScriptCommandTest, DumpPrintsTheCurrentWindow) {
    test::RunResult result = Run("open contact 2000002 --limited\ndump\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.rfind("#32770 \"NUV Global Directory - User Info On: Аня\"\n", 0), 0u)
        << result.out;
    EXPECT_NE(result.out.find("Button 1173 \"Retrieve\" [disabled, tabstop]"), std::string::npos);
}

}  // namespace
}  // namespace nuvclient
