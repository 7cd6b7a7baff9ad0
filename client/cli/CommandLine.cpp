#include "client/cli/CommandLine.h"

#include <CLI/CLI.hpp>

#include <chrono>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "client/cli/OpenCommand.h"
#include "client/cli/RunCommand.h"
#include "client/cli/UsersCommand.h"
#include "client/directory/DirectoryOptions.h"
#include "client/host/ClientHost.h"
#include "client/store/DataFolder.h"

namespace nuvclient {

namespace {

const std::map<std::string, WindowKind> kWindowKinds = {{"owner", WindowKind::Owner},
                                                        {"contact", WindowKind::Contact},
                                                        {"group", WindowKind::Group},
                                                        {"pane", WindowKind::Pane}};

struct OpenArguments {
    WindowKind kind = WindowKind::Owner;
    std::optional<std::uint32_t> number;
    int tab = 0;
    bool limited = false;
};

CLI::App* AddOpenCommand(CLI::App& app, OpenArguments& open) {
    CLI::App* command = app.add_subcommand(
        "open", "open a details window through the module and print what it shows");
    command->add_option("window", open.kind, "owner, contact, group or pane")
        ->required()
        ->transform(CLI::CheckedTransformer(kWindowKinds, CLI::ignore_case));
    command->add_option("number", open.number, "the user's number (not for owner)");
    command->add_option("--tab", open.tab, "the tab selected when the window opens")
        ->type_name("K");
    command->add_flag("--limited", open.limited, "a contact's four basic tabs only");
    command->callback([&open] {
        const bool owner = open.kind == WindowKind::Owner;
        if (owner && open.number) throw CLI::ValidationError("number", "owner takes no number");
        if (!owner && !open.number) throw CLI::ValidationError("number", "a number is needed");
    });
    return command;
}

}  // namespace

int RunCommandLine(int argc, const char* const* argv, const std::filesystem::path& sampleData,
                   std::ostream& out, std::ostream& err) {
    CLI::App app("nuvclient: the reference host client of the user details module", "nuvclient");
    app.set_version_flag("--version", std::string("nuvclient ") + NUV_VERSION);
    std::string dataFolder;
    app.add_option("--data", dataFolder,
                   "data folder (default: $XDG_DATA_HOME/nuvclient or ~/.local/share/nuvclient)")
        ->type_name("DIR");
    ClientOptions options;
    app.add_option("--module", options.module, "the user details module to load")
        ->type_name("FILE")
        ->capture_default_str();
    int latency = 0;
    app.add_option("--directory-latency", latency,
                   "how long each directory operation takes, in milliseconds")
        ->type_name("MS")
        ->check(CLI::NonNegativeNumber);
    std::string failure;
    app.add_option("--directory-fail", failure,
                   "every directory operation fails with this code and text")
        ->type_name("CODE:TEXT")
        ->check([](const std::string& value) {
            return ParseDirectoryFailure(value) ? std::string()
                                                : std::string("not of the form CODE:TEXT");
        });
    bool browser = false;
    app.add_flag("--browser", browser,
                 std::string("hand opened web and mail addresses to ") + kDefaultBrowser);
    app.require_subcommand(1, 1);
    CLI::App* users = app.add_subcommand("users", "list the owner, contacts and groups");
    OpenArguments openArguments;
    CLI::App* open = AddOpenCommand(app, openArguments);
    std::filesystem::path script;
    CLI::App* run = app.add_subcommand("run", "run an automation script");
    run->add_option("script", script, "the script: one action a line")
        ->required()
        ->check(CLI::ExistingFile);
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
        if (browser) options.services.browser = kDefaultBrowser;
        options.services.dataFolder = sampleData;
        options.directory.latency = std::chrono::milliseconds(latency);
        if (!failure.empty()) options.directory.failure = ParseDirectoryFailure(failure);
        int status = kExitSuccess;
        if (users->parsed()) PrintUsers(*store, out);
        if (open->parsed() || run->parsed()) {
            ClientHost host(*store, options);
            status = open->parsed()
                         ? RunOpenCommand(host,
                                          {openArguments.kind, openArguments.number.value_or(0),
                                           openArguments.tab, openArguments.limited},
                                          out, err)
                         : RunScriptCommand(host, script, out, err);
            std::string problem;
            if (!host.Loaded().Unload(&problem)) {
                err << "nuvclient: " << problem << '\n';
                status = kExitFailure;
            }
        }
        out.flush();
        if (!out) {
            err << "nuvclient: cannot write to standard output\n";
            return kExitFailure;
        }
        return status;
    } catch (const std::runtime_error& error) {
        // The store, the reference tables, the host strings or the module failed: each error
        // names the file and the problem.
        err << "nuvclient: " << error.what() << '\n';
        return kExitFailure;
    }
}

}  // namespace nuvclient
