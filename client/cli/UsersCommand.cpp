#include "client/cli/UsersCommand.h"

#include <string>

namespace nuvclient {

void PrintUsers(Store& store, std::ostream& out) {
    std::string text;
    for (const User& user : store.Users()) {
        text += std::to_string(user.number);
        text += '\t';
        text += UserKindName(user.kind);
        text += '\t';
        text += user.name;
        text += '\n';
    }
    out << text;
}

}  // namespace nuvclient
