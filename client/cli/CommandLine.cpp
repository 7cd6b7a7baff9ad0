#include "client/cli/CommandLine.h"

#include <CLI/CLI.hpp>

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "client/cli/ExportCommand.h"
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

    OpenRequest Request() const { return {kind, number.value_or(0), tab, limited}; }
};

// The owner takes no number; the others need one.
void CheckNumber(const OpenArguments& open) {
    const bool owner = open.kind == WindowKind::Owner;
    if (owner && open.number) throw CLI::ValidationError("number", "owner takes no number");
    if (!owner && !open.number) throw CLI::ValidationError("number", "a number is needed");
}

void AddWindowOptions(CLI::App& command, OpenArguments& open) {
    command.add_option("--tab", open.tab, "the tab selected when the window opens")->type_name("K");
    command.add_flag("--limited", open.limited, "a contact's four basic tabs only");
}

CLI::App* AddOpenCommand(CLI::App& app, OpenArguments& open) {
    CLI::App* command = app.add_subcommand(
        "open", "open a details window through the module and print what it shows");
    command->add_option("window", open.kind, "owner, contact, group or pane")
        ->required()
        ->transform(CLI::CheckedTransformer(kWindowKinds, CLI::ignore_case));
    command->add_option("number", open.number, "the user's number (not for owner)");
    AddWindowOptions(*command, open);
    command->callback([&open] { CheckNumber(open); });
    return command;
}

CLI::App* AddGuiCommand(CLI::App& app, OpenArguments& open) {
    CLI::App* command =
        app.add_subcommand("gui", "open a details window for real, on the desktop (owner if none)");
    command->add_option("window", open.kind, "owner, contact, group or pane")
        ->transform(CLI::CheckedTransformer(kWindowKinds, CLI::ignore_case));
    command->add_option("number", open.number, "the user's number (not for owner)");
    AddWindowOptions(*command, open);
    command->callback([&open] { CheckNumber(open); });
    return command;
}

// `shot WINDOW [N] FILE.png`: the number only where the window needs one.
CLI::App* AddShotCommand(CLI::App& app, OpenArguments& open, std::filesystem::path& picture) {
    CLI::App* command =
        app.add_subcommand("shot", "draw a details window into a PNG file, without a display");
    auto words = std::make_shared<std::vector<std::string>>();
    command->add_option("words", *words, "WINDOW [N] FILE.png")->required()->expected(2, 3);
    AddWindowOptions(*command, open);
    command->callback([&open, &picture, words] {
        const auto kind = kWindowKinds.find(words->front());
        if (kind == kWindowKinds.end()) {
            throw CLI::ValidationError("window", "owner, contact, group or pane");
        }
        open.kind = kind->second;
        if (words->size() == 3) {
            try {
                open.number = static_cast<std::uint32_t>(std::stoul((*words)[1]));
            } catch (const std::exception&) {
                throw CLI::ValidationError("number", "not a number: " + (*words)[1]);
            }
        }
        CheckNumber(open);
        picture = words->back();
    });
    return command;
}

}  // namespace

int RunCommandLine(int argc, const char* const* argv, const ProgramFiles& files, std::ostream& out,
                   std::ostream& err, const ViewCommands* view) {
    CLI::App app("nuvclient: the reference host client of the user details module", "nuvclient");
    app.set_version_flag("--version", std::string("nuvclient ") + NUV_VERSION);
    std::string dataFolder;
    app.add_option("--data", dataFolder,
                   "data folder (default: $XDG_DATA_HOME/nuvclient or ~/.local/share/nuvclient)")
        ->type_name("DIR");
    ClientOptions options;
    options.module = files.module;
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
    CLI::App* gui = AddGuiCommand(app, openArguments);
    std::filesystem::path picture;
    CLI::App* shot = AddShotCommand(app, openArguments, picture);
    std::filesystem::path script;
    CLI::App* run = app.add_subcommand("run", "run an automation script");
    run->add_option("script", script, "the script: one action a line")
        ->required()
        ->check(CLI::ExistingFile);
    std::uint32_t exportNumber = 0;
    std::filesystem::path exportFile;
    CLI::App* exportCard = app.add_subcommand("export", "write user N's details as a vCard");
    exportCard->add_option("number", exportNumber, "the user's number")->required();
    exportCard->add_option("file", exportFile, "the vCard file, or - for standard output")
        ->required();
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        int status = app.exit(error, out, err);
        return status == 0 ? kExitSuccess : kExitUsage;
    }
    const bool opensHost =
        open->parsed() || run->parsed() || gui->parsed() || shot->parsed() || exportCard->parsed();
    try {
        std::filesystem::path folder =
            dataFolder.empty() ? DefaultDataFolder() : std::filesystem::path(dataFolder);
        auto store = OpenDataFolder(folder, files.sampleData);
        if (browser) options.services.browser = kDefaultBrowser;
        options.services.dataFolder = files.sampleData;
        options.directory.latency = std::chrono::milliseconds(latency);
        if (!failure.empty()) options.directory.failure = ParseDirectoryFailure(failure);
        int status = kExitSuccess;
        if (users->parsed()) PrintUsers(*store, out);
        if ((gui->parsed() || shot->parsed()) && !view) {
            err << "nuvclient: this build has no Qt view (install Qt 6 Widgets and build again)\n";
            return kExitFailure;
        }
        if (opensHost) {
            ClientHost host(*store, options);
            const OpenRequest request = openArguments.Request();
            if (exportCard->parsed()) {
                status = RunExportCommand(host, exportNumber, exportFile, out, err);
            } else if (open->parsed()) {
                status = RunOpenCommand(host, request, out, err);
            } else if (run->parsed()) {
                status = RunScriptCommand(host, script, out, err);
            } else if (gui->parsed()) {
                status = view->gui(files.view, host, request, err);
            } else {
                status = view->shot(files.view, host, request, picture, err);
            }
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
