#include "client/cli/CommandLine.h"

#include <CLI/CLI.hpp>

#include <string>

#include "client/cli/UsersCommand.h"
#include "client/store/DataFolder.h"
#include "client/store/StoreError.h"

namespace nuvclient {

int RunCommandLine(int argc, const char* const* argv, const std::filesystem::path& sampleData,
                   std::ostream& out, std::ostream& err) {
    CLI::App app("nuvclient: the reference host client of the user details module", "nuvclient");
    app.set_version_flag("--version", std::string("nuvclient ") + NUV_VERSION);
    std::string dataFolder;
    app.add_option("--data", dataFolder,
                   "data folder (default: $XDG_DATA_HOME/nuvclient or ~/.local/share/nuvclient)")
        ->type_name("DIR");
    app.require_subcommand(1, 1);
    CLI::App* users = app.add_subcommand("users", "list the owner, contacts and groups");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        int status = app.exit(error, out, err);
        return status == 0 ? kExitSuccess : kExitUsage;
    }
    try {
        std::filesystem::path folder =
            dataFolder.empty() ? DefaultDataFolder() : std::filesystem::path(dataFolder);
        auto store = OpenDataFolder(folder, sampleData);
        if (users->parsed()) PrintUsers(*store, out);
        out.flush();
        if (!out) {
            err << "nuvclient: cannot write to standard output\n";
            return kExitFailure;
        }
        return kExitSuccess;
    } catch (const StoreError& error) {
        err << "nuvclient: " << error.what() << '\n';
        return kExitFailure;
    }
}

}  // namespace nuvclient
