// `nuvclient run`: runs an automation script against the host.
#pragma once

#include <filesystem>
#include <ostream>

#include "client/host/ClientHost.h"

namespace nuvclient {

// Answers the exit status: 1, with "SCRIPT:LINE: problem" on |err|, when the script cannot be
// read or parsed, or an action or check on a line fails.
int RunScriptCommand(ClientHost& host, const std::filesystem::path& script, std::ostream& out,
                     std::ostream& err);

}  // namespace nuvclient
