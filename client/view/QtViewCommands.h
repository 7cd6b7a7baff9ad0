// `nuvclient gui` and `nuvclient shot` over the Qt view.
#pragma once

#include "client/cli/CommandLine.h"

namespace nuvclient {

extern const ViewCommands kQtViewCommands;

}  // namespace nuvclient
