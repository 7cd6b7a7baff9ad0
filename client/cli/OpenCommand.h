// `nuvclient open`: opens one details window through the module, as the host would, and prints
// what it shows.
#pragma once

#include <cstdint>
#include <ostream>

#include "client/host/ClientHost.h"

namespace nuvclient {

enum class WindowKind { Owner, Contact, Group, Pane };

struct OpenRequest {
    WindowKind kind = WindowKind::Owner;
    std::uint32_t number = 0;  // The contact, group or pane's user; unused for the owner.
    int tab = 0;
    bool limited = false;
};

// Opens the window and answers its handle (for a pane, the host window around it); null, with
// |problem| naming the user or the failure, when none was opened. The messages the window
// posted to itself as it opened are handled before it returns.
HWND OpenWindow(ClientHost& host, const OpenRequest& request, std::string& problem);
// The same, leaving those messages queued for the loop that shows the window to a person.
HWND OpenWindowUnhandled(ClientHost& host, const OpenRequest& request, std::string& problem);

// Opens the window and writes its dump to |out|. Answers the exit status.
int RunOpenCommand(ClientHost& host, const OpenRequest& request, std::ostream& out,
                   std::ostream& err);

}  // namespace nuvclient
