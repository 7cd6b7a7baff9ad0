#pragma once

#include <ostream>

#include "client/store/Store.h"

namespace nuvclient {

// `users`: one line per user, "number<TAB>kind<TAB>name", the owner first, then the contacts
// and the groups.
void PrintUsers(Store& store, std::ostream& out);

}  // namespace nuvclient
