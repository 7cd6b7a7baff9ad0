#include "client/cli/RunCommand.h"

#include <fstream>
#include <iterator>

#include "client/cli/CommandLine.h"
#include "client/script/ScriptParser.h"
#include "client/script/ScriptRunner.h"

namespace nuvclient {

int RunScriptCommand(ClientHost& host, const std::filesystem::path& script, std::ostream& out,
                     std::ostream& err) {
    std::ifstream in(script, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) {
        err << "nuvclient: " << script.string() << ": cannot read the script\n";
        return kExitFailure;
    }
    ScriptFailure failure;
    try {
        ScriptRunner runner(host, out);
        if (runner.Run(ParseScript(text), failure)) return kExitSuccess;
    } catch (const ScriptSyntaxError& error) {
        failure = {error.Line(), error.what()};
    }
    out.flush();
    err << "nuvclient: " << script.string() << ':' << failure.line << ": " << failure.message
        << '\n';
    return kExitFailure;
}

}  // namespace nuvclient
