// The e-mail list's context menus, each a bar with one popup.
#pragma once

#include "platform/resources/ResourceTable.h"

// 8545: "Copy Email Address" and "Send Email".
winport::MenuTemplate EmailMenu();
// 8554: "Copy Email Address" only, for a host that cannot send mail.
winport::MenuTemplate EmailMenuWithoutSend();
