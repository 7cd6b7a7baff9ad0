#pragma once

#include <filesystem>
#include <ostream>

namespace nuvclient {

// Exit statuses of the command line.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Runs one nuvclient command line; |sampleData| is the folder of the SQL files a fresh data
// folder is filled from. Answers the exit status.
int RunCommandLine(int argc, const char* const* argv, const std::filesystem::path& sampleData,
                   std::ostream& out, std::ostream& err);

}  // namespace nuvclient
