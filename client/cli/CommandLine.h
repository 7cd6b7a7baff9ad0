#pragma once

#include <filesystem>
#include <ostream>

#include "client/cli/OpenCommand.h"
#include "client/cli/ProgramFiles.h"

namespace nuvclient {

// Exit statuses of the command line.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// The commands that show windows for real; a build with the Qt view provides them, over the view
// library at |library|. Each answers the exit status.
struct ViewCommands {
    // Opens the window and lets the person use it until every window is closed.
    int (*gui)(const std::filesystem::path& library, ClientHost& host, const OpenRequest& request,
               std::ostream& err);
    // Opens the window and draws it into |picture|, a PNG file.
    int (*shot)(const std::filesystem::path& library, ClientHost& host, const OpenRequest& request,
                const std::filesystem::path& picture, std::ostream& err);
};

// Runs one nuvclient command line over the program's |files|: the module loaded unless --module
// names another, and the shipped data a fresh data folder is filled from; |view| is null in a
// build without the Qt view. Answers the exit status.
int RunCommandLine(int argc, const char* const* argv, const ProgramFiles& files, std::ostream& out,
                   std::ostream& err, const ViewCommands* view = nullptr);

}  // namespace nuvclient
