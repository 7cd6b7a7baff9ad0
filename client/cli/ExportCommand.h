// `nuvclient export`: one user's details as a vCard, written by the module's writer without a
// window, to a file (replaced only once the new card is whole) or to standard output.
#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>

#include "client/host/ClientHost.h"

namespace nuvclient {

// Writes user |number|'s card to |target|, or to |out| when |target| is "-". Answers the exit
// status; a failure is told on |err| with the file named.
int RunExportCommand(ClientHost& host, std::uint32_t number, const std::filesystem::path& target,
                     std::ostream& out, std::ostream& err);

}  // namespace nuvclient
